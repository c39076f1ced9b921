// The customer database on both engines: every case runs against a database file and against a
// database of its own on the private PostgreSQL test server that ctest starts.
#include "config/Datenbank.h"
#include "config/MdbDatei.h"
#include "config/MdbImport.h"
#include "config/TDatamodule_TesBs.h"

#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace {

using qv::Datenbank;
using qv::test::CliRun;
using qv::test::finishRun;
using qv::KundenSuche;
using Engine = Datenbank::Engine;

QString serverScript()
{
    return QStringLiteral(QV_SOURCE_DIR "/scripts/pg-test-server");
}

// The URI of a server started by scripts/pg-test-server, from its status file.
QString serverUri(const QString &statusDatei)
{
    QFile f(statusDatei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &zeile : f.readAll().split('\n')) {
        if (zeile.startsWith("uri="))
            return QString::fromUtf8(zeile.mid(4));
    }
    return {};
}

// The same server, another database.
QString withDatabase(const QString &uri, const QString &name)
{
    return uri.left(uri.lastIndexOf(u'/') + 1) + QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString quoted(QString name)
{
    name.replace(u'"', QStringLiteral("\"\""));
    return u'"' + name + u'"';
}

// Runs one statement on the server's maintenance database (creating and dropping databases).
void administer(const QString &uri, const QString &sql)
{
    Datenbank admin;
    ASSERT_TRUE(admin.oeffnen(uri).ok());
    QSqlQuery q(admin.verbindung());
    ASSERT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
}

QProcess *startKundePlz(const QString &plz, const QString &ziel, QObject *eltern)
{
    auto *p = new QProcess(eltern);
    p->start(qv::test::cliPath(), {QStringLiteral("kunde-plz"), plz, QStringLiteral("--datenbank"), ziel});
    return p;
}

// A fresh empty database on the engine of the test: a file in a temporary folder, or a
// database of its own on the test server (dropped afterwards).
class KundenDatenbank : public ::testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Engine::SQLite) {
            m_ziel = m_ordner.file(QStringLiteral("TesBS.sqlite"));
            return;
        }
        m_server = serverUri(QStringLiteral(QV_PG_STATUS));
        if (m_server.isEmpty())
            GTEST_SKIP() << "no PostgreSQL test server (ctest starts one)";
        m_name = QStringLiteral("qv_") + QUuid::createUuid().toString(QUuid::Id128);
        ASSERT_NO_FATAL_FAILURE(administer(m_server, QStringLiteral("CREATE DATABASE %1").arg(quoted(m_name))));
        m_ziel = withDatabase(m_server, m_name);
    }
    void TearDown() override
    {
        if (!m_name.isEmpty())
            administer(m_server, QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(quoted(m_name)));
    }

    const QString &ziel() const { return m_ziel; }

    void customerSchema() { ASSERT_TRUE(Datenbank::erzeugen(m_ziel, qv::datenbankSchema(QStringLiteral("TesBS.sql"))).ok()); }

    // Rows of Kunde with the key given, in the order given.
    void customers(std::initializer_list<std::tuple<int, const char *, const char *>> zeilen)
    {
        Datenbank db;
        ASSERT_TRUE(db.oeffnen(m_ziel).ok());
        QSqlQuery q(db.verbindung());
        ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO \"Kunde\" (\"Kun_ID\", \"Name\", \"KBez\", \"Postleitzahl\") "
                                             "VALUES (?, 'Klinik', ?, ?)")));
        for (const auto &[id, kbez, plz] : zeilen) {
            q.addBindValue(id);
            q.addBindValue(QString::fromUtf8(kbez));
            q.addBindValue(QString::fromUtf8(plz));
            ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        }
    }

    qv::test::TempProgramFolder m_ordner;
    QString m_server;
    QString m_name;
    QString m_ziel;
};

