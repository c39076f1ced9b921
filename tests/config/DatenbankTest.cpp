#include "config/ArchivEinstellungen.h"
#include "config/Datenbank.h"
#include "config/MdbDatei.h"
#include "config/MdbImport.h"
#include "config/TDatamodule_TesBs.h"

#include "base/IniFile.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>

namespace {

using qv::Datenbank;

// A customer database with the maker's schema and a few rows.
QString customerDatabase(const qv::test::TempProgramFolder &ordner)
{
    const QString pfad = ordner.file(QStringLiteral("TesBS.sqlite"));
    EXPECT_TRUE(Datenbank::erzeugen(pfad, qv::datenbankSchema(QStringLiteral("TesBS.sql"))).ok());
    Datenbank db;
    EXPECT_TRUE(db.oeffnen(pfad).ok());
    QSqlQuery q(db.verbindung());
    for (const auto &[kbez, plz] : {std::pair{" KLIN1 ", "79106"}, std::pair{"KLIN2", "79106"}, std::pair{"Süd", "80331"},
                                     std::pair{"X", "7910"}}) {
        EXPECT_TRUE(q.exec(QStringLiteral("INSERT INTO Kunde (Name, KBez, Postleitzahl, Offline) VALUES ('Klinik', '%1', '%2', 0)")
                               .arg(QString::fromUtf8(kbez), QString::fromUtf8(plz))));
    }
    return pfad;
}

TEST(Datenbank, FieldsWithTypesAndSizes)
{
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(qv::test::buildDir() + QStringLiteral("/BPRdb.sqlite")).ok()) << "made by the build";
    EXPECT_EQ(*db.tabellen(), (QStringList{QStringLiteral("BPRFormat"), QStringLiteral("FormatValue"), QStringLiteral("Value")}));
    auto felder = db.felder(QStringLiteral("FormatValue"));
    ASSERT_TRUE(felder.ok());
    QStringList beschrieben;
    for (const Datenbank::Feld &f : *felder)
        beschrieben << QStringLiteral("%1:%2%3").arg(f.name).arg(f.groesse).arg(f.autoWert ? QStringLiteral("*") : QString());
    EXPECT_EQ(beschrieben.join(u' '), QStringLiteral("ID_FormatValue:0* ID_BPRFormat:0 ID_Value:0 tagstr:50 lineoffset:0 "
                                                     "rowoffset:0 len:0 endchar:1 beginchar:1 ID_NextFormatValue:0"));
    auto format = db.felder(QStringLiteral("BPRFormat"));
    ASSERT_TRUE(format.ok());
    EXPECT_EQ((*format)[2].name, QStringLiteral("Extension"));
    EXPECT_EQ((*format)[2].groesse, 3);
    EXPECT_FALSE(db.felder(QStringLiteral("Gibtsnicht")).ok());
}

TEST(Datenbank, EngineErrorsReachTheCaller)
{
    qv::test::TempProgramFolder ordner;
    Datenbank db;
    auto fehlt = db.oeffnen(ordner.file(QStringLiteral("fehlt.sqlite")));
    ASSERT_FALSE(fehlt.ok());
    EXPECT_TRUE(fehlt.error().contains(QStringLiteral("nicht gefunden")));
    EXPECT_FALSE(QFile::exists(ordner.file(QStringLiteral("fehlt.sqlite")))) << "opening must not create it";

    auto fremd = db.oeffnen(ordner.write(QStringLiteral("fremd.sqlite"), QByteArray(4096, 'x')));
    ASSERT_FALSE(fremd.ok());
    EXPECT_TRUE(fremd.error().contains(QStringLiteral("keine lesbare Datenbank"))) << fremd.error().toStdString();
    EXPECT_FALSE(db.offen());

    ASSERT_TRUE(db.oeffnen(customerDatabase(ordner)).ok());
    auto kaputt = db.suchen(QStringLiteral("Kunde"), {}, QStringLiteral("Spalte_gibt_es_nicht = 1"));
    ASSERT_FALSE(kaputt.ok());
    EXPECT_TRUE(kaputt.error().contains(QStringLiteral("Spalte_gibt_es_nicht"))) << "the engine's message";

    EXPECT_FALSE(Datenbank::erzeugen(ordner.file(QStringLiteral("x.sqlite")), QStringLiteral("CREATE TABLE ;")).ok());
    EXPECT_FALSE(QFile::exists(ordner.file(QStringLiteral("x.sqlite"))));
}

