#include "base/IniFile.h"

#include "support/TempProgramFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace qv;

TEST(IniFile, ReadsCaseInsensitiveTrimmedWithDefaults)
{
    test::TempProgramFolder dir;
    const QString path = dir.write(QStringLiteral("QuellvantarIni.ini"),
                                   "; Kommentar\r\n[Init]\r\n  ModusIndex = 2 \r\nEinschubrichtung=Oben\r\n"
                                   "Help=false\r\nFlag=1\r\nText= Stra\xdf" "e \r\nkaputt ohne Gleich\r\n"
                                   "Zahl=abc\r\nHex=$1F\r\n[Leer]\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(QStringLiteral("init"), QStringLiteral("MODUSINDEX"), 0), 2);
    EXPECT_EQ(ini.readString(QStringLiteral("Init"), QStringLiteral("einschubrichtung")), u"Oben");
    EXPECT_EQ(ini.readString(QStringLiteral("Init"), QStringLiteral("Text")), u"Straße");
    EXPECT_FALSE(ini.readBool(QStringLiteral("Init"), QStringLiteral("Help"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("Init"), QStringLiteral("Flag"), false));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Init"), QStringLiteral("Zahl"), 7), 7);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Init"), QStringLiteral("Hex"), 0), 31);
    EXPECT_EQ(ini.readString(QStringLiteral("Init"), QStringLiteral("fehlt"), QStringLiteral("dflt")), u"dflt");
    EXPECT_EQ(ini.readString(QStringLiteral("Nix"), QStringLiteral("x"), QStringLiteral("d")), u"d");
    EXPECT_TRUE(ini.sectionExists(QStringLiteral("leer")));

    IniFile missing(dir.file(QStringLiteral("gibtsnicht.ini")));
    EXPECT_EQ(missing.readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), 5), 5);
}

TEST(IniFile, BoolReadingTable)
{
    IniFile ini(QString{});
    ini.parse("[S]\nA=1\nB=0\nC=TRUE\nD=False\nE=ja\nF=2\n");
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("A"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("S"), QStringLiteral("B"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("C"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("S"), QStringLiteral("D"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("E"), true)); // unreadable -> default
    EXPECT_FALSE(ini.readBool(QStringLiteral("S"), QStringLiteral("E"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("F"), false));
}

TEST(IniFile, WritesAtOnceKeepingUnknownLines)
{
    test::TempProgramFolder dir;
    const QString path = dir.write(QStringLiteral("x.ini"),
                                   "; meine Notiz\r\n[Init]\r\nmodusindex=1\r\nUnbekannt=bleibt\r\n\r\n"
                                   "[Fremd]\r\nirgendwas\r\nK=V\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("INIT"), QStringLiteral("ModusIndex"), 3));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("Init"), QStringLiteral("Help"), true));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Neu"), QStringLiteral("Ort"), QStringLiteral("Köln")));
    EXPECT_EQ(dir.read(QStringLiteral("x.ini")),
              "; meine Notiz\r\n[Init]\r\nmodusindex=3\r\nUnbekannt=bleibt\r\nHelp=1\r\n\r\n"
              "[Fremd]\r\nirgendwas\r\nK=V\r\n\r\n[Neu]\r\nOrt=K\xf6ln\r\n");
    IniFile again(path);
    EXPECT_EQ(again.readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), 0), 3);
    EXPECT_EQ(again.readString(QStringLiteral("neu"), QStringLiteral("ort")), u"Köln");
    EXPECT_EQ(again.keys(QStringLiteral("Init")),
              QStringList({QStringLiteral("modusindex"), QStringLiteral("Unbekannt"), QStringLiteral("Help")}));

    ASSERT_TRUE(again.eraseSection(QStringLiteral("fremd")));
    ASSERT_TRUE(again.deleteKey(QStringLiteral("Init"), QStringLiteral("unbekannt")));
    EXPECT_FALSE(IniFile(path).sectionExists(QStringLiteral("Fremd")));
    EXPECT_FALSE(IniFile(path).valueExists(QStringLiteral("Init"), QStringLiteral("Unbekannt")));
}

