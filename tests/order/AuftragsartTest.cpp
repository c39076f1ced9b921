#include "config/TKonfiguration.h"
#include "config/TKundenDaten.h"
#include "order/Auftragsart.h"
#include "order/TAuftrag.h"
#include "workspace/Arbeitsmodus.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

// An order at 1 pixel per millimetre whose aperture reaches x mm to the right and y mm up.
TAuftrag auftragMitApertur(int x, int y, TAuftragsart art = TAuftragsart::Elektronen, double ffa = 100)
{
    TAuftrag a;
    a.Auftragsart = art;
    a.Kundendaten.FFA = ffa;
    a.Massstab.MassstabPunkt1 = {0, 0};
    a.Massstab.MassstabPunkt2 = {10, 0};
    a.Massstab.PixelProMM = 1;
    if (x != 0 || y != 0) {
        a.Konturen.NeueKontur();
        a.Konturen.PunktHinzufuegen({0, 0});
        a.Konturen.PunktHinzufuegen({x, 0});
        a.Konturen.PunktHinzufuegen({0, y});
        a.Konturen.AktuelleKontur().Schliessen();
    }
    return a;
}

TKonfiguration configuration()
{
    TKonfiguration k;
    k.ElektronenBlenden = {u"Varian_T6"_s, kGeloescht, u"varian_klein"_s, u"Varian_kaputt"_s, u"Siemens_40 Rund"_s, u"Varian_T20"_s};
    k.ElektronenBlendenGroesse = {u"926,926"_s, u"1,1"_s, u"50,50"_s, u"abc"_s, u"400,400"_s, u"2000,1000"_s};
    k.Tragplatten = {u"Varian_298"_s, kGeloescht, u"Keine Tragplatte"_s, u"Siemens_356"_s};
    return k;
}

} // namespace

TEST(Auftragsart, HerstellerIsTheMakerTextUpToItsFirstBlank)
{
    EXPECT_EQ(Hersteller(u"Varian Medical Systems"_s), u"Varian"_s);
    EXPECT_EQ(Hersteller(u"Elekta"_s), u"Elekta"_s);
    EXPECT_EQ(Hersteller(QString()), QString());

    TKundenDaten k;
    k.NeueAbteilung();
    k.Abteilungen[0].NeuerBeschl();
    k.Abteilungen[0].Beschl[0].Beschleuniger = u"Siemens Primus"_s;
    k.AktAbteilung = 0;
    k.Abteilungen[0].AktBeschl = 0;
    EXPECT_EQ(Hersteller(k), u"Siemens"_s);
    // Indexes out of range (possible in an order file) give an empty prefix, no crash.
    k.Abteilungen[0].AktBeschl = 7;
    EXPECT_EQ(Hersteller(k), QString());
    k.AktAbteilung = -3;
    EXPECT_EQ(Hersteller(k), QString());
}

TEST(Auftragsart, ListsFollowThePrefixCaseSensitivelyAndNeverListRemovedEntries)
{
    const TKonfiguration k = configuration();
    const TRahmenListe varian = RahmenListeFuellen(k, u"Varian"_s);
    EXPECT_EQ(varian.Rahmen, (QStringList{u"Varian_T6"_s, u"Varian_kaputt"_s, u"Varian_T20"_s}));
    EXPECT_EQ(varian.BlendenGroessen, (QList<QPoint>{{926, 926}, {0, 0}, {2000, 1000}}));
    EXPECT_EQ(varian.Meldungen, QStringList{u"Die Blendengröße (Varian_kaputt) steht falsch im QuellvantarKonfigFile!"_s});

    const TRahmenListe alle = RahmenListeFuellen(k, QString());
    EXPECT_EQ(alle.Rahmen.size(), 5);
    EXPECT_FALSE(alle.Rahmen.contains(kGeloescht));
    EXPECT_EQ(alle.Rahmen.size(), alle.BlendenGroessen.size());

    EXPECT_TRUE(RahmenListeFuellen(k, u"Elekta"_s).Rahmen.isEmpty());

    EXPECT_EQ(TragplattenListe(k, u"Siemens"_s), (QStringList{u"Keine Tragplatte"_s, u"Siemens_356"_s}));
    EXPECT_EQ(TragplattenListe(k, QString()), (QStringList{u"Varian_298"_s, u"Keine Tragplatte"_s, u"Siemens_356"_s}));
}

TEST(Auftragsart, FrameSizeTexts)
{
    EXPECT_EQ(BlendenGroesseLesen(u"926,926"_s), QPoint(926, 926));
    EXPECT_EQ(BlendenGroesseLesen(u" 12 , 34 "_s), QPoint(12, 34));
    EXPECT_EQ(BlendenGroesseLesen(QString()), QPoint(10, 10)); // the default
    for (const QString &falsch : {u"926"_s, u"a,b"_s, u"12,5,5"_s, u"1.5,2"_s})
        EXPECT_FALSE(BlendenGroesseLesen(falsch)) << falsch.toStdString();
}

