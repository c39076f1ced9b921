#pragma once

#include <QString>

namespace qv {

/// Address, 411 bytes in the customer block.
struct TAdresse
{
    static constexpr int Groesse = 411;

    QString AnP;       // s[200] addressee line
    QString Institut;  // s[50]
    QString Abteilung; // s[50]
    QString Strasse;   // s[50]
    QString PLZ;       // s[5]
    QString Ort;       // s[50]

    bool operator==(const TAdresse &) const = default;
};

} // namespace qv
