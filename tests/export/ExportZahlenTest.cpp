#include "export/ExportZahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace qv;

TEST(ExportZahlen, IsoMultipliesBeforeDividingAndRoundsHalfToEven)
{
    struct Case
    {
        qint32 v;
        double ffa, ppmm;
        qint64 t;
    };
    const Case faelle[] = {
        {8, 80, 2.5, 40},         // p = 10, t = 10 × 10 / 2.5
        {2, 80, 2.5, 8},          // p = 2.5 → 2
        {6, 80, 2.5, 32},         // p = 7.5 → 8
        {-2986, 80, 1.0, -37320}, // -298600 / 80 = -3732.5 exactly → -3732; dividing first gives -3733
        {100, 80, 3.0, 417},      // p = 125, t = 416.67
        {12345, 100, 0.0, 0},     // no scale
        {7, 100, 40.0, 2},        // t = 7 × 10 / 40 = 1.75 → 2
        {5, 100, 4.0, 12},        // t = 12.5 → 12
    };
    for (const Case &f : faelle)
        EXPECT_EQ(IsoZehntel(f.v, f.ffa, f.ppmm), f.t) << f.v << " at FFA " << f.ffa << ", " << f.ppmm << " px/mm";
}

TEST(ExportZahlen, TwoDecimalsRoundTheExactBinaryValueWithTiesAwayFromZero)
{
    struct Case
    {
        double wert;
        const char *text;
    };
    const Case faelle[] = {
        {0.125, "0.13"},   // exact tie
        {-0.125, "-0.13"}, // exact tie, away from zero
        {2.675, "2.67"},   // stored as 2.67499999…
        {1.005, "1.00"},   // stored as 1.00499999…
        {0.285, "0.28"},
        {65.5, "65.50"},
        {3.1603053435114505, "3.16"},
        {-0.004, "0.00"}, // never "-0.00"
        {-0.0, "0.00"},
        {0.0, "0.00"},
        {-1.0, "-1.00"},
        {83333.266666666663, "83333.27"},
        {1e17, "100000000000000000.00"},
        {4503599627370495.5, "4503599627370495.50"},
        {5e-324, "0.00"},
        {std::numeric_limits<double>::quiet_NaN(), "0.00"},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(ZweiDezimalen(f.wert), QString::fromLatin1(f.text)) << f.wert;
}

TEST(ExportZahlen, CentimetresFromTenthsAndNumbersFromText)
{
    EXPECT_EQ(CmText(1235), u"12.35");
    EXPECT_EQ(CmText(-40), u"-0.40");
    EXPECT_EQ(CmText(-5), u"-0.05");
    EXPECT_EQ(CmText(0), u"0.00");
    EXPECT_EQ(CmText(std::numeric_limits<qint64>::min()), u"-92233720368547758.08");

    struct Case
    {
        const char *text;
        const char *num;
    };
    const Case faelle[] = {
        {"12,5", "12.50"}, {" 90 ", "90.00"}, {"-0", "0.00"}, {"270", "270.00"}, {"0,125", "0.13"},
        {"", "0"},         {"abc", "0"},      {"1.5", "0"},   {"12°", "0"},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(NumText(QString::fromUtf8(f.text)), QString::fromLatin1(f.num)) << f.text;

    EXPECT_EQ(JawText(40, 60.0), u"0.67");
    EXPECT_EQ(JawText(-207, 65.5), u"-3.16");
    EXPECT_FALSE(JawText(40, 0.0).has_value());
}
