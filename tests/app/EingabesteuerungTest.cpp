#include "app/Eingabesteuerung.h"

#include "app/Texte.h"
#include "contour/U_Geraden_Strecken.h"
#include "order/TAuftrag.h"
#include "workspace/Arbeitsflaeche.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

// A 600 x 450 template with the isocentre at its centre and 3 pixels per millimetre, so the
// minimum point distance is 2 pixels. The mapping has one device pixel per image pixel.
struct Fixture
{
    TAuftrag auftrag;
    Arbeitsflaeche a{auftrag};
    Eingabesteuerung e{a};

    Fixture()
    {
        auftrag.Vorlage = QImage(600, 450, QImage::Format_RGB32);
        auftrag.Vorlage.fill(Qt::white);
        auftrag.IsozentrumGesetzt = true;
        a.AblaufStatus = ablauf::Bild | ablauf::Isozentrum | ablauf::Massstab | ablauf::Auftragsart;
        auftrag.Auftragsart = TAuftragsart::Photonen;
        auftrag.Massstab.MassstabAbstandSetzen(100);
        a.MassstabPunktSetzen(1, {-150, 0});
        a.MassstabPunktSetzen(2, {150, 0});
    }
    Abbildung mapping() const { return a.abbildung(); }
    QPoint device(QPoint arbeit) const { return mapping().arbeitZuGeraet(QPointF(arbeit)).toPoint(); }

    EingabeAntwort press(QPoint arbeit, MausTaste taste = MausTaste::Links)
    {
        return e.MausGedrueckt(mapping(), device(arbeit), taste, false, false);
    }
    EingabeAntwort move(QPoint arbeit) { return e.MausBewegt(mapping(), device(arbeit), false, false); }
    EingabeAntwort click(QPoint arbeit, MausTaste taste = MausTaste::Links)
    {
        EingabeAntwort antwort = press(arbeit, taste);
        e.MausLosgelassen();
        return antwort;
    }
    const TKontur &contour(int n) const { return auftrag.Konturen.Kontur(n); }
};

} // namespace

TEST(Eingabesteuerung, WholeContourInputWithARefusedCrossing)
{
    Fixture f;
    const EingabeAntwort start = f.e.KonturStarten();
    EXPECT_TRUE(f.e.laeuft(Eingabeart::Kontur));
    EXPECT_TRUE(f.e.konturEingabeLaeuft());
    EXPECT_EQ(start.konturKnopfText, texte::eingabeBeenden());
    EXPECT_EQ(start.bedienung, false);
    EXPECT_EQ(start.zeiger, Qt::CrossCursor);
    EXPECT_EQ(start.konturListeOffen, true);
    EXPECT_EQ(start.hilfe, EingabeAntwort::Hilfe::Kontext);
    EXPECT_EQ(start.hilfeTitel, texte::konturHilfeTitel());
    EXPECT_TRUE(start.ablaufAktualisieren);
    EXPECT_TRUE(f.a.AblaufStatus & ablauf::Kontur);

    for (const QPoint p : {QPoint(0, 0), QPoint(90, 0), QPoint(90, 90), QPoint(0, 90)}) {
        const EingabeAntwort antwort = f.click(p);
        EXPECT_TRUE(antwort.meldungen.isEmpty());
        EXPECT_TRUE(antwort.neuZeichnen);
    }
    ASSERT_EQ(f.auftrag.Konturen.Anzahl(), 1);
    EXPECT_EQ(f.contour(1).Anzahl(), 4);
    EXPECT_EQ(f.contour(1).Punkt(2), QPoint(90, 90));

    // back across the first edge: refused with its message, and the press is over
    const EingabeAntwort kreuzung = f.press(QPoint(45, -45));
    EXPECT_EQ(kreuzung.meldungen, QList<KonturErgebnis>{KonturErgebnis::Ueberschneidung});
    EXPECT_FALSE(f.e.mausGedrueckt());
    EXPECT_EQ(f.contour(1).Anzahl(), 4);
    f.e.MausLosgelassen();

    // the rubber band runs from the last point to the mouse
    const EingabeAntwort band = f.move(QPoint(-20, 50));
    EXPECT_TRUE(band.gummibandNeuZeichnen);
    EXPECT_EQ(f.e.gummiband().konturLinieVon, QPoint(0, 90));
    EXPECT_EQ(f.e.LetzteMausPos(), QPoint(-20, 50));

    EXPECT_TRUE(f.click(QPoint(-45, 45)).meldungen.isEmpty());
    EXPECT_EQ(f.contour(1).Anzahl(), 5);

    // a right click closes, the next one ends the input
    const EingabeAntwort schliessen = f.click(QPoint(0, 0), MausTaste::Rechts);
    EXPECT_TRUE(f.contour(1).IstGeschlossen());
    EXPECT_TRUE(schliessen.meldungen.isEmpty());
    EXPECT_FALSE(istGesetzt(f.e.LetzteMausPos()));
    EXPECT_TRUE(f.e.laeuft(Eingabeart::Kontur));

    const EingabeAntwort ende = f.click(QPoint(0, 0), MausTaste::Rechts);
    EXPECT_TRUE(f.e.laeuft(Eingabeart::Keine));
    EXPECT_EQ(ende.konturKnopfText, QStringLiteral("Konturen"));
    EXPECT_EQ(ende.bedienung, true);
    EXPECT_EQ(ende.konturListeOffen, false);
    EXPECT_EQ(ende.zeiger, Qt::ArrowCursor);
    EXPECT_EQ(ende.hilfe, EingabeAntwort::Hilfe::Modus);
    ASSERT_TRUE(ende.knopfGedrueckt);
    EXPECT_EQ(*ende.knopfGedrueckt, std::make_pair(Eingabeart::Kontur, false));
    EXPECT_TRUE(ende.geaendert);
    EXPECT_TRUE(ende.rahmenPruefen);
    EXPECT_TRUE(ende.ablaufAktualisieren);
    EXPECT_EQ(f.auftrag.Konturen.Anzahl(), 1);
    EXPECT_EQ(f.contour(1).Anzahl(), 6);
}