TEST(Datenbank, SuchenExactlyWithOneOrTwoFieldsAndFilter)
{
    qv::test::TempProgramFolder ordner;
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(customerDatabase(ordner)).ok());
    auto erste = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Postleitzahl"), QStringLiteral("79106")}});
    ASSERT_TRUE(erste.ok() && erste->has_value());
    EXPECT_EQ(Datenbank::alsText(**erste, QStringLiteral("KBez")), QStringLiteral(" KLIN1 "));
    auto zwei = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Postleitzahl"), QStringLiteral("79106")},
                                                   {QStringLiteral("KBez"), QStringLiteral("KLIN2")}});
    ASSERT_TRUE(zwei.ok() && zwei->has_value());
    EXPECT_EQ(Datenbank::alsText(**zwei, QStringLiteral("Kun_ID")), QStringLiteral("2"));
    auto gefiltert = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Postleitzahl"), QStringLiteral("79106")}},
                               QStringLiteral("Kun_ID > 1"));
    ASSERT_TRUE(gefiltert.ok() && gefiltert->has_value());
    EXPECT_EQ(Datenbank::alsText(**gefiltert, QStringLiteral("KBez")), QStringLiteral("KLIN2"));
    for (const char *nicht : {"7910 ", "791", "süd"}) {
        auto r = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Postleitzahl"), QString::fromUtf8(nicht)}});
        ASSERT_TRUE(r.ok());
        EXPECT_FALSE(r->has_value()) << nicht;
    }
}

TEST(Datenbank, TableModelWritesAtOnceAndRespectsSizes)
{
    qv::test::TempProgramFolder ordner;
    const QString pfad = customerDatabase(ordner);
    {
        Datenbank db;
        ASSERT_TRUE(db.oeffnen(pfad).ok());
        std::unique_ptr<QSqlTableModel> modell(db.tabellenModell(QStringLiteral("Kunde"), nullptr));
        ASSERT_EQ(modell->rowCount(), 4);
        const int kbez = modell->fieldIndex(QStringLiteral("KBez"));
        EXPECT_TRUE(modell->setData(modell->index(2, kbez), QStringLiteral("Nord")));
        EXPECT_FALSE(modell->setData(modell->index(2, kbez), QStringLiteral("elf Zeichen")));
        EXPECT_FALSE(modell->lastError().text().isEmpty());
        modell->revertAll();
        EXPECT_TRUE(modell->insertRow(4));
        EXPECT_TRUE(modell->setData(modell->index(4, modell->fieldIndex(QStringLiteral("Name"))), QStringLiteral("Neu")))
            << modell->lastError().text().toStdString();
        EXPECT_TRUE(modell->submitAll()); // the navigator's "post" of a new row
        EXPECT_TRUE(modell->removeRow(0));
    }
    Datenbank db;
    ASSERT_TRUE(db.oeffnen(pfad).ok());
    auto nord = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("KBez"), QStringLiteral("Nord")}});
    ASSERT_TRUE(nord.ok());
    EXPECT_TRUE(nord->has_value());
    auto neu = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Name"), QStringLiteral("Neu")}});
    ASSERT_TRUE(neu.ok());
    EXPECT_TRUE(neu->has_value());
    auto weg = db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Kun_ID"), 1}});
    ASSERT_TRUE(weg.ok());
    EXPECT_FALSE(weg->has_value());
}

TEST(KundeZurPLZ, WithoutADatabaseADatabaseErrorWithTheReason)
{
    qv::test::TempProgramFolder ordner;
    qv::TDatamodule_TesBs fehlt(ordner.file(QStringLiteral("fehlt.sqlite")));
    const qv::KundenSuche s = fehlt.KundeZurPLZ(QStringLiteral("79106"));
    EXPECT_EQ(s.ausgang, qv::KundenSuche::Ausgang::Datenbankfehler);
    EXPECT_TRUE(s.grund.contains(QStringLiteral("nicht gefunden"))) << s.grund.toStdString();
    EXPECT_EQ(s.text(QStringLiteral("79106")), QStringLiteral("Keinen Kunden für die PLZ 79106 gefunden."));
    EXPECT_FALSE(fehlt.Oeffnen().ok());
    EXPECT_FALSE(fehlt.Offen());
    EXPECT_FALSE(QFile::exists(ordner.file(QStringLiteral("fehlt.sqlite"))));

    // A database without the table Kunde.
    qv::TDatamodule_TesBs ohneTabelle(qv::test::buildDir() + QStringLiteral("/BPRdb.sqlite"));
    const qv::KundenSuche o = ohneTabelle.KundeZurPLZ(QStringLiteral("79106"));
    EXPECT_EQ(o.ausgang, qv::KundenSuche::Ausgang::Datenbankfehler);
    EXPECT_TRUE(o.grund.contains(QStringLiteral("Kunde"))) << o.grund.toStdString();
    EXPECT_FALSE(ohneTabelle.Offen());
}