std::string engineName(const ::testing::TestParamInfo<Engine> &info)
{
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

INSTANTIATE_TEST_SUITE_P(Engines, KundenDatenbank, ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);

TEST_P(KundenDatenbank, OneSchemaTheSameFieldsOnBothEngines)
{
    customerSchema();
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(ziel()).ok());
    EXPECT_EQ(db.engine(), GetParam());
    EXPECT_EQ(*db.tabellen(), QStringList{QStringLiteral("Kunde")});
    auto felder = db.felder(QStringLiteral("Kunde"));
    ASSERT_TRUE(felder.ok()) << felder.error().toStdString();
    QStringList beschrieben;
    for (const Datenbank::Feld &f : *felder)
        beschrieben << QStringLiteral("%1:%2:%3%4").arg(f.name, f.typ).arg(f.groesse).arg(f.autoWert ? QStringLiteral("*") : QString());
    EXPECT_EQ(beschrieben.join(u' '),
              QStringLiteral("Kun_ID:INTEGER:0* Name:VARCHAR(50):50 KBez:VARCHAR(10):10 Straße:VARCHAR(255):255 "
                             "Stadt:VARCHAR(50):50 Postleitzahl:VARCHAR(20):20 Land:VARCHAR(50):50 Telefon:VARCHAR(30):30 "
                             "Telefax:VARCHAR(30):30 Username:VARCHAR(10):10 Offline:BOOLEAN:0 FrachtbriefKunde:BOOLEAN:0 "
                             "Versandart:INTEGER:0"));

    // Sizes hold on both engines, and a new row gets the next key.
    QSqlQuery q(db.verbindung());
    EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO \"Kunde\" (\"KBez\") VALUES ('elf Zeichen')")));
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO \"Kunde\" (\"KBez\", \"Offline\") VALUES ('zehn Zeich', true)")))
        << q.lastError().text().toStdString();
    auto neu = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("KBez"), QStringLiteral("zehn Zeich")}});
    ASSERT_TRUE(neu.ok() && neu->has_value());
    EXPECT_EQ(Datenbank::alsText(**neu, QStringLiteral("Kun_ID")), QStringLiteral("1"));
}

TEST_P(KundenDatenbank, KundeZurPLZ)
{
    customerSchema();
    // Table order is key order: 3 comes before 7 although it was written later.
    customers({{7, "SPAET", "80331"}, {3, "FRÜH", "80331"}, {10, " KLIN1 ", "79106"}, {11, "KLIN2", "79106"}, {12, "X", "7910"}});
    qv::TDatamodule_TesBs modul(ziel());
    struct Case
    {
        const char *plz;
        const char *ergebnis; // nullptr: not found
    } faelle[] = {
        {" 79106 ", "KLIN1"},
        {"80331", "FRÜH"},
        {"7910", "X"},
        {"7910 ", "X"},
        {"791", nullptr},
        {" 12345 ", nullptr},
        {"", nullptr},
        {"79106' OR '1'='1", nullptr},
        {"79106\"; DROP TABLE \"Kunde\"; --", nullptr},
    };
    for (const Case &f : faelle) {
        const QString plz = QString::fromUtf8(f.plz);
        const KundenSuche s = modul.KundeZurPLZ(plz);
        EXPECT_EQ(s.ausgang, f.ergebnis ? KundenSuche::Ausgang::Gefunden : KundenSuche::Ausgang::NichtGefunden)
            << f.plz << ": " << s.grund.toStdString();
        EXPECT_EQ(s.text(plz), f.ergebnis ? QString::fromUtf8(f.ergebnis) : QStringLiteral("Keinen Kunden für die PLZ %1 gefunden.").arg(plz));
        EXPECT_FALSE(modul.Offen()) << "closed again by the lookup that opened it";
    }
    ASSERT_TRUE(modul.Oeffnen().ok());
    EXPECT_EQ(modul.KundeZurPLZ(QStringLiteral("79106")).kurzbezeichnung, QStringLiteral("KLIN1"));
    EXPECT_EQ(modul.KundeZurPLZ(QStringLiteral("80331")).kurzbezeichnung, QStringLiteral("FRÜH"));
    EXPECT_TRUE(modul.Offen()) << "a lookup does not close a module it did not open";
    modul.Schliessen();
    EXPECT_FALSE(modul.Offen());

    // The command line gives the same answers.
    QObject eltern;
    const CliRun gefunden = finishRun(*startKundePlz(QStringLiteral(" 79106 "), ziel(), &eltern));
    EXPECT_EQ(gefunden.exitCode, 0) << gefunden.err.toStdString();
    EXPECT_EQ(gefunden.outText(), QStringLiteral("KLIN1\n"));
    const CliRun nicht = finishRun(*startKundePlz(QStringLiteral(" 12345"), ziel(), &eltern));
    EXPECT_EQ(nicht.exitCode, 1);
    EXPECT_EQ(nicht.outText(), QStringLiteral("Keinen Kunden für die PLZ  12345 gefunden.\n"));
    EXPECT_EQ(nicht.errText(), QString());
}

