#include "planimport/BPRDatei.h"
#include "planimport/BPRFileBasic.h"
#include "planimport/BPRKatalog.h"
#include "planimport/CValue.h"

#include "BPRTestRows.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

using namespace qv;
using qv::test::TestDatabase;
using qv::test::Row;

namespace {

QString s(const char *t)
{
    return QString::fromUtf8(t);
}

CValue cvalue(const char *tag, int lineoffset, int rowoffset, int len, char ende, char anfang)
{
    return CValue(T_Werte{s(tag), lineoffset, rowoffset, len, QChar::fromLatin1(ende), QChar::fromLatin1(anfang)});
}

/// A reader for a file text with rows of a test database.
struct LoadedFile
{
    LoadedFile(const QByteArray &text, const QString &name, int format, std::initializer_list<Row> zeilen)
        : db(qv::test::asSql(format, zeilen)), vorbereitung(Vorbereiten(text, name)), leser(vorbereitung, db.rows(format), name)
    {
        EXPECT_EQ(vorbereitung.FormatCode, format);
    }
    TestDatabase db;
    BPRVorbereitung vorbereitung;
    BPRFileBasic leser;
};

// Rows of a marker format (Plato layout) used by several tests.
const std::initializer_list<Row> kPlato = {
    {1, " "},
    {2, "<Iso>", 0, 0, 0, "<"},
    {3, "<Gantry>", 0, 0, 0, "<"},
    {4, "<Kolli>", 0, 0, 0, "<"},
    {8, "None", 0, 0, 0, "."},
    {9, "<Blocks>", 0, 0, 0, "<"},
    {10, "<Points>", 0, 0, 0, "<"},
    {11, "<X>", 0, 0, 0, "<"},
    {12, "<Y>", 0, 0, 0, "<"},
    {18, "<FX>", 0, 0, 0, "<"},
    {19, "<FY>", 0, 0, 0, "<"},
    {20, "<Beam ", 0, 0, 0, "#"},
    {21, "<Beam "},
    {23, "<Name>", 0, 0, 0, "<"},
    {31, "<Y1>", 0, 0, 0, "<"},
    {32, "<Y2>", 0, 0, 0, "<"},
    {33, "<X1>", 0, 0, 0, "<"},
    {34, "<X2>", 0, 0, 0, "<"},
    {35, "<Mode>", 0, 0, 0, "<"},
    {37, "<Beam ", 0, 0, 0, ">"},
    {39, "</Beam>"},
};

QByteArray platoBeam(int nummer, const char *modus, const char *jaws, bool bloecke = true)
{
    QByteArray b = "<Beam " + QByteArray::number(nummer) + ">\n<Gantry>" + QByteArray::number(nummer * 10) +
                   "</Gantry>\n<Kolli>0</Kolli>\n<Iso>100</Iso>\n<Mode>" + modus + "</Mode>\n" + jaws;
    if (bloecke)
        b += "<Blocks>1</Blocks>\n<Points>3</Points>\n<X>0</X>\n<Y>0</Y>\n<X>1</X>\n<Y>0</Y>\n<X>0</X>\n<Y>" +
             QByteArray::number(nummer) + "</Y>\n";
    return b + "</Beam>\n";
}

} // namespace

TEST(CValueRead, MarkerColumnAndLength)
{
    BPRLeseZustand z;
    BPRTextDatei f({s("Kopf"), s("Gantry 180.0 Grad")});
    CValue gantry = cvalue("Gantry", 0, 1, 5, '0', '0');
    EXPECT_TRUE(gantry.Read(f, z));
    EXPECT_EQ(gantry.Value, s("180.0")) << "copied from column 8";

    // Begin and end character walk along a line; the reader writes back where it stopped.
    BPRTextDatei zeile({s("block1pts= 1.00 -2.00 ")});
    CValue x = cvalue("block1pts", 0, 1, 0, ' ', ' ');
    EXPECT_TRUE(x.Read(zeile, z));
    EXPECT_EQ(x.Value, s("1.00"));
    EXPECT_EQ(x.rowoffset, 11);
    EXPECT_EQ(x.len, 5);
    x.rowoffset = 12;
    zeile.Reset();
    EXPECT_TRUE(x.Read(zeile, z));
    EXPECT_EQ(x.Value, s("-2.00"));
    EXPECT_EQ(x.rowoffset, 16);
    x.rowoffset = 23;
    zeile.Reset();
    EXPECT_FALSE(x.Read(zeile, z)) << "no begin character left";
    EXPECT_FALSE(z.Stopp);

    // Tab as begin character, value after the marker up to the end character.
    BPRTextDatei tab({s("ID\tP-17;x"), s("Name: Muster, Max;")});
    CValue id = cvalue("ID", 0, 1, 0, ';', 'T');
    EXPECT_TRUE(id.Read(tab, z));
    EXPECT_EQ(id.Value, s("P-17")) << "the tab is the first character copied, then trimmed";
    CValue name = cvalue("Name:", 0, 0, 0, ';', '0');
    tab.Reset();
    EXPECT_TRUE(name.Read(tab, z));
    EXPECT_EQ(name.Value, s("Muster, Max"));
}

