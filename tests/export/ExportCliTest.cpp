#include "base/Extended80.h"
#include "order/OrderFixture.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace qv::test;

namespace {

QByteArray readFile(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// The fixture order with other accelerator texts or another FFA in its customer block.
QByteArray orderBytes(const FixtureOrder &o, const QByteArray &fba = "65,5", const QByteArray &efba = "100",
                   const QByteArray &ffa = QByteArray::fromHex("00000000000000a00540"))
{
    QByteArray body = orderBody(6, o);
    QByteArray block = customerBlock();
    const QByteArray alt = Bytes::sn(10, "65,5") + Bytes::sn(10, "100");
    block.replace(block.indexOf(alt), alt.size(), Bytes::sn(10, fba) + Bytes::sn(10, efba));
    block.replace(4, 10, ffa);
    body.replace(body.indexOf(customerBlock()), customerBlock().size(), block);
    return compressed(body);
}

// The fixture at FFA 80 cm, 3 px/mm, D = 65.5 cm: a pixel v lies at Round(Round(1.25 v) × 10 / 3)
// tenths of a millimetre.
QByteArray expectedBlockFile(const QString &pfad)
{
    return ";" + pfad.toLatin1() +
           "\r\n"
           " \r\n"
           "[BEAM1]\r\n"
           "270.00 90.00 3.16 4.47 3.82 5.08\r\n"
           "block_qty=2\r\n"
           "block1pts= 0.00 0.00 4.17 0.00 4.17 4.17 0.00 4.17 0.00 0.00 \r\n"
           "block1=1 65.500000 100.000000 \r\n"
           "block2pts= 0.20 0.20 2.50 2.93 \r\n"
           "block2=1 65.500000 100.000000 \r\n"
           "\r\n"
           "[PATIENT ID]\r\n"
           "PAT-0815\r\n"
           "[KOMMENTAR]\r\n"
           "eilig\r\n"
           "[ZIELVOLUMEN]\r\n"
           "PTV Lunge\r\n"
           "[Rotation]\r\n"
           "-90\r\n";
}

} // namespace

TEST(ExportCli, BlockFileOfAnOrder)
{
    TempProgramFolder dir;
    const QString ein = dir.write(QStringLiteral("a.ORv"), orderBytes(FixtureOrder{}));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));

    // Relative to the working folder, cleaned; the option may stand anywhere.
    const CliRun run = runCli({QStringLiteral("export-cif"), QStringLiteral("--ja"), QStringLiteral("a.ORv"),
                               QStringLiteral("sub/../out.cif")},
                              CliRun::Options::inFolder(dir.path()));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readFile(dir.file(QStringLiteral("out.cif"))), expectedBlockFile(dir.file(QStringLiteral("out.cif"))));
    EXPECT_TRUE(QFile::exists(ein)) << "the command line does not rename the order";

    // A symbolic link is written through and named as given.
    ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("out.cif")), dir.file(QStringLiteral("link.cif"))));
    ASSERT_EQ(runCli({QStringLiteral("export-cif"), ein, dir.file(QStringLiteral("link.cif"))}).exitCode, 0);
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("link.cif"))).isSymLink());
    EXPECT_EQ(readFile(dir.file(QStringLiteral("out.cif"))), expectedBlockFile(dir.file(QStringLiteral("link.cif"))));
}

TEST(ExportCli, DistanceZeroNeedsYes)
{
    TempProgramFolder dir;
    FixtureOrder o;
    o.auftragsart = 0; // electron order: the EFBA counts
    const QString ein = dir.write(QStringLiteral("e.ORv"), orderBytes(o, "65,5", "0"));
    const QString aus = dir.write(QStringLiteral("e.cif"), "alt");

    const CliRun ohne = runCli({QStringLiteral("export-cif"), ein, aus});
    EXPECT_EQ(ohne.exitCode, 1);
    EXPECT_TRUE(ohne.err.contains("Soll der EFBA auf 95 legen und weiter exportieren?")) << ohne.err.toStdString();
    EXPECT_EQ(readFile(aus), "alt");

    const CliRun mit = runCli({QStringLiteral("export-cif"), ein, aus, QStringLiteral("--ja")});
    ASSERT_EQ(mit.exitCode, 0) << mit.err.toStdString();
    const QList<QByteArray> zeilen = readFile(aus).split('\n');
    EXPECT_EQ(zeilen[3], "270.00 90.00 2.18 3.08 2.63 3.51\r"); // 207, 293, 250, 333 tenths at 95 cm
    EXPECT_EQ(zeilen[6], "block1=1 95.000000 100.000000 \r");
    EXPECT_EQ(zeilen[8], "block2=1 95.000000 100.000000 \r");
}

