#include "contour/U_Geraden_Strecken.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace qv;

namespace {
constexpr double infWert = std::numeric_limits<double>::infinity();
constexpr double nanWert = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST(Geometry, Zwischen)
{
    struct Case
    {
        double v, a, b;
        bool erwartet;
    };
    const Case faelle[] = {
        {5, 5, 5, true},
        {5.0005, 5, 5, true},
        {5.002, 5, 5, false},
        {3, 5, 1, true},
        {3, 1, 5, true},
        {0.9995, 1, 5, false}, // the slack only rescues degenerate intervals
        {5.0009, 5, 5.0001, true},
        {nanWert, 0, 1, false},
        {infWert, infWert, infWert, false},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(Zwischen(f.v, f.a, f.b), f.erwartet) << f.v << " in " << f.a << ".." << f.b;
}

TEST(Geometry, GeradeAusPunktenAndTheNearLineTests)
{
    TGerade g{9, 9, 9, 9};
    EXPECT_FALSE(GeradeAusPunkten({2, 3}, {2, 3}, g));
    EXPECT_EQ(g.x, 2);
    EXPECT_EQ(g.dx, 0); // the line is set even for equal points
    EXPECT_TRUE(GeradeAusPunkten({2, 3}, {5, 7}, g));
    EXPECT_EQ(g.dx, 3);
    EXPECT_EQ(g.dy, 4);

    EXPECT_TRUE(PunktNaheGerade({5, 0.99}, {0, 0}, {10, 0}));
    EXPECT_FALSE(PunktNaheGerade({5, 1.0}, {0, 0}, {10, 0}));
    EXPECT_TRUE(PunktNaheGerade({500, -0.5}, {0, 0}, {10, 0})); // the infinite line
    EXPECT_FALSE(PunktAufStrecke({500, -0.5}, {0, 0}, {10, 0}));
    // On an axis-parallel segment the coordinate test leaves only the slack across it.
    EXPECT_TRUE(PunktAufStrecke({5, 0.0005}, {0, 0}, {10, 0}));
    EXPECT_FALSE(PunktAufStrecke({5, 0.5}, {0, 0}, {10, 0}));
    EXPECT_TRUE(PunktAufStrecke({5, 5.5}, {0, 0}, {10, 10}));
    EXPECT_FALSE(PunktAufStrecke({10.0005, 0.5}, {0, 0}, {10, 0})); // slack only for a degenerate interval
    for (const TDPunkt p : {TDPunkt{3, 3}, TDPunkt{0, 0}, TDPunkt{100, -4}}) {
        EXPECT_FALSE(PunktNaheGerade(p, {3, 3}, {3, 3}));
        EXPECT_FALSE(PunktAufStrecke(p, {3, 3}, {3, 3}));
    }
    // A direction so short that its length underflows is a floating-point fault: not near.
    EXPECT_FALSE(PunktNaheGerade({0, 0}, {0, 0}, {1e-200, 0}));
    EXPECT_FALSE(PunktNaheGerade({nanWert, 0}, {0, 0}, {1, 0}));
}

TEST(Geometry, ParallelDeckungsgleichSchnittpunkt)
{
    TGerade a;
    TGerade b;
    GeradeAusPunkten({0, 0}, {10, 0}, a);
    GeradeAusPunkten({5, 0}, {20, 0}, b);
    EXPECT_TRUE(Parallel(a, b));
    EXPECT_TRUE(Deckungsgleich(a, b));
    GeradeAusPunkten({5, 1}, {20, 1}, b);
    EXPECT_TRUE(Parallel(a, b));
    EXPECT_FALSE(Deckungsgleich(a, b));

    TDPunkt s{-1, -1};
    EXPECT_FALSE(Schnittpunkt(a, b, s));
    EXPECT_EQ(s.x, -1); // untouched when there is no intersection
    GeradeAusPunkten({3, -4}, {3, 4}, b);
    ASSERT_TRUE(Schnittpunkt(a, b, s));
    EXPECT_DOUBLE_EQ(s.x, 3);
    EXPECT_DOUBLE_EQ(s.y, 0);

    // Determinant just below and at the limit: |det| < 1e-5 is parallel.
    const TGerade x{0, 0, 1, 0};
    EXPECT_FALSE(Schnittpunkt(x, TGerade{0, 0, 1, 0.9e-5}, s));
    EXPECT_TRUE(Schnittpunkt(x, TGerade{0, 0, 1, 2e-5}, s));
    EXPECT_FALSE(Schnittpunkt(x, TGerade{0, 0, 1, infWert}, s));
    EXPECT_FALSE(Parallel(x, TGerade{0, 0, nanWert, 0}));
}

TEST(Geometry, StreckenSchnitt)
{
    struct Case
    {
        const char *name;
        TDPunkt a, b, c, d;
        bool erwartet;
    };
    const Case faelle[] = {
        {"X crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true},
        {"T short of the segment", {0, 0}, {10, 0}, {5, 1}, {5, 10}, false},
        {"touching end points", {0, 0}, {10, 0}, {10, 0}, {10, 10}, true},
        {"collinear, A off CD", {0, 0}, {10, 0}, {5, 0}, {20, 0}, false},
        {"collinear, A on CD", {6, 0}, {10, 0}, {5, 0}, {20, 0}, true},
        {"collinear, CD inside AB is not found", {-5, 0}, {15, 0}, {0, 0}, {10, 0}, false},
        {"parallel apart", {0, 0}, {10, 0}, {0, 3}, {10, 3}, false},
        {"beyond the end", {0, 0}, {10, 0}, {11, -1}, {11, 1}, false},
        {"not finite", {0, 0}, {infWert, 0}, {5, -1}, {5, 1}, false},
    };
    for (const Case &f : faelle) {
        TDPunkt s;
        EXPECT_EQ(StreckenSchnitt(f.a, f.b, f.c, f.d, s), f.erwartet) << f.name;
    }
    TDPunkt s;
    ASSERT_TRUE(StreckenSchnitt({0, 0}, {10, 10}, {0, 10}, {10, 0}, s));
    EXPECT_DOUBLE_EQ(s.x, 5);
    EXPECT_DOUBLE_EQ(s.y, 5);
    ASSERT_TRUE(StreckenSchnitt({6, 0}, {10, 0}, {5, 0}, {20, 0}, s));
    EXPECT_EQ(s.x, 6); // the collinear case reports A
}

TEST(Geometry, OrientierungAndStreckenKreuzen)
{
    struct Case
    {
        TDPunkt p0, p1, p2;
        int erwartet;
    };
    const Case faelle[] = {
        {{0, 0}, {1, 0}, {2, 0}, -1}, // horizontal: always -1
        {{0, 0}, {0, 1}, {0, 2}, -1}, // vertical: always -1
        {{0, 0}, {1, 1}, {2, 2}, 1},
        {{0, 0}, {2, 2}, {1, 1}, 0},
        {{0, 0}, {1, 0}, {1, 1}, 1},
        {{0, 0}, {1, 0}, {1, -1}, -1},
        {{0, 0}, {1e300, 0}, {1e300, 1e300}, 0}, // overflowing products
    };
    for (const Case &f : faelle)
        EXPECT_EQ(Orientierung(f.p0, f.p1, f.p2), f.erwartet)
            << f.p0.x << "," << f.p0.y << " " << f.p1.x << "," << f.p1.y << " " << f.p2.x << "," << f.p2.y;

    EXPECT_TRUE(StreckenKreuzen({0, 0}, {10, 10}, {0, 10}, {10, 0}));
    EXPECT_TRUE(StreckenKreuzen({0, 0}, {10, 0}, {10, 0}, {10, 10}));
    EXPECT_FALSE(StreckenKreuzen({0, 0}, {10, 0}, {5, 1}, {5, 10}));
    // A fault counts as no crossing, even though the orientations would multiply to 0.
    EXPECT_FALSE(StreckenKreuzen({0, 0}, {1e300, 0}, {1e300, 1e300}, {-1e300, 1e300}));
    EXPECT_FALSE(StreckenKreuzen({0, 0}, {nanWert, 0}, {5, -1}, {5, 1}));
}

TEST(Geometry, AbstandIsExactAlsoWhereSquaresOverflow32Bits)
{
    EXPECT_EQ(Abstand({0, 0}, {3, 4}), 5.0);
    EXPECT_EQ(Abstand({-3, 7}, {-3, 7}), 0.0);
    EXPECT_EQ(Abstand({0, 0}, {46340, 0}), 46340.0);
    // 46341^2 and 50000^2 no longer fit into 32 bits.
    EXPECT_EQ(Abstand({0, 0}, {46341, 0}), 46341.0);
    EXPECT_EQ(Abstand({-30000, -40000}, {0, 0}), 50000.0);
    EXPECT_EQ(Abstand({-2147483647 - 1, 0}, {2147483647, 0}), 4294967295.0);
    EXPECT_DOUBLE_EQ(Abstand({-2147483647 - 1, -2147483647 - 1}, {2147483647, 2147483647}),
                     4294967295.0 * std::sqrt(2.0));
    const TDPunkt p = AlsDPunkt(QPoint(-2147483647 - 1, 2147483647));
    EXPECT_EQ(p.x, -2147483648.0);
    EXPECT_EQ(p.y, 2147483647.0);
}
