#include "base/AtomicWriter.h"
#include "base/Numbers.h"
#include "planimport/TBPRKonfig.h"

#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>

#include <cmath>

using namespace qv;
using test::CliRun;
using test::runCli;
using test::runProgram;

namespace {

QString example(const char *name)
{
    return qv::test::buildDir() + QStringLiteral("/DemoBPR/") + QString::fromUtf8(name);
}

QString demoCustomer()
{
    return qv::test::buildDir() + QStringLiteral("/DemoKunde.cfg");
}

QJsonArray konturen(std::initializer_list<std::initializer_list<std::pair<int, int>>> k)
{
    QJsonArray a;
    for (const auto &kontur : k) {
        QJsonArray punkte;
        for (auto [x, y] : kontur)
            punkte.append(QJsonArray{x, y});
        a.append(punkte);
    }
    return a;
}

// ---- A block file as the block-file export writes it, built line by line from an order -------

struct OrderGeometry
{
    QList<QList<QPoint>> konturen; // workspace pixels, a closed contour repeats its first point
    QPoint ecke1, ecke2;
    double ffa = 100;
    double pixelProMM = 3;
    double d = 65; // FBA (photon order) or EFBA
    QString gantry, kolli, patId, kommentar, zielvolumen;
    int drehwinkel = 0;
};

qint32 iso(qint32 v, const OrderGeometry &a)
{
    const qint64 p = roundHalfEven(v / a.ffa * 100);
    return qint32(roundHalfEven(double(p) * 10 / a.pixelProMM));
}

QString cm(double t)
{
    return QString::number(t / 100, 'f', 2);
}

QString num(const QString &text)
{
    const auto z = parseDecimal(text);
    return z ? QString::number(*z, 'f', 2) : QStringLiteral("0");
}

QByteArray blockFile(const OrderGeometry &a, const QString &pfad, QList<QList<QPoint>> &geschrieben)
{
    const auto jaw = [&](qint32 t) { return cm(t / a.d * 100); };
    const qint32 t1x = iso(a.ecke1.x(), a), t1y = iso(a.ecke1.y(), a);
    const qint32 t2x = iso(a.ecke2.x(), a), t2y = iso(a.ecke2.y(), a);
    QStringList z{u';' + pfad, QStringLiteral(" "), QStringLiteral("[BEAM1]"),
                  QStringList{num(a.gantry), num(a.kolli), jaw(-t1x), jaw(t2x), jaw(-t2y), jaw(t1y)}.join(u' '),
                  QStringLiteral("block_qty=%1").arg(a.konturen.size())};
    geschrieben.clear();
    for (int n = 1; n <= a.konturen.size(); ++n) {
        QString zeile = QStringLiteral("block%1pts= ").arg(n);
        QList<QPoint> punkte;
        for (const QPoint &p : a.konturen[n - 1]) {
            const QPoint t(iso(p.x(), a), iso(p.y(), a));
            if (punkte.size() == 1 && cm(t.x()) == cm(punkte[0].x()) && cm(t.y()) == cm(punkte[0].y())) {
                punkte << t; // counted, not written
                continue;
            }
            punkte << t;
            zeile += cm(t.x()) + u' ' + cm(t.y()) + u' ';
        }
        if (punkte.size() > 1 && punkte[1] == punkte[0])
            punkte.removeAt(1);
        geschrieben << punkte;
        z << zeile << QStringLiteral("block%1=1 %2").arg(n).arg(QString::number(a.d, 'f', 2)) + QStringLiteral("0000 100.000000 ");
    }
    z << QString() << QStringLiteral("[PATIENT ID]") << a.patId << QStringLiteral("[KOMMENTAR]") << a.kommentar
      << QStringLiteral("[ZIELVOLUMEN]") << a.zielvolumen << QStringLiteral("[Rotation]") << QString::number(-a.drehwinkel);
    return z.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

} // namespace

TEST(BPRCli, TheSixSampleFiles)
{
    struct Case
    {
        const char *datei;
        int code;
        const char *name;
        int beams;
    } faelle[] = {{"Plato_Demo.pla", 1, "Plato", 3},        {"HEK_Demo.hek", 2, "HEK", 1},
                  {"Parcientific_Demo.A1", 3, "Parcientific", 1}, {"Multidata_Demo.cif", 4, "Multidata", 1},
                  {"Huestis_Demo.DAT", 5, "Huestis", 1},    {"Target_Demo.txt", 6, "Target", 1}};
    QMap<int, QJsonArray> beams;
    for (const Case &f : faelle) {
        const CliRun l = runCli({QStringLiteral("bpr"), example(f.datei), QStringLiteral("--kunde"), demoCustomer()});
        ASSERT_EQ(l.exitCode, 0) << f.datei << l.err.toStdString();
        const QJsonObject j = l.json();
        EXPECT_EQ(j[QStringLiteral("Datei")].toString(), QFileInfo(example(f.datei)).absoluteFilePath());
        EXPECT_EQ(j[QStringLiteral("Format")].toObject(), (QJsonObject{{QStringLiteral("Code"), f.code}, {QStringLiteral("Name"), QString::fromUtf8(f.name)}}));
        beams[f.code] = j[QStringLiteral("Beams")].toArray();
        ASSERT_EQ(beams[f.code].size(), f.beams) << f.datei;
        EXPECT_EQ(beams[f.code][0][QStringLiteral("Gueltig")].toBool(), true) << f.datei;
        EXPECT_EQ(beams[f.code][0].toObject().keys(),
                  (QStringList{QStringLiteral("Blende"), QStringLiteral("FBA"), QStringLiteral("FIA"), QStringLiteral("Gantrywinkel"),
                               QStringLiteral("Gueltig"), QStringLiteral("Kollimatorwinkel"), QStringLiteral("Kommentar"),
                               QStringLiteral("Konturen"), QStringLiteral("Nummer"), QStringLiteral("PatientenID"),
                               QStringLiteral("PatientenName"), QStringLiteral("Position"), QStringLiteral("Zielvolumen")}));
    }
    const auto feld = [](const QJsonArray &b, int i, const char *k) { return b[i][QString::fromUtf8(k)]; };

    // Plato: beam numbers 2, 5, 7 by position; symmetric and asymmetric jaws; a block rotated and
    // shifted; the last beam has no blocks (fixed distances, not valid); FBA from the customer.
    const QJsonArray &plato = beams[1];
    EXPECT_EQ(feld(plato, 1, "Nummer").toInt(), 5);
    EXPECT_EQ(feld(plato, 0, "Blende").toArray(), (QJsonArray{-500, 500, -750, 750}));
    EXPECT_EQ(feld(plato, 1, "Blende").toArray(), (QJsonArray{-400, 500, -500, 700}));
    EXPECT_EQ(feld(plato, 0, "Konturen").toArray()[1].toArray(), konturen({{{100, 400}, {100, 600}, {0, 400}}})[0].toArray());
    EXPECT_EQ(feld(plato, 0, "FBA").toDouble(), 65.5);
    EXPECT_EQ(feld(plato, 0, "PatientenName").toString(), QStringLiteral("Mustermann, Erika"));
    EXPECT_EQ(feld(plato, 2, "Nummer").toInt(), 7);
    EXPECT_FALSE(feld(plato, 2, "Gueltig").toBool());
    EXPECT_EQ(feld(plato, 2, "FBA").toDouble(), 67);
    EXPECT_EQ(feld(plato, 2, "FIA").toDouble(), 140);
    EXPECT_EQ(feld(plato, 2, "Konturen").toArray(), QJsonArray());

    // HEK: fixed columns, centimetres in the block plane (× FIA × 100 / FBA), comma numbers.
    EXPECT_EQ(feld(beams[2], 0, "Konturen").toArray(),
              konturen({{{-400, -300}, {300, -300}, {300, 200}, {-400, 200}}, {{100, 400}, {500, 400}, {300, 600}}}));
    EXPECT_EQ(feld(beams[2], 0, "FBA").toDouble(), 65);
    EXPECT_EQ(feld(beams[2], 0, "PatientenID").toString(), QStringLiteral("HEK-4711"));
    EXPECT_EQ(feld(beams[2], 0, "PatientenName").toString(), QStringLiteral("Mustermann, Max"));

    // Parcientific: double spacing, half units (1201 × 0,5 rounds to 600), contours closing.
    EXPECT_EQ(feld(beams[3], 0, "Konturen").toArray(),
              konturen({{{-600, -400}, {-200, -400}, {-200, -100}, {-600, -100}}, {{200, 150}, {600, 150}, {600, 450}}}));
    EXPECT_EQ(feld(beams[3], 0, "Kollimatorwinkel").toDouble(), 15);

    // Multidata: the block file with its jaws in the block plane.
    EXPECT_EQ(feld(beams[4], 0, "Blende").toArray(), (QJsonArray{-1000, 1100, -800, 900}));
    EXPECT_EQ(feld(beams[4], 0, "Kommentar").toString(), QStringLiteral("Boost"));
    EXPECT_EQ(feld(beams[4], 0, "Zielvolumen").toString(), QStringLiteral("Lunge re"));

    // Huestis: tenths of a millimetre, CR line ends; no comment or target volume in the file.
    EXPECT_EQ(feld(beams[5], 0, "Konturen").toArray(), konturen({{{-300, -250}, {300, -250}, {350, 200}, {0, 400}, {-350, 200}}}));
    EXPECT_EQ(feld(beams[5], 0, "Zielvolumen").toString(), QStringLiteral("None"));
    EXPECT_EQ(feld(beams[5], 0, "Kollimatorwinkel").toDouble(), 90);

    // Target: millimetres, the FBA in millimetres, collimator 370,5 normalised.
    EXPECT_EQ(feld(beams[6], 0, "FBA").toDouble(), 65);
    EXPECT_EQ(feld(beams[6], 0, "Kollimatorwinkel").toDouble(), 10.5);
    EXPECT_EQ(feld(beams[6], 0, "Gantrywinkel").toDouble(), 270);
    EXPECT_EQ(feld(beams[6], 0, "Konturen").toArray(), konturen({{{-300, -200}, {255, -200}, {255, 350}, {-300, 350}}}));
    EXPECT_EQ(feld(beams[6], 0, "Blende").toArray(), (QJsonArray{-500, 600, -400, 500}));
}

// Block files built line by line from the export's layout, also at scales where neighbouring
// pixels meet in one tenth (the second point is left out): the contours come back exactly, the
// jaws as far as two decimals allow.
TEST(BPRCli, BlockFileComesBackAsItWasWritten)
{
    OrderGeometry oben;
    oben.konturen = {{{-300, -240}, {-90, -240}, {-90, -30}, {-301, -31}, {-300, -240}},
                     {{60, 90}, {210, 90}, {135, 225}, {60, 90}},
                     {{-600, 500}, {-580, 500}, {-590, 520}, {-600, 500}}};
    oben.ecke1 = {-300, 270};
    oben.ecke2 = {330, -240};
    oben.d = 65.5;
    oben.gantry = QStringLiteral("45,5");
    oben.kolli = QStringLiteral("350");
    oben.patId = QStringLiteral("MD-2201");
    oben.kommentar = QStringLiteral("Boost re");
    oben.zielvolumen = QStringLiteral("Lunge");
    oben.drehwinkel = 90; // "Oben": written as -90, must not turn the contours

    OrderGeometry fein = oben;
    fein.ffa = 120;
    fein.pixelProMM = 40; // neighbouring pixels meet in the same tenth: the second point is dropped
    fein.konturen = {{{1000, 1000}, {1001, 1001}, {1400, 1000}, {1200, 1400}, {1000, 1000}}};
    fein.d = 95;
    fein.drehwinkel = 0;
    fein.gantry = QStringLiteral("kein Winkel");

    qv::test::TempProgramFolder ordner;
    for (const OrderGeometry *auftrag : {&oben, &fein}) {
        const OrderGeometry &a = *auftrag;
        const QString pfad = ordner.file(QStringLiteral("auftrag.cif"));
        QList<QList<QPoint>> erwartet;
        ordner.write(QStringLiteral("auftrag.cif"), blockFile(a, pfad, erwartet));
        if (auftrag == &fein) {
            ASSERT_EQ(erwartet[0].size(), 4) << "the fixture drops the second point";
        }
        const CliRun l = runCli({QStringLiteral("bpr"), pfad});
        ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
        const QJsonArray beams = l.json()[QStringLiteral("Beams")].toArray();
        ASSERT_EQ(beams.size(), 1);
        const QJsonObject b = beams[0].toObject();
        EXPECT_TRUE(b[QStringLiteral("Gueltig")].toBool());
        QJsonArray soll;
        for (const QList<QPoint> &k : erwartet) {
            QJsonArray punkte;
            for (qsizetype i = 0; i + 1 < k.size(); ++i) // without the closing point
                punkte.append(QJsonArray{k[i].x(), k[i].y()});
            soll.append(punkte);
        }
        EXPECT_EQ(b[QStringLiteral("Konturen")].toArray(), soll);
        EXPECT_EQ(b[QStringLiteral("Gantrywinkel")].toDouble(), parseDecimal(a.gantry).value_or(0));
        EXPECT_EQ(b[QStringLiteral("Kollimatorwinkel")].toDouble(), 350);
        EXPECT_EQ(b[QStringLiteral("FBA")].toDouble(), a.d);
        EXPECT_EQ(b[QStringLiteral("PatientenID")].toString(), a.patId);
        EXPECT_EQ(b[QStringLiteral("Kommentar")].toString(), a.kommentar);
        EXPECT_EQ(b[QStringLiteral("Zielvolumen")].toString(), a.zielvolumen);
        // Jaws [Left, Right, Top, Bottom]: corner 1 x, corner 2 x, corner 2 y, corner 1 y.
        const QJsonArray blende = b[QStringLiteral("Blende")].toArray();
        const qint32 soll4[] = {iso(a.ecke1.x(), a), iso(a.ecke2.x(), a), iso(a.ecke2.y(), a), iso(a.ecke1.y(), a)};
        ASSERT_EQ(blende.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_LE(std::abs(blende[i].toInt() - soll4[i]), 1) << i;
    }
}

TEST(BPRCli, UsageErrorsAndUnknownFiles)
{
    qv::test::TempProgramFolder ordner;
    const QString plan = example("Huestis_Demo.DAT");
    struct Case
    {
        QStringList args;
        int rc;
    } faelle[] = {
        {{}, 2},
        {{plan, plan}, 2},
        {{plan, QStringLiteral("--bpr-konfig")}, 2},
        {{plan, QStringLiteral("--bpr-konfig"), QStringLiteral("6")}, 2},
        {{QStringLiteral("--bpr-konfig"), QStringLiteral("x"), plan}, 2},
        {{plan, QStringLiteral("--ja")}, 2},
        {{ordner.file(QStringLiteral("fehlt.DAT"))}, 1},
        {{ordner.path()}, 1},
        {{ordner.write(QStringLiteral("brief.txt"), "Sehr geehrte Damen und Herren,\n")}, 1},
        {{ordner.write(QStringLiteral("leer.DAT"), "")}, 1},
        {{plan, QStringLiteral("--kunde"), ordner.write(QStringLiteral("Kunde.cfg"), "kaputt")}, 1},
    };
    for (const Case &f : faelle) {
        const CliRun l = runCli(QStringList{QStringLiteral("bpr")} + f.args);
        EXPECT_EQ(l.exitCode, f.rc) << f.args.join(u' ').toStdString();
        EXPECT_TRUE(l.out.isEmpty());
        EXPECT_FALSE(l.err.isEmpty());
    }
    const CliRun hilfe = runCli({QStringLiteral("bpr"), QStringLiteral("--help")});
    EXPECT_EQ(hilfe.exitCode, 0);
    EXPECT_TRUE(hilfe.out.startsWith("Aufruf: quellvantar-cli bpr DATEI"));
}

TEST(BPRCli, ConfigurationFromTheFileBesideTheProgram)
{
    // A program folder of its own, so that its BPRKonfig.cfg is the one read.
    qv::test::TempProgramFolder ordner;
    const QString programm = ordner.file(QStringLiteral("quellvantar-cli"));
    ASSERT_TRUE(QFile::copy(test::cliPath(), programm));
    ASSERT_TRUE(QFile::copy(qv::test::buildDir() + QStringLiteral("/BPRdb.sqlite"), ordner.file(QStringLiteral("BPRdb.sqlite"))));
    const QString plan = example("Huestis_Demo.DAT");

    // Without the file the defaults stand in ("Linac 1", nothing applied), and nothing is written.
    CliRun l = runProgram(programm, {QStringLiteral("bpr"), QStringLiteral("--bpr-konfig"), QStringLiteral("0"), plan});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    EXPECT_FALSE(QFile::exists(ordner.file(QStringLiteral("BPRKonfig.cfg"))));
    const QJsonArray roh = l.json()[QStringLiteral("Beams")][0][QStringLiteral("Konturen")].toArray();
    EXPECT_EQ(roh[0][1].toArray(), (QJsonArray{300, -250}));
    l = runProgram(programm, {QStringLiteral("bpr"), plan, QStringLiteral("--bpr-konfig"), QStringLiteral("1")});
    EXPECT_EQ(l.exitCode, 1);

    TBPRKonfigurationen k = BPRKonfigStandard();
    k[0] = {QStringLiteral("Linac 1"), 90, true, false, false, 20, 0};
    k[2] = {QStringLiteral("Linac FBA"), 0, false, false, true, 0, 0};
    k[3] = {QStringLiteral("none"), 180, false, false, false, 0, 0};
    const QByteArray bytes = BPRKonfigBytes(k);
    ordner.write(QStringLiteral("BPRKonfig.cfg"), bytes);

    l = runProgram(programm, {QStringLiteral("bpr"), QStringLiteral("--bpr-konfig"), QStringLiteral("0"), plan});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    QJsonObject b = l.json()[QStringLiteral("Beams")][0].toObject();
    // (300, -250) mirrored in x and turned clockwise by 90°: (-300, -250) -> (-250, 300).
    EXPECT_EQ(b[QStringLiteral("Konturen")][0][1].toArray(), (QJsonArray{-250, 300}));
    EXPECT_EQ(b[QStringLiteral("Kollimatorwinkel")].toDouble(), 110);

    // Data in the FBA plane: the customer's FBA 65,5 rounds to 66 for the conversion.
    l = runProgram(programm, {QStringLiteral("bpr"), plan, QStringLiteral("--kunde"), demoCustomer(), QStringLiteral("--bpr-konfig"), QStringLiteral("2")});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    b = l.json()[QStringLiteral("Beams")][0].toObject();
    EXPECT_EQ(b[QStringLiteral("FBA")].toDouble(), 65.5);
    EXPECT_EQ(b[QStringLiteral("Konturen")][0][1].toArray(), (QJsonArray{455, -379}));

    // A record named "none" is refused, whatever it holds; the file stays as it was.
    l = runProgram(programm, {QStringLiteral("bpr"), plan, QStringLiteral("--bpr-konfig"), QStringLiteral("3")});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_TRUE(l.errText().contains(QStringLiteral("\"none\"")));
    EXPECT_EQ(ordner.read(QStringLiteral("BPRKonfig.cfg")), bytes);

    ordner.write(QStringLiteral("BPRKonfig.cfg"), bytes.left(300));
    l = runProgram(programm, {QStringLiteral("bpr"), plan, QStringLiteral("--bpr-konfig"), QStringLiteral("0")});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_TRUE(l.errText().contains(QStringLiteral("kann nicht gelesen werden")));
}
