#include "dicom/DumpLines.h"
#include "dicom/TvelDICOMRTPlanClass.h"
#include "dicom/velDumpUtils.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <optional>

namespace {

using namespace qv;

TEST(DumpValue, TakesTheBracketedValueOrNothing)
{
    struct Case
    {
        const char *line;
        const char *value;
    } const cases[] = {
        {"(300a,00f6) DS [650]                                    #   4, 1 SourceToBlockTrayDistance", "650"},
        {"    (300a,00c2) LO (no value available)                     #   0, 0 BeamName", ""},
        {"(300a,00c2) LO []                                      #   0, 0 BeamName", ""},
        {"(0008,1150) UI =RTImageStorage                          #  30, 1 ReferencedSOPClassUID", ""},
        {"(300a,0433) FL 60                                       #   4, 1 ApplicatorOpening", ""},
        // A value may hold brackets, " #" and the text of a delimiter tag.
        {"(300a,00fe) LO [Block [2] #a]                           #  14, 1 BlockName", "Block [2] #a"},
        {"(300a,00c2) LO [x (fffe,e00d) y]                        #  16, 1 BeamName", "x (fffe,e00d) y"},
        {"(300a,00c2) LO [(no value available)]                   #  20, 1 BeamName", "(no value available)"},
        {"(0008,0060) CS [RT", "RT"},
        {"# dcmdump (1/2): a [b]", ""},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetDumpValue(c.line), QByteArrayView(c.value)) << c.line;
}

TEST(DumpItems, SplitLikeTheDelimitedListOfThePlanningSystems)
{
    struct Case
    {
        const char *value;
        QByteArrayList items;
    } const cases[] = {
        {"1\\2", {"1", "2"}},
        {"  -100.00000000000\\100.000000000000", {"-100.00000000000", "100.000000000000"}},
        {"16.0 \\16.0", {"16.0", "16.0"}},
        {"1 2\t3", {"1", "2", "3"}},
        {"1\\", {"1", ""}},
        {"1\\\\2", {"1", "", "2"}},
        {"\"a\\b\"\\c", {"a\\b", "c"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"open", {"open"}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SplitDumpItems(c.value), c.items) << c.value;
}

TEST(DumpNumbers, ReadDecimalStringsIndependentOfTheLocale)
{
    struct Case
    {
        const char *text;
        std::optional<double> value;
    } const cases[] = {
        {"7.0867745e-10", 7.0867745e-10},
        {"-6.2e-1", -0.62},
        {"   0.0", 0.0},
        {"+1.5", 1.5},
        {"-.5", -0.5},
        {"5.", 5.0},
        {"1E3", 1000.0},
        {"1e-400", 0.0},
        {"1e400", std::nullopt},
        {"1,5", std::nullopt},
        {"", std::nullopt},
        {".", std::nullopt},
        {"1e", std::nullopt},
        {"1.2.3", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"12a", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseDicomDecimal(c.text), c.value) << c.text;
}

QByteArray ds(const char *values)
{
    return QByteArray("(300a,0106) DS [") + values + "]   #  16, 6 BlockData";
}

TEST(DumpPoints, AreTenthsRoundedHalfToEven)
{
    TPointArray points;
    ASSERT_TRUE(GetDumpPoints(ds("0.25\\0.75"), points).ok());
    EXPECT_EQ(points, (TPointArray{{2, 8}}));

    points.clear();
    ASSERT_TRUE(GetDumpPoints(ds("12.5\\-30\\4\\7.25"), points).ok());
    EXPECT_EQ(points, (TPointArray{{125, -300}, {40, 72}}));

    auto point = GetDumpPoint(ds("1.5\\2.5"));
    ASSERT_TRUE(point.ok());
    EXPECT_EQ(*point, QPoint(15, 25));

    TIntegerArray values;
    ASSERT_TRUE(GetDumpIntegers(ds("-0.05\\0.15\\1e1"), values).ok());
    EXPECT_EQ(values, (TIntegerArray{0, 2, 100}));
}

TEST(DumpPoints, FormatErrorsChangeNothing)
{
    TPointArray points{{1, 1}};
    auto odd = GetDumpPoints(ds("1\\2\\3"), points);
    ASSERT_FALSE(odd.ok());
    EXPECT_TRUE(odd.error().contains(u"Ungerade Anzahl")) << odd.error().toStdString();
    EXPECT_EQ(points, (TPointArray{{1, 1}}));

    TIntegerArray values;
    auto trailing = GetDumpIntegers(ds("1\\"), values);
    ASSERT_FALSE(trailing.ok());
    EXPECT_EQ(trailing.error(), QStringLiteral("\"\" ist keine gültige Zahl."));
    EXPECT_TRUE(values.isEmpty());

    EXPECT_FALSE(GetDumpIntegers(ds("1\\x"), values).ok());
    EXPECT_FALSE(GetDumpIntegers(ds("300000000"), values).ok()) << "beyond 32 bits in tenths";
    EXPECT_FALSE(GetDumpPoint(ds("1")).ok());
}

TEST(DumpLines, EveryElementIsOneLineAndOtherLinesBelongToNone)
{
    // As dcmdump +Qn prints: control characters, non-ASCII bytes and markup in values are
    // entities. A line that is no element (a comment, or a raw line break of a printer that
    // does not quote) never extends, ends or opens anything.
    const QByteArray dump = "\n# Dicom-File-Format\n"
                            "(0008,0005) CS [ISO_IR 100]                             #  10, 1 SpecificCharacterSet\n"
                            "(4010,1000) ST [first&#13;&#10;(fffe,e00d) second&#13;&#10;[x] &lt;&amp;&gt; &#252;]   #  40, 1 Remark\n"
                            "(300a,00b0) SQ (Sequence with explicit length #=1)      #  9, 1 BeamSequence\n"
                            "  (fffe,e000) na (Item with explicit length #=1)          #  8, 1 Item\n"
                            "    (300a,00c2) LO [M&#252;ller (fffe,e00d)]                  #  6, 1 BeamName\n"
                            "    (300a,00c3) ST [oben\r\n"
                            "unten]   #  10, 1 BeamDescription\n"
                            "  (fffe,e00d) na (ItemDelimitationItem for re-encoding)   #   0, 0 ItemDelimitationItem\n"
                            "(fffe,e0dd) na (SequenceDelimitationItem for re-encod.) #   0, 0 SequenceDelimitationItem\n";
    const DumpLines lines(dump);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(DumpValue(lines[1].text), QByteArray("first\r\n(fffe,e00d) second\r\n[x] <&> \xfc"));
    EXPECT_EQ(lines[3].tag, kItemStart);
    EXPECT_EQ(lines[4].depth, 1);
    EXPECT_EQ(lines[5].tag, dicomTag(0x300a, 0x00c3));
    EXPECT_EQ(DumpValue(lines[5].text), QByteArray("oben\r")) << "the raw line after it is not part of it";
    EXPECT_EQ(lines[6].tag, kItemEnd);
    EXPECT_EQ(lines[6].depth, 0);
    EXPECT_EQ(lines.charset(), DumpCharset::Latin1);
    EXPECT_EQ(lines.decode(DumpValue(lines[4].text)), QStringLiteral("Müller (fffe,e00d)"));

    qsizetype index = 3;
    ASSERT_TRUE(SkipDumpItem(lines, index).ok());
    EXPECT_EQ(index, 6);
}

TEST(DumpValue, EntitiesBecomeTheBytesOfTheFile)
{
    struct Case
    {
        const char *printed;
        QByteArray bytes;
    } const cases[] = {
        {"a&#13;&#10;b", "a\r\nb"},
        {"&#0;&#255;&#7;", QByteArray("\0\xff\x07", 3)},
        {"&lt;&gt;&amp;&quot;&apos;", "<>&\"'"},
        {"&amp;#13;", "&#13;"},
        // Not an entity of dcmdump: kept as printed.
        {"&#256; &#1234; &#; &# & &x; &#12", "&#256; &#1234; &#; &# & &x; &#12"},
        {"\\\\", "\\\\"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UnquoteDumpValue(c.printed), c.bytes) << c.printed;
}

TEST(DumpLines, TextsAreDecodedByTheCharacterSet)
{
    struct Case
    {
        const char *charset;
        const char *name;
        const char16_t *text;
    } const cases[] = {
        {"[ISO_IR 192]", "M\xc3\xbcller", u"Müller"},
        {"[ISO_IR 192]", "M&#195;&#188;ller", u"Müller"},
        {"[ISO_IR 100]", "M&#252;ller", u"Müller"},
        {"[ISO_IR 100]", "M\xfcller", u"Müller"},
        {"(no value available)", "M\xfcller", u"Müller"},
        {"[\\ISO_IR 192]", "\xc3\x9f", u"ß"},
    };
    for (const Case &c : cases) {
        const DumpLines lines(QByteArray("(0008,0005) CS ") + c.charset + " #  10, 1 SpecificCharacterSet\n" +
                              "(0010,0010) PN [" + c.name + "] #  6, 1 PatientName\n");
        EXPECT_EQ(lines.decode(DumpValue(lines[1].text)), QString::fromUtf16(c.text)) << c.charset;
    }
}

TEST(SkipDumpItem, SkipsNestedItemsByDepth)
{
    // An applicator item holding a geometry sequence of two items: the skip must end on the
    // applicator's own end line, not swallow what follows.
    const QByteArray dump = "(fffe,e000) na (Item)\n"
                            "  (300a,0431) SQ (Sequence)\n"
                            "    (fffe,e000) na (Item)\n"
                            "    (fffe,e00d) na (ItemDelimitationItem)\n"
                            "    (fffe,e000) na (Item)\n"
                            "      (300a,0432) CS [SYM_SQUARE]\n"
                            "    (fffe,e00d) na (ItemDelimitationItem)\n"
                            "  (fffe,e0dd) na (SequenceDelimitationItem)\n"
                            "(fffe,e00d) na (ItemDelimitationItem)\n"
                            "(300a,00c0) IS [2]\n";
    const DumpLines lines(dump);
    qsizetype index = 0;
    ASSERT_TRUE(SkipDumpItem(lines, index).ok());
    EXPECT_EQ(index, 8);

    const DumpLines open("(fffe,e000) na (Item)\n(fffe,e000) na (Item)\n(fffe,e00d) na (ItemDelimitationItem)\n");
    index = 0;
    EXPECT_FALSE(SkipDumpItem(open, index).ok());
    EXPECT_EQ(index, 0);
}

TEST(SkipDumpItem, DeepNestingNeitherRecursesNorLoops)
{
    QByteArray dump;
    const int depth = 200000;
    for (int i = 0; i < depth; ++i)
        dump += "(fffe,e000) na (Item)\n";
    for (int i = 0; i < depth; ++i)
        dump += "(fffe,e00d) na (ItemDelimitationItem)\n";
    const DumpLines lines(dump);
    qsizetype index = 0;
    ASSERT_TRUE(SkipDumpItem(lines, index).ok());
    EXPECT_EQ(index, 2 * depth - 1);
}

} // namespace

namespace {

// The seeds of the dump fuzz target read without a crash: a quick replay on every test run.
TEST(DumpCorpus, SeedsReadWithoutCrash)
{
    const QDir seeds(QStringLiteral(QV_DUMP_CORPUS_DIR));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        QFile f(seeds.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        qv::TvelDICOMRTPlanClass plan;
        const auto loaded = plan.LoadFromDump(f.readAll());
        EXPECT_EQ(loaded.ok(), !plan.IsEmpty()) << name.toStdString();
    }
}

} // namespace