TEST(IniFile, DamagedInputLoadsWhatItCan)
{
    QByteArray junk("[Init]\r\nA=1\r\n");
    junk.append(QByteArray(10 * 1024 * 1024, 'x')); // a 10 MB line
    static const char tail[] = "\r\n\0\x01\x02=\xff\r\n[kaputt\r\n=ohneSchluessel\r\nB=2\r\n";
    junk.append(tail, sizeof tail - 1);
    IniFile ini(QString{});
    ini.parse(junk);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Init"), QStringLiteral("A"), 0), 1);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Init"), QStringLiteral("B"), 0), 2);
}

namespace {
QStringList g_warnings;
void collectWarning(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        g_warnings << text;
}
} // namespace

TEST(IniFile, UnwritableFolderFailsClearlyOnceAndKeepsValueInMemory)
{
    IniFile ini(QStringLiteral("/proc/quellvantar-gibt-es-nicht/x.ini"));
    g_warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(collectWarning);
    for (const char *key : {"A", "B", "C"})
        EXPECT_FALSE(ini.writeString(QStringLiteral("Init"), QString::fromLatin1(key), QStringLiteral("b")));
    qInstallMessageHandler(before);
    EXPECT_EQ(ini.readString(QStringLiteral("Init"), QStringLiteral("A")), u"b");
    ASSERT_EQ(g_warnings.size(), 1) << "one folder, one reason: said once";
    EXPECT_TRUE(g_warnings[0].contains(u"Der Datenträger") || g_warnings[0].contains(u"nicht gefunden")
                || g_warnings[0].contains(u"Berechtigung"))
        << g_warnings[0].toStdString();
}

TEST(IniFile, ValueWithLineBreaksStaysOnItsLine)
{
    test::TempProgramFolder dir;
    IniFile ini(dir.file(QStringLiteral("x.ini")));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Init"), QStringLiteral("A"), QStringLiteral("eins\r\n[Init]\r\nB=zwei")));
    EXPECT_EQ(dir.read(QStringLiteral("x.ini")), "[Init]\r\nA=eins  [Init]  B=zwei\r\n");
    IniFile again(ini.path());
    EXPECT_FALSE(again.valueExists(QStringLiteral("Init"), QStringLiteral("B")));
    EXPECT_EQ(again.readString(QStringLiteral("Init"), QStringLiteral("A")), ini.readString(QStringLiteral("Init"), QStringLiteral("A")));
}

TEST(IniFile, BatchWritesOnce)
{
    test::TempProgramFolder dir;
    IniFile ini(dir.file(QStringLiteral("c.cfg")));
    {
        IniFile::Batch batch(ini);
        for (int i = 0; i < 50; ++i)
            ini.writeString(QStringLiteral("Liste"), QString::number(i), QStringLiteral("Eintrag %1").arg(i));
        EXPECT_FALSE(QFile::exists(ini.path()));
        EXPECT_TRUE(batch.finish());
    }
    EXPECT_EQ(IniFile(ini.path()).readString(QStringLiteral("liste"), QStringLiteral("49")), u"Eintrag 49");
}

TEST(IniFile, FileNotReadWholeIsNeverWrittenBack)
{
    test::TempProgramFolder dir;
    // Beyond the reading limit of 64 MiB: writing what was read would cut the file.
    QByteArray huge = "[Init]\r\nA=1\r\n";
    huge.append(QByteArray(64 * 1024 * 1024, ';'));
    huge.append("\r\n[Ende]\r\nB=2\r\n");
    const QString path = dir.write(QStringLiteral("gross.ini"), huge);
    {
        IniFile ini(path);
        EXPECT_FALSE(ini.unreadable().isEmpty());
        EXPECT_FALSE(ini.writeString(QStringLiteral("Init"), QStringLiteral("A"), QStringLiteral("2")));
    }
    EXPECT_EQ(QFileInfo(path).size(), huge.size());

    IniFile folder(dir.path()); // not a regular file at all
    EXPECT_TRUE(folder.unreadable().contains(u"keine normale Datei"));
    EXPECT_FALSE(folder.writeString(QStringLiteral("Init"), QStringLiteral("A"), QStringLiteral("1")));
}
