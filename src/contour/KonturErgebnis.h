#pragma once

#include <QString>

namespace qv {

/// What a change of a contour or of the contour set did. The model only reports it; the
/// window (or whoever drives the change) shows the text that belongs to it.
enum class KonturErgebnis {
    Angenommen,               ///< the change was made
    Unveraendert,             ///< nothing to do (no contour, number outside the set, already closed)
    ZuNah,                    ///< traced point not farther from the last one than the minimum distance
    Ueberschneidung,          ///< traced point would make the outline cross itself
    SchliessenUeberschneidung, ///< closing a traced outline would make it cross itself
    PunktGrenzeErreicht,      ///< the contour holds as many points as it can
    PunktGrenzeSchonGemeldet, ///< the same, during an import that was already told once
    ZuWenigePunkte,           ///< closing needs three points
    KonturenGrenzeErreicht,   ///< the set holds eleven contours
    AktuelleKonturOffen,      ///< another contour can be selected only once the current one is closed
};

/// The text shown for an outcome; empty where nothing is shown.
QString KonturMeldung(KonturErgebnis ergebnis);

} // namespace qv
