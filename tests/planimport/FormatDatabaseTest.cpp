#include "planimport/BPRKatalog.h"
#include "planimport/TBPRDM.h"

#include "BPRTestRows.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::TestDatabase;

namespace {

const QString kPrefix = QStringLiteral(
    "Es ist ein Fehler beim Öffnen des BPR-Moduls aufgetreten.\r\nBitte prüfen Sie ihre Quellvantar installation.\r\n\r\n");

} // namespace

TEST(FormatDatabase, DescriptorFromTheRowOfTheFormatAndValue)
{
    TestDatabase db(QStringLiteral(
        "INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar) VALUES\n"
        "  (4, 3, '[BEAM', 1, 0, 0, ' ', NULL),\n"
        "  (4, 3, 'zweite Zeile', 9, 9, 9, 'x', 'y'),\n"
        "  (4, 6, '[PATIENT ID]', -1, 2, 7, '', ''),\n"
        "  (1, 6, 'Tab', 0, 3, 0, 'T', 'T'),\n"
        "  (2, 9, 'kaputt', 'x', 0, 0, '', '');\n"));

    T_Werte w;
    auto r = db.dm.ReadFormatValue(w, 4, 3);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(*r);
    EXPECT_EQ(w, (T_Werte{QStringLiteral("[BEAM"), 1, 0, 0, u' ', u'0'})) << "the first row counts";

    r = db.dm.ReadFormatValue(w, 4, 6);
    EXPECT_TRUE(r.ok() && *r);
    EXPECT_EQ(w, (T_Werte{QStringLiteral("[PATIENT ID]"), -1, 2, 7, u'0', u'0'})) << "empty characters read as \"0\"";

    r = db.dm.ReadFormatValue(w, 1, 6);
    EXPECT_EQ(w.endchar, u'T');
    EXPECT_EQ(w.beginchar, u'T');

    // No row for value 13 in any format: the empty descriptor.
    w.tagstr = QStringLiteral("alt");
    r = db.dm.ReadFormatValue(w, 4, 13);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(*r);
    EXPECT_EQ(w, T_Werte{});
    EXPECT_TRUE(w.endchar.isNull());

    // A number field that is no number is an error of that row.
    r = db.dm.ReadFormatValue(w, 2, 9);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(QStringLiteral("lineoffset"))) << r.error().toStdString();
    EXPECT_FALSE(db.dm.FormatZeilen(2).ok());

    const BPRFormatZeilen zeilen = db.rows(4);
    EXPECT_EQ(zeilen.keys(), (QList<int>{3, 6}));
    EXPECT_EQ(zeilen[3].tagstr, QStringLiteral("[BEAM"));
    T_Werte aus;
    EXPECT_TRUE(ReadFormatValue(zeilen, aus, 6));
    EXPECT_FALSE(ReadFormatValue(zeilen, aus, 13));
    EXPECT_EQ(aus, T_Werte{});
}

TEST(FormatDatabase, OpeningReportsErrorsWithTheImportsText)
{
    qv::test::TempProgramFolder ordner;
    TBPRDM dm;
    auto ok = dm.Open(ordner.file(QStringLiteral("BPRdb.sqlite")));
    ASSERT_FALSE(ok.ok());
    EXPECT_TRUE(ok.error().startsWith(kPrefix)) << ok.error().toStdString();
    EXPECT_FALSE(dm.IstOffen());

    // A database without the format tables is no format database.
    const QString fremd = ordner.file(QStringLiteral("fremd.sqlite"));
    ASSERT_TRUE(Datenbank::erzeugen(fremd, QStringLiteral("CREATE TABLE Kunde (Nr INTEGER);")).ok());
    ok = dm.Open(fremd);
    ASSERT_FALSE(ok.ok());
    EXPECT_TRUE(ok.error().startsWith(kPrefix));

    ok = dm.Open(ordner.write(QStringLiteral("text.sqlite"), "kein SQLite"));
    EXPECT_FALSE(ok.ok());
    EXPECT_FALSE(dm.IstOffen());
}

TEST(FormatDatabase, ShippedDatabaseKnowsAllSixFormats)
{
    TBPRDM dm;
    ASSERT_TRUE(dm.Open(TBPRDM::DateiImOrdner(qv::test::buildDir())).ok());
    for (int format = 1; format <= 6; ++format) {
        EXPECT_EQ(dm.FormatName(format).value(), BPRFormat::Name(format));
        auto zeilen = dm.FormatZeilen(format);
        ASSERT_TRUE(zeilen.ok()) << zeilen.error().toStdString();
        // The reader reads FBA, FIA and the patient name of every format.
        EXPECT_TRUE(zeilen->contains(BPRWert::FBA) && zeilen->contains(BPRWert::FIA)) << format;
        EXPECT_TRUE(zeilen->contains(BPRWert::PatientenName) || zeilen->contains(BPRWert::Nachname)) << format;
        EXPECT_TRUE(zeilen->contains(BPRWert::X) && zeilen->contains(BPRWert::Y)) << format;
    }
    EXPECT_EQ(dm.FormatName(10).value(), QString());
    dm.Close();
    EXPECT_FALSE(dm.IstOffen());
}
