#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheZeichnen.h"
#include "workspace/FFAAnzeige.h"
#include "workspace/StatusTexte.h"

#include "config/TKundenDaten.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace qv;

namespace {

struct Fixture
{
    TAuftrag auftrag;
    Arbeitsflaeche a{auftrag};
    TKundenDaten kunde;

    Fixture()
    {
        kunde.LadeStandard();
        kunde.AktuelleAbteilung()->Beschl[0].FBA = QStringLiteral("60");
        auftrag.Vorlage = QImage(200, 100, QImage::Format_RGB32);
        auftrag.Vorlage.fill(Qt::white);
        auftrag.Auftragsart = TAuftragsart::Photonen;
    }
    void scaleOf3PixelsPerMm()
    {
        auftrag.Massstab.MassstabAbstandSetzen(100);
        a.MassstabPunktSetzen(1, {0, 0});
        a.MassstabPunktSetzen(2, {300, 0});
    }
    // Device point of a workspace point with one device pixel per image pixel.
    QPoint device(QPoint arbeit) const { return a.abbildung().arbeitZuGeraet(arbeit).toPoint(); }
    StatusTexte status(QPoint arbeit) { return StatusAnzeigen(device(arbeit), a, a.abbildung(), kunde); }
};

} // namespace

TEST(StatusAnzeigen, CentimetresInTheThreePlanes)
{
    Fixture f;
    f.scaleOf3PixelsPerMm();
    StatusTexte t = f.status({30, 0});
    EXPECT_EQ(t.panel0, u" FBA [60 cm] : (0,6 | 0) cm");
    EXPECT_EQ(t.panel1, u" FIA [100 cm] : (1 | 0) cm");
    EXPECT_EQ(t.panel2, u" FFA [100 cm] : (1 | 0) cm");
    EXPECT_EQ(t.panel3, u"kein Bestrahlungsfeld angegeben");

    f.kunde.FFA = 50;
    t = f.status({30, 0});
    EXPECT_EQ(t.panel1, u" FIA [100 cm] : (2 | 0) cm");
    EXPECT_EQ(t.panel2, u" FFA [50 cm] : (1 | 0) cm");

    // Electron order: cut-out plane at the EFBA (95: 9.5 mm rounds to 10).
    f.kunde.FFA = 100;
    f.auftrag.Auftragsart = TAuftragsart::Elektronen;
    t = f.status({30, -15});
    EXPECT_EQ(t.panel0, u" EFBA [95 cm] : (1 | -0,5) cm");
    EXPECT_EQ(t.panel2, u" FFA [100 cm] : (1 | -0,5) cm");
}

TEST(StatusAnzeigen, ShowsAnUnreadableEfbaAs95AndLeavesTheCustomerDataAlone)
{
    Fixture f;
    f.scaleOf3PixelsPerMm();
    f.auftrag.Auftragsart = TAuftragsart::Elektronen;
    TBeschl *b = f.kunde.AktuelleAbteilung() ? f.kunde.AktuelleAbteilung()->AktuellerBeschl() : nullptr;
    ASSERT_TRUE(b);
    b->EFBA = QStringLiteral("x");
    EXPECT_EQ(f.status({30, -15}).panel0, u" EFBA [95 cm] : (1 | -0,5) cm");
    EXPECT_EQ(b->EFBA, u"x");
}

TEST(StatusAnzeigen, FieldSizeWhileDraggingAndWhenSet)
{
    Fixture f;
    f.scaleOf3PixelsPerMm();
    f.auftrag.FeldEcke1 = {-30, 30};
    EXPECT_EQ(f.status({30, 0}).panel3, u"Feldgröße (in 100) (2 cm * 1 cm)");
    f.auftrag.FeldEcke2 = {60, -45};
    EXPECT_EQ(f.status({30, 0}).panel3, u"Feldgröße (in 100) (3 cm * 2,5 cm)");
}

TEST(StatusAnzeigen, WithoutScaleOrPointOnlyTheFirstTwoPanels)
{
    Fixture f;
    StatusTexte t = f.status({30, 0});
    EXPECT_EQ(t.panel0, u"kein Maßstab vorhanden");
    EXPECT_EQ(t.panel1, u"kein Bestrahlungsfeld angegeben");
    EXPECT_FALSE(t.panel2);
    EXPECT_FALSE(t.panel3);
    f.scaleOf3PixelsPerMm();
    t = StatusAnzeigen(KeinPunkt, f.a, f.a.abbildung(), f.kunde);
    EXPECT_EQ(t.panel0, u"kein Maßstab vorhanden");
    EXPECT_FALSE(t.panel2);
}

TEST(FFAAnzeige, FlatOnlyWhenRoundedTo100)
{
    struct Case { double ffa; QString text; bool hervor; };
    const Case faelle[] = {
        {100.4, QStringLiteral("100,4"), false},
        {100.6, QStringLiteral("100,6"), true},
        {100, QStringLiteral("100"), false},
        {99.5, QStringLiteral("99,5"), false},  // Round(99.5) = 100
        {100.5, QStringLiteral("100,5"), false}, // Round(100.5) = 100
        {50, QStringLiteral("50"), true},
    };
    for (const Case &f : faelle) {
        const FFAAnzeige a = FFAAnzeigeFuer(f.ffa);
        EXPECT_EQ(a.text, f.text);
        EXPECT_EQ(a.hervorgehoben, f.hervor) << f.ffa;
    }
}