TEST(Auftragsart, FitCheck)
{
    const QPoint rahmen(926, 926);
    struct Case
    {
        const char *name;
        TAuftrag auftrag;
        std::optional<QPoint> groesse;
        bool passt;
    };
    const Case faelle[] = {
        {"photon order, nothing fits", auftragMitApertur(500, 500, TAuftragsart::Photonen), QPoint(10, 10), true},
        {"photon order without frame", auftragMitApertur(0, 0, TAuftragsart::Photonen), std::nullopt, true},
        {"kind not chosen counts as photons", auftragMitApertur(500, 500, TAuftragsart::NichtGewaehlt), std::nullopt, true},
        {"no contours fit every frame", auftragMitApertur(0, 0), QPoint(0, 0), true},
        {"46 mm in a 926 frame", auftragMitApertur(46, 10), rahmen, true},
        {"47 mm in a 926 frame", auftragMitApertur(47, 10), rahmen, false},
        {"47 mm up in a 926 frame", auftragMitApertur(10, 47), rahmen, false},
        {"FFA 50 halves the frame: 23 mm", auftragMitApertur(23, 0, TAuftragsart::Elektronen, 50), rahmen, true},
        {"FFA 50 halves the frame: 24 mm", auftragMitApertur(24, 0, TAuftragsart::Elektronen, 50), rahmen, false},
        {"electron order without a frame", auftragMitApertur(0, 0), std::nullopt, false},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(RahmenPasst(f.auftrag, f.groesse), f.passt) << f.name;
}

TEST(Auftragsart, BestFitUsesTheProjectedCheck)
{
    const QList<QPoint> groessen{{400, 400}, {926, 926}, {2000, 2000}};
    EXPECT_EQ(RahmenSuchen(auftragMitApertur(0, 0), groessen), 0);
    EXPECT_EQ(RahmenSuchen(auftragMitApertur(46, 0), groessen), 1);
    EXPECT_EQ(RahmenSuchen(auftragMitApertur(101, 0), groessen), -1);
    EXPECT_EQ(RahmenSuchen(auftragMitApertur(0, 0), {}), -1);
    // At FFA 50 the 926 frame holds 23 mm only: the best fit agrees with the fit check.
    const TAuftrag halb = auftragMitApertur(46, 0, TAuftragsart::Elektronen, 50);
    const int i = RahmenSuchen(halb, groessen);
    EXPECT_EQ(i, 2);
    EXPECT_TRUE(RahmenPasst(halb, groessen[i]));
    EXPECT_FALSE(RahmenPasst(halb, groessen[1]));
}

TEST(Auftragsart, FrameOverlay)
{
    TKonfiguration k = configuration();
    TAuftrag a = auftragMitApertur(47, 0);
    a.Vorlage = QImage(1400, 100, QImage::Format_RGB32);
    a.Massstab.PixelProMM = 3;

    auto u = RahmenUeberlagerung(a, k, u"Varian_T20"_s, ModusBildVorlage, true);
    ASSERT_TRUE(u);
    EXPECT_FALSE(u->Rund);
    EXPECT_EQ(u->Beschriftung, u"Varian_T20 (Max 200 x 100 mm)"_s);
    // 2000 × 3 / 10 = 600 pixels, c = 10 div 2.
    EXPECT_EQ(u->StiftBreite, 10);
    EXPECT_EQ(u->Ecke1, QPoint(-305, -155));
    EXPECT_EQ(u->Ecke2, QPoint(305, 155));
    EXPECT_TRUE(u->Passt);

    a.Kundendaten.FFA = 50;
    u = RahmenUeberlagerung(a, k, u"Siemens_40 Rund"_s, ModusBildVorlage, true);
    ASSERT_TRUE(u);
    EXPECT_TRUE(u->Rund);
    EXPECT_EQ(u->Beschriftung, u"Siemens_40 Rund (Max 40 mm durchmesser)"_s);
    EXPECT_EQ(u->Ecke2, QPoint(30 + 5, 30 + 5)); // 120 pixels at FFA 100, 60 at FFA 50
    EXPECT_FALSE(u->Passt);

    // Imports draw at 3 pixels per millimetre whatever the scale.
    u = RahmenUeberlagerung(a, k, u"Varian_T6"_s, ModusDICOM, true);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->Ecke2, QPoint(139 + 5, 139 + 5)); // Round(277.8) div 2

    EXPECT_FALSE(RahmenUeberlagerung(a, k, u"Varian_T6"_s, ModusBildVorlage, false));
    EXPECT_FALSE(RahmenUeberlagerung(a, k, u"unbekannt"_s, ModusBildVorlage, true));
    EXPECT_FALSE(RahmenUeberlagerung(a, k, QString(), ModusBildVorlage, true));
    a.Auftragsart = TAuftragsart::Photonen;
    EXPECT_FALSE(RahmenUeberlagerung(a, k, u"Varian_T6"_s, ModusBildVorlage, true));
}

TEST(Auftragsart, OriginPagesAndSettings)
{
    const QStringList texte = HerkunftTexte();
    EXPECT_EQ(HerkunftSeite(texte[0]), 0);
    EXPECT_EQ(HerkunftSeite(texte[1]), 2);
    EXPECT_EQ(HerkunftSeite(texte[2]), 1);
    EXPECT_EQ(HerkunftSeite(texte[3]), 3);
    EXPECT_EQ(HerkunftSeite(u"vom Kunden"_s), -1);
    for (int seite = 0; seite < 4; ++seite)
        EXPECT_EQ(HerkunftSeite(HerkunftDerSeite(seite)), seite);

    EXPECT_TRUE(IstSiemensRahmen(u"Siemens_10*10"_s));
    EXPECT_TRUE(IstSiemensRahmen(u"SIEMENS"_s));
    EXPECT_FALSE(IstSiemensRahmen(u"Siemen"_s));

    EXPECT_EQ(LetzteAuftragsart(u"TragplattenAuftrag"_s), TAuftragsart::Photonen);
    EXPECT_EQ(LetzteAuftragsart(u"RahmenAuftrag"_s), TAuftragsart::Elektronen);
    EXPECT_EQ(LetzteAuftragsart(u"irgendwas"_s), TAuftragsart::Elektronen);
}