TEST_P(KundenDatenbank, WithoutTableKundeADatabaseError)
{
    if (GetParam() == Engine::SQLite) {
        ASSERT_TRUE(Datenbank::erzeugen(ziel(), QStringLiteral("CREATE TABLE \"Andere\" (\"ID\" INTEGER);")).ok());
    }
    qv::TDatamodule_TesBs modul(ziel());
    const KundenSuche s = modul.KundeZurPLZ(QStringLiteral("79106"));
    EXPECT_EQ(s.ausgang, KundenSuche::Ausgang::Datenbankfehler);
    EXPECT_TRUE(s.grund.contains(QStringLiteral("\"Kunde\""))) << s.grund.toStdString();
    EXPECT_FALSE(modul.Oeffnen().ok());
    EXPECT_FALSE(modul.Offen());

    QObject eltern;
    const CliRun l = finishRun(*startKundePlz(QStringLiteral("79106"), ziel(), &eltern));
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(l.outText(), QStringLiteral("Keinen Kunden für die PLZ 79106 gefunden.\n"));
    EXPECT_TRUE(l.errText().contains(QStringLiteral("\"Kunde\""))) << "the reason, for the log";
}

TEST_P(KundenDatenbank, SeveralCustomersWithOnePostcodeAreNamed)
{
    customerSchema();
    customers({{7, "SPAET", "80331"}, {3, "FRÜH", "80331"}, {5, "MITTE", "80331"}, {10, "KLIN1", "79106"}});
    qv::TDatamodule_TesBs modul(ziel());
    const KundenSuche s = modul.KundeZurPLZ(QStringLiteral("80331"));
    EXPECT_EQ(s.kurzbezeichnung, QStringLiteral("FRÜH"));
    EXPECT_EQ(s.weitere, (QStringList{QStringLiteral("MITTE"), QStringLiteral("SPAET")}));
    EXPECT_TRUE(modul.KundeZurPLZ(QStringLiteral("79106")).hinweis(QStringLiteral("79106")).isEmpty());

    QObject eltern;
    const CliRun l = finishRun(*startKundePlz(QStringLiteral("80331"), ziel(), &eltern));
    EXPECT_EQ(l.exitCode, 0);
    EXPECT_EQ(l.outText(), QStringLiteral("FRÜH\n"));
    EXPECT_EQ(l.errText(), QStringLiteral("Die PLZ 80331 haben mehrere Kunden; genommen wird der erste, \"FRÜH\". "
                                          "Ebenfalls mit dieser PLZ: \"MITTE\", \"SPAET\".\n"));
}

// A table Kunde whose postcode column has another name: SQLite would read "Postleitzahl" as a
// text and find a customer for the postcode "Postleitzahl".
TEST_P(KundenDatenbank, MissingColumnsOfKundeAreNamed)
{
    ASSERT_TRUE(Datenbank::erzeugen(ziel(), QStringLiteral("CREATE TABLE \"Kunde\" (\"Kun_ID\" INTEGER PRIMARY KEY, "
                                                          "\"KBez\" VARCHAR(20), \"PLZ\" VARCHAR(10));"))
                    .ok());
    {
        Datenbank db;
        ASSERT_TRUE(db.oeffnen(ziel()).ok());
        QSqlQuery q(db.verbindung());
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO \"Kunde\" VALUES (1, 'KLIN', '79106')")));
    }
    qv::TDatamodule_TesBs modul(ziel());
    const KundenSuche s = modul.KundeZurPLZ(QStringLiteral("Postleitzahl"));
    EXPECT_EQ(s.ausgang, KundenSuche::Ausgang::Datenbankfehler);
    // SQLite names the missing field from the table's description; PostgreSQL refuses the query.
    EXPECT_TRUE(s.grund.contains(QStringLiteral("Postleitzahl"))) << s.grund.toStdString();
    const auto offen = modul.Oeffnen();
    ASSERT_FALSE(offen.ok());
    EXPECT_TRUE(offen.error().contains(QStringLiteral("Postleitzahl")));

    QObject eltern;
    for (const QString &plz : {QStringLiteral("Postleitzahl"), QStringLiteral("79106")}) {
        const CliRun l = finishRun(*startKundePlz(plz, ziel(), &eltern));
        EXPECT_EQ(l.exitCode, 1);
        EXPECT_FALSE(l.outText().contains(QStringLiteral("KLIN")));
        EXPECT_TRUE(l.errText().contains(QStringLiteral("Postleitzahl"))) << l.err.toStdString();
        if (GetParam() == Engine::SQLite)
            EXPECT_TRUE(l.errText().contains(QStringLiteral("fehlt das Feld: Postleitzahl"))) << l.err.toStdString();
    }
}

