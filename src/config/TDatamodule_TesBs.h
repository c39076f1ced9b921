#pragma once

#include "base/Result.h"
#include "config/Datenbank.h"

#include <QString>

/// The link to the maker's customer database: which customer has this postcode.
class TDatamodule_TesBs
{
public:
    explicit TDatamodule_TesBs(QString datenbankPfad);

    /// Opens the database and checks its table Kunde; a failure leaves the module closed.
    qv::Result<void> Oeffnen();
    void Schliessen();
    bool Offen() const { return m_offen; }

    /// The short designation of the first customer with this postcode (blanks around it removed),
    /// or "Keinen Kunden für die PLZ <plz> gefunden." when there is none or the database
    /// cannot be read. Opens and closes the database when it was not open.
    QString KundeZurPLZ(const QString &plz);

private:
    QString m_pfad;
    qv::Datenbank m_db;
    bool m_offen = false;
};
