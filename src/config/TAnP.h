#pragma once

#include <QString>

namespace qv {

/// Contact person, 306 bytes in the customer block.
struct TAnP
{
    static constexpr int Groesse = 306;

    QString Geschlecht; // s[50] "Herr" / "Frau"
    QString Titel;      // s[50]
    QString Name;       // s[50] "Name, Vorname"
    QString Telefon;    // s[50]
    QString Fax;        // s[50]
    QString EMail;      // s[50]

    /// Salutation, title and name, blanks around the whole removed.
    QString AnzeigeName() const;

    bool operator==(const TAnP &) const = default;
};

} // namespace qv
