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

    void Fehler(const QString &meldung)
    {
        fehler = true;
        zustand.Melden(meldung);
    }
    /// A coordinate text in tenths of a millimetre; a unit that cannot be computed marks the
    /// beam as failed and gives 0.
    qint32 Zehntel(const QString &text);
};

/// True when the read found its value (the counting and "before the marker" modes report
/// false although they set it).
inline bool Gelesen(const CValue &v, bool ergebnis)
{
    return ergebnis || v.endchar == u'#' || v.endchar == u'V';
}

} // namespace qv