TEST(Eingabesteuerung, ElectronOrderEndsWithApertures)
{
    Fixture f;
    f.auftrag.Auftragsart = TAuftragsart::Elektronen;
    f.e.KonturStarten();
    // no contour at all: a right click ends at once
    EXPECT_EQ(f.click(QPoint(0, 0), MausTaste::Rechts).konturKnopfText, QStringLiteral("Aperturen"));
    EXPECT_FALSE(f.e.konturEingabeLaeuft());
}

TEST(Eingabesteuerung, EndingWithAnOpenContourWaitsUntilItIsClosed)
{
    Fixture f;
    f.e.KonturStarten();
    for (const QPoint p : {QPoint(0, 0), QPoint(40, 0)})
        f.click(p);
    // two points cannot be closed: the message, and the input goes on
    const EingabeAntwort zuWenig = f.e.KonturSchliessen();
    EXPECT_EQ(zuWenig.meldungen, QList<KonturErgebnis>{KonturErgebnis::ZuWenigePunkte});
    const EingabeAntwort offen = f.e.KonturBeenden();
    EXPECT_TRUE(f.e.konturEingabeLaeuft());
    EXPECT_FALSE(offen.bedienung);
    EXPECT_TRUE(offen.ablaufAktualisieren);

    f.click(QPoint(40, 40));
    EXPECT_TRUE(f.e.KonturSchliessen().meldungen.isEmpty());
    EXPECT_EQ(f.e.KonturBeenden().bedienung, true);
    EXPECT_FALSE(f.e.konturEingabeLaeuft());
}

TEST(Eingabesteuerung, ARightClickThatWouldCrossLeavesTheContourOpen)
{
    Fixture f;
    f.e.KonturStarten();
    for (const QPoint p : {QPoint(0, 0), QPoint(90, 0), QPoint(0, 90), QPoint(90, 90)})
        EXPECT_TRUE(f.click(p).meldungen.isEmpty());
    const EingabeAntwort schliessen = f.click(QPoint(0, 0), MausTaste::Rechts);
    EXPECT_EQ(schliessen.meldungen, QList<KonturErgebnis>{KonturErgebnis::SchliessenUeberschneidung});
    EXPECT_FALSE(f.contour(1).IstGeschlossen());
    EXPECT_EQ(f.contour(1).Anzahl(), 4);
    EXPECT_TRUE(f.e.konturEingabeLaeuft());
    // undoing the last point gives a triangle that closes
    f.e.Rueckgaengig();
    EXPECT_TRUE(f.click(QPoint(0, 0), MausTaste::Rechts).meldungen.isEmpty());
    EXPECT_TRUE(f.contour(1).IstGeschlossen());
}