TEST(CValueRead, NextLineCountLastAndBeforeTheMarker)
{
    BPRLeseZustand z;
    BPRTextDatei f({s("Kopf"), s("Wert 1"), s("Marke"), s("Wert 2"), s("Y1: 5.0 cm"), s("Marke Ende")});
    CValue naechste = cvalue("Marke", -1, 0, 0, '0', '0');
    f.ReadLine();
    EXPECT_TRUE(naechste.Read(f, z));
    EXPECT_EQ(naechste.Value, s("Wert 1")) << "the line after the current one, without searching";
    EXPECT_EQ(naechste.lineoffset, 1);
    EXPECT_TRUE(naechste.Read(f, z));
    EXPECT_EQ(naechste.Value, s("Wert 2")) << "then the line after the marker";

    f.Reset();
    CValue vor = cvalue("cm", 0, 0, 0, 'V', ':');
    EXPECT_FALSE(vor.Read(f, z));
    EXPECT_EQ(vor.Value, s("5.0"));
    f.Reset();
    CValue anzahl = cvalue("marke", 0, 0, 0, '#', '0');
    EXPECT_FALSE(anzahl.Read(f, z));
    EXPECT_EQ(anzahl.Value, s("2"));
    f.Reset();
    CValue letzte = cvalue("Marke", 0, 7, 0, 'Z', '0');
    EXPECT_TRUE(letzte.Read(f, z));
    EXPECT_EQ(letzte.Value, s("Ende"));
    EXPECT_FALSE(z.Stopp);
    EXPECT_TRUE(z.Meldungen.isEmpty());
}

TEST(CValueRead, FixedLines)
{
    BPRLeseZustand z;
    BPRTextDatei f({s(" ID-0815  65,0"), s("3"), s("   -4,00   -6,00"), s(""), s("Name: Muster; Max")});
    CValue id = cvalue("None", 0, 2, 8, '0', '0');
    EXPECT_TRUE(id.Read(f, z));
    EXPECT_EQ(id.Value, s("ID-0815"));
    CValue y = cvalue("None", 2, 9, 8, '0', '0');
    EXPECT_TRUE(y.Read(f, z));
    EXPECT_EQ(y.Value, s("-6,00"));
    CValue zwischen = cvalue("None", 4, 0, 0, ';', ':');
    EXPECT_TRUE(zwischen.Read(f, z));
    EXPECT_EQ(zwischen.Value, s(": Muster"));
    CValue letzte = cvalue("None", 0, 1, 0, 'Z', '0');
    f.Reset();
    EXPECT_TRUE(letzte.Read(f, z));
    EXPECT_EQ(letzte.Value, s("Name: Muster; Max"));
    // A line beyond the end of the file is a read error, not the last line again.
    CValue hinterEnde = cvalue("None", 9, 1, 0, '0', '0');
    f.Reset();
    EXPECT_FALSE(hinterEnde.Read(f, z));
    EXPECT_TRUE(z.Stopp);
}

TEST(CValueRead, MissingMarkerIsReportedOnceAndStopsTheBeam)
{
    BPRTextDatei f({s("[PATIENT ID]"), s("4711")});
    BPRLeseZustand ohne;
    for (const char *tag : {"[PATIENT NAME]", "[GERÄT]", "<beginShape>"}) {
        f.Reset();
        CValue v = cvalue(tag, 1, 0, 0, '0', '0');
        EXPECT_FALSE(v.Read(f, ohne));
        EXPECT_EQ(v.Value, s("0"));
    }
    f.Reset();
    CValue optional = cvalue("Fehlt", 0, 0, 0, 'o', '0');
    EXPECT_FALSE(optional.Read(f, ohne));
    EXPECT_FALSE(ohne.Stopp);
    EXPECT_TRUE(ohne.Meldungen.isEmpty());

    BPRLeseZustand z;
    f.Reset();
    CValue fehlt = cvalue("Fehlt", 0, 0, 0, '0', '0');
    EXPECT_FALSE(fehlt.Read(f, z));
    EXPECT_TRUE(z.Stopp);
    f.Reset();
    CValue id = cvalue("[PATIENT ID]", 1, 0, 0, '0', '0');
    EXPECT_FALSE(id.Read(f, z)) << "nothing more is read in this beam";
    EXPECT_EQ(id.Value, s("0"));
    EXPECT_EQ(z.Meldungen, QStringList{s("Dateilesefehler")});
}

