#include "app/KundenDatenMeldungen.h"
#include "config/KundenEinstellungen.h"

#include "support/CompleteCustomer.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qv;
using qv::KundenEinstellungen;

namespace {

TKundenDaten complete() { return qv::test::completeCustomer(); }

} // namespace

TEST(KundenEinstellungen, FbaDisplayAppendsCommaZeroOnlyToShortWholeNumbers)
{
    const struct
    {
        const char16_t *gespeichert;
        const char16_t *angezeigt;
    } faelle[] = {
        {u"45", u"45,0"}, {u"7", u"7,0"}, {u"100", u"100"}, {u"7,5", u"7,5"},
        {u"62,5", u"62,5"}, {u"", u""},   {u"ab", u"ab"},   {u"4 ", u"4 "},
    };
    for (const auto &f : faelle) {
        const QString anzeige = KundenEinstellungen::FbaAnzeige(QString::fromUtf16(f.gespeichert));
        EXPECT_EQ(anzeige, QString::fromUtf16(f.angezeigt)) << QString::fromUtf16(f.gespeichert).toStdString();
        // What is shown is written back unchanged when the group is left: shown again, it stays.
        EXPECT_EQ(KundenEinstellungen::FbaAnzeige(anzeige), anzeige);
    }
}

TEST(KundenEinstellungen, PruefTextNamesEveryMissingRequiredField)
{
    ASSERT_EQ(complete().PruefText(), QString());
    const QString beschl = QStringLiteral("- die Angaben des Beschleunigers sind nicht komplett.");
    const QString vertrag = QStringLiteral("- die Angaben des Vertragspartners sind nicht komplett.");
    const QString anp = QStringLiteral("- die Angaben des ersten Ansprechpartners sind nicht komplett.");
    const QString fba = QStringLiteral("- der FBA muß zwischen 30 und 90 cm liegen. (Beschleunigerkonfiguration)");
    const QString liefer = QStringLiteral("- die Angaben der Lieferanschrift sind nicht komplett.");
    const QString rechnung = QStringLiteral("- die Angaben der Rechnungsanschrift sind nicht komplett.");
    const QString abhol = QStringLiteral("- die Angaben der Abholadresse sind nicht komplett.");
    const struct
    {
        const char *feld;
        std::function<void(TKundenDaten &)> leeren;
        QString text;
    } faelle[] = {
        {"KBez", [](TKundenDaten &k) { k.Abteilungen[0].Beschl[0].KBez = QStringLiteral("  "); }, beschl},
        {"Typ", [](TKundenDaten &k) { k.Abteilungen[0].Beschl[0].Typ.clear(); }, beschl},
        {"FBA leer", [](TKundenDaten &k) { k.Abteilungen[0].Beschl[0].FBA.clear(); }, beschl + u'\r' + fba},
        {"FBA 29,9", [](TKundenDaten &k) { k.Abteilungen[0].Beschl[0].FBA = QStringLiteral("29,9"); }, fba},
        {"FBA 90,5", [](TKundenDaten &k) { k.Abteilungen[0].Beschl[0].FBA = QStringLiteral("90,5"); }, fba},
        {"Vertrag Institut", [](TKundenDaten &k) { k.VertragsAdresse.Institut.clear(); }, vertrag},
        {"Vertrag Strasse", [](TKundenDaten &k) { k.VertragsAdresse.Strasse.clear(); }, vertrag},
        {"Vertrag PLZ", [](TKundenDaten &k) { k.VertragsAdresse.PLZ.clear(); }, vertrag},
        {"Vertrag Ort", [](TKundenDaten &k) { k.VertragsAdresse.Ort.clear(); }, vertrag},
        {"AnP Name", [](TKundenDaten &k) { k.Abteilungen[0].AnP[0].Name.clear(); }, anp},
        {"AnP Telefon", [](TKundenDaten &k) { k.Abteilungen[0].AnP[0].Telefon.clear(); }, anp},
        {"AnP EMail", [](TKundenDaten &k) { k.Abteilungen[0].AnP[0].EMail.clear(); }, anp},
        {"Liefer Ort", [](TKundenDaten &k) { k.Abteilungen[0].Lieferanschrift.Ort.clear(); }, liefer},
        {"Rechnung PLZ", [](TKundenDaten &k) { k.Abteilungen[0].Rechnungsanschrift.PLZ.clear(); }, rechnung},
        {"Abhol Institut", [](TKundenDaten &k) { k.Abteilungen[0].Abholadresse.Institut.clear(); }, abhol},
    };
    for (const auto &f : faelle) {
        TKundenDaten k = complete();
        f.leeren(k);
        EXPECT_EQ(k.PruefText(), f.text) << f.feld;
    }
    // The department name shows in the message around the collected text.
    TKundenDaten k = complete();
    k.Abteilungen[0].AnP[0].EMail.clear();
    qv::test::ScriptedMessages meldungen;
    EXPECT_FALSE(qv::KundenDatenPruefen(k, meldungen));
    ASSERT_EQ(meldungen.shown().size(), 1);
    EXPECT_TRUE(meldungen.shown()[0].text.contains(QStringLiteral("der Abteilung \"Radioonkologie\" : \r") + anp));
    EXPECT_TRUE(meldungen.shown()[0].text.endsWith(u"hellblau hinterlegten Feldern erforderlich.)"));
}

