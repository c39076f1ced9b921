#include "app/Application.h"
#include "app/StartRegeln.h"
#include "base/SystemClock.h"
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

IniFile iniWith(const char *text)
{
    IniFile ini{QString()};
    ini.parse(text);
    return ini;
}

} // namespace

TEST(StartRegeln, ModusIndexOnly0To3Count)
{
    const struct
    {
        const char *ini;
        int bisher;
        int erwartet;
    } faelle[] = {
        {"[Init]\nModusIndex=0\n", 2, 0},  {"[Init]\nModusIndex=3\n", 0, 3},
        {"[init]\nmodusindex= 2 \n", 0, 2}, {"[Init]\nModusIndex=7\n", 0, 0},
        {"[Init]\nModusIndex=4\n", 1, 1},  {"[Init]\nModusIndex=-1\n", 0, 0},
        {"[Init]\nModusIndex=zwei\n", 1, 1}, {"[Init]\nModusIndex=\n", 0, 0},
        {"", 0, 0},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(ModusIndexLesen(iniWith(f.ini), f.bisher), f.erwartet) << f.ini;
}

TEST(StartRegeln, EinschubrichtungExactAndCaseSensitive)
{
    const struct
    {
        const char *ini;
        int bisher;
        int erwartet;
    } faelle[] = {
        {"[Init]\nEinschubrichtung=Links\n", 2, 1},   {"[Init]\nEinschubrichtung=Rechts\n", 1, 2},
        {"[Init]\nEinschubrichtung=Oben\n", 1, 3},    {"[Init]\nEinschubrichtung=Unten\n", 1, 4},
        {"[Init]\nEinschubrichtung= Oben \n", 1, 3}, // values are trimmed when read
        {"[Init]\nEinschubrichtung=links\n", 4, 4},   {"[Init]\nEinschubrichtung=RECHTS\n", 1, 1},
        {"[Init]\nEinschubrichtung=Obenrum\n", 1, 1}, {"[Init]\nEinschubrichtung=\n", 3, 3},
        {"", 1, 2}, // missing key: the default "Rechts"
    };
    for (const auto &f : faelle)
        EXPECT_EQ(int(EinschubrichtungLesen(iniWith(f.ini), TEinschubrichtung(f.bisher))), f.erwartet) << f.ini;
}

TEST(StartRegeln, MessageTexts)
{
    EXPECT_EQ(ConfigFehltMeldung(QStringLiteral("/opt/qv/QuellvantarConfig.cfg")),
              QStringLiteral("\"/opt/qv/QuellvantarConfig.cfg\" nicht gefunden.\r"
                             "Ohne diese Datei kann das Quellvantar nicht gestartet werden"));
    EXPECT_EQ(LaeuftBereitsMeldung(), QStringLiteral("Quellvantar l\u00e4uft bereits => nur einmal starten m\u00f6glich!"));
    EXPECT_EQ(BeendenMitAenderungenFrage(),
              QStringLiteral("Alle \u00c4nderungen gehen verloren!\rWollen Sie die Anwendung wirklich beenden?"));
}

TEST(Application, FilesBesideTheProgramFolderOnly)
{
    test::TempProgramFolder folder;
    folder.write(QStringLiteral("QuellvantarIni.ini"), "[Init]\r\nModusIndex=2\r\n");
    folder.write(QStringLiteral("QuellvantarConfig.cfg"), "[Init]\r\nWebsite=www.zarn.example\r\n");
    test::ScriptedMessages messages;
    test::FakeFileChooser chooser;
    SystemClock clock;

    Application app(folder.path() + QStringLiteral("/"), messages, chooser, clock);
    EXPECT_EQ(app.KundePfad(), folder.file(QStringLiteral("Kunde.cfg")));
    EXPECT_EQ(app.DemoKundePfad(), folder.file(QStringLiteral("DemoKunde.cfg")));
    EXPECT_EQ(app.ConfigPfad(), folder.file(QStringLiteral("QuellvantarConfig.cfg")));
    EXPECT_EQ(app.KundenDatenPfad(), folder.file(QStringLiteral("KundenDaten.cfg")));
    EXPECT_EQ(app.EinstellungenPfad(), folder.file(QStringLiteral("QuellvantarIni.ini")));

    EXPECT_FALSE(app.iniDateienOffen());
    app.IniDateienOeffnen();
    ASSERT_TRUE(app.iniDateienOffen());
    EXPECT_EQ(app.EinstellungenIni().readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), 0), 2);
    EXPECT_EQ(app.ConfigIni().readString(QStringLiteral("init"), QStringLiteral("website")), u"www.zarn.example");
    // A missing file reads as empty and is only made by the first write.
    EXPECT_EQ(app.KundenDatenIni().readString(QStringLiteral("Kunde"), QStringLiteral("Name"), QStringLiteral("-")),
              u"-");
    ASSERT_TRUE(app.KundenDatenIni().writeString(QStringLiteral("Kunde"), QStringLiteral("Name"), QStringLiteral("Ä")));
    EXPECT_EQ(folder.read(QStringLiteral("KundenDaten.cfg")), "[Kunde]\r\nName=\xc4\r\n");

    app.IniDateienSchliessen();
    EXPECT_FALSE(app.iniDateienOffen());
    EXPECT_TRUE(messages.shown().isEmpty());
}