TEST(BPRReader, BeamsByPositionWithTheirNumbersAndJaws)
{
    const QByteArray text = "<Plato Test>\n<Name>Muster</Name>\n" +
                            platoBeam(2, "SS", "<FY>15.0</FY>\n<FX>10.0</FX>\n") +
                            platoBeam(5, "AA", "<FY>9</FY>\n<Y1>-3.5</Y1>\n<Y2>4</Y2>\n<FX>9</FX>\n<X1>2</X1>\n<X2>-6</X2>\n") +
                            platoBeam(7, "EA", "<FY>3.0</FY>\n<FX>4.01</FX>\n") + platoBeam(9, "SS", "", false);
    LoadedFile d(text, s("plan.pla"), BPRFormat::Plato, kPlato);
    EXPECT_EQ(d.leser.GetBeamCount(), 4);
    EXPECT_EQ(d.leser.BeamNumbers.mid(0, 5), (QList<qint32>{2, 5, 7, 9, 5}));

    struct Case
    {
        int position;
        const char *gantry;
        BPRFeld feld;
        int letztesY;
    } faelle[] = {
        {1, "20", {-500, -750, 500, 750}, 200},
        {2, "50", {-200, -350, 600, 400}, 500},
        // "E" as first letter: X symmetric whatever the second letter; 401 / 2 truncates to 200.
        {3, "70", {-200, -150, 200, 150}, 700},
    };
    for (const Case &f : faelle) {
        LoadedFile beam(text, s("plan.pla"), BPRFormat::Plato, kPlato);
        beam.leser.SetFBA(65);
        EXPECT_TRUE(beam.leser.ReadBeam(f.position)) << f.position;
        EXPECT_EQ(beam.leser.GetGantry(), s(f.gantry));
        EXPECT_EQ(beam.leser.GetField(), f.feld) << f.position;
        EXPECT_EQ(beam.leser.GetPoint(1, 3), QPoint(0, f.letztesY));
        EXPECT_EQ(beam.leser.GetFBA(), s("65"));
        EXPECT_EQ(beam.leser.GetPatientName(), s("Muster"));
    }

    // The beam section without blocks: no contours, the fixed distances, not valid.
    EXPECT_FALSE(d.leser.ReadBeam(4));
    EXPECT_EQ(d.leser.GetContourCount(), s("0"));
    EXPECT_EQ(d.leser.GetFBA(), s("67"));
    EXPECT_EQ(d.leser.GetFIA(), s("140"));
}

TEST(BPRReader, JawValuesOfZeroOrAbove2000AreDropped)
{
    // Left = V(25), Right = V(24), Top = -V(27), Bottom = -V(26), in mm.
    const std::initializer_list<Row> zeilen = {
        {1, "FBA:", 0, 0, 0, "m"}, {2, "FIA:", 0, 0, 0, "m"}, {5, "Name:"},          {8, "None", 0, 0, 0, "."},
        {9, "Blocks:"},            {10, "Points:"},           {11, "X:"},            {12, "Y:"},
        {24, "X2:", 0, 0, 0, "m"}, {25, "X1:", 0, 0, 0, "m"}, {26, "Y2:", 0, 0, 0, "m"}, {27, "Y1:", 0, 0, 0, "m"},
    };
    struct Case
    {
        const char *x1, *x2, *y1, *y2;
        BPRFeld feld;
    } faelle[] = {
        {"0", "0", "0", "-250", {0, 0, 0, 0}},
        {"0", "0", "-10", "-250", {0, 100, 0, 2500}},
        {"-50", "60", "40", "-50", {-500, -400, 600, 500}},
        {"300", "250", "-210", "-220", {0, 0, 0, 0}},
    };
    for (const Case &f : faelle) {
        const QByteArray text = QByteArray("Patient code 1\nName: X\nFBA: 650 mm\nFIA: 100 mm\nX1: ") + f.x1 + " mm\nX2: " + f.x2 +
                                " mm\nY1: " + f.y1 + " mm\nY2: " + f.y2 +
                                " mm\nBlocks: 1\nPoints: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 0\nY: 10\n";
        LoadedFile d(text, s("t.txt"), BPRFormat::Target, zeilen);
        EXPECT_TRUE(d.leser.ReadBeam(1));
        EXPECT_EQ(d.leser.GetField(), f.feld) << f.x1 << ' ' << f.x2 << ' ' << f.y1 << ' ' << f.y2;
        EXPECT_EQ(d.leser.GetFBA(), s("65")) << "the millimetre FBA becomes cm";
    }
}

TEST(BPRReader, AnglesAreNormalisedAndWithoutABeamCountThereIsOneBeam)
{
    const std::initializer_list<Row> zeilen = {
        {1, " "},         {2, "FIA:"},   {3, "Gantry:"}, {4, "Kollimator:"}, {5, "Name:"},
        {8, "None", 0, 0, 0, ","},      {9, "Blocks:"}, {10, "Points:"}, {11, "X:"}, {12, "Y:"},
    };
    struct Case
    {
        const char *gantry, *kolli;
        const char *gantryText, *kolliText;
    } faelle[] = {
        {"370,5", "-10", "10,5", "-10"},
        {"720", "360", "0", "360"},
        {"45", "", "45", "0"}, // a value the file leaves out: the offset (0) stands in
    };
    for (const Case &f : faelle) {
        const QByteArray text = QByteArray("KOPF\nName: A\nFIA: 100\nGantry: ") + f.gantry + "\nKollimator: " + f.kolli +
                                "\nBlocks: 1\nPoints: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 0\nY: 10\n";
        LoadedFile d(text, s("p.dat"), BPRFormat::Huestis, zeilen);
        EXPECT_EQ(d.leser.GetBeamCount(), 1);
        EXPECT_TRUE(d.leser.ReadBeam(1));
        EXPECT_EQ(d.leser.GetGantry(), s(f.gantryText));
        EXPECT_EQ(d.leser.GetCollimator(), s(f.kolliText));
    }
    // A text that is no number is no angle: the beam cannot be used.
    LoadedFile d("KOPF\nName: A\nFIA: 100\nGantry: 45\nKollimator: abc\nBlocks: 1\nPoints: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 0\nY: 10\n",
                 s("p.dat"), BPRFormat::Huestis, zeilen);
    EXPECT_FALSE(d.leser.ReadBeam(1));
    EXPECT_EQ(d.leser.Meldungen(), QStringList{s("In Zeile 5 steht \"abc\" statt einer Zahl.")});
    // The decimal separator of the file is passed to the number reading; the process keeps its own.
    EXPECT_EQ(QLocale().decimalPoint(), QLocale::system().decimalPoint());
}

