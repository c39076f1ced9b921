#include "order/AuftragsAblage.h"

#include "base/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv;

namespace {
const QDateTime kTime(QDate(2026, 3, 7), QTime(9, 5, 4));
}

TEST(AuftragsAblage, NamesFromTheOrderTime)
{
    EXPECT_EQ(VorgeschlagenerName(kTime), u"20260307_090504");
    EXPECT_EQ(VorgeschlagenerName(QDateTime(QDate(987, 12, 31), QTime(23, 59, 59))), u"09871231_235959");

    struct Case
    {
        const char *savePath;
        const char *archiv;
    };
    // Only what stands up to the last "/" is the base: a folder named without the trailing
    // separator files into its parent.
    for (const Case &f : {Case{"/daten/auftraege/", "/daten/auftraege/2026/03/07/090504.ORv"},
                          Case{"/daten/auftraege", "/daten/2026/03/07/090504.ORv"},
                          Case{"/", "/2026/03/07/090504.ORv"},
                          Case{"ablage", "ablage2026/03/07/090504.ORv"}}) {
        EXPECT_EQ(ArchivPfad(ArchivBasisAus(QString::fromUtf8(f.savePath)), kTime), QString::fromUtf8(f.archiv))
            << f.savePath;
    }
}

TEST(AuftragsAblage, ExtensionOfAChosenName)
{
    struct Case
    {
        const char *gewaehlt;
        const char *gespeichert;
    };
    for (const Case &f : {Case{"/a/auftrag.ORv", "/a/auftrag.ORv"}, Case{"/a/auftrag.orv", "/a/auftrag.orv"},
                          Case{"/a/auftrag.OrV", "/a/auftrag.OrV"}, Case{"/a/auftrag", "/a/auftrag.ORv"},
                          Case{"/a/auftrag.txt", "/a/auftrag.txt.ORv"}, Case{"/a/ORv", "/a/ORv.ORv"}}) {
        EXPECT_EQ(MitAuftragsEndung(QString::fromUtf8(f.gewaehlt)), QString::fromUtf8(f.gespeichert)) << f.gewaehlt;
    }
}

TEST(AuftragsAblage, FolderSettingsAndTheMakersOpenFolder)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("QuellvantarIni.ini")));
    EXPECT_EQ(SavePathIndividuell(ini), QDir::homePath());
    EXPECT_EQ(OpenPath(ini), QDir::homePath());
    EXPECT_EQ(AuftragEnde(ini), 2);
    SavePathIndividuellSetzen(ini, QStringLiteral("/post"));
    OpenPathSetzen(ini, QStringLiteral("/eingang"));
    AuftragEndeSetzen(ini, 0);
    IniFile neu(ini.path());
    EXPECT_EQ(SavePathIndividuell(neu), u"/post");
    EXPECT_EQ(OpenPath(neu), u"/eingang");
    EXPECT_EQ(AuftragEnde(neu), 0);

    const QDate heute(2026, 12, 1);
    ini.writeString(QStringLiteral("Init"), QStringLiteral("ArchivBasis"), QStringLiteral("/netz/Kunden"));
    QStringList gefragt;
    bool datiertDa = false;
    auto existiert = [&](const QString &p) {
        gefragt << p;
        return datiertDa;
    };
    EXPECT_EQ(OeffnenStartOrdner(true, ini, heute, existiert), u"/eingang");
    EXPECT_TRUE(gefragt.isEmpty());
    EXPECT_EQ(OeffnenStartOrdner(false, ini, heute, existiert), u"/netz/Kunden/Offline/");
    EXPECT_EQ(gefragt, QStringList{QStringLiteral("/netz/Kunden/Offline/2026/12/01/")});
    datiertDa = true;
    EXPECT_EQ(OeffnenStartOrdner(false, ini, heute, existiert), u"/netz/Kunden/Offline/2026/12/01/");
}

TEST(AuftragsAblage, FoldersOfAPathAreCreatedButNotItsFileName)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("a/b/c/090504.ORv"));
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(OrdnerAnlegen(datei));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("a/b/c"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(datei));
    EXPECT_EQ(QDir::currentPath(), vorher);
    EXPECT_TRUE(OrdnerAnlegen(datei)); // already there

    // A file in the way of a folder.
    QFile sperre(dir.filePath(QStringLiteral("x")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    EXPECT_FALSE(OrdnerAnlegen(dir.filePath(QStringLiteral("x/y/z.ORv"))));
}
