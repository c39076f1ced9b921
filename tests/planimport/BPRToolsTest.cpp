#include "planimport/BPRKatalog.h"
#include "planimport/BPRTools.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

QString s(const char *t)
{
    return QString::fromUtf8(t);
}

} // namespace

TEST(BPRVorbereitung, LineEndingsLfCrLfAndCrGiveTheSameLines)
{
    const QStringList erwartet{s("<Plato 1>"), s(""), s("Gantry 180.0"), s("Ende")};
    for (const char *text : {"<Plato 1>\n\nGantry 180.0\nEnde\n", "<Plato 1>\r\n\r\nGantry 180.0\r\nEnde\r\n",
                             "<Plato 1>\r\rGantry 180.0\rEnde\r", "<Plato 1>\n\r\nGantry 180.0\rEnde"}) {
        const auto zeilen = ConvertLineEnds(QByteArray(text));
        ASSERT_TRUE(zeilen.ok());
        EXPECT_EQ(*zeilen, erwartet) << text;
    }
    // Windows-1252 text.
    EXPECT_EQ(ConvertLineEnds(QByteArray("M\xfcller")).value(), QStringList{s("Müller")});
    const auto leer = ConvertLineEnds(QByteArray());
    ASSERT_FALSE(leer.ok());
    EXPECT_EQ(leer.error(), s("Zugriff auf Datei nicht möglich - Überprüfen Sie die Attribute (FileKonvert)"));
}

TEST(BPRVorbereitung, BlankLinesOnlyWhenEverySecondLineIsBlank)
{
    QStringList doppelt{s("A"), s(""), s("B"), s("  "), s("C"), s("")};
    EXPECT_TRUE(RemoveBlankLines(doppelt));
    EXPECT_EQ(doppelt, (QStringList{s("A"), s("B"), s("C")}));

    QStringList einfach{s("A"), s(""), s("B"), s("x"), s("C")};
    EXPECT_FALSE(RemoveBlankLines(einfach));
    EXPECT_EQ(einfach.size(), 5);

    // Only the double-spaced format is thinned out.
    EXPECT_EQ(Vorbereiten("KOPF\r\n\r\nX\r\n\r\n", s("plan.a1")).Zeilen, (QStringList{s("KOPF"), s("X")}));
    EXPECT_EQ(Vorbereiten("KOPF\r\n\r\nX\r\n\r\n", s("plan.dat")).Zeilen.size(), 4);
}