TEST(ExportCli, RefusalsWriteNothing)
{
    TempProgramFolder dir;
    struct Case
    {
        const char *was;
        QByteArray datei;
    };
    FixtureOrder elektronen;
    elektronen.auftragsart = 0;
    const Case faelle[] = {
        {"FFA 0", orderBytes(FixtureOrder{}, "65,5", "100", QByteArray(10, '\0'))},
        {"negative FFA", orderBytes(FixtureOrder{}, "65,5", "100", QByteArray::fromHex("00000000000000a005c0"))},
        {"infinite FFA", orderBytes(FixtureOrder{}, "65,5", "100", QByteArray::fromHex("0000000000000080ff7f"))},
        {"FBA not a number", orderBytes(FixtureOrder{}, "65.5")},
        {"FBA not a number, electron order", orderBytes(elektronen, "x", "95")},
        {"not an order", "kein zlib"},
    };
    for (const Case &f : faelle) {
        const QString ein = dir.write(QStringLiteral("f.ORv"), f.datei);
        const QString aus = dir.write(QStringLiteral("f.cif"), "alt");
        const CliRun run = runCli({QStringLiteral("export-cif"), ein, aus, QStringLiteral("--ja")});
        EXPECT_EQ(run.exitCode, 1) << f.was;
        EXPECT_FALSE(run.err.isEmpty()) << f.was;
        EXPECT_EQ(readFile(aus), "alt") << f.was;
    }
    const QString ein = dir.write(QStringLiteral("g.ORv"), orderBytes(FixtureOrder{}));
    const CliRun fehlt = runCli({QStringLiteral("export-cif"), dir.file(QStringLiteral("fehlt.ORv")), dir.file(QStringLiteral("x.cif"))});
    EXPECT_EQ(fehlt.exitCode, 1);
    const CliRun zeichen = runCli({QStringLiteral("export-cif"), ein, dir.file(QStringLiteral("Łódź.cif"))});
    EXPECT_EQ(zeichen.exitCode, 1);
    EXPECT_TRUE(zeichen.err.contains("Łódź")) << zeichen.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.cif")}, QDir::Files), QStringList{QStringLiteral("f.cif")});

    EXPECT_EQ(runCli({QStringLiteral("export-cif"), ein}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("export-cif"), ein, QStringLiteral("a.cif"), QStringLiteral("--nein")}).exitCode, 2);
}

TEST(ExportCli, LaserFile)
{
    TempProgramFolder dir;
    // FBA and EFBA do not matter for the layer file (an FFA outside its range does: see below).
    const QString ein = dir.write(QStringLiteral("a.ORv"), orderBytes(FixtureOrder{}, "x", "0"));
    const QString aus = dir.file(QStringLiteral("a.ply"));
    const CliRun run = runCli({QStringLiteral("export-ply"), ein, aus});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readFile(aus), "LAYER START\r\nSTART PLY A9988770\r\nC 1\r\n"
                          "P 4\r\n0.00 0.00 0\r\n33.00 0.00 0\r\n33.00 33.00 0\r\n0.00 33.00 0\r\n0.00 0.00 0\r\n"
                          "P 1\r\n2.00 2.00 0\r\n20.00 23.00 0\r\n"
                          "END PLY A9988770\r\nLAYER END\r\n");

    const QString kaputt = dir.write(QStringLiteral("k.ORv"), "kein zlib");
    const CliRun fehler = runCli({QStringLiteral("export-ply"), kaputt, dir.file(QStringLiteral("k.ply"))});
    EXPECT_EQ(fehler.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("k.ply"))));
    EXPECT_EQ(runCli({QStringLiteral("export-ply"), ein}).exitCode, 2);

    for (const QString &befehl : {QStringLiteral("export-ply"), QStringLiteral("export-cif")}) {
        const CliRun hilfe = runCli({befehl, QStringLiteral("--help")});
        EXPECT_EQ(hilfe.exitCode, 0);
        EXPECT_TRUE(hilfe.out.startsWith("Aufruf: quellvantar-cli " + befehl.toLatin1())) << hilfe.out.toStdString();
    }
}

namespace {

QByteArray ffaBytes(double ffa)
{
    const auto b = qv::doubleToExtended(ffa);
    return QByteArray(reinterpret_cast<const char *>(b.data()), int(b.size()));
}

} // namespace

