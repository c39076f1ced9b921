#include "base/image/ImageIO.h"
#include "workspace/TBilddrehung.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPolygonF>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace qv;

namespace {

// Every source pixel tells where it came from: red = column, green = row.
QImage sourceImage(int w, int h)
{
    QImage b(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, qRgb(x & 255, y & 255, 7));
    return b;
}

QImage randomImage(int w, int h, quint32 saat)
{
    QImage b(w, h, QImage::Format_RGB888);
    QRandomGenerator g(saat);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, g.generate() & 0xffffff);
    return b;
}

} // namespace

TEST(Gedreht, SizeIsTheBoundingBoxOfTheTruncatedCorners)
{
    struct Case { QSize quelle; double winkel; QSize ziel; };
    const Case faelle[] = {
        {{100, 50}, 90, {49, 99}},   // left button: Trunc of negative corners rounds toward zero
        {{100, 50}, -90, {50, 100}}, // right button
        {{100, 50}, 45, {105, 105}},
        {{100, 50}, 180, {99, 49}},
        {{100, 50}, 0, {100, 50}},
        {{100, 50}, 360, {100, 50}},
        {{2, 300}, 90, {299, 1}},    // one edge collapses onto a single target pixel
        {{1, 1}, 33, {1, 1}},
    };
    for (const Case &f : faelle) {
        EXPECT_EQ(GedrehtGroesse(f.quelle, f.winkel), f.ziel) << f.winkel;
        const QImage g = Gedreht(randomImage(f.quelle.width(), f.quelle.height(), 1), f.winkel);
        EXPECT_EQ(g.size(), f.ziel) << f.winkel;
        EXPECT_EQ(g.format(), QImage::Format_RGB888);
    }
}

TEST(Gedreht, ZeroDegreesIsAnExactCopy)
{
    const QImage q = randomImage(37, 23, 5); // odd width: rows carry padding
    EXPECT_EQ(Gedreht(q, 0), q);
    // Other formats are taken as 24-bit colour.
    EXPECT_EQ(Gedreht(q.convertToFormat(QImage::Format_RGB32), 0), q);
}

TEST(Gedreht, NinetyDegreesRightIsAnExactQuarterTurn)
{
    for (const QSize s : {QSize(4, 3), QSize(31, 17), QSize(1, 9)}) {
        const QImage q = randomImage(s.width(), s.height(), 9);
        EXPECT_EQ(Gedreht(q, -90), Drehen90(q).convertToFormat(QImage::Format_RGB888)) << s.width();
    }
}