TEST(BPRReader, SingleContourMarkerGivesOneContourWithFBAAndFIA95)
{
    const QByteArray text = "KOPF\nEINZEL\nName: A\nFBA: 70\nFIA: 100\nX1: 50\nX2: 50\nY1: 50\nY2: 50\nBlocks: 1\nPoints: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 0\nY: 10\n";
    LoadedFile d(text, s("p.dat"), BPRFormat::Huestis,
            {{1, "FBA:"}, {2, "FIA:"}, {5, "Name:"}, {9, "Blocks:"}, {10, "Points:"}, {11, "X:"}, {12, "Y:"},
             {24, "X2:"}, {25, "X1:"}, {26, "Y2:"}, {27, "Y1:"}, {40, "EINZEL", 0, 0, 0, "o"}});
    EXPECT_TRUE(d.leser.ReadBeam(1));
    EXPECT_TRUE(d.leser.SingleContourMode);
    EXPECT_EQ(d.leser.GetFBA(), s("95"));
    EXPECT_EQ(d.leser.GetFIA(), s("95"));
    EXPECT_EQ(d.leser.KonturenGelesen(), 1);
    EXPECT_EQ(d.leser.GetField(), BPRFeld{});

    // Without the marker in the file the row is dropped and the file is read normally.
    LoadedFile ohne(QByteArray(text).replace("EINZEL", "ANDERS"), s("p.dat"), BPRFormat::Huestis,
               {{1, "FBA:"}, {2, "FIA:"}, {5, "Name:"}, {9, "Blocks:"}, {10, "Points:"}, {11, "X:"}, {12, "Y:"},
                {40, "EINZEL", 0, 0, 0, "o"}});
    EXPECT_TRUE(ohne.leser.ReadBeam(1));
    EXPECT_FALSE(ohne.leser.SingleContourMode);
    EXPECT_EQ(ohne.leser.GetFBA(), s("70"));
}

// ---- Reading contours until they close ------------------------------------------------------

namespace {

const std::initializer_list<Row> kBlockzeilen = {
    {1, "block1=1", 0, 1, 0, " ", " "},
    {2, "block1=1", 0, 19, 0, " ", " "},
    {5, "[PATIENT NAME]", 1},
    {8, "None", 0, 0, 0, "."},
    {9, "block_qty="},
    {11, "block1pts", 0, 1, 0, " ", " "},
    {12, "block1pts", 0, 1, 0, " ", " "},
};

} // namespace

TEST(BPRReader, ClosingModeReadsSeveralContoursAndContinuationLines)
{
    const QByteArray text = ";x\n[BEAM1]\nblock_qty=2\n"
                            "block1pts= 1.00 1.00 2.00 1.00 \nblock1pts1= 2.00 2.00 1.00 1.00 \nblock1=1 65.000000 100.000000 \n"
                            "block2pts= -1.00 -1.00 -2.00 -1.00 -2.00 -2.00 -1.00 -1.00 \n";
    LoadedFile d(text, s("b.cif"), BPRFormat::Multidata, kBlockzeilen);
    EXPECT_TRUE(d.leser.ReadBeam(1)) << d.leser.Meldungen().join(u'|').toStdString();
    EXPECT_EQ(d.leser.GetContourPoints(),
              (QList<QList<QPoint>>{{{100, 100}, {200, 100}, {200, 200}}, {{-100, -100}, {-200, -100}, {-200, -200}}}));
    EXPECT_EQ(d.leser.GetFBA(), s("65,000000"));
    EXPECT_EQ(d.leser.GetFIA(), s("100,000000"));
}

TEST(BPRReader, OpenContourEndsWithAMessageInsteadOfAnEndlessLoop)
{
    for (const QByteArray &punkte : {QByteArray("1.00 1.00 2.00 1.00 3.00 3.00 "), QByteArray(""), QByteArray("1.00 ")}) {
        const QByteArray text = ";x\nblock_qty=1\nblock1pts= " + punkte + "\nblock1=1 65.0 100.0 \n";
        LoadedFile d(text, s("b.cif"), BPRFormat::Multidata, kBlockzeilen);
        QElapsedTimer uhr;
        uhr.start();
        EXPECT_FALSE(d.leser.ReadBeam(1)) << punkte.constData();
        EXPECT_LT(uhr.elapsed(), 5000);
        EXPECT_TRUE(d.leser.Meldungen().join(u'|').contains(s("Die Kontur 1 ist nicht geschlossen")))
            << d.leser.Meldungen().join(u'|').toStdString();
    }
}

