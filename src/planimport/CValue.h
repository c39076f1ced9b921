#pragma once

#include "planimport/BPRTextDatei.h"
#include "planimport/T_Werte.h"

#include <QString>
#include <QStringList>

namespace qv {

/// What a beam read shares between its values: the stop after the first read error and the
/// messages collected for the person.
struct BPRLeseZustand
{
    bool Stopp = false;
    QStringList Meldungen;

    /// Adds a message once.
    void Melden(const QString &text)
    {
        if (!Meldungen.contains(text))
            Meldungen << text;
    }
};

/// One value of a planning-system file, found by its descriptor. Reading writes back into
/// lineoffset, rowoffset and len, and later reads of the same object go on from there.
class CValue
{
public:
    CValue() = default;
    explicit CValue(const T_Werte &w)
        : tagstr(w.tagstr), lineoffset(w.lineoffset), rowoffset(w.rowoffset), len(w.len), endchar(w.endchar),
          beginchar(w.beginchar)
    {
    }

    /// Reads the value from the current line of f on. False when the file is at its end, a
    /// read error stopped the beam, the marker is missing, or in the counting and "before the
    /// marker" modes (the value is set nevertheless).
    bool Read(BPRTextDatei &f, BPRLeseZustand &zustand);
    const QString &GetValue() const { return Value; }
    /// The last read ran out of lines before it reached the value's line.
    bool UeberDateiende() const { return m_ueberEnde; }

    QString tagstr;
    qint32 lineoffset = 0;
    qint32 rowoffset = 0;
    qint32 len = 0;
    QChar endchar;
    QChar beginchar;
    QString Value;
    /// The 1-based line of the file the value was taken from (0 before a read found one).
    qint32 Zeile = 0;

private:
    bool m_ueberEnde = false;
};

} // namespace qv
