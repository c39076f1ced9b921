#pragma once

#include <QString>

namespace qv {

/// Accelerator, 186 bytes in the customer block.
struct TBeschl
{
    static constexpr int Groesse = 186;

    QString Beschleuniger; // s[50] maker
    QString KBez;          // s[50]
    QString Typ;           // s[50]
    QString FBA;           // s[10] cm, decimal comma
    QString EFBA;          // s[10] "95" or "100"
    QString Gusshoehe;     // s[10] e.g. "8,0 cm"

    bool operator==(const TBeschl &) const = default;
};

} // namespace qv