TEST(BPRReader, DoubleLineSpacingAndPointsLineByLine)
{
    // One point per line below the marker; the first point written twice (the format's habit),
    // contour 2 straight after the closing line of contour 1.
    const std::initializer_list<Row> zeilen = {
        {1, " "}, {2, "SAD:"}, {5, "NAME:"}, {8, "None", 0, 0, 0, "."}, {9, "BLOCKS:"},
        {11, "POINTS", 1, 1, 0, " "}, {12, "POINTS", 1, 11},
    };
    QByteArray text = "KOPF\nNAME: A\nSAD: 100\nBLOCKS: 2\nPOINTS\n";
    for (const char *p : {"10        10", "10        10", "20        10", "20        20", "10        10", "10        10",
                          "-10       -10", "-20       -10", "-20       -20", "-10       -10"})
        text += QByteArray(p) + "\n";
    QByteArray doppelt;
    for (const QByteArray &zeile : text.split('\n'))
        doppelt += zeile + "\r\n\r\n";
    LoadedFile d(doppelt, s("PLAN.A1"), BPRFormat::Parcientific, zeilen);
    EXPECT_TRUE(d.vorbereitung.LeerzeilenEntfernt);
    EXPECT_TRUE(d.leser.ReadBeam(1)) << d.leser.Meldungen().join(u'|').toStdString();
    EXPECT_EQ(d.leser.GetContourPoints(),
              (QList<QList<QPoint>>{{{5, 5}, {5, 5}, {10, 5}, {10, 10}, {5, 5}}, {{-5, -5}, {-10, -5}, {-10, -10}}}));
}

// ---- Counts from the file are bounded --------------------------------------------------------

namespace {

const std::initializer_list<Row> kHuestis = {
    {1, " "}, {2, "FIA:"}, {5, "Name:"}, {8, "None", 0, 0, 0, "."}, {9, "Blocks:"}, {10, "Points:"}, {11, "X:"}, {12, "Y:"},
    {20, "Beam", 0, 0, 0, "#"}, {21, "Beam"}, {37, "Beam", 0, 0, 0, ":"},
};

QByteArray triangle()
{
    return "Points: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 0\nY: 10\n";
}

} // namespace

TEST(BPRReader, TooManyPointsContoursOrBeamsAreCapped)
{
    {
        LoadedFile d("KOPF\nName: A\nFIA: 100\nBeam 1:\nBlocks: 1\nPoints: 2000000000\nX: 1\nY: 1\n", s("p.dat"), BPRFormat::Huestis, kHuestis);
        QElapsedTimer uhr;
        uhr.start();
        EXPECT_FALSE(d.leser.ReadBeam(1));
        EXPECT_LT(uhr.elapsed(), 2000);
        EXPECT_TRUE(d.leser.Meldungen().join(u'|').contains(s("mehr als 10000"))) << d.leser.Meldungen().join(u'|').toStdString();
    }
    {
        QByteArray text = "KOPF\nName: A\nFIA: 100\nBeam 1:\nBlocks: 12\n";
        for (int i = 0; i < 12; ++i)
            text += triangle();
        LoadedFile d(text, s("p.dat"), BPRFormat::Huestis, kHuestis);
        EXPECT_TRUE(d.leser.ReadBeam(1));
        EXPECT_EQ(d.leser.KonturenGelesen(), 11);
        EXPECT_EQ(d.leser.GetContourCount(), s("12"));
        EXPECT_TRUE(d.leser.Meldungen().join(u'|').contains(s("die ersten 11")));
    }
    {
        QByteArray text = "KOPF\nName: A\nFIA: 100\n";
        for (int i = 1; i <= 150; ++i)
            text += "Beam " + QByteArray::number(i * 2) + ":\nFIA: 100\nBlocks: 1\n" + triangle();
        LoadedFile d(text, s("p.dat"), BPRFormat::Huestis, kHuestis);
        EXPECT_EQ(d.leser.GetBeamCount(), 150);
        EXPECT_EQ(d.leser.BeamsZurAuswahl(), 100);
        EXPECT_EQ(d.leser.BeamNumbers.size(), 100);
        EXPECT_EQ(d.leser.BeamNumbers.last(), 200);
        EXPECT_TRUE(d.leser.ReadBeam(100));
    }
    {
        LoadedFile d("KOPF\nName: A\nFIA: 100\nBeam x:\nBlocks: 1\n" + triangle(), s("p.dat"), BPRFormat::Huestis, kHuestis);
        EXPECT_EQ(d.leser.BeamNumbers.first(), 1);
        EXPECT_EQ(d.leser.Meldungen(), QStringList{s("Die Zahl hinter den Beams in der Datei ist Falsch bzw. nicht vorhanden!")});
    }
}