// The two real Access files: their tables are not ours, so the test gives their shape.
class AccessImport : public KundenDatenbank
{
protected:
    void SetUp() override
    {
        if (!qv::MdbDatei::verfuegbar())
            GTEST_SKIP() << "built without libmdb";
        KundenDatenbank::SetUp();
    }
    static qv::MdbDatei::Tabelle readTable(const char *datei, const QString &tabelle)
    {
        qv::MdbDatei mdb;
        EXPECT_TRUE(mdb.oeffnen(qv::test::testDataPath(QStringLiteral("external/") + QString::fromUtf8(datei))).ok());
        auto t = mdb.lesen(tabelle);
        EXPECT_TRUE(t.ok());
        return t.ok() ? *t : qv::MdbDatei::Tabelle{};
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, AccessImport, ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);

TEST_P(AccessImport, BothFilesArriveUnaltered)
{
    ASSERT_TRUE(Datenbank::erzeugen(ziel(), QStringLiteral(
                                                "CREATE TABLE \"Ziel\" (\"ID\" INTEGER PRIMARY KEY, \"Unicode\" VARCHAR(255), \"Nur_hier\" TEXT);\n"
                                                "INSERT INTO \"Ziel\" (\"ID\") VALUES (99);\n"
                                                "CREATE TABLE \"Typen\" (\"A\" VARCHAR(50), \"B\" VARCHAR(100), \"C\" INTEGER, \"D\" INTEGER,\n"
                                                "  \"E\" INTEGER, \"F\" DOUBLE PRECISION, \"G\" TIMESTAMP, \"H\" DOUBLE PRECISION, \"I\" BOOLEAN);"))
                    .ok());
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(ziel()).ok());

    const qv::MdbDatei::Tabelle unicode = readTable("jet4_unicode_compressed.mdb", QStringLiteral("Table"));
    auto n = qv::kopiereTabelle(unicode, db, QStringLiteral("Ziel"));
    ASSERT_TRUE(n.ok()) << n.error().toStdString();
    EXPECT_EQ(*n, 8);
    auto alt = db.suchen(QStringLiteral("Ziel"), {{QStringLiteral("ID"), 99}});
    ASSERT_TRUE(alt.ok());
    EXPECT_FALSE(alt->has_value()) << "the old rows are replaced";
    for (const QVariantList &zeile : unicode.zeilen) {
        auto r = db.suchen(QStringLiteral("Ziel"), {{QStringLiteral("ID"), zeile[0]}});
        ASSERT_TRUE(r.ok() && r->has_value()) << zeile[0].toInt();
        EXPECT_EQ(Datenbank::alsText(**r, QStringLiteral("Unicode")), zeile[1].toString()) << zeile[0].toInt();
    }
    auto finnisch = db.suchen(QStringLiteral("Ziel"), {{QStringLiteral("Unicode"), QStringLiteral("ääkkösiä")}});
    ASSERT_TRUE(finnisch.ok() && finnisch->has_value());
    EXPECT_EQ(Datenbank::alsText(**finnisch, QStringLiteral("ID")), QStringLiteral("2"));