TEST(MassstabText, ShownOnlyInModeZeroWithScaleAndLayerOn)
{
    Fixture f;
    EXPECT_EQ(MassstabText(f.a), u"xx cm");
    f.auftrag.Massstab.MassstabAbstandSetzen(125);
    f.a.MassstabPunktSetzen(1, {0, 0});
    f.a.MassstabPunktSetzen(2, {300, 0});
    EXPECT_EQ(MassstabText(f.a), u"12,5 cm");
    f.a.anzeige.Scale = false;
    EXPECT_EQ(MassstabText(f.a), u"xx cm");
    f.a.anzeige.Scale = true;
    f.a.Modus = 1;
    EXPECT_EQ(MassstabText(f.a), u"xx cm");
}

TEST(AuftragsBild, IsocentreCrossAtImagePixelOfThePagePoint)
{
    Fixture f;
    f.a.IsozentrumSetzen({10, -20});
    EXPECT_EQ(f.a.AblaufStatus, 3);
    const QImage b = AuftragsBild(f.a, true).value();
    ASSERT_EQ(b.size(), QSize(200, 100));
    const QRgb gruen = qRgb(0, 128, 0);
    // Contour point (0, 0) of the workspace is image pixel (W div 2 + 10, H div 2 + 20).
    EXPECT_EQ(b.pixel(110, 70), gruen);
    EXPECT_EQ(b.pixel(110, 0), gruen);
    EXPECT_EQ(b.pixel(0, 70), gruen);
    EXPECT_EQ(b.pixel(111, 71), qRgb(255, 255, 255));
}

TEST(AuftragsBild, WithoutTemplateMessageOrBlankImage)
{
    Fixture f;
    f.auftrag.Vorlage = QImage();
    const Result<QImage> ohne = AuftragsBild(f.a, true);
    ASSERT_FALSE(ohne);
    EXPECT_EQ(ohne.error(), u"Kein Aufnahmebild vorhanden...");
    const Result<QImage> ohneGewollt = AuftragsBild(f.a, false);
    ASSERT_TRUE(ohneGewollt);
    EXPECT_TRUE(ohneGewollt->isNull());

    Fixture g;
    g.auftrag.Vorlage.fill(Qt::black);
    g.a.Invertiert = true;
    const QImage b = AuftragsBild(g.a, false).value(); // blank image, then inverted
    EXPECT_EQ(b.pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(AuftragsBild(g.a, true)->pixel(5, 5), qRgb(255, 255, 255));
}

TEST(FeldZeichnen, DrawnTwiceLeavesNoTrace)
{
    QImage bild(120, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            bild.setPixel(x, y, qRgb(x * 2, y * 3, 77));
    const QImage vorher = bild;
    QPainter p(&bild);
    p.setTransform(Abbildung(bild.size(), bild.size(), {0, 0}).arbeitZuGeraetTransform());
    FeldZeichnen(p, {-20, 15}, {30, -25});
    p.end();
    EXPECT_NE(bild, vorher);
    // The inside is tinted: NOT(colour XOR pixel).
    const QRgb alt = vorher.pixel(65, 45);
    EXPECT_EQ(bild.pixel(65, 45), qRgb(255 - (166 ^ qRed(alt)), 255 - (202 ^ qGreen(alt)), 255 - (240 ^ qBlue(alt))));
    p.begin(&bild);
    p.setTransform(Abbildung(bild.size(), bild.size(), {0, 0}).arbeitZuGeraetTransform());
    FeldZeichnen(p, {-20, 15}, {30, -25});
    p.end();
    EXPECT_EQ(bild, vorher);
}

TEST(MassstabZeichnen, LineWithTicksAtBothEndsAndHalfWay)
{
    QImage bild(100, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setPen(QPen(Qt::black, 1));
    MassstabZeichnen({10, 50}, {90, 50}, p, 15);
    p.end();
    // Horizontal bar: ticks are vertical, 15 pixels either side of y = 50.
    for (int x : {10, 50, 90}) {
        EXPECT_EQ(bild.pixel(x, 35), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(bild.pixel(x, 65), qRgb(0, 0, 0)) << x;
    }
    EXPECT_EQ(bild.pixel(30, 50), qRgb(0, 0, 0));
    EXPECT_EQ(bild.pixel(30, 40), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(50, 30), qRgb(255, 255, 255));
}

TEST(VorlageSkaliert, InvertedOnlyInModeZero)
{
    QImage v(40, 20, QImage::Format_RGB32);
    v.fill(qRgb(10, 20, 30));
    EXPECT_EQ(VorlageSkaliert(v, {80, 40}, 0, true).pixel(40, 20), qRgb(245, 235, 225));
    EXPECT_EQ(VorlageSkaliert(v, {80, 40}, 1, true).pixel(40, 20), qRgb(10, 20, 30));
    EXPECT_EQ(VorlageSkaliert(v, {80, 40}, 0, false).size(), QSize(80, 40));
}

TEST(Arbeitsflaeche, SecondScalePointHandsMinimumDistanceToContours)
{
    Fixture f;
    f.auftrag.Massstab.MassstabAbstandSetzen(50);
    f.a.MassstabPunktSetzen(1, {0, 0});
    f.a.MassstabPunktSetzen(2, {150, 0});
    EXPECT_EQ(f.auftrag.Konturen.MinPunktAbstand(), 2);
    f.a.UeberlagerungenLoeschen();
    EXPECT_FALSE(f.a.MassstabGesetzt());
    EXPECT_EQ(f.auftrag.Konturen.Anzahl(), 0);
    EXPECT_FALSE(istGesetzt(f.auftrag.FeldEcke1));
    f.a.Modus = 1;
    f.a.AnzeigeZuruecksetzen();
    EXPECT_FALSE(f.a.anzeige.Scale);
    EXPECT_TRUE(f.a.anzeige.Konturen);
}
