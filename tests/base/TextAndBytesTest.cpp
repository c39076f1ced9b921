#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Cp1252.h"
#include "base/DelphiDateTime.h"
#include "base/Extended80.h"
#include "base/UtilsUnit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace qv;

TEST(Cp1252, AllBytesRoundTripAndKnownMappings)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);

    const std::pair<unsigned char, char16_t> known[] = {
        {0x80, u'€'}, {0x84, u'„'}, {0x93, u'“'}, {0x96, u'–'}, {0x9F, u'Ÿ'},
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},
        {0xC4, u'Ä'}, {0xD6, u'Ö'}, {0xDC, u'Ü'}, {0xDF, u'ß'}, {0xE4, u'ä'}, {0xB0, u'°'},
    };
    for (const auto &[byte, ch] : known)
        EXPECT_EQ(text[byte].unicode(), ch) << int(byte);
    EXPECT_EQ(toCp1252(u"Straße 5 €"), QByteArray("Stra\xdf" "e 5 \x80"));
    EXPECT_EQ(toCp1252(u"日本"), QByteArray("??"));
}

TEST(Cp1252, ShortStringWriteCutsAndPadsReadIgnoresTail)
{
    EXPECT_EQ(encodeShortString(u"Müller", 10), QByteArray("\x06M\xfcller\0\0\0\0", 11));
    EXPECT_EQ(encodeShortString(u"Strahlentherapie", 5), QByteArray("\x05Strah", 6));
    EXPECT_EQ(encodeShortString(u"", 3), QByteArray("\0\0\0\0", 4));

    EXPECT_EQ(decodeShortString(QByteArray("\x03" "abcXYZ", 7)), u"abc");       // tail ignored
    EXPECT_EQ(decodeShortString(QByteArray("\xff" "abcd", 5)), u"abcd");       // length cut to n
    EXPECT_EQ(decodeShortString(QByteArray("\x02\xe4\xdf", 3)), u"äß");
    EXPECT_EQ(decodeShortString(QByteArray()), u"");
}

TEST(ByteReader, ReadsLittleEndianFieldsWrittenByWriter)
{
    ByteWriter w;
    w.int32(-2);
    w.byte(0xAB);
    w.boolean(true);
    w.float64(87.5);
    w.extended(100.0);
    w.shortString(u"Zeile", 8);
    w.bytes("xyz");
    EXPECT_EQ(w.data().left(4), QByteArray("\xfe\xff\xff\xff", 4));

    ByteReader r(w.data());
    EXPECT_EQ(r.int32(), -2);
    EXPECT_EQ(r.byte(), 0xAB);
    EXPECT_TRUE(r.boolean());
    EXPECT_EQ(r.float64(), 87.5);
    EXPECT_EQ(r.extended(), 100.0);
    EXPECT_EQ(r.shortString(8), u"Zeile");
    EXPECT_EQ(r.bytes(3), "xyz");
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteReader, ShortInputFailsOnceWithClearErrorAndStaysFailed)
{
    const QByteArray data("\x01\x02\x03", 3);
    ByteReader r(data);
    EXPECT_EQ(r.int32("Anzahl Konturen"), 0);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(u"Anzahl Konturen")) << r.error().toStdString();
    EXPECT_TRUE(r.error().contains(u"4 Bytes benötigt, 3 vorhanden")) << r.error().toStdString();
    const QString first = r.error();
    EXPECT_EQ(r.byte(), 0); // nothing is read after a failure
    EXPECT_EQ(r.error(), first);

    ByteReader one{QByteArrayView()};
    one.byte("Bildkennung");
    EXPECT_TRUE(one.error().contains(u"1 Byte benötigt, 0 vorhanden")) << one.error().toStdString();

    ByteReader big(data);
    EXPECT_FALSE(big.need(qsizetype(1) << 40, "Bild"));
    EXPECT_FALSE(big.need(-1, "negativ"));
    EXPECT_TRUE(big.bytes(5).isEmpty());
}