TEST(KundenEinstellungen, WritingBackCutsAndSetsChanged)
{
    TKundenDaten k = complete();
    KundenEinstellungen e(k);
    EXPECT_FALSE(e.geaendert());

    const QString lang(60, u'x');
    e.VertragspartnerSchreiben({QStringLiteral("Frau"), QStringLiteral("Dr."), QStringLiteral("Muster, Eva"),
                                lang, QStringLiteral("Strahlenth."), QStringLiteral("Weg 1"),
                                QStringLiteral("7613199"), QStringLiteral("Köln")});
    EXPECT_TRUE(e.geaendert());
    EXPECT_EQ(k.Vertragspartner.Geschlecht, QStringLiteral("Frau"));
    EXPECT_EQ(k.Vertragspartner.Titel, QStringLiteral("Dr."));
    EXPECT_EQ(k.VertragsAdresse.AnP, QStringLiteral("Frau Dr. Muster, Eva"));
    EXPECT_EQ(k.VertragsAdresse.Institut, QString(50, u'x'));
    EXPECT_EQ(k.VertragsAdresse.PLZ, QStringLiteral("76131"));
    EXPECT_EQ(k.VertragsAdresse.Ort, QStringLiteral("Köln"));

    // A title that is not in the list reaches the write-back as the combo's empty text.
    EXPECT_EQ(KundenEinstellungen::ListenIndex(KundenEinstellungen::TitelListe, QStringLiteral("Dr. med.")), -1);
    e.VertragspartnerSchreiben({QStringLiteral("Herr"), QString(), QStringLiteral("Muster, Max"), {}, {}, {}, {}, {}});
    EXPECT_EQ(k.Vertragspartner.Titel, QString());
    EXPECT_EQ(k.VertragsAdresse.AnP, QStringLiteral("Herr  Muster, Max"));

    TAnP a{QStringLiteral("Frau"), QStringLiteral("Prof."), lang, QStringLiteral("0721"), QString(),
           QStringLiteral("a@b.de")};
    ASSERT_TRUE(e.AnPSchreiben(a));
    EXPECT_EQ(k.Abteilungen[0].AnP[0].Name, QString(50, u'x'));
    EXPECT_EQ(k.Abteilungen[0].AnP[0].Telefon, QStringLiteral("0721"));

    TBeschl b{QStringLiteral("Elekta"), QStringLiteral("Synergy"), QStringLiteral("2"), QStringLiteral("62,5"),
              QStringLiteral("100"), QStringLiteral("9,5 cm und mehr")};
    ASSERT_TRUE(e.BeschlSchreiben(b));
    const TBeschl &s = k.Abteilungen[0].Beschl[0];
    EXPECT_EQ(s.FBA, QStringLiteral("62,5"));
    EXPECT_EQ(s.EFBA, QStringLiteral("100"));
    EXPECT_EQ(s.Gusshoehe, QStringLiteral("9,5 cm und"));

    TAdresse ad{QStringLiteral("Frau Dr. Muster, Eva"), QStringLiteral("Klinik"), QString(), QStringLiteral("Weg 2"),
                QStringLiteral("123456"), QStringLiteral("Bonn")};
    ASSERT_TRUE(e.AdresseSchreiben(KundenEinstellungen::Tab::Abholadresse, ad));
    EXPECT_EQ(k.Abteilungen[0].Abholadresse.PLZ, QStringLiteral("12345"));
    EXPECT_EQ(k.Abteilungen[0].Abholadresse.Institut, QStringLiteral("Klinik"));
    EXPECT_EQ(k.Abteilungen[0].Lieferanschrift.Institut, QStringLiteral("I"));

    ASSERT_TRUE(e.LieferartSchreiben(QStringLiteral("vor 9 Uhr"), KundenEinstellungen::HerkunftListe()[1],
                                     KundenEinstellungen::HerkunftListe()[3]));
    EXPECT_EQ(k.Abteilungen[0].Transport, QStringLiteral("vor 9 Uhr"));
    EXPECT_EQ(k.Abteilungen[0].Herkunft, QStringLiteral("ich liefere vorab an Zarn e.K."));

    // Without a current contact or accelerator nothing is written.
    k.Abteilungen[0].AktAnP = 7;
    k.Abteilungen[0].AktBeschl = -1;
    const TKundenDaten vorher = k;
    EXPECT_FALSE(e.AnPSchreiben(a));
    EXPECT_FALSE(e.BeschlSchreiben(b));
    EXPECT_EQ(k, vorher);
}

