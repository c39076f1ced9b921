#include "app/StartAblauf.h"

#include "base/IniFile.h"
#include "support/CompleteCustomer.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <QList>

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;
using namespace Qt::StringLiterals;
using Start = StartAblauf::Start;

namespace {

// The windows as the start-up sees them: scripted answers, recorded calls.
class WindowDouble final : public StartFenster
{
public:
    QList<ErsterStartWahl> ersterStart;    // answers of the first-start dialog, in turn
    bool einstellungenVollstaendig = true; // the settings dialog leaves complete data
    int assistentWahl = 0;

    int ersterStartGefragt = 0;
    int einstellungenGezeigt = 0;
    QList<int> assistentGefragt; // the mode it was opened on
    QList<int> modusGesetzt;

    ErsterStartWahl ErsterStartFragen() override
    {
        ++ersterStartGefragt;
        return ersterStart.isEmpty() ? ErsterStartWahl::Abgebrochen : ersterStart.takeFirst();
    }
    bool KundenEinstellungenZeigen() override
    {
        ++einstellungenGezeigt;
        return einstellungenVollstaendig;
    }
    int StartAssistentFragen(int modus) override
    {
        assistentGefragt << modus;
        return assistentWahl;
    }
    bool ModusSetzen(int modus) override
    {
        modusGesetzt << modus;
        return true;
    }
};

TKundenDaten demoCustomer()
{
    TKundenDaten k = completeCustomer();
    k.Vertragspartner.Name = u"Demo"_s;
    return k;
}

// A program folder with the chosen customer files and settings, and the start-up on it.
struct Rig
{
    explicit Rig(bool kunde, bool vollstaendig = true, bool demo = true, const QByteArray &ini = {})
    {
        if (kunde) {
            TKundenDaten k = completeCustomer();
            if (!vollstaendig) {
                k.Abteilungen[0].AnP[0].EMail.clear();
            }
            EXPECT_TRUE(k.SpeichereDatei(dateien.kunde).ok());
        }
        if (demo) {
            EXPECT_TRUE(demoCustomer().SpeichereDatei(dateien.demoKunde).ok());
        }
        einstellungen = std::make_unique<IniFile>(folder.write(u"QuellvantarIni.ini"_s, ini));
        EXPECT_TRUE(daten.Laden(dateien).ok());
        ablauf = std::make_unique<StartAblauf>(fenster, daten, dateien, *einstellungen, messages);
    }

    TempProgramFolder folder;
    KundenDateien dateien = KundenDateien::imOrdner(folder.path());
    std::unique_ptr<IniFile> einstellungen;
    ScriptedMessages messages;
    WindowDouble fenster;
    TKundenDaten daten;
    std::unique_ptr<StartAblauf> ablauf;
};

} // namespace

TEST(StartAblauf, ErsterStart)
{
    struct Case
    {
        const char *name;
        QList<ErsterStartWahl> wahl;
        bool einstellungenVollstaendig;
        bool demoDatei;
        Start erwartet;
        int fragen;
        int einstellungen;
        bool demoModus;
    };
    using W = ErsterStartWahl;
    const Case faelle[] = {
        {"demo", {W::Demo}, true, true, Start::Demo, 1, 0, true},
        {"configure", {W::Konfigurieren}, true, true, Start::Konfiguriert, 1, 1, false},
        {"configure, then end", {W::Konfigurieren}, false, true, Start::Abbruch, 1, 1, false},
        {"cancel", {W::Abgebrochen}, true, true, Start::Abbruch, 1, 0, false},
        // Without the demonstration data the dialog comes again.
        {"demo missing, then configure", {W::Demo, W::Konfigurieren}, true, false, Start::Konfiguriert, 2, 1, false},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.name);
        Rig u(/*kunde=*/false, true, f.demoDatei);
        ASSERT_TRUE(u.daten.ErsterStart);
        u.fenster.ersterStart = f.wahl;
        u.fenster.einstellungenVollstaendig = f.einstellungenVollstaendig;
        EXPECT_EQ(u.ablauf->Starten(), f.erwartet);
        EXPECT_EQ(u.fenster.ersterStartGefragt, f.fragen);
        EXPECT_EQ(u.fenster.einstellungenGezeigt, f.einstellungen);
        EXPECT_EQ(u.ablauf->DemoModus(), f.demoModus);
        EXPECT_EQ(u.daten.Demo, f.demoModus);
        EXPECT_EQ(u.messages.shown().size(), f.demoDatei ? 0 : 1);
        if (f.demoModus) {
            EXPECT_EQ(u.daten.Vertragspartner.Name, u"Demo"_s);
        }
    }
}

