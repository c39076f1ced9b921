#include "export/ExportBlockDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace qv;
using Status = BlockDateiErgebnis::Status;

namespace {

// FFA 80 cm and 2.5 px/mm: a pixel v lies at Round(1.25 v) in the isocentre plane, which is
// 4 × that in tenths of a millimetre.
ExportQuelle example()
{
    ExportQuelle q;
    q.Konturen = {{{0, 0}, {8, 0}, {8, 8}, {0, 0}}, {{-8, 2}, {6, -2}}};
    q.FeldEcke1 = {-8, 8};
    q.FeldEcke2 = {16, -8};
    q.FFA = 80.0;
    q.PixelProMM = 2.5;
    q.FBA = QStringLiteral("60");
    q.EFBA = QStringLiteral("95");
    q.Auftragsart = TAuftragsart::Photonen;
    q.Drehwinkel = 90;
    q.Gantrywinkel = QStringLiteral("12,5");
    q.Kollimatorwinkel = QStringLiteral(" 90 ");
    q.PatientenID = QStringLiteral("PAT-1");
    q.KurzKommentar = QStringLiteral("Rücken");
    q.Zielvolumen = QStringLiteral("PTV");
    return q;
}

QList<QByteArray> linesOf(const BlockDateiErgebnis &e)
{
    EXPECT_TRUE(e.fertig()) << e.meldung.toStdString();
    QList<QByteArray> z = e.inhalt.split('\n');
    EXPECT_EQ(z.takeLast(), QByteArray()) << "the last line ends with CR LF";
    for (QByteArray &zeile : z) {
        EXPECT_TRUE(zeile.endsWith('\r')) << zeile.toStdString();
        zeile.chop(1);
    }
    return z;
}

} // namespace

TEST(ExportBlockDatei, WholeFile)
{
    const BlockDateiErgebnis e = BlockDateiInhalt(example(), QStringLiteral("/archiv/KBZ/PAT-1_1.cif"), false);
    ASSERT_TRUE(e.fertig()) << e.meldung.toStdString();
    EXPECT_EQ(e.inhalt, QByteArray(";/archiv/KBZ/PAT-1_1.cif\r\n"
                                   " \r\n"
                                   "[BEAM1]\r\n"
                                   "12.50 90.00 0.67 1.33 0.67 0.67\r\n"
                                   "block_qty=2\r\n"
                                   "block1pts= 0.00 0.00 0.40 0.00 0.40 0.40 0.00 0.00 \r\n"
                                   "block1=1 60.000000 100.000000 \r\n"
                                   "block2pts= -0.40 0.08 0.32 -0.08 \r\n"
                                   "block2=1 60.000000 100.000000 \r\n"
                                   "\r\n"
                                   "[PATIENT ID]\r\n"
                                   "PAT-1\r\n"
                                   "[KOMMENTAR]\r\n"
                                   "R\xFC" "cken\r\n"
                                   "[ZIELVOLUMEN]\r\n"
                                   "PTV\r\n"
                                   "[Rotation]\r\n"
                                   "-90\r\n"));
}

TEST(ExportBlockDatei, FieldCornersInEitherOrderAndWithoutField)
{
    ExportQuelle q = example();
    std::swap(q.FeldEcke1, q.FeldEcke2); // dragged from lower right to upper left
    EXPECT_EQ(linesOf(BlockDateiInhalt(q, QStringLiteral("x"), false))[3], "12.50 90.00 0.67 1.33 0.67 0.67");
    q.FeldEcke1 = {-8, -8}; // lower left to upper right
    q.FeldEcke2 = {16, 8};
    EXPECT_EQ(linesOf(BlockDateiInhalt(q, QStringLiteral("x"), false))[3], "12.50 90.00 0.67 1.33 0.67 0.67");

    // No field: the marker 999999 becomes 4999996 tenths, 83333.27 cm at D = 60.
    q.FeldEcke1 = q.FeldEcke2 = {999999, 999999};
    EXPECT_EQ(linesOf(BlockDateiInhalt(q, QStringLiteral("x"), false))[3],
              "12.50 90.00 -83333.27 83333.27 -83333.27 83333.27");
}