TEST(KundenEinstellungen, DataOfAnOrderStayUnchanged)
{
    TKundenDaten k = complete();
    k.AusAuftrag = true;
    const TKundenDaten vorher = k;
    KundenEinstellungen e(k);
    EXPECT_EQ(e.modus(), KundenEinstellungen::Modus::AusAuftrag);
    e.VertragspartnerSchreiben({QStringLiteral("Frau"), {}, {}, {}, {}, {}, {}, {}});
    EXPECT_FALSE(e.AnPSchreiben({}));
    EXPECT_EQ(e.FfaSchreiben(QStringLiteral("80")), KundenEinstellungen::Ffa::Gesetzt);
    e.NeueAbteilung();
    e.LoescheAnP();
    EXPECT_EQ(k, vorher);
    EXPECT_FALSE(e.geaendert());

    // Demo data take the edits in memory.
    TKundenDaten demo = complete();
    demo.Demo = true;
    KundenEinstellungen d(demo);
    EXPECT_TRUE(d.lesemodus());
    d.VertragspartnerSchreiben({QStringLiteral("Frau"), {}, {}, {}, {}, {}, {}, {}});
    EXPECT_EQ(demo.Vertragspartner.Geschlecht, QStringLiteral("Frau"));
}

TEST(KundenEinstellungen, FfaPointBecomesCommaAndRange20To200)
{
    const struct
    {
        const char16_t *text;
        KundenEinstellungen::Ffa ergebnis;
        double ffa;
    } faelle[] = {
        {u"80.5", KundenEinstellungen::Ffa::Gesetzt, 80.5},
        {u"20", KundenEinstellungen::Ffa::Gesetzt, 20.0},
        {u"200,0", KundenEinstellungen::Ffa::Gesetzt, 200.0},
        {u"19,9", KundenEinstellungen::Ffa::AusserhalbBereich, 100.0},
        {u"200,1", KundenEinstellungen::Ffa::AusserhalbBereich, 100.0},
        {u"8.0.5", KundenEinstellungen::Ffa::KeineZahl, 100.0},
        {u"abc", KundenEinstellungen::Ffa::KeineZahl, 100.0},
        {u"", KundenEinstellungen::Ffa::KeineZahl, 100.0},
    };
    for (const auto &f : faelle) {
        TKundenDaten k = complete();
        KundenEinstellungen e(k);
        EXPECT_EQ(e.FfaSchreiben(QString::fromUtf16(f.text)), f.ergebnis) << QString::fromUtf16(f.text).toStdString();
        EXPECT_EQ(k.FFA, f.ffa);
    }
    EXPECT_EQ(KundenEinstellungen::FfaAnzeige(80.5), QStringLiteral("80,5"));
}

TEST(KundenEinstellungen, AtMostTenDepartmentsAndDeletingSelectsThePreviousOne)
{
    TKundenDaten k = complete();
    KundenEinstellungen e(k);
    while (k.Abteilungen.size() < 9)
        ASSERT_EQ(e.NeueAbteilung(), KundenEinstellungen::AbteilungNeu::Angelegt);
    EXPECT_EQ(e.NeueAbteilung(), KundenEinstellungen::AbteilungNeu::Angelegt);
    EXPECT_EQ(k.Abteilungen.size(), 10);
    EXPECT_EQ(k.AktAbteilung, 9);
    EXPECT_EQ(e.NeueAbteilung(), KundenEinstellungen::AbteilungNeu::ZehnErreicht);
    EXPECT_EQ(k.Abteilungen.size(), 10);

    e.WaehleAbteilung(4);
    const QString fuenfte = k.Abteilungen[5].Name;
    e.LoescheAbteilung();
    EXPECT_EQ(k.Abteilungen.size(), 9);
    EXPECT_EQ(k.AktAbteilung, 3);
    EXPECT_EQ(k.Abteilungen[4].Name, fuenfte);
    e.WaehleAbteilung(0);
    e.LoescheAbteilung();
    EXPECT_EQ(k.AktAbteilung, 0);

    // The last department deleted: one new default department is left.
    while (k.Abteilungen.size() > 1)
        e.LoescheAbteilung();
    e.LoescheAbteilung();
    ASSERT_EQ(k.Abteilungen.size(), 1);
    EXPECT_EQ(k.AktAbteilung, 0);

    EXPECT_TRUE(e.AbteilungsNameSchreiben(QString(55, u'a')));
    EXPECT_EQ(k.Abteilungen[0].Name.size(), 50);
}

