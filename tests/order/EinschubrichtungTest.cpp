#include "order/EinschubZeichnung.h"
#include "order/Einschubwinkel.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Einschubrichtung, CodesAndAngles)
{
    struct Case
    {
        quint8 code;
        int winkel;
        const char *text;
    };
    for (const Case &f : {Case{1, 180, "Links"}, Case{2, 0, "Rechts"}, Case{3, 90, "Oben"}, Case{4, 270, "Unten"}}) {
        Einschubwinkel w;
        w.SetEinschubrichtung(TEinschubrichtung::Oben);
        w.SetEinschubrichtung(TEinschubrichtung(f.code));
        EXPECT_EQ(w.Drehwinkel(), f.winkel) << int(f.code);
        EXPECT_EQ(w.NeuerWinkel(), f.winkel);
        EXPECT_EQ(quint8(w.GetEinschubrichtung()), f.code);
        EXPECT_EQ(EinschubrichtungText(TEinschubrichtung(f.code)), QString::fromLatin1(f.text));
    }
    // Unknown codes keep the direction; the shown angle still follows the confirmed one.
    for (quint8 code : {0, 5, 255}) {
        Einschubwinkel w;
        w.SetEinschubrichtung(TEinschubrichtung::Unten);
        w.CwDrehen();
        w.SetEinschubrichtung(TEinschubrichtung(code));
        EXPECT_EQ(w.Drehwinkel(), 270);
        EXPECT_EQ(w.NeuerWinkel(), 270);
        EXPECT_TRUE(EinschubrichtungText(TEinschubrichtung(code)).isEmpty());
    }
}

TEST(Einschubrichtung, TurningConfirmingAndCancelling)
{
    Einschubwinkel w;
    w.SetEinschubrichtung(TEinschubrichtung::Oben); // 90
    std::vector<int> gezeigt;
    for (int i = 0; i < 4; ++i) {
        w.CwDrehen();
        gezeigt.push_back(w.NeuerWinkel());
    }
    EXPECT_EQ(gezeigt, (std::vector<int>{180, 270, 0, 90}));
    EXPECT_EQ(w.Drehwinkel(), 90);

    w.CwDrehen();
    w.Verwerfen(); // cancel keeps the previous direction, the next opening starts at it
    EXPECT_EQ(w.NeuerWinkel(), 90);
    EXPECT_EQ(w.GetEinschubrichtung(), TEinschubrichtung::Oben);

    w.CwDrehen();
    w.CwDrehen();
    w.Uebernehmen();
    EXPECT_EQ(w.Drehwinkel(), 270);
    EXPECT_EQ(w.GetEinschubrichtung(), TEinschubrichtung::Unten);
}

TEST(Einschubrichtung, OrderPictureTurnsClockwise)
{
    // 3 x 2 picture with distinct pixels: (x, y) of a picture of height H goes to (H - 1 - y, x).
    QImage bild(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            bild.setPixel(x, y, qRgb(10 * x, 10 * y, 0));
    const QList<QImage> bilder = EinschubBilder(bild, QSize(100, 100));
    ASSERT_EQ(bilder.size(), 4);
    EXPECT_EQ(bilder[0], bild);
    EXPECT_EQ(bilder[1].size(), QSize(2, 3));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bilder[1].pixel(2 - 1 - y, x), bild.pixel(x, y));
    EXPECT_EQ(bilder[2], bild.mirrored(true, true));
    EXPECT_EQ(bilder[3].size(), QSize(2, 3));
    EXPECT_EQ(bilder[3].pixel(0, 0), bild.pixel(2, 0)); // a quarter turn counter-clockwise

    EXPECT_TRUE(EinschubBilder(QImage(), QSize(100, 100)).isEmpty());

    // A large template is scaled down to about twice the box before it is turned.
    const QList<QImage> gross = EinschubBilder(QImage(6000, 4000, QImage::Format_RGB32), QSize(300, 200));
    ASSERT_EQ(gross.size(), 4);
    EXPECT_EQ(gross[0].size(), QSize(600, 400));
    EXPECT_EQ(gross[1].size(), QSize(400, 600));
}

TEST(Einschubrichtung, DrawingsOfTheMakers)
{
    for (const char *h : {"Varian", "Elekta", "Siemens", "GE"}) {
        for (bool elektronen : {false, true}) {
            const QList<Zeichenelement> z = TraegerZeichnung(QString::fromLatin1(h), elektronen);
            ASSERT_FALSE(z.isEmpty()) << h;
            // the outline is a closed polyline inside the visible area
            ASSERT_EQ(z[0].art, Zeichenelement::Art::Linienzug);
            EXPECT_EQ(z[0].punkte.first(), z[0].punkte.last()) << h;
            for (const QPoint p : z[0].punkte)
                EXPECT_TRUE(ZeichnungsBereich(elektronen).contains(p)) << h;
        }
    }
    // compared exactly: another letter case draws nothing
    EXPECT_TRUE(TraegerZeichnung(QStringLiteral("VARIAN"), false).isEmpty());
    EXPECT_TRUE(TraegerZeichnung(QStringLiteral("Siemens "), true).isEmpty());

    const QList<Zeichenelement> ge = TraegerZeichnung(QStringLiteral("GE"), false);
    ASSERT_EQ(ge.size(), 2 + 8);
    EXPECT_EQ(ge.last().mitte, QPoint(-15900, 9200 - 1800 * 7));
    const QList<Zeichenelement> varian = TraegerZeichnung(QStringLiteral("Varian"), true);
    ASSERT_EQ(varian.size(), 5 + 4 + 13);
    EXPECT_EQ(varian[1].stift, 40);
    EXPECT_EQ(varian[5].stift, 60); // the corner circles keep the pen of the last octagon
    EXPECT_EQ(varian.last().stift, 100);
    EXPECT_EQ(varian.last().mitte, QPoint(-11500, -3800 + 550 * 12));
}

TEST(Einschubrichtung, ArrowsPointAgainstTheInsertion)
{
    // The head of the arrow sits where the two head lines meet.
    EXPECT_EQ(EinschubPfeil(TEinschubrichtung::Links)[0].p1(), QPoint(59, 30)); // pointing right
    EXPECT_EQ(EinschubPfeil(TEinschubrichtung::Rechts)[0].p1(), QPoint(1, 30));
    EXPECT_EQ(EinschubPfeil(TEinschubrichtung::Oben)[0].p1(), QPoint(30, 59)); // pointing down
    EXPECT_EQ(EinschubPfeil(TEinschubrichtung::Unten)[0].p1(), QPoint(30, 1));
    EXPECT_TRUE(EinschubPfeil(TEinschubrichtung(0)).isEmpty());

    const auto p = DialogPfeil(80, 400);
    EXPECT_EQ(p[0], QLine(20, 190, 90, 190));
    EXPECT_EQ(p[3], QLine(-10, 200, 40, 226));
}