// A message shown on a press takes the release: the press must end with it, or moving the
// mouse afterwards would go on tracing (and say the message again at every move).
TEST(Eingabesteuerung, AMessageOnAPressEndsThePress)
{
    struct Case
    {
        const char *name;
        int konturen; // closed triangles traced before
        bool offenesViereck;
        QPoint druck;
        KonturErgebnis meldung;
    };
    const Case faelle[] = {
        {"crossing point", 0, true, QPoint(45, -45), KonturErgebnis::Ueberschneidung},
        {"twelfth contour", 11, false, QPoint(0, -80), KonturErgebnis::KonturenGrenzeErreicht},
    };
    for (const Case &fall : faelle) {
        SCOPED_TRACE(fall.name);
        Fixture f;
        f.e.KonturStarten();
        for (int n = 0; n < fall.konturen; ++n) {
            const int x = -150 + n * 25;
            for (const QPoint p : {QPoint(x, 0), QPoint(x + 15, 0), QPoint(x, 20)})
                f.click(p);
            f.click(QPoint(x, 0), MausTaste::Rechts);
        }
        if (fall.offenesViereck)
            for (const QPoint p : {QPoint(0, 0), QPoint(90, 0), QPoint(90, 90), QPoint(0, 90)})
                f.click(p);
        const int konturen = f.auftrag.Konturen.Anzahl();
        const int punkte = f.auftrag.Konturen.AktuelleKontur().Anzahl();

        EXPECT_EQ(f.press(fall.druck).meldungen, QList<KonturErgebnis>{fall.meldung});
        EXPECT_FALSE(f.e.mausGedrueckt());
        // the release went to the message box; the mouse moves on over the workspace
        for (int i = 1; i <= 10; ++i) {
            const EingabeAntwort zug = f.move(fall.druck + QPoint(-10 * i, 10 * i));
            EXPECT_TRUE(zug.meldungen.isEmpty());
        }
        EXPECT_EQ(f.auftrag.Konturen.Anzahl(), konturen);
        EXPECT_EQ(f.auftrag.Konturen.AktuelleKontur().Anzahl(), punkte);
    }
}

TEST(Eingabesteuerung, DragTracesWhileTheButtonIsDown)
{
    Fixture f;
    f.e.KonturStarten();
    f.press(QPoint(-100, 0));
    for (int x = -99; x <= 0; ++x)
        f.move(QPoint(x, 0));
    const int gezogen = f.contour(1).Anzahl();
    EXPECT_GT(gezogen, 5);
    for (int i = 1; i < gezogen; ++i)
        EXPECT_GT(Abstand(f.contour(1).Punkt(i - 1), f.contour(1).Punkt(i)), f.auftrag.Konturen.MinPunktAbstand());
    f.e.MausLosgelassen();
    f.move(QPoint(0, 60));
    EXPECT_EQ(f.contour(1).Anzahl(), gezogen) << "moving without the button adds nothing";
}