    const qv::MdbDatei::Tabelle typen = readTable("jet4_alltypes_testV2000.mdb", QStringLiteral("Table1"));
    auto m = qv::kopiereTabelle(typen, db, QStringLiteral("Typen"));
    ASSERT_TRUE(m.ok()) << m.error().toStdString();
    EXPECT_EQ(*m, 2);
    auto z = db.suchen(QStringLiteral("Typen"), {{QStringLiteral("A"), QStringLiteral("abcdefg")}});
    ASSERT_TRUE(z.ok() && z->has_value());
    const QSqlRecord &r = **z;
    EXPECT_EQ(r.value(QStringLiteral("B")).toString(), QStringLiteral("hijklmnop"));
    EXPECT_EQ(r.value(QStringLiteral("E")).toLongLong(), 333333333);
    EXPECT_DOUBLE_EQ(r.value(QStringLiteral("F")).toDouble(), 444.555);
    EXPECT_EQ(r.value(QStringLiteral("G")).toString().left(19).replace(u'T', u' '), QStringLiteral("1974-09-21 00:00:00"));
    EXPECT_DOUBLE_EQ(r.value(QStringLiteral("H")).toDouble(), 3.5);
    EXPECT_TRUE(r.value(QStringLiteral("I")).toBool());
}

TEST_P(AccessImport, AFailedImportLeavesEverythingAsItWas)
{
    ASSERT_TRUE(Datenbank::erzeugen(ziel(), QStringLiteral("CREATE TABLE \"Eng\" (\"ID\" INTEGER, \"Unicode\" VARCHAR(5) "
                                                           "CHECK (length(\"Unicode\") <= 5));\n"
                                                           "INSERT INTO \"Eng\" VALUES (1, 'alt');"))
                    .ok());
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(ziel()).ok());
    auto zuLang = qv::kopiereTabelle(readTable("jet4_unicode_compressed.mdb", QStringLiteral("Table")), db, QStringLiteral("Eng"));
    ASSERT_FALSE(zuLang.ok());
    EXPECT_TRUE(zuLang.error().contains(QStringLiteral("Zeile 1"))) << zuLang.error().toStdString();
    auto bleibt = db.suchen(QStringLiteral("Eng"), {{QStringLiteral("Unicode"), QStringLiteral("alt")}});
    ASSERT_TRUE(bleibt.ok());
    EXPECT_TRUE(bleibt->has_value());

    // A whole import: the missing tables are created and filled in one transaction; when the
    // second table fails, the first is not created either.
    qv::MdbDatei mdb;
    ASSERT_TRUE(mdb.oeffnen(qv::test::testDataPath(QStringLiteral("external/jet4_alltypes_testV2000.mdb"))).ok());
    const QString schema = QStringLiteral("CREATE TABLE \"Table3\" (\"a\" INTEGER, \"b\" VARCHAR(50));\n"
                                          "CREATE TABLE \"Table1\" (\"A\" VARCHAR(%1) CHECK (length(\"A\") <= %1), \"I\" BOOLEAN);\n");
    auto falsch = qv::importiere(mdb, {QStringLiteral("Table3"), QStringLiteral("Table1")}, db, schema.arg(3));
    ASSERT_FALSE(falsch.ok());
    EXPECT_EQ(*db.tabellen(), QStringList{QStringLiteral("Eng")});
    auto richtig = qv::importiere(mdb, {QStringLiteral("Table3"), QStringLiteral("Table1")}, db, schema.arg(50));
    ASSERT_TRUE(richtig.ok()) << richtig.error().toStdString();
    EXPECT_EQ(*richtig, (QList<QPair<QString, int>>{{QStringLiteral("Table3"), 0}, {QStringLiteral("Table1"), 2}}));
    EXPECT_EQ(*db.tabellen(), (QStringList{QStringLiteral("Eng"), QStringLiteral("Table1"), QStringLiteral("Table3")}));
}

