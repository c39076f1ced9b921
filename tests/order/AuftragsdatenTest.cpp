#include "base/DelphiDateTime.h"
#include "config/TKonfiguration.h"
#include "config/TKundenDaten.h"
#include "order/TAuftrag.h"
#include "order/TAuftragsdatenFelder.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kNow(QDate(2026, 3, 4), QTime(9, 8, 7));

struct Rig
{
    TAuftrag auftrag;
    TKonfiguration konfig;
    TAuftragsdatenEinstellungen einstellungen;
    TAuftragsdatenFelder felder;

    Rig()
    {
        TKundenDaten &k = auftrag.Kundendaten;
        k.VertragsAdresse = {u"Frau Dr. Weiß"_s, u"Klinikum Nord"_s, QString(), u"Hauptstr. 1"_s, u"12345"_s, u"Nordstadt"_s};
        k.NeueAbteilung();
        TAbteilung &a = k.Abteilungen[0];
        a.AnP = {TAnP{u"Herr"_s, u"Dr."_s, u"Muster, Max"_s, {}, {}, {}}, TAnP{}, TAnP{u"Frau"_s, {}, u"Beispiel, Eva"_s, {}, {}, {}}};
        a.AktAnP = 2;
        a.Beschl = {TBeschl{u"Varian Medical"_s, u"C1"_s, u"Clinac"_s, u"65,5"_s, u"100"_s, u"8,5 cm"_s}};
        a.AktBeschl = 0;
        a.Legierung = u"Kauf von Zarn e.K."_s;
        a.Transport = u" vor 10 Uhr "_s;
        k.AktAbteilung = 0;
        auftrag.Auftragsart = TAuftragsart::Photonen;
        konfig.EMailAdresse = u"auftrag@example.org"_s;
        konfig.Transport = {u"vor 9 Uhr"_s, u"vor 10 Uhr"_s};
        konfig.Tragplatten = {u"Varian_298"_s, u"Keine Tragplatte"_s, u"Siemens_356"_s, kGeloescht};
        konfig.ElektronenBlenden = {u"Varian_T6"_s, u"Varian_T10"_s, u"Elekta_6*6"_s};
        konfig.ElektronenBlendenGroesse = {u"926,926"_s, u"926,926"_s, u"926,926"_s};
        einstellungen.Tragplatte = u"Keine Tragplatte"_s;
        einstellungen.Elektronenblende = u"Varian_T10"_s;
        einstellungen.AktHerkunft = u"ich liefere vorab an Zarn e.K."_s;
    }

    void fillDefaults(bool kundenModus = true) { Vorbelegen(felder, auftrag, konfig, einstellungen, kundenModus, kNow); }
    TAbteilung &department() { return auftrag.Kundendaten.Abteilungen[0]; }
};

} // namespace

TEST(Auftragsdaten, VorbelegenFillsDefaultsFromCustomerConfigurationAndSettings)
{
    Rig u;
    u.fillDefaults();
    const TAuftragsdatenFelder &f = u.felder;
    EXPECT_EQ(f.Kunde, u"Frau Dr. Weiß\r\nKlinikum Nord\r\nHauptstr. 1\r\n12345 Nordstadt"_s);
    EXPECT_EQ(f.Beschleuniger, u"Varian Medical - C1 (Clinac)"_s);
    EXPECT_EQ(f.BearbeiterListe, (QStringList{u"Herr Dr. Muster, Max"_s, u"Frau  Beispiel, Eva"_s}));
    EXPECT_EQ(f.Bearbeiter, u"Frau  Beispiel, Eva"_s);
    EXPECT_EQ(f.FBA, u"65,5"_s);
    EXPECT_EQ(f.EFBA, u"100"_s);
    EXPECT_EQ(f.Gusshoehe, u"8,5 cm"_s);
    EXPECT_EQ(f.Legierung, u"Kauf von Zarn e.K."_s);
    EXPECT_EQ(f.Transport, u"vor 10 Uhr"_s);
    EXPECT_EQ(f.Herkunft, u"ich liefere vorab an Zarn e.K."_s);
    // The maker prefix ("Varian", not the full maker text) picks the trays; removed ones never.
    EXPECT_EQ(f.TragplatteRahmenListe, (QStringList{u"Varian_298"_s, u"Keine Tragplatte"_s, u"eigene Tragplatte"_s}));
    EXPECT_EQ(f.TragplatteRahmen, u"Keine Tragplatte"_s);
    EXPECT_EQ(f.Kollimatorwinkel, u"0"_s);
    EXPECT_TRUE(f.PatientenID.isEmpty());
    EXPECT_TRUE(f.OKAktiv);
    // A record that is not valid gets the date of now, also as the order time.
    EXPECT_EQ(f.Datum, u"04.03.2026 09:08:07"_s);
    EXPECT_EQ(u.auftrag.Auftragszeitpunkt, kNow);
    EXPECT_EQ(fromTDateTime(u.auftrag.Auftragsdaten.Datum), kNow);
}