TEST(Eingabesteuerung, TwoClickInputsAndTheIsocentre)
{
    Fixture f;
    // scale: the second click, held horizontal by Shift, ends the input
    f.e.MassstabStarten();
    EXPECT_TRUE(f.e.laeuft(Eingabeart::Massstab));
    f.click(QPoint(-100, 20));
    const EingabeAntwort zweiter = f.e.MausGedrueckt(f.mapping(), f.device(QPoint(120, 63)), MausTaste::Rechts, true, false);
    EXPECT_EQ(f.auftrag.Massstab.MassstabPunkt2, QPoint(120, 20));
    EXPECT_TRUE(f.e.laeuft(Eingabeart::Keine));
    EXPECT_EQ(zweiter.bedienung, true);
    EXPECT_EQ(*zweiter.knopfGedrueckt, std::make_pair(Eingabeart::Massstab, false));

    // field: the workflow waits for the second corner
    f.e.FeldStarten();
    f.press(QPoint(-50, -50));
    EXPECT_FALSE(f.e.MausLosgelassen().ablaufAktualisieren);
    f.press(QPoint(50, 50));
    EXPECT_TRUE(f.e.MausLosgelassen().ablaufAktualisieren);
    EXPECT_TRUE(f.a.AblaufStatus & ablauf::Feld);
    EXPECT_EQ(f.auftrag.FeldEcke2, QPoint(50, 50));

    // isocentre: starting clears scale, field and contours; any button sets it
    const EingabeAntwort start = f.e.IsozentrumStarten();
    EXPECT_TRUE(start.einschubrichtungZuruecksetzen);
    EXPECT_FALSE(f.a.MassstabGesetzt());
    EXPECT_FALSE(istGesetzt(f.auftrag.FeldEcke1));
    EXPECT_FALSE(f.auftrag.IsozentrumGesetzt);
    const QPoint seite = f.mapping().geraetZuSeite(QPointF(f.device(QPoint(30, 40))));
    const EingabeAntwort gesetzt = f.click(QPoint(30, 40), MausTaste::Rechts);
    EXPECT_TRUE(f.auftrag.IsozentrumGesetzt);
    EXPECT_EQ(f.auftrag.Isozentrum, seite);
    EXPECT_EQ(gesetzt.bedienung, true);
    EXPECT_TRUE(f.e.laeuft(Eingabeart::Keine));
}

namespace {

// Two closed squares beside each other: contour 1 left of the isocentre, contour 2 right of it.
void twoSquares(TKonturen &k)
{
    for (const int x : {-100, 40}) {
        ASSERT_EQ(k.NeueKontur(), KonturErgebnis::Angenommen);
        for (const QPoint p : {QPoint(x, 0), QPoint(x + 60, 0), QPoint(x + 60, 60), QPoint(x, 60)})
            ASSERT_EQ(k.AktuelleKontur().PunktHinzufuegen(p, false), KonturErgebnis::Angenommen);
        ASSERT_EQ(k.AktuelleKontur().Schliessen(), KonturErgebnis::Angenommen);
    }
}

} // namespace

TEST(Eingabesteuerung, MoveModeSelectsStepsDragsAndCancelRestoresEveryContour)
{
    Fixture f;
    TKonturen &k = f.auftrag.Konturen;
    twoSquares(k);
    const TKonturen vorher = k;

    const EingabeAntwort start = f.e.KonturmodusStarten(Konturmodus::Verschieben);
    EXPECT_EQ(f.e.konturmodus(), Konturmodus::Verschieben);
    EXPECT_EQ(f.e.laufend(), Eingabeart::Auswahl);
    EXPECT_EQ(start.konturmodus, Konturmodus::Verschieben);
    EXPECT_EQ(start.bedienung, false);
    EXPECT_EQ(start.hilfeTitel, QStringLiteral("Verschieben"));
    EXPECT_TRUE(k.Kontur(1).Markiert() && k.Kontur(2).Markiert());

    // 5 mm to the right at 3 pixels per millimetre; a release keeps the lock as it is
    EXPECT_TRUE(f.e.KonturenSchieben(Schrittrichtung::Rechts, 5).neuZeichnen);
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(-85, 0));
    EXPECT_EQ(k.Kontur(2).Punkt(0), QPoint(55, 0));

    // a click inside contour 2 deselects it; dragging moves only contour 1
    f.press(QPoint(80, 30));
    EXPECT_FALSE(k.Kontur(2).Markiert());
    f.move(QPoint(83, 20));
    EXPECT_FALSE(f.e.MausLosgelassen().ablaufAktualisieren);
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(-82, -10));
    EXPECT_EQ(k.Kontur(2).Punkt(0), QPoint(55, 0));
    EXPECT_TRUE(f.e.KonturenSchieben(Schrittrichtung::Oben, 1).neuZeichnen);
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(-82, -7));

    // a right click deselects all: the arrows change nothing
    f.click(QPoint(0, 0), MausTaste::Rechts);
    EXPECT_FALSE(k.IrgendeineMarkiert());
    EXPECT_FALSE(f.e.KonturenSchieben(Schrittrichtung::Links, 5).neuZeichnen);

    // cancel: both contours back, the moved-then-deselected one too; nothing changed
    const EingabeAntwort ende = f.e.KonturmodusBeenden(false);
    EXPECT_EQ(ende.konturmodus, Konturmodus::Aus);
    EXPECT_EQ(ende.bedienung, true);
    EXPECT_TRUE(ende.ablaufAktualisieren);
    EXPECT_EQ(ende.hilfe, EingabeAntwort::Hilfe::Modus);
    EXPECT_FALSE(ende.geaendert);
    EXPECT_EQ(f.e.laufend(), Eingabeart::Keine);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(k.Kontur(n).Punkte(), vorher.Kontur(n).Punkte());
        EXPECT_FALSE(k.Kontur(n).Markiert());
    }
}