// Lookups from other processes while an import replaces every row see the rows from before
// or from after, never a table half replaced.
TEST_P(KundenDatenbank, QueriesDuringAnImportSeeBeforeOrAfter)
{
    customerSchema();
    const int n = 4000;
    qv::MdbDatei::Tabelle alt{QStringLiteral("Kunde"),
                              {{QStringLiteral("Kun_ID"), QMetaType::Int, 0},
                               {QStringLiteral("KBez"), QMetaType::QString, 10},
                               {QStringLiteral("Postleitzahl"), QMetaType::QString, 20}},
                              {}};
    qv::MdbDatei::Tabelle neu = alt;
    for (int i = 1; i <= n; ++i) {
        alt.zeilen.append(QVariantList{i, QStringLiteral("A%1").arg(i), QStringLiteral("P%1").arg(i)});
        neu.zeilen.append(QVariantList{i, QStringLiteral("N%1").arg(i), QStringLiteral("P%1").arg(i)});
    }
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(ziel()).ok());
    ASSERT_TRUE(qv::kopiereTabelle(alt, db, QStringLiteral("Kunde")).ok());

    QObject eltern;
    const QString letzte = QStringLiteral("P%1").arg(n);
    QList<QProcess *> frueh;
    QList<CliRun> mittendrin;
    auto ok = qv::kopiereTabelle(neu, db, QStringLiteral("Kunde"), [&](int zeilen) {
        if (zeilen == n / 4) {
            for (int i = 0; i < 3; ++i)
                frueh << startKundePlz(letzte, ziel(), &eltern);
        } else if (zeilen == n / 2) {
            QList<QProcess *> jetzt;
            for (int i = 0; i < 3; ++i)
                jetzt << startKundePlz(letzte, ziel(), &eltern);
            for (QProcess *p : jetzt)
                mittendrin << finishRun(*p);
        }
    });
    ASSERT_TRUE(ok.ok()) << ok.error().toStdString();
    for (const CliRun &l : mittendrin) {
        EXPECT_EQ(l.exitCode, 0) << l.err.toStdString();
        EXPECT_EQ(l.outText(), QStringLiteral("A%1\n").arg(n)) << "the import is not committed yet";
    }
    for (QProcess *p : frueh) {
        const CliRun l = finishRun(*p);
        EXPECT_EQ(l.exitCode, 0) << l.err.toStdString();
        EXPECT_TRUE(l.outText() == QStringLiteral("A%1\n").arg(n) || l.outText() == QStringLiteral("N%1\n").arg(n)) << l.out.toStdString();
    }
    const CliRun danach = finishRun(*startKundePlz(letzte, ziel(), &eltern));
    EXPECT_EQ(danach.outText(), QStringLiteral("N%1\n").arg(n));
}