TEST(Auftragsdaten, ElectronOrderListsTheFramesOfThePrefix)
{
    Rig u;
    u.auftrag.Auftragsart = TAuftragsart::Elektronen;
    u.fillDefaults();
    EXPECT_TRUE(u.felder.Elektronen);
    EXPECT_EQ(u.felder.TragplatteRahmenBeschriftung(), u"E-Rahmen"_s);
    EXPECT_EQ(u.felder.TragplatteRahmenListe, (QStringList{u"Varian_T6"_s, u"Varian_T10"_s}));
    EXPECT_EQ(u.felder.TragplatteRahmen, u"Varian_T10"_s);
    EXPECT_EQ(u.felder.FBA, u"100"_s);

    // No frame for the maker: an empty list, nothing selected.
    u.department().Beschl[0].Beschleuniger = u"GE Logiq"_s;
    u.fillDefaults();
    EXPECT_TRUE(u.felder.TragplatteRahmenListe.isEmpty());
    EXPECT_TRUE(u.felder.TragplatteRahmen.isEmpty());
}

TEST(Auftragsdaten, IndexesOutOfRangeGiveEmptyValues)
{
    Rig u;
    u.department().AktBeschl = 5;
    u.department().AktAnP = -1;
    u.fillDefaults();
    EXPECT_TRUE(u.felder.Beschleuniger.isEmpty());
    EXPECT_EQ(u.felder.Bearbeiter, u"Herr Dr. Muster, Max"_s); // the first contact
    EXPECT_FALSE(u.felder.OKAktiv);                              // no FBA
    u.auftrag.Kundendaten.AktAbteilung = 9;
    u.fillDefaults();
    EXPECT_TRUE(u.felder.BearbeiterListe.isEmpty());
    EXPECT_EQ(u.felder.TragplatteRahmenListe.size(), 4); // empty prefix: every tray and "eigene"
}

TEST(Auftragsdaten, FbaRangeIsStrict)
{
    struct Case
    {
        QString fba;
        bool ok;
    };
    for (const Case &f : {Case{u"30"_s, false}, Case{u"90"_s, false}, Case{u"30,1"_s, true}, Case{u"89,9"_s, true},
                          Case{u"65.5"_s, false}, Case{QString(), false}}) {
        Rig u;
        u.department().Beschl[0].FBA = f.fba;
        u.fillDefaults();
        EXPECT_EQ(u.felder.OKAktiv, f.ok) << f.fba.toStdString();
    }
    // Electron orders never test the FBA.
    Rig u;
    u.department().Beschl[0].FBA = u"90"_s;
    u.auftrag.Auftragsart = TAuftragsart::Elektronen;
    u.fillDefaults();
    EXPECT_TRUE(u.felder.OKAktiv);
}