TEST(ExportBlockDatei, PointLines)
{
    struct Case
    {
        const char *was;
        QList<QPoint> punkte;
        const char *zeile;
    };
    // 40 px/mm at FFA 100: (7, 7) and (8, 8) both become 0.02 cm; 80 and 81 both 0.20 cm.
    const Case faelle[] = {
        {"second point equal as written is left out", {{7, 7}, {8, 8}, {80, 80}, {7, 7}},
         "block1pts= 0.02 0.02 0.20 0.20 0.02 0.02 "},
        {"a later repeat is kept", {{7, 7}, {80, 80}, {81, 81}, {7, 7}},
         "block1pts= 0.02 0.02 0.20 0.20 0.20 0.20 0.02 0.02 "},
        {"two points that are one", {{7, 7}, {8, 8}}, "block1pts= 0.02 0.02 "},
        {"only one coordinate equal", {{7, 7}, {8, 80}}, "block1pts= 0.02 0.02 0.02 0.20 "},
        {"no points", {}, "block1pts= "},
    };
    for (const Case &f : faelle) {
        ExportQuelle q = example();
        q.FFA = 100;
        q.PixelProMM = 40;
        q.Konturen = {f.punkte};
        const QList<QByteArray> z = linesOf(BlockDateiInhalt(q, QStringLiteral("x"), false));
        EXPECT_EQ(z[4], "block_qty=1") << f.was;
        EXPECT_EQ(z[5], f.zeile) << f.was;
    }

    ExportQuelle ohne = example();
    ohne.Konturen.clear();
    const QList<QByteArray> z = linesOf(BlockDateiInhalt(ohne, QStringLiteral("x"), false));
    EXPECT_EQ(z[4], "block_qty=0");
    EXPECT_EQ(z[5], "");
    EXPECT_EQ(z[6], "[PATIENT ID]");

    // Without a scale every coordinate would be 0: refused.
    ExportQuelle ohneMassstab = example();
    ohneMassstab.PixelProMM = 0;
    const BlockDateiErgebnis e = BlockDateiInhalt(ohneMassstab, QStringLiteral("x"), false);
    EXPECT_EQ(e.status, BlockDateiErgebnis::Status::Fehler);
    EXPECT_TRUE(e.meldung.startsWith(QStringLiteral("Der Auftrag hat keinen Maßstab"))) << e.meldung.toStdString();
}

TEST(ExportBlockDatei, DistanceByOrderKindAndRotation)
{
    struct Case
    {
        int art;
        const char *fba, *efba;
        int drehwinkel;
        const char *backen, *abstand, *rotation;
    };
    const Case faelle[] = {
        {1, "65,5", "95", 0, "12.50 90.00 0.61 1.22 0.61 0.61", "block1=1 65.500000 100.000000 ", "0"},
        {0, "65,5", "100", 180, "12.50 90.00 0.40 0.80 0.40 0.40", "block1=1 100.000000 100.000000 ", "-180"},
        {2, "65,5", " 95 ", 270, "12.50 90.00 0.42 0.84 0.42 0.42", "block1=1 95.000000 100.000000 ", "-270"},
        // The EFBA that is not a number counts as 0, but a photon order does not use it.
        {1, "60", "-", 90, "12.50 90.00 0.67 1.33 0.67 0.67", "block1=1 60.000000 100.000000 ", "-90"},
    };
    for (const Case &f : faelle) {
        ExportQuelle q = example();
        q.Auftragsart = TAuftragsart(f.art);
        q.FBA = QString::fromLatin1(f.fba);
        q.EFBA = QString::fromLatin1(f.efba);
        q.Drehwinkel = f.drehwinkel;
        const QList<QByteArray> z = linesOf(BlockDateiInhalt(q, QStringLiteral("x"), false));
        EXPECT_EQ(z[3], f.backen) << f.art << " " << f.fba << " " << f.efba;
        EXPECT_EQ(z[6], f.abstand);
        EXPECT_EQ(z.last(), f.rotation);
    }
}