TEST(Gedreht, FortyFiveDegreesOnFourByFourPixels)
{
    // Worked out by hand from the step tables: columns step (0,0) (1,-1) (1,0) with source
    // columns 0, 2, 3; rows step (0,0) (1,1) (0,1) with source rows 0, 2, 3. The diagonal row
    // step fills the hole at (1,1) with row (0+2) div 2 and column (0+2) div 2.
    const QImage g = Gedreht(sourceImage(4, 4), 45);
    ASSERT_EQ(g.size(), QSize(4, 4));
    const QRgb w = qRgb(255, 255, 255);
    const auto q = [](int zeile, int spalte) { return qRgb(spalte, zeile, 7); };
    const QRgb erwartet[4][4] = {
        {w, q(0, 2), q(0, 3), w},
        {q(0, 0), q(1, 1), q(2, 2), q(2, 3)},
        {w, q(2, 0), q(3, 2), q(3, 3)},
        {w, q(3, 0), w, w},
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(g.pixel(x, y), erwartet[y][x]) << "(" << x << "," << y << ")";
}

TEST(Gedreht, ObliqueTurnsMatchWorkedTables)
{
    // Each target pixel as "<row><column>" of its source pixel, "--" where nothing lands.
    // Both cases skip source indices on both edges, have one edge stepping mainly along y and
    // diagonal row steps whose holes are filled with averaged indices (e.g. row 1 at 123
    // degrees, column 1 at -137 degrees).
    struct Case { int w, h; double winkel; std::vector<const char *> zeilen; };
    const Case faelle[] = {
        {7, 5, 123, {
            "--2646----",
            "062545----",
            "05142343--",
            "--03122242",
            "----022040",
            "----00----",
        }},
        {7, 5, -137, {
            "------40------",
            "----42313010--",
            "--433232120100",
            "--4533130202--",
            "4635351503----",
            "--36160505----",
            "------06------",
        }},
    };
    for (const Case &f : faelle) {
        const QImage g = Gedreht(sourceImage(f.w, f.h), f.winkel);
        ASSERT_EQ(g.height(), int(f.zeilen.size())) << f.winkel;
        for (int y = 0; y < g.height(); ++y) {
            const std::string erwartet = f.zeilen[y];
            ASSERT_EQ(2 * g.width(), int(erwartet.size())) << f.winkel;
            std::string ist;
            for (int x = 0; x < g.width(); ++x) {
                const QRgb p = g.pixel(x, y);
                if (p == qRgb(255, 255, 255))
                    ist += "--";
                else
                    ist += std::to_string(qGreen(p)) + std::to_string(qRed(p));
            }
            EXPECT_EQ(ist, erwartet) << f.winkel << " row " << y;
        }
    }
}

TEST(Gedreht, InteriorHasNoHolesAtAnyAngle)
{
    // A solid image turned by any angle must cover the inside of its parallelogram; without
    // the gap filling, diagonal steps leave white holes.
    const int W = 60, H = 40;
    QImage rot(W, H, QImage::Format_RGB888);
    rot.fill(qRgb(200, 0, 0));
    for (double winkel : {1.0, 17.0, 30.0, 45.0, 60.0, 89.0, 135.0, 200.0, 300.5, -17.0, -45.0}) {
        const QImage g = Gedreht(rot, winkel);
        const double r = -double(float(winkel)) * std::numbers::pi / 180.0;
        const double c = std::cos(r), s = std::sin(r);
        // Corner positions in target coordinates (before the shift), shrunk towards the centre.
        const QPointF ecken[4] = {{0, 0}, {(W - 1) * c, (W - 1) * s}, {(W - 1) * c - (H - 1) * s, (W - 1) * s + (H - 1) * c}, {-(H - 1) * s, (H - 1) * c}};
        double minX = 1e9, minY = 1e9;
        for (const QPointF &e : ecken) {
            minX = std::min(minX, std::round(e.x()));
            minY = std::min(minY, std::round(e.y()));
        }
        const QPointF mitte = (ecken[0] + ecken[2]) / 2;
        QPolygonF innen;
        for (const QPointF &e : ecken)
            innen << mitte + (e - mitte) * 0.9 - QPointF(minX, minY);
        int loecher = 0;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                if (innen.containsPoint(QPointF(x, y), Qt::OddEvenFill) && g.pixel(x, y) != qRgb(200, 0, 0))
                    ++loecher;
        EXPECT_EQ(loecher, 0) << winkel;
    }
}

TEST(Gedreht, AngleIsTakenInSinglePrecision)
{
    const QImage q = randomImage(50, 40, 3);
    // 12.3 and its nearest float give the same turn.
    EXPECT_EQ(Gedreht(q, 12.3), Gedreht(q, double(12.3f)));
    // Here a corner product lies within 1e-5 of an integer: the double angle would give
    // 91 x 110.
    EXPECT_EQ(GedrehtGroesse(QSize(126, 20), 128.001), QSize(91, 109));
    EXPECT_EQ(Gedreht(randomImage(126, 20, 4), 128.001).size(), QSize(91, 109));
}

TEST(Gedreht, ThinImageTurnedOntoOnePixelEdgeGivesTheComputedSize)
{
    for (const QSize s : {QSize(2, 300), QSize(300, 2), QSize(1, 300), QSize(2, 2)}) {
        for (double winkel : {90.0, -90.0, 180.0, 270.0, 45.0}) {
            const QImage g = Gedreht(sourceImage(s.width(), s.height()), winkel);
            EXPECT_EQ(g.size(), GedrehtGroesse(s, winkel)) << s.width() << "x" << s.height() << " " << winkel;
        }
    }
    // The collapsed edge shows source column 0, one pixel per source row step.
    const QImage g = Gedreht(sourceImage(2, 300), 90);
    ASSERT_EQ(g.size(), QSize(299, 1));
    EXPECT_EQ(qRed(g.pixel(0, 0)), 0);
    EXPECT_EQ(qGreen(g.pixel(0, 0)), 0);
}

TEST(Gedreht, KeepsTheByteOrderOfABgrSourceAndLargeImagesStayExact)
{
    // 2000 x 1500 makes source and target large enough for the huge-page memory.
    struct Case { int w, h; double winkel; };
    for (const Case f : {Case{41, 29, 17}, Case{2000, 1500, 0}, Case{2000, 1500, 17}}) {
        SCOPED_TRACE(testing::Message() << f.w << "x" << f.h << " " << f.winkel);
        const QImage rgb = randomImage(f.w, f.h, 5);
        const QImage bgr = rgb.convertToFormat(QImage::Format_BGR888);
        const QImage g = Gedreht(rgb, f.winkel);
        const QImage gBgr = Gedreht(bgr, f.winkel);
        EXPECT_EQ(g.format(), QImage::Format_RGB888);
        EXPECT_EQ(gBgr.format(), QImage::Format_BGR888);
        EXPECT_EQ(gBgr.convertToFormat(QImage::Format_RGB888), g);
        if (f.winkel == 0) {
            EXPECT_EQ(g, rgb);
            EXPECT_EQ(gBgr, bgr);
        } else {
            EXPECT_EQ(g.pixel(0, 0), qRgb(255, 255, 255));
            EXPECT_EQ(g.pixel(g.width() - 1, g.height() - 1), qRgb(255, 255, 255));
        }
    }
}

TEST(Gedreht, EmptySourceGivesNullImage)
{
    EXPECT_TRUE(Gedreht(QImage(), 10).isNull());
}

TEST(Drehen90, QuarterTurnClockwiseIn32Bit)
{
    const QImage q = sourceImage(3, 2);
    const QImage d = Drehen90(q);
    ASSERT_EQ(d.size(), QSize(2, 3));
    EXPECT_EQ(d.depth(), 32);
    // Result (x, y) = source (y, H - 1 - x): the bottom-left source pixel lands top-left.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(d.pixel(x, y), q.pixel(y, 1 - x)) << x << "," << y;
}

TEST(TBilddrehung, RefusesATurnBeyondTheReadingLimitAndKeepsTheAngle)
{
    // A thin strip is small, but turned by 45 degrees its bounding box is about 200 megapixels.
    TBilddrehung d;
    d.AusgangsbildSetzen(randomImage(20000, 1, 3));
    const Result<QImage> zuGross = d.Drehen(45);
    ASSERT_FALSE(zuGross.ok());
    const QSize g = GedrehtGroesse(QSize(20000, 1), 45);
    ASSERT_GT(qint64(g.width()) * g.height(), kMaxImagePixels);
    EXPECT_EQ(zuGross.error(), QStringLiteral("Das Bild wird nicht gedreht: gedreht wäre es zu groß (%1 × %2 Pixel, "
                                              "höchstens 100 Megapixel).")
                                   .arg(g.width())
                                   .arg(g.height()));
    EXPECT_EQ(d.Sitzungswinkel, 0);

    const Result<QImage> erlaubt = d.Drehen(90);
    ASSERT_TRUE(erlaubt.ok()) << erlaubt.error().toStdString();
    EXPECT_EQ(erlaubt->size(), GedrehtGroesse(QSize(20000, 1), 90));
    EXPECT_EQ(d.Sitzungswinkel, 90);
}
