// Where the program's files lie: beside the executable in a writable portable folder, in the
// user's configuration folder for an installed program or a read-only portable folder.
#include "app/Application.h"
#include "base/SystemClock.h"
#include "base/ProgramFolders.h"

#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void writeFile(const QString &pfad, const QByteArray &inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// <tmp>/usr/bin and <tmp>/usr/share/quellvantar, the configuration folder in <tmp>/config.
class InstalledLayout : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        bin = tmp.filePath(u"usr/bin"_s);
        share = tmp.filePath(u"usr/share/quellvantar"_s);
        config = tmp.filePath(u"config/Quellvantar"_s);
        ASSERT_TRUE(QDir().mkpath(bin));
        writeFile(share + u"/QuellvantarConfig.cfg"_s, "[Init]\r\nWebsite=ausgeliefert\r\n");
        writeFile(share + u"/BPRdb.sqlite"_s, "datenbank");
    }

    QTemporaryDir tmp;
    QString bin, share, config;
    test::ScriptedMessages messages;
    test::FakeFileChooser chooser;
    SystemClock clock;
};

} // namespace

TEST(ProgramFolders, LayoutFollowsFromTheExecutablesFolder)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath(u"usr/bin"_s));
    QDir().mkpath(tmp.filePath(u"usr/share/quellvantar"_s));
    QDir().mkpath(tmp.filePath(u"portabel/bin"_s)); // a "bin" folder without share/quellvantar
    const QString cfg = tmp.filePath(u"cfg"_s);
    struct Case
    {
        QString exe;
        bool writable;
        ProgramFolders::Layout layout;
        QString shipped, personal;
    };
    const Case faelle[] = {
        {tmp.filePath(u"usr/bin"_s), false, ProgramFolders::Layout::Installed, tmp.filePath(u"usr/share/quellvantar"_s), cfg},
        // root may write everywhere: an installed program still keeps the person's files apart
        {tmp.filePath(u"usr/bin/"_s), true, ProgramFolders::Layout::Installed, tmp.filePath(u"usr/share/quellvantar"_s), cfg},
        {tmp.filePath(u"portabel/bin"_s), true, ProgramFolders::Layout::Portable, tmp.filePath(u"portabel/bin"_s),
         tmp.filePath(u"portabel/bin"_s)},
        {tmp.filePath(u"portabel/bin"_s), false, ProgramFolders::Layout::PortableReadOnly,
         tmp.filePath(u"portabel/bin"_s), cfg},
    };
    for (const Case &f : faelle) {
        const ProgramFolders o = ProgramFolders::decide(f.exe, f.writable, cfg);
        EXPECT_EQ(o.layout(), f.layout) << f.exe.toStdString();
        EXPECT_EQ(o.shippedFolder(), f.shipped) << f.exe.toStdString();
        EXPECT_EQ(o.personalFolder(), f.personal) << f.exe.toStdString();
    }
}

TEST(ProgramFolders, UserConfigFolderFollowsXdgConfigHome)
{
    const QByteArray alt = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir tmp;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.path()));
    EXPECT_EQ(ProgramFolders::userConfigFolder(), tmp.filePath(u"Quellvantar"_s));
    if (alt.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", alt);
}

TEST_F(InstalledLayout, PersonsFilesGoToTheConfigFolderAndShippedOnesStayUntouched)
{
    Application app(ProgramFolders::decide(bin, false, config), messages, chooser, clock);
    EXPECT_EQ(app.programmOrdner(), share);
    EXPECT_EQ(app.EinstellungenPfad(), config + u"/QuellvantarIni.ini"_s);
    EXPECT_EQ(app.KundePfad(), config + u"/Kunde.cfg"_s);
    EXPECT_EQ(app.KundenDatenPfad(), config + u"/KundenDaten.cfg"_s);
    EXPECT_EQ(app.DemoKundePfad(), share + u"/DemoKunde.cfg"_s);
    EXPECT_EQ(app.kundenDateien().kunde, app.KundePfad());
    EXPECT_EQ(app.BPRKonfigPfad(), config + u"/BPRKonfig.cfg"_s);
    EXPECT_EQ(app.ConfigPfad(), share + u"/QuellvantarConfig.cfg"_s);

    app.IniDateienOeffnen(); // makes the configuration folder
    EXPECT_TRUE(app.EinstellungenNichtSpeicherbar().isEmpty()) << app.EinstellungenNichtSpeicherbar().toStdString();
    ASSERT_TRUE(app.EinstellungenIni().writeInteger(u"Init"_s, u"ModusIndex"_s, 1));
    EXPECT_EQ(readFile(config + u"/QuellvantarIni.ini"_s), "[Init]\r\nModusIndex=1\r\n");

    // The maker's first change of the configuration makes their copy; the shipped file stays.
    EXPECT_EQ(app.ConfigIni().readString(u"Init"_s, u"Website"_s), u"ausgeliefert");
    ASSERT_TRUE(app.ConfigIni().writeString(u"Init"_s, u"Website"_s, u"geaendert"_s));
    EXPECT_EQ(readFile(share + u"/QuellvantarConfig.cfg"_s), "[Init]\r\nWebsite=ausgeliefert\r\n");
    EXPECT_EQ(readFile(config + u"/QuellvantarConfig.cfg"_s), "[Init]\r\nWebsite=geaendert\r\n");
    EXPECT_EQ(app.ConfigPfad(), config + u"/QuellvantarConfig.cfg"_s);

    // The copy takes precedence at the next start.
    Application neu(ProgramFolders::decide(bin, false, config), messages, chooser, clock);
    EXPECT_EQ(neu.ConfigPfad(), config + u"/QuellvantarConfig.cfg"_s);
    neu.IniDateienOeffnen();
    EXPECT_EQ(neu.ConfigIni().readString(u"Init"_s, u"Website"_s), u"geaendert");

    // Likewise the format database, copied when it is first to be changed.
    EXPECT_EQ(app.FormatDatenbankPfad(), share + u"/BPRdb.sqlite"_s);
    const Result<QString> zumAendern = app.FormatDatenbankZumAendern();
    ASSERT_TRUE(zumAendern.ok()) << zumAendern.error().toStdString();
    EXPECT_EQ(*zumAendern, config + u"/BPRdb.sqlite"_s);
    EXPECT_EQ(readFile(*zumAendern), "datenbank");
    EXPECT_EQ(app.FormatDatenbankPfad(), *zumAendern);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(InstalledLayout, MissingConfigurationIsNamedWhereItIsShipped)
{
    QFile::remove(share + u"/QuellvantarConfig.cfg"_s);
    Application app(ProgramFolders::decide(bin, false, config), messages, chooser, clock);
    app.IniDateienOeffnen();
    EXPECT_EQ(app.ConfigPfad(), share + u"/QuellvantarConfig.cfg"_s);
}

TEST_F(InstalledLayout, AConfigFolderThatCannotBeMadeIsSaidOnce)
{
    writeFile(tmp.filePath(u"config"_s), "a file where the folder should be");
    Application app(ProgramFolders::decide(bin, false, config), messages, chooser, clock);
    app.IniDateienOeffnen();
    EXPECT_EQ(app.EinstellungenNichtSpeicherbar(),
              u"Der Ordner \""_s + config + u"\" für die Einstellungen ist schreibgeschützt.\r"
                                            u"Einstellungen werden in dieser Sitzung nicht gespeichert."_s);
}
