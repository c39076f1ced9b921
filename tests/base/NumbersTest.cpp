#include "base/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace qv;

TEST(Numbers, ParseDecimalTable)
{
    struct Case
    {
        const char16_t *text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {u"1,5", 1.5},      {u"-0,4", -0.4},  {u"12", 12.0},         {u",5", 0.5},
        {u"5,", 5.0},       {u"+3,25", 3.25}, {u"  7,5  ", 7.5},     // blanks around are ignored
        {u"1.5", std::nullopt},                 // the point is not a decimal separator
        {u"1,5,0", std::nullopt}, {u"", std::nullopt}, {u"   ", std::nullopt},
        {u",", std::nullopt},  {u"-", std::nullopt},   {u"1 5", std::nullopt}, // blank inside
        {u"1e5", std::nullopt}, {u"1.000,5", std::nullopt}, {u"abc", std::nullopt},
        {u"0x10", std::nullopt},
    };
    for (const Case &c : cases) {
        const auto got = parseDecimal(QStringView(c.text));
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << QString::fromUtf16(c.text).toStdString();
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.expected) << QString::fromUtf16(c.text).toStdString();
        }
    }
}

TEST(Numbers, FormatShortestTable)
{
    const std::pair<double, const char *> cases[] = {
        {12.5, "12,5"},   {100.0, "100"},    {100.4, "100,4"}, {-0.4, "-0,4"},   {0.0, "0"},
        {-0.0, "0"},      {0.1 + 0.2, "0,3"}, {1.0 / 3.0, "0,333333333333333"}, {123456.75, "123456,75"},
        {-87.5, "-87,5"}, {1e-4, "0,0001"},  {2147483647.0, "2147483647"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(formatDecimal(value).toStdString(), text) << value;
}

TEST(Numbers, FormatThenParseRoundTrips)
{
    for (double v : {0.5, 12.25, -3.75, 1234.5, 0.001, 99.9})
        EXPECT_DOUBLE_EQ(*parseDecimal(formatDecimal(v)), v);
}

TEST(Numbers, RoundHalfEvenAndTrunc)
{
    const struct
    {
        double v;
        qint64 round, trunc;
    } cases[] = {
        {0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 2}, {3.5, 4, 3}, {-0.5, 0, 0}, {-1.5, -2, -1},
        {-2.5, -2, -2}, {2.4999, 2, 2}, {2.5001, 3, 2}, {-2.7, -3, -2}, {1e9 + 0.5, 1000000000, 1000000000},
        // out of range saturates instead of being undefined; NaN gives 0
        {1e300, std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max()},
        {-1e300, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::min()},
        {std::numeric_limits<double>::quiet_NaN(), 0, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(roundHalfEven(c.v), c.round) << c.v;
        EXPECT_EQ(truncTowardZero(c.v), c.trunc) << c.v;
    }
}

TEST(Numbers, ParseIntegerTable)
{
    EXPECT_EQ(parseInteger(u"42"), 42);
    EXPECT_EQ(parseInteger(u" -7 "), -7);
    EXPECT_EQ(parseInteger(u"+3"), 3);
    EXPECT_EQ(parseInteger(u"1,0"), std::nullopt);
    EXPECT_EQ(parseInteger(u"1.0"), std::nullopt);
    EXPECT_EQ(parseInteger(u""), std::nullopt);
    EXPECT_EQ(parseInteger(u"-"), std::nullopt);
    EXPECT_EQ(parseInteger(u"99999999999999999999"), std::nullopt);
    EXPECT_EQ(parseInteger(u"20000000000000000000"), std::nullopt); // would wrap to a valid-looking value
    EXPECT_EQ(parseInteger(u"18446744073709551617"), std::nullopt);
    EXPECT_EQ(parseInteger(u"9223372036854775807"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(parseInteger(u"9223372036854775808"), std::nullopt);
    EXPECT_EQ(parseInteger(u"-9223372036854775808"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(parseInt32(u"2147483647"), 2147483647);
    EXPECT_EQ(parseInt32(u"-2147483648"), std::numeric_limits<qint32>::min());
    EXPECT_EQ(parseInt32(u"2147483648"), std::nullopt);
}