TEST(ExportBlockDatei, DistanceZeroAsksOnceAndYesUses95Throughout)
{
    for (int art : {0, 1, 2}) {
        ExportQuelle q = example();
        q.Auftragsart = TAuftragsart(art);
        (art == 1 ? q.FBA : q.EFBA) = QStringLiteral("0,0");
        if (art != 1)
            q.EFBA = QStringLiteral("kein Wert"); // not a number counts as 0 too
        const BlockDateiErgebnis frage = BlockDateiInhalt(q, QStringLiteral("x"), false);
        EXPECT_EQ(frage.status, Status::AbstandNull) << art;
        EXPECT_TRUE(frage.inhalt.isEmpty());
        EXPECT_TRUE(frage.meldung.contains(kAbstandNullFrage));

        const QList<QByteArray> z = linesOf(BlockDateiInhalt(q, QStringLiteral("x"), true));
        EXPECT_EQ(z[3], "12.50 90.00 0.42 0.84 0.42 0.42") << art; // 40 / 95, 80 / 95
        EXPECT_EQ(z[6], "block1=1 95.000000 100.000000 ");
        EXPECT_EQ(z[8], "block2=1 95.000000 100.000000 ");
    }
}

TEST(ExportBlockDatei, RefusedInputs)
{
    struct Case
    {
        const char *was;
        void (*aendern)(ExportQuelle &);
        const char *inMeldung;
    };
    const Case faelle[] = {
        {"FFA 0", [](ExportQuelle &q) { q.FFA = 0; }, "FFA"},
        {"negative FFA", [](ExportQuelle &q) { q.FFA = -100; }, "FFA"},
        {"infinite FFA", [](ExportQuelle &q) { q.FFA = std::numeric_limits<double>::infinity(); }, "FFA"},
        {"FFA not a number", [](ExportQuelle &q) { q.FFA = std::numeric_limits<double>::quiet_NaN(); }, "FFA"},
        {"FBA text of a photon order", [](ExportQuelle &q) { q.FBA = QStringLiteral("6O"); }, "\"6O\""},
        {"FBA text of an electron order", [](ExportQuelle &q) { q.Auftragsart = TAuftragsart::Elektronen; q.FBA.clear(); }, "FBA"},
        {"jaw beyond any number", [](ExportQuelle &q) { q.FBA = QStringLiteral("0,") + QString(320, u'0') + u'1'; }, "Abstand"},
    };
    for (const Case &f : faelle) {
        ExportQuelle q = example();
        f.aendern(q);
        const BlockDateiErgebnis e = BlockDateiInhalt(q, QStringLiteral("x"), true);
        EXPECT_EQ(e.status, Status::Fehler) << f.was;
        EXPECT_TRUE(e.meldung.contains(QString::fromUtf8(f.inMeldung))) << f.was << ": " << e.meldung.toStdString();
        EXPECT_TRUE(e.inhalt.isEmpty());
    }

    const BlockDateiErgebnis pfad = BlockDateiInhalt(example(), QStringLiteral("/tmp/Łódź.cif"), false);
    EXPECT_EQ(pfad.status, Status::Fehler);
    EXPECT_TRUE(pfad.meldung.contains(u"Łódź"));
}

TEST(ExportBlockDatei, WritesAtomicallyAndLeavesNothingOnFailure)
{
    QTemporaryDir dir;
    const QString ziel = dir.filePath(QStringLiteral("a.cif"));
    ASSERT_TRUE(ExportBlockDatei(example(), ziel, false).fertig());
    QFile datei(ziel);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.readAll().startsWith(";" + ziel.toLocal8Bit() + "\r\n"));
    datei.close();

    // A refused export leaves the old file as it was; nothing else appears in the folder.
    ExportQuelle falsch = example();
    falsch.FFA = 0;
    const QByteArray vorher = BlockDateiInhalt(example(), ziel, false).inhalt;
    EXPECT_EQ(ExportBlockDatei(falsch, ziel, false).status, Status::Fehler);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), vorher);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.cif")});

    // A folder in the way, or a folder that does not exist, is a failure with no file written.
    const QString ordner = dir.filePath(QStringLiteral("ordner.cif"));
    QDir().mkpath(ordner);
    EXPECT_EQ(ExportBlockDatei(example(), ordner, false).status, Status::Fehler);
    EXPECT_EQ(ExportBlockDatei(example(), dir.filePath(QStringLiteral("fehlt/b.cif")), false).status, Status::Fehler);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fehlt"))));
}