TEST(StartAblauf, IncompleteCustomerDataLeadsToTheSettings)
{
    struct Case
    {
        const char *name;
        bool vollstaendig;
        bool einstellungenVollstaendig;
        Start erwartet;
    };
    const Case faelle[] = {
        {"complete", true, true, Start::Normal},
        {"incomplete, completed", false, true, Start::Normal},
        {"incomplete, end chosen", false, false, Start::Abbruch},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.name);
        Rig u(/*kunde=*/true, f.vollstaendig);
        u.fenster.einstellungenVollstaendig = f.einstellungenVollstaendig;
        EXPECT_EQ(u.ablauf->Starten(), f.erwartet);
        EXPECT_EQ(u.fenster.ersterStartGefragt, 0);
        EXPECT_EQ(u.fenster.einstellungenGezeigt, f.vollstaendig ? 0 : 1);
        EXPECT_EQ(u.messages.texts(), f.vollstaendig ? QStringList() : QStringList{StartAblauf::UnvollstaendigMeldung()});
        if (!f.vollstaendig) {
            EXPECT_EQ(u.messages.shown().first().kind, Messages::Kind::Information);
        }
    }
}

TEST(StartAblauf, AssistantChoosesTheModeOfTheNewOrder)
{
    struct Case
    {
        const char *name;
        QByteArray ini;
        bool kundenModus;
        int wahl;
        QList<int> gefragt;
        int modus;
    };
    const Case faelle[] = {
        {"chosen mode", "", true, 2, {3}, 2},
        {"cancelled: image mode", "", true, kAssistentAbgebrochen, {3}, 0},
        {"switched off", "[Init]\r\nStartAssistent=0\r\n", true, 1, {}, 3},
        {"internal mode", "", false, 1, {}, 3},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.name);
        Rig u(/*kunde=*/true, true, true, f.ini);
        u.fenster.assistentWahl = f.wahl;
        EXPECT_TRUE(u.ablauf->NeuerAuftrag(f.kundenModus, 3));
        EXPECT_EQ(u.fenster.assistentGefragt, f.gefragt);
        EXPECT_EQ(u.fenster.modusGesetzt, QList<int>{f.modus});
    }
}

TEST(StartAblauf, NewOrderLoadsTheCustomerDataAfresh)
{
    Rig u(/*kunde=*/true);
    u.daten.Abteilungen[0].AnP[0].Name = u"ungespeichert"_s;
    u.daten.AusAuftrag = true;
    u.ablauf->NeuerAuftrag(true, 0);
    EXPECT_EQ(u.daten, completeCustomer());
}

TEST(StartAblauf, DemoModeStaysForEveryNewOrder)
{
    // With the assistant on and then off, every new order has the demonstration customer, so
    // saving stays disabled.
    Rig u(/*kunde=*/false);
    u.fenster.ersterStart = {ErsterStartWahl::Demo};
    ASSERT_EQ(u.ablauf->Starten(), Start::Demo);
    for (const bool assistent : {true, false}) {
        SCOPED_TRACE(assistent);
        StartAssistentSetzen(*u.einstellungen, assistent);
        u.daten = TKundenDaten();
        u.ablauf->NeuerAuftrag(true, 0);
        EXPECT_TRUE(u.daten.Demo);
        EXPECT_EQ(u.daten.Vertragspartner.Name, u"Demo"_s);
    }
    EXPECT_EQ(u.fenster.assistentGefragt.size(), 1);

    // The demonstration file gone while the program runs: the message, and saving stays off.
    ASSERT_TRUE(QFile::remove(u.dateien.demoKunde));
    u.ablauf->NeuerAuftrag(true, 0);
    EXPECT_TRUE(u.daten.Demo);
    EXPECT_EQ(u.messages.shown().size(), 1);
    EXPECT_EQ(u.messages.shown().first().kind, Messages::Kind::Error);
}
