#include "app/ZuletztGeoeffnet.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

QStringList namen(const QString &ordner, std::initializer_list<int> nummern)
{
    QStringList liste;
    for (int n : nummern)
        liste << ordner + u"/a%1.ORv"_s.arg(n);
    return liste;
}

} // namespace

TEST(ZuletztGeoeffnet, NewestFirstEachOnceEightPerMode)
{
    test::TempProgramFolder dir;
    IniFile ini(dir.file(u"QuellvantarIni.ini"_s));
    ZuletztGeoeffnet zuletzt(ini);
    for (int i = 0; i < 10; ++i)
        zuletzt.Hinzufuegen(true, dir.file(u"a%1.ORv"_s.arg(i)));
    EXPECT_EQ(zuletzt.Liste(true), namen(dir.path(), {9, 8, 7, 6, 5, 4, 3, 2}));
    // Again, under another spelling of the same path: it moves to the front.
    zuletzt.Hinzufuegen(true, dir.path() + u"/x/../a5.ORv"_s);
    EXPECT_EQ(zuletzt.Liste(true), namen(dir.path(), {5, 9, 8, 7, 6, 4, 3, 2}));
    // The maker's list is its own.
    zuletzt.Hinzufuegen(false, dir.file(u"a1.ORv"_s));
    EXPECT_EQ(zuletzt.Liste(false), namen(dir.path(), {1}));
    EXPECT_EQ(zuletzt.Liste(true).size(), 8);

    // On disk, read by a fresh settings object.
    IniFile wieder(dir.file(u"QuellvantarIni.ini"_s));
    EXPECT_EQ(ZuletztGeoeffnet(wieder).Liste(true), namen(dir.path(), {5, 9, 8, 7, 6, 4, 3, 2}));
    EXPECT_EQ(wieder.readString(u"Zuletzt"_s, u"Intern1"_s), dir.file(u"a1.ORv"_s));
}

TEST(ZuletztGeoeffnet, AnyFileNameSurvivesTheSettingsFile)
{
    test::TempProgramFolder dir;
    // Blanks, umlauts, letters the settings' code page lacks, a byte that is no UTF-8, a "%".
    const QStringList dateien{dir.file(u"Müller Auftrag.ORv"_s), dir.file(u"Łódź 100%.ORv"_s),
                              dir.path() + u'/' + decodeFileName(QByteArray("kaputt\xFF.ORv"))};
    {
        IniFile ini(dir.file(u"QuellvantarIni.ini"_s));
        ZuletztGeoeffnet zuletzt(ini);
        for (const QString &d : dateien)
            zuletzt.Hinzufuegen(true, d);
    }
    IniFile ini(dir.file(u"QuellvantarIni.ini"_s));
    EXPECT_EQ(ZuletztGeoeffnet(ini).Liste(true), (QStringList{dateien[2], dateien[1], dateien[0]}));
}

TEST(ZuletztGeoeffnet, TheStartDropsFilesThatAreGone)
{
    test::TempProgramFolder dir;
    IniFile ini(dir.file(u"QuellvantarIni.ini"_s));
    ZuletztGeoeffnet zuletzt(ini);
    for (int i = 0; i < 4; ++i) {
        zuletzt.Hinzufuegen(true, dir.file(u"a%1.ORv"_s.arg(i)));
        zuletzt.Hinzufuegen(false, dir.file(u"a%1.ORv"_s.arg(i)));
    }
    const QStringList da = namen(dir.path(), {3, 1});
    zuletzt.Bereinigen([&](const QString &d) { return da.contains(d); });
    EXPECT_EQ(zuletzt.Liste(true), da);
    EXPECT_EQ(zuletzt.Liste(false), da);
    EXPECT_FALSE(ini.valueExists(u"Zuletzt"_s, u"Kunde3"_s));
}