TEST(BPRReader, ReadErrorsAndUnusableBeamsAreInvalid)
{
    struct Case
    {
        const char *was;
        QByteArray text;
    } faelle[] = {
        {"y fehlt", "KOPF\nName: A\nFIA: 100\nBlocks: 1\nPoints: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 5\n"},
        {"zwei Punkte", "KOPF\nName: A\nFIA: 100\nBlocks: 1\nPoints: 2\nX: 0\nY: 0\nX: 10\nY: 0\n"},
        {"keine Konturen", "KOPF\nName: A\nFIA: 100\nBlocks: 0\n"},
        {"Anzahl keine Zahl", "KOPF\nName: A\nFIA: 100\nBlocks: zwei\n" + triangle()},
        {"FIA fehlt", "KOPF\nName: A\nBlocks: 1\n" + triangle()},
    };
    for (const Case &f : faelle) {
        LoadedFile d(f.text, s("p.dat"), BPRFormat::Huestis, kHuestis);
        EXPECT_FALSE(d.leser.ReadBeam(1)) << f.was;
    }
    {
        LoadedFile d("KOPF\nName: A\nFIA: 100\nBlocks: 1\nPoints: 3\nX: 0\nY: 0\nX: 10\nY: 0\nX: 5\n", s("p.dat"), BPRFormat::Huestis, kHuestis);
        d.leser.ReadBeam(1);
        EXPECT_EQ(d.leser.Meldungen(), QStringList{s("Dateilesefehler")});
    }

    // A block-plane format whose FBA is 0 cannot convert its coordinates.
    const std::initializer_list<Row> hek = {{1, "None", 0, 2, 4}, {2, "None", 0, 7, 4}, {5, "None", 0, 1, 0},
                                              {9, "None", 0, 12, 2},  {10, "None", 1, 1, 0}, {11, "None", 2, 1, 6},
                                              {12, "None", 2, 7, 6},  {8, "None", 0, 0, 0, ","}};
    for (const char *fba : {"  0 ", "65  "}) {
        const QByteArray kopf = QByteArray(" ") + fba + " 100  1" + "         ";
        LoadedFile d(kopf + "\n3\n  0,00  0,00\n  6,50  0,00\n  0,00  6,50\nName\n", s("p.hek"), BPRFormat::HEK, hek);
        const bool gueltig = d.leser.ReadBeam(1);
        if (QByteArray(fba).trimmed() == "0") {
            EXPECT_FALSE(gueltig);
            EXPECT_TRUE(d.leser.Meldungen().join(u'|').contains(s("FBA der Datei ist 0")));
        } else {
            EXPECT_TRUE(gueltig) << d.leser.Meldungen().join(u'|').toStdString();
            EXPECT_EQ(d.leser.GetPoint(1, 2), QPoint(1000, 0)) << "cm at 65 cm, × 100 / 65 × 100";
            EXPECT_EQ(d.leser.GetPatientName(), s("Name"));
        }
    }
}

TEST(BPRReader, ConfigurationIsAppliedAndUndone)
{
    const QByteArray text = "<Plato Test>\n<Name>Muster</Name>\n" + platoBeam(1, "SS", "<FY>4</FY>\n<FX>2</FX>\n");
    LoadedFile d(text, s("plan.pla"), BPRFormat::Plato, kPlato);
    ASSERT_TRUE(d.leser.ReadBeam(1));
    EXPECT_EQ(d.leser.GetContourPoints().first(), (QList<QPoint>{{0, 0}, {100, 0}, {0, 100}}));
    EXPECT_EQ(d.leser.GetField(), (BPRFeld{-100, -200, 100, 200}));

    d.leser.MirrorX = true;
    d.leser.Rotation = 90;
    d.leser.CollimatorOffset = 355;
    d.leser.ApplyConfiguration(false);
    EXPECT_EQ(d.leser.GetContourPoints().first(), (QList<QPoint>{{0, 0}, {100, 0}, {0, 100}})) << "unchanged: nothing applied";
    d.leser.ApplyConfiguration(true);
    // Mirror x, then turn clockwise by 90°.
    EXPECT_EQ(d.leser.GetContourPoints().first(), (QList<QPoint>{{0, 0}, {0, 100}, {100, 0}}));
    EXPECT_EQ(d.leser.GetField(), (BPRFeld{-200, -100, 200, 100}));
    EXPECT_EQ(d.leser.GetCollimator(), s("355"));

    d.leser.MirrorX = false;
    d.leser.Rotation = 0;
    d.leser.JawRotation = 90;
    d.leser.CollimatorOffset = 20;
    d.leser.ApplyConfiguration(true);
    EXPECT_EQ(d.leser.GetContourPoints().first(), (QList<QPoint>{{0, 0}, {100, 0}, {0, 100}})) << "the first one undone";
    EXPECT_EQ(d.leser.GetField(), (BPRFeld{-200, 100, 200, -100}));
    EXPECT_EQ(d.leser.GetCollimator(), s("20"));

    d.leser.JawRotation = 0;
    d.leser.CollimatorOffset = 0;
    d.leser.ApplyConfiguration(true);
    EXPECT_EQ(d.leser.GetField(), (BPRFeld{-100, -200, 100, 200}));
    EXPECT_EQ(d.leser.GetCollimator(), s("0"));
}