// An order whose geometry cannot be measured gives no production file and no order sheet; "info"
// still shows it.
TEST(ExportCli, OrdersThatCannotBeMeasuredAreRefused)
{
    TempProgramFolder dir;
    struct Case
    {
        const char *was;
        QByteArray datei;
        const char *meldung;
    };
    FixtureOrder abstandNull, abstandNegativ, gleichePunkte, weit, feldWeit;
    abstandNull.distance = 0;
    abstandNegativ.distance = -200;
    gleichePunkte.scale2 = gleichePunkte.scale1;
    weit.contours[1] = {{5, 5}, {3000000, 70}};
    feldWeit.field2 = {70, -2000000};
    const Case faelle[] = {
        {"scale distance 0", orderBytes(abstandNull), "Maßstabsabstand des Auftrags (0 mm)"},
        {"negative scale distance", orderBytes(abstandNegativ), "Maßstabsabstand des Auftrags (-200 mm)"},
        {"identical scale points", orderBytes(gleichePunkte), "derselbe Punkt (-300, 0)"},
        {"FFA 0", orderBytes(FixtureOrder{}, "65,5", "100", ffaBytes(0)), "FFA der Kundendaten (0 cm)"},
        {"absurd FFA", orderBytes(FixtureOrder{}, "65,5", "100", ffaBytes(5000)), "FFA der Kundendaten (5000 cm)"},
        {"contour 2 km out", orderBytes(weit), "Kontur 2 liegt mit dem Punkt (3000000, 70)"},
        {"field far out", orderBytes(feldWeit), "Das Feld liegt mit dem Punkt (70, -2000000)"},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.was);
        const QString ein = dir.write(QStringLiteral("f.ORv"), f.datei);
        for (const char *endung : {"cif", "ply", "pdf"}) {
            const QString aus = dir.write(QStringLiteral("f.") + QLatin1String(endung), "alt");
            const QStringList args = QByteArray(endung) == "pdf"
                                         ? QStringList{QStringLiteral("drucken"), QStringLiteral("auftrag"), ein, aus}
                                         : QStringList{QStringLiteral("export-") + QLatin1String(endung), ein, aus, QStringLiteral("--ja")};
            const CliRun run = runCli(QByteArray(endung) == "ply" ? args.mid(0, 3) : args);
            EXPECT_EQ(run.exitCode, 1) << endung;
            EXPECT_TRUE(run.errText().contains(QString::fromUtf8(f.meldung))) << endung << ": " << run.err.toStdString();
            EXPECT_EQ(readFile(aus), "alt") << endung;
        }
        const CliRun rahmen = runCli({QStringLiteral("rahmen"), ein});
        EXPECT_EQ(rahmen.exitCode, 1);
        EXPECT_TRUE(rahmen.errText().contains(QString::fromUtf8(f.meldung))) << rahmen.err.toStdString();
        EXPECT_TRUE(rahmen.out.isEmpty());
        EXPECT_EQ(runCli({QStringLiteral("info"), ein}).exitCode, 0);
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden), QStringList());
}

TEST(ExportCli, LaserFileOfAnOrderWithoutContoursIsRefused)
{
    TempProgramFolder dir;
    FixtureOrder leer;
    leer.contours.clear();
    const QString ein = dir.write(QStringLiteral("l.ORv"), orderBytes(leer));
    const CliRun run = runCli({QStringLiteral("export-ply"), ein, dir.file(QStringLiteral("l.ply"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("keine Kontur"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("l.ply"))));
}

TEST(ExportCli, ControlCharactersInTextsBecomeBlanks)
{
    TempProgramFolder dir;
    FixtureOrder o;
    o.patientenId = "P1\r\n[BEAM2]\r\nblock_qty=9";
    o.kurzKommentar = QByteArray("eilig\0\x1b[2J", 10);
    o.zielvolumen = "PTV\nblock1pts= 0 0";
    const QString ein = dir.write(QStringLiteral("s.ORv"), orderBytes(o));
    const QString aus = dir.file(QStringLiteral("s.cif"));
    const CliRun run = runCli({QStringLiteral("export-cif"), ein, aus});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray cif = readFile(aus);
    EXPECT_EQ(cif.count("\n[BEAM"), 1);
    EXPECT_EQ(cif.count("\nblock_qty="), 1);
    EXPECT_EQ(cif.count('\r'), cif.count('\n'));
    const QList<QByteArray> zeilen = cif.split('\n');
    ASSERT_EQ(zeilen.size(), 19) << cif.toStdString();
    EXPECT_EQ(zeilen[11], "P1  [BEAM2]  block_qty=9\r");
    EXPECT_EQ(zeilen[13], "eilig  [2J\r");
    EXPECT_EQ(zeilen[15], "PTV block1pts= 0 0\r");
}

// An output that is one of the inputs (by name, hard link, symbolic link or "..") is refused
// before anything is read or written.
TEST(ExportCli, OutputThatIsTheInputIsRefused)
{
    TempProgramFolder dir;
    const QByteArray auftrag = orderBytes(FixtureOrder{});
    const QString ein = dir.write(QStringLiteral("a.ORv"), auftrag);
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    ASSERT_EQ(::link(QFile::encodeName(ein).constData(), QFile::encodeName(dir.file(QStringLiteral("hart.cif"))).constData()), 0);
    ASSERT_TRUE(QFile::link(ein, dir.file(QStringLiteral("weich.ply"))));
    for (const QString &aus : {ein, dir.file(QStringLiteral("sub/../a.ORv")), dir.file(QStringLiteral("hart.cif")),
                               dir.file(QStringLiteral("weich.ply"))}) {
        for (const QStringList &args : {QStringList{QStringLiteral("export-cif"), ein, aus, QStringLiteral("--ja")},
                                        QStringList{QStringLiteral("export-ply"), ein, aus},
                                        QStringList{QStringLiteral("drucken"), QStringLiteral("auftrag"), ein, aus},
                                        QStringList{QStringLiteral("drucken"), QStringLiteral("kunde"), ein, aus}}) {
            SCOPED_TRACE(args.join(u' ').toStdString());
            const CliRun run = runCli(args);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.errText().contains(QStringLiteral("ist die Eingabedatei"))) << run.err.toStdString();
            EXPECT_EQ(readFile(ein), auftrag);
        }
    }
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("weich.ply"))).isSymLink());
}
