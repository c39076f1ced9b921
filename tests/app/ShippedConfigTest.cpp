// The product configuration shipped beside the executable: readable by the list convention
// every reader uses, consistent between parallel lists, Windows-1252 on disk.
#include "base/IniFile.h"
#include "base/Numbers.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace qv;

namespace {

QStringList listOf(const IniFile &ini, const QString &section, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(ini.readString(section, QString::number(i)));
    return out;
}

} // namespace

TEST(ShippedConfig, ListsAreCompleteAndConsistent)
{
    const QString path = QDir(test::buildDir()).filePath(QStringLiteral("QuellvantarConfig.cfg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("3=\xfc" "ber Nacht\r\n")) << "not Windows-1252 with CR LF";

    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Init"), QStringLiteral("Fileversion"), 0), 2);
    EXPECT_TRUE(ini.readString(QStringLiteral("Init"), QStringLiteral("EMailAdresse")).contains(u'@'));
    EXPECT_FALSE(ini.readString(QStringLiteral("Init"), QStringLiteral("Website")).isEmpty());

    auto count = [&](const char16_t *section) {
        return ini.readInteger(QString::fromUtf16(section), QStringLiteral("Count"), 0);
    };
    const QStringList hersteller = listOf(ini, QStringLiteral("Beschleuniger"), count(u"Beschleuniger"));
    EXPECT_EQ(hersteller, (QStringList{u"Varian"_qs, u"Siemens"_qs, u"Elekta"_qs, u"GE"_qs}));

    // Tray and frame entries begin with a maker name and an underscore.
    auto vonHersteller = [&](const QString &eintrag) {
        for (const QString &h : hersteller) {
            if (eintrag.startsWith(h + u'_'))
                return true;
        }
        return false;
    };
    for (const QString &t : listOf(ini, QStringLiteral("Tragplatten"), count(u"Tragplatten")))
        EXPECT_TRUE(vonHersteller(t) || t == u"Keine Tragplatte") << t.toStdString();

    const int blenden = count(u"ElektronenBlenden");
    EXPECT_EQ(blenden, 20);
    const QStringList groessen = listOf(ini, QStringLiteral("ElektronenBlenden_Groesse"), blenden);
    const QStringList namen = listOf(ini, QStringLiteral("ElektronenBlenden"), blenden);
    for (int i = 0; i < blenden; ++i) {
        EXPECT_TRUE(vonHersteller(namen[i])) << namen[i].toStdString();
        const QStringList xy = groessen[i].split(u',');
        ASSERT_EQ(xy.size(), 2) << groessen[i].toStdString();
        EXPECT_GT(parseInt32(xy[0]).value_or(0), 0) << groessen[i].toStdString();
        EXPECT_GT(parseInt32(xy[1]).value_or(0), 0) << groessen[i].toStdString();
    }
    EXPECT_EQ(groessen[namen.indexOf(u"Varian_T10"_qs)], u"1000,1000");

    // Parallel lists have no Count of their own and one entry per main entry.
    for (const auto &[haupt, parallel] : {std::pair{u"Transport", u"Transport_Kosten"}, std::pair{u"Leistung", u"Leistung_Kosten"}}) {
        const int n = count(haupt);
        EXPECT_EQ(n, 4);
        EXPECT_FALSE(ini.valueExists(QString::fromUtf16(parallel), QStringLiteral("Count")));
        for (const QString &kosten : listOf(ini, QString::fromUtf16(parallel), n))
            EXPECT_TRUE(kosten.endsWith(u" Euro")) << kosten.toStdString();
    }
    EXPECT_EQ(listOf(ini, QStringLiteral("Transport"), 4).last(), u"über Nacht");
    EXPECT_EQ(listOf(ini, QStringLiteral("AGBs"), count(u"AGBs")),
              (QStringList{u"Bitte entnehmen Sie die AGB unserer"_qs, u"Website."_qs}));
}