TEST(ByteReader, ReaderOfATemporaryArrayKeepsItsBytes)
{
    const auto stream = [] {
        ByteWriter w;
        w.int32(0x12345678);
        w.shortString(u"Kontur", 10);
        return w.take();
    };
    ByteReader r(stream()); // the temporary ends with this statement
    const QByteArray overwrite(64, 'x');
    EXPECT_EQ(r.int32(), 0x12345678);
    EXPECT_EQ(r.shortString(10), u"Kontur");
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

TEST(Extended80, KnownBytesAndRoundTrips)
{
    const auto hundred = doubleToExtended(100.0);
    const std::array<std::uint8_t, 10> expected = {0, 0, 0, 0, 0, 0, 0, 0xC8, 0x05, 0x40};
    EXPECT_EQ(hundred, expected);
    EXPECT_EQ(extendedToDouble(expected.data()), 100.0);

    const std::array<std::uint8_t, 10> zero{};
    EXPECT_EQ(doubleToExtended(0.0), zero);
    const std::array<std::uint8_t, 10> e875 = {0, 0, 0, 0, 0, 0, 0, 0xAF, 0x05, 0x40};
    EXPECT_EQ(doubleToExtended(87.5), e875);

    for (double v : {87.5, -100.0, 1.0, -1.0, 0.1, 123456.789, 1e300, -1e-300, 5e-324,
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::min()}) {
        const auto b = doubleToExtended(v);
        EXPECT_EQ(extendedToDouble(b.data()), v) << v;
    }
    EXPECT_TRUE(std::isinf(extendedToDouble(doubleToExtended(HUGE_VAL).data())));
    // An extended value beyond the double range becomes infinity, not undefined behaviour.
    const std::array<std::uint8_t, 10> huge = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
    EXPECT_TRUE(std::isinf(extendedToDouble(huge.data())));
}

TEST(DelphiDateTime, DaysSince1899AndTimeFraction)
{
    const struct
    {
        QDateTime dt;
        double value;
    } cases[] = {
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
        {QDateTime(QDate(1900, 1, 1), QTime(18, 0)), 2.75},
        {QDateTime(QDate(2026, 12, 10), QTime(12, 0)), 46366.5},
        {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25},
    };
    for (const auto &c : cases) {
        EXPECT_DOUBLE_EQ(toTDateTime(c.dt), c.value) << c.dt.toString().toStdString();
        EXPECT_EQ(fromTDateTime(c.value), c.dt) << c.value;
    }
    EXPECT_FALSE(fromTDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(fromTDateTime(1e300).isValid());
}

TEST(UtilsUnit, TextsAndKeyFilter)
{
    EXPECT_EQ(VersionsTextFor(2, 1, 3), u"V2.13");
    EXPECT_EQ(VersionsTextFor(1, 4, 5), u"V1.45");
    EXPECT_LE(VersionsTextFor(123456, 789, 12345).size(), 10);
    EXPECT_TRUE(VersionsText().startsWith(u'V'));
    EXPECT_EQ(ZweiStellig(0), u"00");
    EXPECT_EQ(ZweiStellig(9), u"09");
    EXPECT_EQ(ZweiStellig(10), u"10");
    EXPECT_EQ(DatumsPfad(QDate(2026, 3, 7)), u"2026/03/07/");
    EXPECT_EQ(ZeitStempel(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 1))), u"20260307_090501");
    EXPECT_TRUE(ZifferOderRuecktaste(QChar(8)));
    EXPECT_TRUE(ZifferOderRuecktaste(u'0'));
    EXPECT_TRUE(ZifferOderRuecktaste(u'9'));
    EXPECT_FALSE(ZifferOderRuecktaste(u','));
    EXPECT_FALSE(ZifferOderRuecktaste(u'a'));
    EXPECT_FALSE(ZifferOderRuecktaste(u'-'));
}