TEST(Auftragsdaten, TakeOverStoresTheFieldsAndShowsThemAgain)
{
    Rig u;
    u.fillDefaults();
    u.felder.PatientenID = u"P-1"_s;
    u.felder.FBA = u"65.5"_s;
    u.felder.Gantrywinkel = u"180"_s;
    EXPECT_FALSE(Vollstaendig(u.auftrag));
    const TDatenUebernahme e = DatenUebernehmen(u.felder, u.auftrag);
    EXPECT_FALSE(e.DatumUnlesbar);
    EXPECT_FALSE(e.FBAFalsch);
    const TAuftragsdatenRec &r = u.auftrag.Auftragsdaten;
    EXPECT_TRUE(r.Gueltig);
    EXPECT_EQ(r.FBA, u"65,5"_s);
    EXPECT_EQ(r.Modus, u"Photonen (Blöcke)"_s);
    EXPECT_EQ(r.Gantrywinkel, u"180"_s);
    EXPECT_EQ(r.TragplatteRahmen, u"Keine Tragplatte"_s);
    EXPECT_EQ(fromTDateTime(r.Datum), kNow);
    EXPECT_TRUE(Vollstaendig(u.auftrag));

    // Reopening shows the stored record, patient ID kept; an unknown editor is added and locked.
    u.auftrag.Auftragsdaten.Bearbeiter = u"Herr Fremd"_s;
    u.fillDefaults();
    EXPECT_EQ(u.felder.PatientenID, u"P-1"_s);
    EXPECT_EQ(u.felder.Bearbeiter, u"Herr Fremd"_s);
    EXPECT_TRUE(u.felder.BearbeiterListe.contains(u"Herr Fremd"_s));
    EXPECT_TRUE(u.felder.BearbeiterGesperrt);

    // After the order type was confirmed again (record not valid) it starts empty.
    u.auftrag.Auftragsdaten.Gueltig = false;
    u.fillDefaults();
    EXPECT_TRUE(u.felder.PatientenID.isEmpty());
    EXPECT_FALSE(Vollstaendig(u.auftrag));
}

TEST(Auftragsdaten, TakeOverReportsWhatTheDialogMustShow)
{
    Rig u;
    u.fillDefaults();
    const double vorher = u.auftrag.Auftragsdaten.Datum;
    u.felder.Datum = u"4.3.26"_s;
    u.felder.FBA = u"90"_s;
    const TDatenUebernahme e = DatenUebernehmen(u.felder, u.auftrag);
    EXPECT_TRUE(e.DatumUnlesbar);
    EXPECT_EQ(u.auftrag.Auftragsdaten.Datum, vorher);
    EXPECT_TRUE(e.FBAFalsch);
    EXPECT_FALSE(u.felder.OKAktiv);
    EXPECT_TRUE(FBAFalschText().startsWith(u"Der FBA muß zwischen 30 und 90 cm liegen."_s));
}

TEST(Auftragsdaten, DatesKeepFourDigitYears)
{
    const QDateTime t(QDate(1999, 12, 31), QTime(23, 59, 58));
    EXPECT_EQ(DatumText(t), u"31.12.1999 23:59:58"_s);
    EXPECT_EQ(DatumLesen(DatumText(t)), t);
    EXPECT_EQ(DatumLesen(u"01.02.2030 00:00:00"_s)->date().year(), 2030);
    EXPECT_FALSE(DatumLesen(u"01.02.30"_s));
}

TEST(Auftragsdaten, ResetCodingAndKind)
{
    Rig u;
    u.fillDefaults();
    u.felder.PatientenID = u"P-1"_s;
    DatenUebernehmen(u.felder, u.auftrag);
    Zuruecksetzen(u.felder, u.auftrag);
    EXPECT_FALSE(u.auftrag.Auftragsdaten.Gueltig);
    EXPECT_TRUE(u.felder.PatientenID.isEmpty());

    CodierungSetzen(u.felder, u.auftrag, true, u"K7"_s);
    EXPECT_TRUE(u.felder.MitCodierung);
    EXPECT_EQ(u.auftrag.Auftragsdaten.Codierung, u"K7"_s);
    u.felder = {};
    u.fillDefaults(); // the coding chosen with the order type shows also for a record not yet valid
    EXPECT_TRUE(u.felder.MitCodierung);
    EXPECT_EQ(u.felder.Codierung, u"K7"_s);

    u.auftrag.Auftragsart = TAuftragsart::Elektronen;
    AuftragsartSetzen(u.felder, u.auftrag, u.konfig, u.einstellungen);
    EXPECT_EQ(u.auftrag.Auftragsdaten.Modus, u"Elektronen (Blenden)"_s);
    EXPECT_EQ(u.felder.TragplatteRahmen, u"Varian_T10"_s);
    u.auftrag.Auftragsart = TAuftragsart::NichtGewaehlt;
    AuftragsartSetzen(u.felder, u.auftrag, u.konfig, u.einstellungen);
    EXPECT_EQ(u.auftrag.Auftragsdaten.Modus, u"Photonen (Blöcke)"_s);
}

