#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

namespace qv {

class DatabaseWorker;

/// What a customer lookup by postcode came to.
struct KundenSuche
{
    enum class Ausgang
    {
        Gefunden,
        NichtGefunden,
        Datenbankfehler // the database could not answer; grund says why
    };
    Ausgang ausgang = Ausgang::NichtGefunden;
    QString kurzbezeichnung; // KBez of the customer, blanks removed, when found
    QString grund;           // for the log, when the database failed
    QStringList weitere;     // KBez of further customers with the same postcode, in table order

    /// A notice naming the further customers with this postcode; empty when there are none.
    QString hinweis(const QString &plz) const;

    bool gefunden() const { return ausgang == Ausgang::Gefunden; }
    /// The short designation, or the not-found text for every other outcome.
    QString text(const QString &plz) const;
};

/// "Keinen Kunden für die PLZ <plz> gefunden.", with the postcode as it was given.
QString keinKundeText(const QString &plz);

/// The link to the maker's customer database: which customer has this postcode. The database
/// is a file or a PostgreSQL server (see Datenbank); every call returns within the time limit,
/// however slowly the database answers.
class TDatamodule_TesBs
{
public:
    static constexpr std::chrono::milliseconds StandardZeitlimit{6000};

    explicit TDatamodule_TesBs(QString datenbank, std::chrono::milliseconds zeitlimit = StandardZeitlimit);
    ~TDatamodule_TesBs();
    TDatamodule_TesBs(const TDatamodule_TesBs &) = delete;
    TDatamodule_TesBs &operator=(const TDatamodule_TesBs &) = delete;

    /// Opens the database and checks its table Kunde; a failure leaves the module closed.
    Result<void> Oeffnen();
    void Schliessen();
    bool Offen() const { return m_offen; }

    /// The first customer in table order whose postcode equals plz with the blanks around it
    /// removed. Opens and closes the database when it was not open; a lookup that fails or
    /// runs over the time limit is a database error and leaves the module closed.
    KundenSuche KundeZurPLZ(const QString &plz);

private:
    DatabaseWorker &worker();
    QString zeitlimitText() const;

    QString m_datenbank;
    std::chrono::milliseconds m_zeitlimit;
    std::unique_ptr<DatabaseWorker> m_worker;
    bool m_offen = false;
};

} // namespace qv