TEST(Eingabesteuerung, TakingOverAMoveMarksTheOrderChanged)
{
    struct Case
    {
        const char *name;
        int mm;
        double pixelProMM;
        bool geaendert;
    };
    const Case faelle[] = {
        {"moved", 10, 3.0, true},
        {"a step of 0 mm", 0, 3.0, false},
        {"no scale", 10, 0.0, false},
    };
    for (const Case &fall : faelle) {
        SCOPED_TRACE(fall.name);
        Fixture f;
        if (fall.pixelProMM == 0.0)
            f.auftrag.Massstab.PunkteZuruecksetzen();
        twoSquares(f.auftrag.Konturen);
        f.e.KonturmodusStarten(Konturmodus::Verschieben);
        f.e.KonturenSchieben(Schrittrichtung::Rechts, fall.mm);
        const EingabeAntwort ende = f.e.KonturmodusBeenden(true);
        EXPECT_EQ(ende.geaendert, fall.geaendert);
        EXPECT_EQ(f.contour(1).Punkt(0), QPoint(-100 + int(fall.mm * fall.pixelProMM), 0));
        EXPECT_FALSE(f.auftrag.Konturen.IrgendeineMarkiert());
    }
}

TEST(Eingabesteuerung, RotateModeTurnsExactlyAndDoesNotDrag)
{
    Fixture f;
    TKonturen &k = f.auftrag.Konturen;
    ASSERT_EQ(k.NeueKontur(), KonturErgebnis::Angenommen);
    for (const QPoint p : {QPoint(100, 0), QPoint(100, 50), QPoint(60, 80)})
        k.AktuelleKontur().PunktHinzufuegen(p, false);
    k.AktuelleKontur().Schliessen();

    // moved first, then the rotate mode: the move mode ends and keeps its change
    f.e.KonturmodusStarten(Konturmodus::Verschieben);
    f.e.KonturenSchieben(Schrittrichtung::Rechts, 0);
    const EingabeAntwort wechsel = f.e.KonturmodusStarten(Konturmodus::Drehen);
    EXPECT_EQ(wechsel.konturmodus, Konturmodus::Drehen);
    EXPECT_EQ(wechsel.hilfeTitel, QStringLiteral("Drehen"));
    EXPECT_TRUE(k.Kontur(1).Markiert());

    f.e.KonturenDrehen(90, true);
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(0, -100));
    EXPECT_EQ(k.Kontur(1).Punkt(3), QPoint(0, -100)) << "the closing point turns with the first";
    f.e.KonturenDrehen(90, false);
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(100, 0));
    EXPECT_EQ(k.Kontur(1).Punkt(2), QPoint(60, 80));

    // a drag selects by its press but moves nothing in the rotate mode
    f.press(QPoint(0, 0));
    f.move(QPoint(30, 30));
    f.e.MausLosgelassen();
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(100, 0));

    f.e.KonturenDrehen(45, true);
    f.e.KonturenDrehen(45, true);
    EXPECT_EQ(k.Kontur(1).Punkt(0), QPoint(0, -100));
    EXPECT_TRUE(f.e.KonturmodusBeenden(true).geaendert);
    EXPECT_EQ(f.e.KonturmodusBeenden(true).konturmodus, std::nullopt) << "nothing left to end";
}
