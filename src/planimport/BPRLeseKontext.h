#pragma once

#include "planimport/BPRTextDatei.h"
#include "planimport/CValue.h"
#include "planimport/T_Werte.h"

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

namespace qv {

/// What the contour and jaw readers need of the beam being read.
struct BPRLeseKontext
{
    BPRTextDatei &f;
    BPRLeseZustand &zustand;
    const BPRFormatZeilen &zeilen;
    int formatCode = 10;
    double fba = 0;
    double fia = 0;
    QChar dezimaltrenner = u',';
    bool einzelKontur = false;
    /// Back to the first line and past the markers of the beams before the one being read.
    std::function<void(bool oneLess)> resetUndSkip;
    /// Set when the beam cannot be used although the reads went through (a value that cannot
    /// be converted, an open contour, too many points).
    bool fehler = false;
    /// The prepared file lost every second (blank) line: line numbers of the person's file
    /// are twice as large.
    bool doppelterZeilenabstand = false;
    /// Markers a beam's values never run past (the next beam, the end of the beam): a value
    /// found beyond one belongs to another beam.
    QStringList beamGrenzen;

    void Fehler(const QString &meldung)
    {
        fehler = true;
        zustand.Melden(meldung);
    }
    /// The line number of the person's file for a line of the prepared one.
    qint64 DateiZeile(qint32 zeile) const { return doppelterZeilenabstand ? 2 * qint64(zeile) - 1 : zeile; }
    /// A coordinate value in tenths of a millimetre. A text that is no number, or a unit that
    /// cannot be computed, marks the beam as failed (naming the line) and gives 0. With
    /// mayBeAbsent an empty text or "None" is a value the file leaves out and gives 0.
    qint32 Zehntel(const CValue &wert, bool mayBeAbsent = false);
    /// Whether one of the lines from the 0-based position von up to (not including) bis holds
    /// one of the markers.
    bool MarkeZwischen(qsizetype von, qsizetype bis, const QStringList &marken) const;
    /// Whether the value is a number of the file or, with mayBeAbsent, left out (empty or
    /// "None"); anything else marks the beam as failed, naming the line.
    bool ZahlPruefen(const CValue &wert, bool mayBeAbsent);
};

/// An empty text or the format's "None" for a value the file leaves out.
bool WertFehlt(const QString &text);

/// True when the read found its value (the counting and "before the marker" modes report
/// false although they set it).
inline bool Gelesen(const CValue &v, bool ergebnis)
{
    return ergebnis || v.endchar == u'#' || v.endchar == u'V';
}

} // namespace qv