TEST(BPRReader, UnknownFormatAndEmptyFile)
{
    TestDatabase db(QString{});
    BPRFileBasic unbekannt(Vorbereiten("irgendwas\n", s("x.txt")), db.rows(10));
    EXPECT_EQ(unbekannt.FormatCode, BPRFormat::Keins);
    EXPECT_FALSE(unbekannt.ReadBeam(1));
    BPRFileBasic leer(Vorbereiten(QByteArray(), s("x.dat")), db.rows(5));
    EXPECT_EQ(leer.FormatCode, BPRFormat::Keins);
    EXPECT_EQ(leer.Meldungen(), QStringList{s("Zugriff auf Datei nicht möglich - Überprüfen Sie die Attribute (FileKonvert)")});
}

TEST(BPRDateiLaden, OnlyRegularFiles)
{
    TestDatabase db(QString{});
    qv::test::TempProgramFolder ordner;
    auto r = BPRDateiLaden(ordner.path(), db.dm);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(s("ist ein Ordner"))) << r.error().toStdString();
    EXPECT_FALSE(BPRDateiLaden(ordner.file(s("fehlt.dat")), db.dm).ok());
    r = BPRDateiLaden(s("/dev/null"), db.dm);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(s("keine gewöhnliche Datei")));
    r = BPRDateiLaden(ordner.write(s("plan.DAT"), "KOPF\n"), db.dm);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->Vorbereitung.FormatCode, BPRFormat::Huestis) << "detected on the chosen file's name";
}

