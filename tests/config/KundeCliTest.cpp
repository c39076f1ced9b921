#include "config/KundenDatenJson.h"
#include "config/TKundenDaten.h"

#include "base/AtomicWriter.h"
#include "base/ByteWriter.h"
#include "base/Zlib.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

using namespace qv;
using test::CliRun;
using test::runCli;

namespace {

const QString demo = qv::test::buildDir() + QStringLiteral("/DemoKunde.cfg");

TEST(DemoKunde, IsCompleteAndPlausible)
{
    TKundenDaten k;
    ASSERT_TRUE(k.LadeDemo(KundenDateien::imOrdner(qv::test::buildDir())).ok());
    EXPECT_TRUE(k.Demo);
    EXPECT_EQ(k.PruefText(), QString());
    const TAbteilung &abt = k.Abteilungen.at(0);
    EXPECT_EQ(abt.Name, QStringLiteral("Strahlentherapie"));
    EXPECT_EQ(abt.AnP.size(), 2);
    ASSERT_EQ(abt.Beschl.size(), 2);
    EXPECT_NE(abt.Beschl[0].Beschleuniger, abt.Beschl[1].Beschleuniger);
    for (const TBeschl &b : abt.Beschl) {
        const auto fba = b.FBA.split(u',').first().toInt();
        EXPECT_TRUE(fba >= 30 && fba <= 90) << b.FBA.toStdString();
    }
    // Saving is refused for the demo customer.
    qv::test::TempProgramFolder ordner;
    EXPECT_FALSE(k.SpeichereDatei(ordner.file(QStringLiteral("Kunde.cfg"))).ok());
}

TEST(KundeCli, PrintsTheDemoCustomerAndWritesItBackIdentically)
{
    const CliRun l = runCli({QStringLiteral("kunde"), demo});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(l.out).object();
    EXPECT_EQ(json.value(QStringLiteral("FFA")).toDouble(), 100.0);
    EXPECT_EQ(json[QStringLiteral("Abteilungen")][0][QStringLiteral("AnP")][0][QStringLiteral("Name")].toString(),
              QStringLiteral("Weißgerber, Jörg"));
    const QStringList schluessel = json.keys();
    EXPECT_EQ(schluessel, (QStringList{QStringLiteral("Abteilungen"), QStringLiteral("AktAbteilung"), QStringLiteral("FFA"),
                                       QStringLiteral("Version"), QStringLiteral("VertragsAdresse"), QStringLiteral("Vertragspartner")}));

    qv::test::TempProgramFolder ordner;
    const QString jsonPfad = ordner.write(QStringLiteral("k.json"), l.out);
    const CliRun zurueck = runCli({QStringLiteral("kunde-schreiben"), jsonPfad, ordner.file(QStringLiteral("k.cfg"))});
    ASSERT_EQ(zurueck.exitCode, 0) << zurueck.err.toStdString();
    auto original = qv::readWholeFile(demo, 1 << 20);
    ASSERT_TRUE(original.ok());
    EXPECT_EQ(ordner.read(QStringLiteral("k.cfg")), *original) << "JSON and customer file carry the same data";
}

TEST(KundeCli, DamagedFilesGiveExitCodeOneAndTheMessage)
{
    qv::test::TempProgramFolder ordner;
    QByteArray block;
    {
        TKundenDaten k;
        k.LadeStandard();
        qv::ByteWriter w;
        k.Speichern(w);
        block = w.take();
    }
    QByteArray riesig = block;
    riesig.replace(731, 4, QByteArray::fromHex("0094357700")); // 2 000 000 000 departments
    riesig.truncate(block.size());
    const QList<QPair<QString, QByteArray>> faelle = {
        {QStringLiteral("keinzlib.cfg"), QByteArray("Kunde")},
        {QStringLiteral("kurz.cfg"), qv::deflateZlib(block.left(800))},
        {QStringLiteral("riesig.cfg"), qv::deflateZlib(riesig)},
        {QStringLiteral("abgeschnitten.cfg"), qv::deflateZlib(block).left(30)},
    };
    for (const auto &[name, bytes] : faelle) {
        const QString pfad = ordner.write(name, bytes);
        const CliRun l = runCli({QStringLiteral("kunde"), pfad});
        EXPECT_EQ(l.exitCode, 1) << name.toStdString();
        EXPECT_TRUE(l.errText().startsWith(QStringLiteral("Die Datei %1 konnte nicht geladen werden\n").arg(pfad))) << l.err.toStdString();
        EXPECT_EQ(l.errText().count(name), 1) << l.err.toStdString(); // named once, in the first line
        EXPECT_TRUE(l.out.isEmpty());
    }
    const CliRun fehlt = runCli({QStringLiteral("kunde"), ordner.file(QStringLiteral("gibtsnicht.cfg"))});
    EXPECT_EQ(fehlt.exitCode, 1);
    EXPECT_EQ(fehlt.errText(), QStringLiteral("Die Datei %1 konnte nicht geladen werden\nSie wurde nicht gefunden.\n")
                                  .arg(ordner.file(QStringLiteral("gibtsnicht.cfg"))));
}

TEST(MdbImportCli, ForeignTablesGiveAClearErrorMessage)
{
    qv::test::TempProgramFolder ordner;
    const QString mdb = qv::test::testDataPath(QStringLiteral("external/jet4_unicode_compressed.mdb"));
    const CliRun l = runCli({QStringLiteral("mdb-import"), mdb, ordner.file(QStringLiteral("aus.sqlite"))});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_TRUE(l.errText().contains(QStringLiteral("enthält keine der Tabellen BPRFormat, Value, FormatValue, Kunde (vorhanden: Table)")))
        << l.err.toStdString();
    const CliRun fehlt = runCli({QStringLiteral("mdb-import"), ordner.file(QStringLiteral("fehlt.mdb")), ordner.file(QStringLiteral("aus.sqlite"))});
    EXPECT_EQ(fehlt.exitCode, 1);
    EXPECT_FALSE(fehlt.err.isEmpty());
    EXPECT_EQ(runCli({QStringLiteral("mdb-import"), mdb}).exitCode, 2);
}

} // namespace
