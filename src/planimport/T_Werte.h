#pragma once

#include <QChar>
#include <QMap>
#include <QString>

namespace qv {

/// Where one value stands in a planning-system file: one row of the format database.
/// The empty descriptor has an empty marker, all numbers 0 and both characters NUL.
struct T_Werte
{
    QString tagstr;      // marker text, or "None" for a value at a fixed line
    qint32 lineoffset = 0;
    qint32 rowoffset = 0;
    qint32 len = 0;
    QChar endchar;       // end character or mode letter; '0' when the row has none
    QChar beginchar;     // begin character; '0' when the row has none, 'T' for a tab

    bool operator==(const T_Werte &) const = default;
};

/// The rows of one format, by value code (the first row of each code in table order).
using BPRFormatZeilen = QMap<int, T_Werte>;

/// Looks a value up in the rows of a format: found fills the descriptor and gives true;
/// not found gives the empty descriptor and false.
bool ReadFormatValue(const BPRFormatZeilen &zeilen, T_Werte &werte, int valueCode);

} // namespace qv