// The fuzz seeds are the shipped rows with the sample of each format, each read to a valid beam,
// and samples with a number that cannot be read or a count beyond the points, read to none.
TEST(BPRReader, FuzzSeedsAreReadable)
{
    const QDir saaten(QStringLiteral(QV_BPR_CORPUS_DIR));
    const QStringList namen = saaten.entryList(QDir::Files);
    ASSERT_EQ(namen.size(), 8);
    for (const QString &name : namen) {
        QFile f(saaten.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const qsizetype trenner = bytes.indexOf("\n%%\n");
        ASSERT_GT(trenner, 0);
        BPRFormatZeilen zeilen;
        for (const QByteArray &zeile : bytes.left(trenner).split('\n')) {
            const QList<QByteArray> t = zeile.split('|');
            if (t.size() == 7)
                zeilen.insert(t[0].toInt(), T_Werte{QString::fromLatin1(t[1]), t[2].toInt(), t[3].toInt(), t[4].toInt(),
                                                    QChar::fromLatin1(t[5].at(0)), QChar::fromLatin1(t[6].at(0))});
        }
        const int format = bytes.at(1) - '0';
        static const char *const dateinamen[] = {"p.txt", "p.txt", "P.A1", "p.cif", "p.DAT", "p.txt"};
        BPRFileBasic leser(Vorbereiten(bytes.mid(trenner + 4), s(dateinamen[format - 1])), zeilen);
        EXPECT_EQ(leser.FormatCode, format) << name.toStdString();
        leser.SetFBA(65);
        EXPECT_EQ(leser.ReadBeam(1), name.at(0) <= u'6') << name.toStdString();
    }
}

// ---- Numbers that cannot be read are never 0 -------------------------------------------------

namespace {

QByteArray sample(const char *name)
{
    QFile f(qv::test::buildDir() + s("/DemoBPR/") + s(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The beam at position 1 as the import reads it, with the shipped format rows.
BPRBeam importBeam(const QByteArray &bytes, const char *name)
{
    TBPRDM dm;
    EXPECT_TRUE(dm.Open(TBPRDM::DateiImOrdner(qv::test::buildDir())).ok());
    BPRDateiInhalt inhalt;
    inhalt.Pfad = s(name);
    inhalt.Vorbereitung = Vorbereiten(bytes, s(name));
    inhalt.Zeilen = dm.FormatZeilen(inhalt.Vorbereitung.FormatCode).value();
    return BPRBeamLesen(inhalt, 1, 65, nullptr);
}

// The 1-based line of the file (CR LF, LF or CR ends) on which text first stands.
int lineOf(const QByteArray &bytes, const QByteArray &text)
{
    QByteArray b = bytes;
    b.replace("\r\n", "\n").replace('\r', '\n');
    const qsizetype p = b.indexOf(text);
    return p < 0 ? -1 : int(b.left(p).count('\n')) + 1;
}

} // namespace

TEST(BPRReader, UnreadableNumbersAndShortCountsMakeTheBeamInvalidNamingTheLine)
{
    struct Case
    {
        const char *datei;
        QByteArray vorher, nachher; // the first occurrence is replaced
        const char *meldung;         // expected in the messages; "Zeile" cases also name the line
    } faelle[] = {
        // a point
        {"Huestis_Demo.DAT", "X: 300", "X: 3OO", "statt einer Zahl"},
        {"Plato_Demo.pla", "<Y>-7.5</Y>", "<Y>-7.5 cm</Y>", "statt einer Zahl"},
        {"HEK_Demo.hek", "   -2,60   -1,95", "   -2,60   -l,95", "statt einer Zahl"},
        {"Parcientific_Demo.A1", "-400      -800", "-4OO      -800", "statt einer Zahl"},
        {"Multidata_Demo.cif", "-3.00 -6.00", "-3.00 -6.0O", "statt einer Zahl"},
        {"Target_Demo.txt", "X[mm]: 25.5", "X[mm]: 2S.5", "statt einer Zahl"},
        {"Target_Demo.txt", "Y[mm]: -20.0", "Y[mm]:", "fehlt eine Zahl"},
        // a count
        {"Huestis_Demo.DAT", "POINTS: 5", "POINTS: fünf", "statt der Anzahl der Punkte"},
        {"Target_Demo.txt", "Number of points: 4", "Number of points: -4", "statt der Anzahl der Punkte"},
        {"HEK_Demo.hek", "\r\n4\r\n", "\r\nA\r\n", "statt der Anzahl der Punkte"},
        {"Plato_Demo.pla", "<Blocks>2</Blocks>", "<Blocks>2x</Blocks>", "statt der Anzahl der Konturen"},
        // a jaw
        {"Plato_Demo.pla", "<FieldX>10.0</FieldX>", "<FieldX>1O.0</FieldX>", "statt einer Zahl"},
        {"Target_Demo.txt", "Field Y1: 40.0 mm", "Field Y1: 4o.0 mm", "statt einer Zahl"},
        {"Multidata_Demo.cif", "15.38 16.92", "15.38 l6.92", "statt einer Zahl"},
        // an angle
        {"Plato_Demo.pla", "<Gantry>300.0</Gantry>", "<Gantry>3OO.0</Gantry>", "statt einer Zahl"},
        {"Huestis_Demo.DAT", "COLLIMATOR: 90", "COLLIMATOR: 9O", "statt einer Zahl"},
        {"Plato_Demo.pla", "<Rotation>90.0</Rotation>", "<Rotation>9O.0</Rotation>", "statt einer Zahl"},
        // a point count beyond the points present takes the next contour's points
        {"Plato_Demo.pla", "<Points>4</Points>", "<Points>6</Points>", "weniger Punkte, als ihre Punktanzahl 6 (Zeile"},
        // a contour count beyond the contours present takes the next beam's contour
        {"Plato_Demo.pla", "<Blocks>2</Blocks>", "<Blocks>3</Blocks>", "weniger Konturen"},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(std::string(f.datei) + ": " + f.nachher.toStdString());
        const QByteArray original = sample(f.datei);
        ASSERT_TRUE(original.contains(f.vorher));
        ASSERT_TRUE(importBeam(original, f.datei).Gueltig);
        QByteArray falsch = original;
        falsch.replace(falsch.indexOf(f.vorher), f.vorher.size(), f.nachher);
        const BPRBeam beam = importBeam(falsch, f.datei);
        const QString meldungen = beam.Meldungen.join(u'|');
        EXPECT_FALSE(beam.Gueltig) << meldungen.toStdString();
        EXPECT_TRUE(meldungen.contains(QString::fromUtf8(f.meldung))) << meldungen.toStdString();
        if (meldungen.contains(s("statt")) || meldungen.contains(s("fehlt eine Zahl"))) {
            EXPECT_TRUE(meldungen.contains(s("Zeile %1").arg(lineOf(falsch, f.nachher.trimmed()))))
                << meldungen.toStdString() << " expected line " << lineOf(falsch, f.nachher.trimmed());
        }
    }
}

TEST(BPRReader, TruncatedFilesAndValuesTheFileLeavesOut)
{
    // Cut after the first point of a contour, or inside a value: never a beam with fewer points.
    for (const char *datei : {"Huestis_Demo.DAT", "Plato_Demo.pla", "Target_Demo.txt", "HEK_Demo.hek", "Multidata_Demo.cif"}) {
        const QByteArray original = sample(datei);
        for (const QByteArray &bis : {QByteArray("X: 300"), QByteArray("<X>-2.0</X>"), QByteArray("X[mm]: 25.5"),
                                      QByteArray("    1,95   -1,95"), QByteArray("-3.00 -6.00")}) {
            const qsizetype p = original.indexOf(bis);
            if (p < 0)
                continue;
            SCOPED_TRACE(std::string(datei) + " cut after " + bis.toStdString());
            EXPECT_FALSE(importBeam(original.left(p + bis.size() - 1), datei).Gueltig) << "inside the value";
            EXPECT_FALSE(importBeam(original.left(p + bis.size()), datei).Gueltig) << "after the value";
        }
    }
    // An empty jaw or angle is one the file leaves out: the beam stays usable without it.
    QByteArray plato = sample("Plato_Demo.pla");
    plato.replace("<FieldX>10.0</FieldX>", "<FieldX></FieldX>").replace("<Gantry>300.0</Gantry>", "<Gantry>None</Gantry>");
    const BPRBeam beam = importBeam(plato, "Plato_Demo.pla");
    EXPECT_TRUE(beam.Gueltig) << beam.Meldungen.join(u'|').toStdString();
}
