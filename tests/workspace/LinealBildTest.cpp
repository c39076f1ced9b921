#include "workspace/LinealBild.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

bool isBlack(const QImage &b, int x, int y)
{
    return b.pixelColor(x, y) == QColor(0, 0, 0);
}

bool isWhite(const QImage &b, int x, int y)
{
    return b.pixelColor(x, y) == QColor(255, 255, 255);
}

// Dark pixels of a label inside a box of the strip (the ticks are outside the box).
int darkPixels(const QImage &b, QRect box)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += b.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    return n;
}

TEST(LinealBildTest, GreyFieldWithWhiteStripsAndMillimetreTicks)
{
    const QImage b = LinealBild();
    ASSERT_EQ(b.size(), QSize(1200, 1200));
    EXPECT_EQ(b.pixelColor(400, 400), QColor(128, 128, 128));
    EXPECT_EQ(b.pixelColor(1100, 1100), QColor(128, 128, 128));

    // Ticks along the top: every 3 px 7 long, every 15 px (half cm) 15 long, every 30 px full.
    struct Case { int off; int laenge; };
    const Case faelle[] = {{603, 7}, {606, 7}, {615, 15}, {645, 15}, {600, 30}, {630, 30}, {1170, 30}};
    for (const Case &f : faelle) {
        for (int t = 0; t < f.laenge; ++t) {
            EXPECT_TRUE(isBlack(b, f.off, t)) << "top " << f.off << " " << t;
            EXPECT_TRUE(isBlack(b, t, f.off)) << "left " << f.off << " " << t;
        }
        if (f.laenge < 29) {
            EXPECT_TRUE(isWhite(b, f.off, f.laenge + 1)) << f.off;
            EXPECT_TRUE(isWhite(b, f.laenge + 1, f.off)) << f.off;
        }
    }
    // No tick between the millimetres, inside the strip.
    EXPECT_TRUE(isWhite(b, 601, 3));
    EXPECT_TRUE(isWhite(b, 3, 602));
    // The strips end at 30 pixels; the grey starts beyond.
    EXPECT_EQ(b.pixelColor(31, 500), QColor(128, 128, 128));
    EXPECT_EQ(b.pixelColor(500, 31), QColor(128, 128, 128));
}

TEST(LinealBildTest, LabelsEndBeforeTheirCentimetreTick)
{
    const QImage b = LinealBild();
    // Label 0 at column 600 on the top strip and row 600 on the left strip: ink just before the
    // tick, and none between the tick and the next label's box.
    EXPECT_GT(darkPixels(b, QRect(586, 8, 12, 20)), 0);
    EXPECT_GT(darkPixels(b, QRect(16, 580, 12, 18)), 0);
    // The two pixels right before a tick stay free, as does the space after a short label.
    EXPECT_EQ(darkPixels(b, QRect(598, 8, 2, 20)), 0);
    EXPECT_EQ(darkPixels(b, QRect(601, 8, 13, 20)), 0);
    // A label at every centimetre tick but the first, along both strips.
    for (int off = 60; off <= 1170; off += 30)
    {
        EXPECT_GT(darkPixels(b, QRect(off - 9, 8, 7, 20)), 0) << off;
        EXPECT_GT(darkPixels(b, QRect(16, off - 9, 12, 7)), 0) << off;
    }
}

TEST(LinealBildTest, ArrowHeadsAtTheAxisEnds)
{
    const QImage b = LinealBild();
    for (QPoint p : {QPoint(1185, 595), QPoint(1185, 605), QPoint(45, 595), QPoint(45, 605),
                     QPoint(595, 47), QPoint(605, 47), QPoint(595, 1185), QPoint(605, 1185)}) {
        bool getroffen = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                getroffen = getroffen || isBlack(b, p.x() + dx, p.y() + dy);
        EXPECT_TRUE(getroffen) << p.x() << "," << p.y();
    }
    // The axes themselves are not drawn.
    EXPECT_EQ(b.pixelColor(900, 600), QColor(128, 128, 128));
}

} // namespace
} // namespace qv