// Server connections: what libpq takes from the text, and a server that fails.
class ServerConnection : public KundenDatenbank
{
protected:
    void SetUp() override
    {
        KundenDatenbank::SetUp();
        if (!IsSkipped()) {
            ASSERT_FALSE(m_server.isEmpty());
        }
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, ServerConnection, ::testing::Values(Engine::PostgreSQL), engineName);

TEST(Verbindungsangabe, ServerOrFile)
{
    struct Case
    {
        const char *ziel;
        bool server;
    } faelle[] = {
        {"postgresql://db.klinik.de:5432/kunden?sslmode=require", true},
        {"postgres://localhost/kunden", true},
        {"service=kunden", true},
        {"host=db dbname=kunden", true},
        {"/daten/TesBS.sqlite", false},
        {"TesBS.sqlite", false},
        {"/daten/x=y.sqlite", false},
        {"kunde=1.sqlite", false},
        {"", false},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(Datenbank::istServerVerbindung(QString::fromUtf8(f.ziel)), f.server) << f.ziel;
}

TEST_P(ServerConnection, TextWithQuotesAndSemicolonIsOnlyOneValue)
{
    // A database whose name holds quotes and a semicolon; the name reaches libpq as a value.
    const QString name = QStringLiteral("qv_\"x';y") + QUuid::createUuid().toString(QUuid::Id128).left(8);
    administer(m_server, QStringLiteral("CREATE DATABASE %1").arg(quoted(name)));
    const QString seltsam = withDatabase(m_server, name) + QStringLiteral("?application_name=quell%27vantar");
    EXPECT_TRUE(Datenbank::erzeugen(seltsam, qv::datenbankSchema(QStringLiteral("TesBS.sql"))).ok());
    // On a server the tables are created in the existing database; a second time is refused.
    EXPECT_FALSE(Datenbank::erzeugen(seltsam, qv::datenbankSchema(QStringLiteral("TesBS.sql"))).ok());
    {
        Datenbank db;
        ASSERT_TRUE(db.oeffnen(seltsam).ok());
        QSqlQuery q(db.verbindung());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT current_database(), current_setting('application_name')")) && q.next());
        EXPECT_EQ(q.value(0).toString(), name);
        EXPECT_EQ(q.value(1).toString(), QStringLiteral("quell'vantar"));
    }
    administer(m_server, QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(quoted(name)));

    Datenbank db;
    auto passwort = db.oeffnen(m_server + QStringLiteral("?password=geheim99"));
    ASSERT_FALSE(passwort.ok());
    EXPECT_TRUE(passwort.error().contains(QStringLiteral("~/.pgpass")));
    EXPECT_FALSE(passwort.error().contains(QStringLiteral("geheim99")));
    auto semikolon = db.oeffnen(m_server + QStringLiteral("?application_name=a%3Bb"));
    ASSERT_FALSE(semikolon.ok());
    EXPECT_TRUE(semikolon.error().contains(QStringLiteral("application_name"))) << semikolon.error().toStdString();
    auto kaputt = db.oeffnen(QStringLiteral("postgresql://[::1"));
    ASSERT_FALSE(kaputt.ok());
    EXPECT_TRUE(kaputt.error().contains(QStringLiteral("ungültig"))) << kaputt.error().toStdString();
    EXPECT_FALSE(db.offen());
}

TEST_P(ServerConnection, ServiceFromTheServiceFile)
{
    customerSchema();
    customers({{1, "DIENST", "10115"}});
    const QUrl url(ziel());
    const QString dienste = m_ordner.write(QStringLiteral("pg_service.conf"),
                                           QStringLiteral("[qvkunden]\nhost=%1\nport=%2\nuser=%3\ndbname=%4\n")
                                               .arg(url.host())
                                               .arg(url.port())
                                               .arg(url.userName(), m_name)
                                               .toUtf8());
    qputenv("PGSERVICEFILE", dienste.toLocal8Bit());
    qv::TDatamodule_TesBs modul(QStringLiteral("service=qvkunden"));
    const KundenSuche s = modul.KundeZurPLZ(QStringLiteral("10115"));
    qunsetenv("PGSERVICEFILE");
    EXPECT_EQ(s.kurzbezeichnung, QStringLiteral("DIENST")) << s.grund.toStdString();
}

// No password in the settings: libpq takes it from its own password file.
TEST_P(ServerConnection, PasswordFromThePasswordFile)
{
    customerSchema();
    customers({{1, "PASSWORT", "10115"}});
    const QString rolle = QStringLiteral("qvpasswort");
    administer(m_server, QStringLiteral("DROP ROLE IF EXISTS %1").arg(rolle));
    ASSERT_NO_FATAL_FAILURE(administer(m_server, QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'ge:heim\\;\"x'").arg(rolle)));
    ASSERT_NO_FATAL_FAILURE(administer(ziel(), QStringLiteral("GRANT SELECT ON \"Kunde\" TO %1").arg(rolle)));
    const QUrl url(ziel());
    const QString mitRolle = QStringLiteral("postgresql://%1@%2:%3/%4").arg(rolle, url.host()).arg(url.port()).arg(m_name);
    // host:port:database:user:password, with ':' and the backslash escaped
    const QString passwoerter = m_ordner.write(
        QStringLiteral("pgpass"),
        QStringLiteral("%1:%2:%3:%4:ge\\:heim\\\\;\"x\n").arg(url.host()).arg(url.port()).arg(m_name, rolle).toUtf8());
    QFile::setPermissions(passwoerter, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    struct Case
    {
        const char *name;
        QString datei;
        QString erwartet;
    };
    const Case faelle[] = {
        {"password from the file", passwoerter, QStringLiteral("PASSWORT")},
        {"no password file: refused", m_ordner.file(QStringLiteral("fehlt")), QString()},
    };
    for (const Case &f : faelle) {
        qputenv("PGPASSFILE", QFile::encodeName(f.datei));
        qv::TDatamodule_TesBs modul(mitRolle);
        const KundenSuche s = modul.KundeZurPLZ(QStringLiteral("10115"));
        qunsetenv("PGPASSFILE");
        EXPECT_EQ(s.kurzbezeichnung, f.erwartet) << f.name << ": " << s.grund.toStdString();
    }
    administer(ziel(), QStringLiteral("DROP OWNED BY %1").arg(rolle));
    administer(m_server, QStringLiteral("DROP ROLE %1").arg(rolle));
}

TEST_P(ServerConnection, AServerThatDoesNotAnswerDoesNotHoldThingsUp)
{
    // A port that accepts connections and never answers.
    const int horcher = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(horcher, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(horcher, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
    ASSERT_EQ(::listen(horcher, 8), 0);
    socklen_t laenge = sizeof adresse;
    ::getsockname(horcher, reinterpret_cast<sockaddr *>(&adresse), &laenge);
    const QString stumm = QStringLiteral("postgresql://qvtest@127.0.0.1:%1/kunden?connect_timeout=60").arg(ntohs(adresse.sin_port));

    qv::TDatamodule_TesBs modul(stumm, std::chrono::milliseconds(1500));
    QElapsedTimer uhr;
    uhr.start();
    const KundenSuche s = modul.KundeZurPLZ(QStringLiteral("79106"));
    EXPECT_LT(uhr.elapsed(), 4000);
    EXPECT_EQ(s.ausgang, KundenSuche::Ausgang::Datenbankfehler);
    EXPECT_TRUE(s.grund.contains(QStringLiteral("nicht innerhalb von 1,5 s")))
        << s.grund.toStdString();
    uhr.restart();
    EXPECT_FALSE(modul.Oeffnen().ok());
    EXPECT_LT(uhr.elapsed(), 4000);
    EXPECT_FALSE(modul.Offen());
    ::close(horcher);
}

TEST_P(ServerConnection, ServerStopsHalfway)
{
    // A server of its own, as this one is stopped.
    const QString status = m_ordner.file(QStringLiteral("eigener-server"));
    QProcess start;
    start.start(serverScript(), {QStringLiteral("start"), status});
    ASSERT_TRUE(start.waitForFinished(120000));
    ASSERT_EQ(start.exitCode(), 0) << start.readAllStandardError().toStdString();
    struct Stop
    {
        QString status;
        ~Stop() { QProcess::execute(serverScript(), {QStringLiteral("stop"), status}); }
    } stopp{status};
    const QString ziel = serverUri(status);
    ASSERT_TRUE(Datenbank::erzeugen(ziel, qv::datenbankSchema(QStringLiteral("TesBS.sql"))).ok());
    {
        Datenbank db;
        ASSERT_TRUE(db.oeffnen(ziel).ok());
        QSqlQuery q(db.verbindung());
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO \"Kunde\" (\"KBez\", \"Postleitzahl\") VALUES ('DA', '01067')")));
    }
    qv::TDatamodule_TesBs offen(ziel, std::chrono::milliseconds(3000));
    ASSERT_TRUE(offen.Oeffnen().ok());
    EXPECT_EQ(offen.KundeZurPLZ(QStringLiteral("01067")).kurzbezeichnung, QStringLiteral("DA"));

    ASSERT_EQ(QProcess::execute(serverScript(), {QStringLiteral("stop"), status}), 0);
    QElapsedTimer uhr;
    uhr.start();
    const KundenSuche s = offen.KundeZurPLZ(QStringLiteral("01067"));
    EXPECT_EQ(s.ausgang, KundenSuche::Ausgang::Datenbankfehler);
    EXPECT_EQ(s.text(QStringLiteral("01067")), QStringLiteral("Keinen Kunden für die PLZ 01067 gefunden."));
    qv::TDatamodule_TesBs geschlossen(ziel, std::chrono::milliseconds(3000));
    EXPECT_EQ(geschlossen.KundeZurPLZ(QStringLiteral("01067")).ausgang, KundenSuche::Ausgang::Datenbankfehler);
    EXPECT_LT(uhr.elapsed(), 6000);
    offen.Schliessen();
    EXPECT_FALSE(offen.Offen());
}

} // namespace

namespace qv {
// Readable parameter names in test output.
inline void PrintTo(Datenbank::Engine e, std::ostream *os)
{
    *os << (e == Datenbank::Engine::SQLite ? "SQLite" : "PostgreSQL");
}
} // namespace qv