TEST(KundenEinstellungen, DeletingAContactOrAcceleratorSelectsThePreviousOne)
{
    TKundenDaten k = complete();
    KundenEinstellungen e(k);
    TAbteilung &abt = k.Abteilungen[0];
    e.NeuerAnP();
    e.NeuerAnP();
    EXPECT_EQ(abt.AktAnP, 2);
    e.WaehleAnP(1);
    e.LoescheAnP();
    EXPECT_EQ(abt.AnP.size(), 2);
    EXPECT_EQ(abt.AktAnP, 0);
    e.LoescheAnP();
    e.LoescheAnP();
    // Deleting the last contact leaves one new default contact.
    ASSERT_EQ(abt.AnP.size(), 1);
    EXPECT_EQ(abt.AnP[0].Name, QStringLiteral("Mustermann, Max"));

    e.NeuerBeschl();
    EXPECT_EQ(abt.AktBeschl, 1);
    e.LoescheBeschl();
    EXPECT_EQ(abt.Beschl.size(), 1);
    EXPECT_EQ(abt.AktBeschl, 0);
    EXPECT_EQ(KundenEinstellungen::BeschlAnzeige({QStringLiteral(" Elekta"), QString(), QStringLiteral("Typ "), {}, {}, {}}),
              QStringLiteral("Elekta  Typ"));
}

TEST(KundenEinstellungen, AddresseeIsKeptWhenItIsNotListed)
{
    TKundenDaten k = complete();
    k.Vertragspartner.Geschlecht = QStringLiteral("Frau");
    k.Vertragspartner.Titel = QStringLiteral("Dr.");
    k.Vertragspartner.Name = QStringLiteral("Vertrag, Vera");
    int auswahl = -2;
    TAdresse ad;
    ad.AnP = QStringLiteral("Frau Dr. Vertrag, Vera");
    const QStringList liste = KundenEinstellungen::AdressatenListe(k, ad, &auswahl);
    EXPECT_EQ(liste, (QStringList{k.Abteilungen[0].AnP[0].AnzeigeName(), QStringLiteral("Frau Dr. Vertrag, Vera")}));
    EXPECT_EQ(auswahl, 1);

    ad.AnP = QStringLiteral("Herr Alt, Umbenannt");
    const QStringList mitAltem = KundenEinstellungen::AdressatenListe(k, ad, &auswahl);
    ASSERT_EQ(mitAltem.size(), 3);
    EXPECT_EQ(mitAltem[auswahl], ad.AnP);

    ad.AnP.clear();
    EXPECT_EQ(KundenEinstellungen::AdressatenListe(k, ad, &auswahl).size(), 2);
    EXPECT_EQ(auswahl, -1);
}

TEST(KundenEinstellungen, FolderGetsTheSeparator)
{
    EXPECT_EQ(KundenEinstellungen::MitVerzeichnisTrenner(QStringLiteral("/home/a/Auftraege")),
              QStringLiteral("/home/a/Auftraege/"));
    EXPECT_EQ(KundenEinstellungen::MitVerzeichnisTrenner(QStringLiteral("/home/a/")), QStringLiteral("/home/a/"));
    EXPECT_EQ(KundenEinstellungen::MitVerzeichnisTrenner(QStringLiteral("/")), QStringLiteral("/"));
}

TEST(KundenEinstellungen, CancelRestoresTheLoadedData)
{
    qv::test::TempProgramFolder ordner;
    const KundenDateien dateien = KundenDateien::imOrdner(ordner.path());
    qv::test::ScriptedMessages meldungen;
    ASSERT_TRUE(qv::KundenDatenSpeichern(complete(), dateien.kunde, meldungen));
    TKundenDaten k;
    ASSERT_TRUE(k.Laden(dateien).ok());
    const TKundenDaten geladen = k;
    KundenEinstellungen e(k);
    ASSERT_TRUE(e.SicherungLaden(dateien).ok());
    ASSERT_TRUE(e.AnPSchreiben({QStringLiteral("Frau"), {}, QStringLiteral("Neu, Nora"), {}, {}, {}}));
    e.NeueAbteilung();
    e.Wiederherstellen();
    EXPECT_EQ(k, geladen);
    EXPECT_FALSE(e.geaendert());
}