TEST(KundeZurPLZ, DatabaseLocationAndArchiveBaseAsSettings)
{
    qv::test::TempProgramFolder ordner;
    qv::IniFile ini(ordner.file(QStringLiteral("QuellvantarIni.ini")));
    EXPECT_TRUE(qv::archivBasis(ini).endsWith(QStringLiteral("/Quellvantar/Kunden/")));
    EXPECT_EQ(qv::kundenDatenbankPfad(ini), qv::archivBasis(ini) + QStringLiteral("TesBS.sqlite"));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Init"), QStringLiteral("ArchivBasis"), QStringLiteral("/srv/kunden")));
    EXPECT_EQ(qv::archivBasis(ini), QStringLiteral("/srv/kunden/"));
    EXPECT_EQ(qv::kundenDatenbankPfad(ini), QStringLiteral("/srv/kunden/TesBS.sqlite"));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Init"), QStringLiteral("KundenDatenbank"), QStringLiteral("/daten/tes.sqlite")));
    EXPECT_EQ(qv::kundenDatenbankPfad(ini), QStringLiteral("/daten/tes.sqlite"));
}

// Real Access files of other projects: their tables are not ours, but they show that tables
// are listed, rows come with their types and umlauts survive.
class AccessFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!qv::MdbDatei::verfuegbar())
            GTEST_SKIP() << "built without libmdb";
    }
    static QString extern_(const char *name) { return qv::test::testDataPath(QStringLiteral("external/") + QString::fromUtf8(name)); }
};

TEST_F(AccessFile, TablesAndTypedRows)
{
    qv::MdbDatei mdb;
    ASSERT_TRUE(mdb.oeffnen(extern_("jet4_alltypes_testV2000.mdb")).ok());
    EXPECT_EQ(*mdb.tabellen(), (QStringList{QStringLiteral("Table1"), QStringLiteral("Table2"), QStringLiteral("Table3"),
                                            QStringLiteral("Table4")}));
    auto t = mdb.lesen(QStringLiteral("Table1"));
    ASSERT_TRUE(t.ok()) << t.error().toStdString();
    ASSERT_EQ(t->spalten.size(), 9);
    EXPECT_EQ(t->spalten[0].name, QStringLiteral("A"));
    EXPECT_EQ(t->spalten[0].groesse, 50);
    EXPECT_EQ(t->spalten[1].groesse, 100);
    ASSERT_EQ(t->zeilen.size(), 2);
    const QVariantList &z = t->zeilen[0];
    EXPECT_EQ(z[0], QVariant(QStringLiteral("abcdefg")));
    EXPECT_EQ(z[2], QVariant(qlonglong(2)));
    EXPECT_EQ(z[3], QVariant(qlonglong(222)));
    EXPECT_EQ(z[4], QVariant(qlonglong(333333333)));
    EXPECT_EQ(z[5].typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(z[5].toDouble(), 444.555);
    EXPECT_EQ(z[6].toDateTime(), QDateTime(QDate(1974, 9, 21), QTime(0, 0)));
    EXPECT_DOUBLE_EQ(z[7].toDouble(), 3.5);
    EXPECT_EQ(z[8], QVariant(true));
    EXPECT_EQ(t->zeilen[1][8], QVariant(false));
}

TEST_F(AccessFile, UmlautsAndAMissingTable)
{
    qv::MdbDatei mdb;
    ASSERT_TRUE(mdb.oeffnen(extern_("jet4_unicode_compressed.mdb")).ok());
    auto t = mdb.lesen(QStringLiteral("Table"));
    ASSERT_TRUE(t.ok());
    ASSERT_EQ(t->zeilen.size(), 8);
    EXPECT_EQ(t->zeilen[1][1].toString(), QStringLiteral("ääkkösiä"));
    EXPECT_EQ(t->zeilen[2][1].toString(), QStringLiteral("Мир"));

    auto fehlt = mdb.lesen(QStringLiteral("Kunde"));
    ASSERT_FALSE(fehlt.ok());
    EXPECT_EQ(fehlt.error(), QStringLiteral("Die Tabelle \"Kunde\" gibt es in der Access-Datei \"%1\" nicht (vorhanden: Table).")
                                 .arg(QDir::toNativeSeparators(extern_("jet4_unicode_compressed.mdb"))));

    qv::MdbDatei keine;
    EXPECT_FALSE(keine.oeffnen(qv::test::buildDir() + QStringLiteral("/DemoKunde.cfg")).ok());
}

} // namespace