TEST(Auftragsdaten, ImportSetters)
{
    Rig u;
    u.fillDefaults();
    FBASetzen(u.felder, u.auftrag, 650);
    EXPECT_EQ(u.felder.FBA, u"65"_s);
    EXPECT_EQ(u.department().Beschl[0].FBA, u"65"_s);
    EXPECT_TRUE(u.felder.OKAktiv);
    FBASetzen(u.felder, u.auftrag, 955);
    EXPECT_EQ(u.felder.FBA, u"95,5"_s);
    EXPECT_FALSE(u.felder.OKAktiv);

    struct Casting
    {
        double mm;
        QString text;
    };
    for (const Casting &g : {Casting{80, u"8,0 cm"_s}, Casting{85, u"8,5 cm"_s}, Casting{100, QString()}, Casting{40, u"4,0 cm"_s}}) {
        GusshoeheSetzen(u.felder, g.mm);
        EXPECT_EQ(u.felder.Gusshoehe, g.text) << g.mm;
    }

    // Setters write what the typing limit and the leave-field check would refuse.
    GantrySetzen(u.felder, 180);
    KollimatorSetzen(u.felder, 90);
    EXPECT_EQ(u.felder.Gantrywinkel, u"180,00"_s);
    EXPECT_EQ(u.felder.Kollimatorwinkel, u"90,00"_s);
    EXPECT_EQ(WinkelText(1234.567), u"1,234,57"_s);
    EXPECT_EQ(WinkelText(-0.5), u"-0,50"_s);
}

TEST(Auftragsdaten, AngleCheckOnLeavingAField)
{
    for (const QString &gut : {u"0"_s, u"360"_s, u"90"_s})
        EXPECT_FALSE(WinkelPruefen(gut, true)) << gut.toStdString();
    for (const QString &schlecht : {u"361"_s, u"-1"_s, u"12,5"_s, QString(), u"abc"_s})
        EXPECT_TRUE(WinkelPruefen(schlecht, false)) << schlecht.toStdString();
    EXPECT_EQ(*WinkelPruefen(u"361"_s, true),
              u"Eingabe einer ganzen Zahl erforderlich.\rDer Kollimatorwinkel muß zwischen 0 und 360° liegen."_s);
    EXPECT_EQ(*WinkelPruefen(u"-1"_s, false),
              u"Eingabe einer ganzen Zahl erforderlich.\rDer Gantrywinkel muß zwischen 0 und 360° liegen."_s);
}

TEST(Auftragsdaten, OpenedOrdersAndTheMakersModeAreReadOnly)
{
    const TAuftragsdatenFreigabe neu = AuftragsdatenFreigabe(true, false);
    EXPECT_TRUE(neu.Bearbeitbar && neu.OKSichtbar && neu.Bearbeiter);
    const TAuftragsdatenFreigabe geoeffnet = AuftragsdatenFreigabe(true, true);
    EXPECT_FALSE(geoeffnet.Bearbeitbar || geoeffnet.OKSichtbar);
    EXPECT_TRUE(geoeffnet.Bearbeiter);
    const TAuftragsdatenFreigabe intern = AuftragsdatenFreigabe(false, false);
    EXPECT_FALSE(intern.Bearbeitbar || intern.OKSichtbar || intern.Bearbeiter);
}

// A new order preselects what the department stores, also a text the configuration does not
// list; the first entry only when nothing is stored.
TEST(Auftragsdaten, NewOrderPreselectsTheDepartmentsDeliveryOriginAndAlloy)
{
    struct Case
    {
        QString stored;
        QString shown;
    };
    for (const Case &c : {Case{u"am nächsten Werktag"_s, u"am nächsten Werktag"_s}, Case{u"vor 10 Uhr"_s, u"vor 10 Uhr"_s},
                          Case{QString(), u"vor 9 Uhr"_s}, Case{u"  "_s, u"vor 9 Uhr"_s}}) {
        Rig u;
        u.department().Transport = c.stored;
        u.fillDefaults();
        EXPECT_EQ(u.felder.Transport, c.shown) << c.stored.toStdString();
        EXPECT_TRUE(u.felder.TransportListe.contains(c.shown));
    }
    Rig u;
    u.department().Legierung = u"Sonderlegierung"_s;
    u.einstellungen.AktHerkunft = QString();
    u.fillDefaults();
    EXPECT_EQ(u.felder.Legierung, u"Sonderlegierung"_s);
    EXPECT_EQ(u.felder.Herkunft, u.felder.HerkunftListe.first());
}