TEST(BPRVorbereitung, FormatDetectionInTheOrderOfTheRules)
{
    const QString hek = s(" 12345678 65,0  100  180,0");
    ASSERT_TRUE(hek.size() >= 21 && hek[0] == u' ' && hek[9] == u' ' && hek[15] == u' ' && hek[20] == u' ');
    struct Case
    {
        QString zeile;
        const char *name;
        int format;
    } faelle[] = {
        {s("<Plato Version 2> Patient code"), "x.dat", BPRFormat::Plato},
        {s(";Patient code"), "x.a1", BPRFormat::Target},
        {s(";C:\\Export\\block.cif"), "x.dat", BPRFormat::Multidata},
        {s(";"), "x.txt", BPRFormat::Keins},
        {hek, "PLAN.DAT", BPRFormat::HEK},
        {hek.left(20), "PLAN.DAT", BPRFormat::Huestis},
        {s("PARCIENTIFIC"), "plan.a1", BPRFormat::Parcientific},
        {s("PARCIENTIFIC"), "plan.A1", BPRFormat::Parcientific},
        {s("PARCIENTIFIC"), "plan.b1", BPRFormat::Keins},
        {s("DATEN"), "plan.Dat", BPRFormat::Huestis},
        {s("<plato>"), "plan.txt", BPRFormat::Keins},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(DetectFormat(f.zeile, s(f.name)), f.format) << f.zeile.toStdString() << " / " << f.name;
}

TEST(BPRLines, FindingReadingCountingAndSkippingBeams)
{
    BPRTextDatei f({s("[BEAM1]"), s("gantry 10"), s("[BEAM2]"), s("Gantry 20"), s("[beam3]"), s("GANTRY 30")});
    EXPECT_EQ(FindLineWith(f, s("GANTRY")), s("gantry 10"));
    EXPECT_EQ(FindLineWith(f, s("gantry")), s("Gantry 20"));
    EXPECT_EQ(FindLineWith(f, s("fehlt")), s("Dateiende"));
    // An empty marker or a part of "humbug" finds nothing and reads nothing.
    f.Reset();
    EXPECT_EQ(FindLineWith(f, QString()), QString());
    EXPECT_EQ(FindLineWith(f, s("Bug")), QString());
    EXPECT_EQ(f.ReadLine(), s("[BEAM1]"));

    f.Reset();
    EXPECT_EQ(ReadLines(f, 0), QString());
    EXPECT_EQ(ReadLines(f, 2), s("gantry 10"));
    bool ganz = true;
    EXPECT_EQ(ReadLines(f, 10, &ganz), s("GANTRY 30"));
    EXPECT_FALSE(ganz);
    f.Reset();
    EXPECT_EQ(LastLineWith(f, s("gantry")), s("GANTRY 30"));
    f.Reset();
    EXPECT_EQ(CountLinesWith(f, s("[beam")), 3);

    for (auto [beam, einWeniger, naechste] : {std::tuple{1, false, "[BEAM1]"}, std::tuple{2, false, "Gantry 20"},
                                              std::tuple{3, false, "GANTRY 30"}, std::tuple{3, true, "Gantry 20"}}) {
        f.Reset();
        SkipToBeam(f, beam, s("[BEAM"), einWeniger);
        EXPECT_EQ(f.ReadLine(), s(naechste)) << beam << einWeniger;
    }
}

TEST(BPRText, BeforeAfterAndCharacterSearch)
{
    EXPECT_EQ(TextAfter(s("Gantry: 180.0"), s("GANTRY:")), s(" 180.0"));
    EXPECT_EQ(TextAfter(s("Gantry"), s("fehlt")), QString());
    EXPECT_EQ(TextBefore(s("Y1: 5.0 cm"), s("cm"), u':'), s(" 5.0 "));
    EXPECT_EQ(TextBefore(s("Y1 5.0 cm"), s("cm"), u':'), s("None"));
    EXPECT_EQ(TextBefore(s("Y1: 5.0"), s("cm"), u':'), s("None"));

    qint32 spalte = 1;
    EXPECT_TRUE(FindChar(s("a b c"), u' ', spalte));
    EXPECT_EQ(spalte, 2);
    spalte = 3;
    EXPECT_TRUE(FindChar(s("a b c"), u' ', spalte));
    EXPECT_EQ(spalte, 4);
    spalte = 5;
    EXPECT_FALSE(FindChar(s("a b c"), u' ', spalte));
    EXPECT_EQ(spalte, 0);
    spalte = 99;
    EXPECT_FALSE(FindChar(s("a b"), u' ', spalte));

    EXPECT_EQ(TextCopy(s("abcdef"), 0, 2), s("ab"));
    EXPECT_EQ(TextCopy(s("abcdef"), 5, 10), s("ef"));
    EXPECT_EQ(TextCopy(s("abcdef"), 7, 1), QString());
}

TEST(BPRNumbers, TenthsPerFormatAndWithTheDecimalSeparatorOfTheFile)
{
    struct Case
    {
        const char *text;
        int format;
        double fba, fia;
        QChar trenner;
        std::optional<qint32> zehntel;
    } faelle[] = {
        {"12,5", BPRFormat::Plato, 0, 0, u',', 1250},
        {"12.5", BPRFormat::Plato, 0, 0, u',', std::nullopt}, // not a number with the comma
        {"12.5", BPRFormat::Multidata, 0, 0, u'.', 1250},
        {" 0.125 ", BPRFormat::Multidata, 0, 0, u'.', 12}, // 12.5 rounds to even
        {"1e1", BPRFormat::Target, 0, 0, u'.', 100},
        {"2,5", BPRFormat::HEK, 50, 100, u',', 500},
        {"2,5", BPRFormat::HEK, 0, 100, u',', std::nullopt},
        {"2001", BPRFormat::Parcientific, 0, 0, u'.', 1000},
        {"2003", BPRFormat::Parcientific, 0, 0, u'.', 1002},
        {"17", BPRFormat::Huestis, 0, 0, u'.', 17},
        {"5.5", BPRFormat::Target, 0, 0, u'.', 55},
        {"abc", BPRFormat::Plato, 0, 0, u',', std::nullopt}, // never a silent 0
        {"3OO", BPRFormat::Huestis, 0, 0, u'.', std::nullopt},
        {"", BPRFormat::Plato, 0, 0, u',', std::nullopt},
        {"5", BPRFormat::Keins, 0, 0, u',', 0},
        {"1e300", BPRFormat::Plato, 0, 0, u',', std::nullopt},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(ToTenths(s(f.text), f.format, f.fba, f.fia, f.trenner), f.zehntel) << f.text << " format " << f.format;

    EXPECT_EQ(ScaleValue(650, 100, 65), 1000);
    EXPECT_EQ(ScaleValue(-1538, 65, 100), -1000);
    EXPECT_EQ(ScaleValue(5, 1, 0), std::nullopt);
    EXPECT_EQ(ZahlSchreiben(10.5, u'.'), s("10.5"));
    EXPECT_EQ(ZahlSchreiben(100, u','), s("100"));
}

TEST(BPRGeometry, ShiftingMirroringRotating)
{
    EXPECT_EQ(RotatePoint({100, 0}, 90), QPoint(0, -100));
    EXPECT_EQ(RotatePoint({100, 0}, -90), QPoint(0, 100));
    EXPECT_EQ(RotatePoint({100, 50}, 180), QPoint(-100, -50));
    EXPECT_EQ(RotatePoint({100, 0}, 45), QPoint(71, -71));

    QList<QPoint> punkte{{10, 20}, {-30, 40}};
    ShiftX(punkte, 2.5); // Round(2.5) = 2
    ShiftY(punkte, -3.5);
    EXPECT_EQ(punkte, (QList<QPoint>{{12, 16}, {-28, 36}}));
    MirrorX(punkte);
    MirrorY(punkte);
    EXPECT_EQ(punkte, (QList<QPoint>{{-12, -16}, {28, -36}}));
    RotatePoints(punkte, 90);
    EXPECT_EQ(punkte, (QList<QPoint>{{-16, 12}, {-36, -28}}));

    BPRFeld feld{-500, -750, 500, 750};
    RotateRect(feld, 90);
    EXPECT_EQ(feld, (BPRFeld{-750, 500, 750, -500}));
}

TEST(BPRGeometry, IsocentrePlaneFromThePlaneOfTheData)
{
    EXPECT_EQ(InIsozentrumsEbene(650, true, 65, 100), 1000);
    EXPECT_EQ(InIsozentrumsEbene(650, true, 65.4, 100), 1000); // the distance is rounded to whole cm
    EXPECT_EQ(InIsozentrumsEbene(650, false, 65, 100), 650);
    EXPECT_EQ(InIsozentrumsEbene(950, false, 0, 95), 1000);
    EXPECT_EQ(InIsozentrumsEbene(650, true, 0, 100), std::nullopt);
    EXPECT_EQ(InIsozentrumsEbene(650, false, 65, 0.4), std::nullopt);
}
