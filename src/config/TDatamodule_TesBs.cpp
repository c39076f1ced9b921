#include "config/TDatamodule_TesBs.h"

#include "config/DatabaseWorker.h"
#include "config/Datenbank.h"

#include "base/Numbers.h"

namespace qv {

namespace {

const QString kTabelle = QStringLiteral("Kunde");
// The key of Kunde: table order, which decides between customers with the same postcode.
const QString kSchluessel = QStringLiteral("Kun_ID");

// Opens the database and checks that it has the table Kunde.
Result<void> oeffnen(Datenbank &db, const QString &ziel)
{
    if (auto ok = db.oeffnen(ziel); !ok)
        return ok;
    // Only what the lookup needs, so opening stays cheap on a server.
    if (auto ok = db.pruefen(kTabelle, {kSchluessel, QStringLiteral("KBez"), QStringLiteral("Postleitzahl")}); !ok) {
        db.schliessen();
        return ok;
    }
    return {};
}

KundenSuche suchen(Datenbank &db, const QString &plz)
{
    KundenSuche s;
    // The first customer counts; a few more are read to name them in a notice.
    auto zeilen = db.suchenMehrere(kTabelle, {{QStringLiteral("Postleitzahl"), plz.trimmed()}}, {}, {kSchluessel}, 11);
    if (!zeilen) {
        s.ausgang = KundenSuche::Ausgang::Datenbankfehler;
        s.grund = zeilen.error();
    } else if (!zeilen->isEmpty()) {
        s.ausgang = KundenSuche::Ausgang::Gefunden;
        s.kurzbezeichnung = Datenbank::alsText(zeilen->first(), QStringLiteral("KBez")).trimmed();
        for (qsizetype i = 1; i < zeilen->size(); ++i)
            s.weitere << Datenbank::alsText(zeilen->at(i), QStringLiteral("KBez")).trimmed();
    }
    return s;
}

} // namespace

QString keinKundeText(const QString &plz)
{
    return QStringLiteral("Keinen Kunden für die PLZ ") + plz + QStringLiteral(" gefunden.");
}

QString KundenSuche::hinweis(const QString &plz) const
{
    if (!gefunden() || weitere.isEmpty())
        return {};
    QStringList namen = weitere.mid(0, 10);
    for (QString &n : namen)
        n = u'"' + n + u'"';
    if (weitere.size() > 10)
        namen << QStringLiteral("weitere");
    return QStringLiteral("Die PLZ %1 haben mehrere Kunden; genommen wird der erste, \"%2\". Ebenfalls mit dieser PLZ: %3.")
        .arg(plz.trimmed(), kurzbezeichnung, namen.join(QStringLiteral(", ")));
}

QString KundenSuche::text(const QString &plz) const
{
    return gefunden() ? kurzbezeichnung : keinKundeText(plz);
}

TDatamodule_TesBs::TDatamodule_TesBs(QString datenbank, std::chrono::milliseconds zeitlimit)
    : m_datenbank(std::move(datenbank)), m_zeitlimit(zeitlimit)
{
}

TDatamodule_TesBs::~TDatamodule_TesBs() = default;

DatabaseWorker &TDatamodule_TesBs::worker()
{
    if (!m_worker || m_worker->aufgegeben())
        m_worker = std::make_unique<DatabaseWorker>();
    return *m_worker;
}

QString TDatamodule_TesBs::zeitlimitText() const
{
    return QStringLiteral("Die Kundendatenbank \"%1\" hat nicht innerhalb von %2 s geantwortet.")
        .arg(m_datenbank, formatDecimal(double(m_zeitlimit.count()) / 1000.0));
}

Result<void> TDatamodule_TesBs::Oeffnen()
{
    m_offen = false;
    const QString ziel = m_datenbank;
    auto ok = worker().run<Result<void>>([ziel](Datenbank &db) { return oeffnen(db, ziel); }, m_zeitlimit);
    if (!ok)
        return Error{zeitlimitText()};
    m_offen = ok->ok();
    return std::move(*ok);
}

void TDatamodule_TesBs::Schliessen()
{
    if (m_worker && !m_worker->aufgegeben())
        m_worker->run<bool>(
            [](Datenbank &db) {
                db.schliessen();
                return true;
            },
            m_zeitlimit);
    m_offen = false;
}

KundenSuche TDatamodule_TesBs::KundeZurPLZ(const QString &plz)
{
    const QString ziel = m_datenbank;
    const bool offen = m_offen;
    // One call for the whole lookup, opening and closing included, so the limit covers it all.
    auto s = worker().run<KundenSuche>(
        [ziel, plz, offen](Datenbank &db) {
            if (!offen) {
                if (auto ok = oeffnen(db, ziel); !ok)
                    return KundenSuche{KundenSuche::Ausgang::Datenbankfehler, {}, ok.error(), {}};
            }
            KundenSuche ergebnis = suchen(db, plz);
            if (!offen)
                db.schliessen();
            return ergebnis;
        },
        m_zeitlimit);
    if (!s) {
        m_offen = false;
        return KundenSuche{KundenSuche::Ausgang::Datenbankfehler, {}, zeitlimitText(), {}};
    }
    return std::move(*s);
}

} // namespace qv
