#include "order/OrderFixture.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace qv::test;
using namespace Qt::StringLiterals;

namespace {

CliRun frames(const QStringList &args)
{
    return runCli(QStringList{u"rahmen"_s} + args);
}

// The fixture order: FFA 80 cm, accelerator "Elekta", 3 pixels per millimetre and a square
// whose farthest corner lies 100 pixels = 33 mm from the isocentre in X and in Y.
// 825 projects to 660 (fits 330), 700 to 560 (would fit unprojected).
const QByteArray kConfig = "[ElektronenBlenden]\r\nCount=6\r\n0=Elekta_A\r\n1=gel\xF6scht\r\n2=elekta_klein\r\n"
                           "3=Elekta_B\r\n4=Elekta_kaputt\r\n5=Siemens_10\r\n"
                           "[ElektronenBlenden_Groesse]\r\n0=700,700\r\n1=2000,2000\r\n2=2000,2000\r\n3=825,825\r\n4=x\r\n5=2000,2000\r\n";

QString order(const TempProgramFolder &dir, const QString &name, int version, int kind, const QByteArray &frame)
{
    FixtureOrder o;
    o.auftragsart = kind;
    o.tragplatte = frame;
    o.beschleuniger = "Elekta Synergy"; // the maker of orders before the customer block
    return dir.write(name, compressed(orderBody(version, o)));
}

} // namespace

TEST(RahmenCli, ListsTheMakersFramesWithTheProjectedFitCheck)
{
    TempProgramFolder dir;
    const QString cfg = dir.write(u"k.cfg"_s, kConfig);
    const CliRun run = frames({order(dir, u"e.ORv"_s, 6, 0, "Elekta_B"), u"--konfiguration"_s, cfg});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = run.json();
    EXPECT_EQ(json.keys(), (QStringList{u"Auftragsart"_s, u"BestFit"_s, u"Gewaehlt"_s, u"Hersteller"_s, u"Rahmen"_s}));
    EXPECT_EQ(json[u"Auftragsart"].toInt(-1), 0);
    EXPECT_EQ(json[u"Hersteller"].toString(), u"Elekta"_s);
    const auto frame = [](const char *name, int x, int y, bool passt) {
        return QJsonObject{{u"Name"_s, QString::fromUtf8(name)}, {u"Groesse"_s, QJsonArray{x, y}}, {u"Passt"_s, passt}};
    };
    EXPECT_EQ(json[u"Rahmen"].toArray(),
              (QJsonArray{frame("Elekta_A", 700, 700, false), frame("Elekta_B", 825, 825, true), frame("Elekta_kaputt", 0, 0, false)}));
    EXPECT_EQ(json[u"BestFit"].toInt(), 1);
    EXPECT_EQ(json[u"Gewaehlt"].toInt(), 1);
}

TEST(RahmenCli, KindsOtherThanElectronsFitEveryFrame)
{
    TempProgramFolder dir;
    const QString cfg = dir.write(u"k.cfg"_s, kConfig);
    for (int version : {2, 6}) {
        SCOPED_TRACE(version);
        const CliRun run = frames({u"--konfiguration"_s, cfg, order(dir, u"p.ORv"_s, version, 1, "nicht gelistet")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject json = run.json();
        EXPECT_EQ(json[u"Auftragsart"], version >= 3 ? QJsonValue(1) : QJsonValue(QJsonValue::Null));
        const QJsonArray liste = json[u"Rahmen"].toArray();
        ASSERT_FALSE(liste.isEmpty());
        for (const QJsonValue &r : liste)
            EXPECT_TRUE(r[u"Passt"].toBool());
        EXPECT_EQ(json[u"BestFit"].toInt(), 0);
        EXPECT_EQ(json[u"Gewaehlt"].toInt(), 0);
    }
}

TEST(RahmenCli, NoFrameForTheMaker)
{
    TempProgramFolder dir;
    const QString cfg = dir.write(u"k.cfg"_s, "[ElektronenBlenden]\r\nCount=1\r\n0=Varian_T6\r\n");
    const CliRun run = frames({order(dir, u"e.ORv"_s, 6, 0, "Varian_T6"), u"--konfiguration"_s, cfg});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = run.json();
    EXPECT_TRUE(json[u"Rahmen"].toArray().isEmpty());
    EXPECT_EQ(json[u"BestFit"].toInt(), -1);
    EXPECT_EQ(json[u"Gewaehlt"].toInt(), -1);
}

TEST(RahmenCli, FailuresAndUsage)
{
    TempProgramFolder dir;
    const QString cfg = dir.write(u"k.cfg"_s, kConfig);
    const QString ok = order(dir, u"e.ORv"_s, 6, 0, "Elekta_B");
    const QString kaputt = dir.write(u"kaputt.ORv"_s, "kein Auftrag");
    struct Case
    {
        const char *name;
        QStringList args;
        int exitCode;
    };
    const Case faelle[] = {
        {"missing order", {dir.file(u"fehlt.ORv"_s), u"--konfiguration"_s, cfg}, 1},
        {"damaged order", {kaputt, u"--konfiguration"_s, cfg}, 1},
        {"missing configuration", {ok, u"--konfiguration"_s, dir.file(u"fehlt.cfg"_s)}, 1},
        {"configuration is a folder", {ok, u"--konfiguration"_s, dir.path()}, 1},
        {"no order", {u"--konfiguration"_s, cfg}, 2},
        {"option without value", {ok, u"--konfiguration"_s}, 2},
        {"two orders", {ok, ok, u"--konfiguration"_s, cfg}, 2},
        {"unknown option", {ok, u"--ja"_s}, 2},
    };
    for (const Case &f : faelle) {
        const CliRun run = frames(f.args);
        EXPECT_EQ(run.exitCode, f.exitCode) << f.name;
        EXPECT_TRUE(run.out.isEmpty()) << f.name;
        EXPECT_FALSE(run.err.isEmpty()) << f.name;
    }
    const CliRun hilfe = frames({u"--help"_s});
    EXPECT_EQ(hilfe.exitCode, 0);
    EXPECT_TRUE(hilfe.out.startsWith("Aufruf: quellvantar-cli rahmen"));
}
