#include "config/TKonfiguration.h"
#include "order/ImportUebernahme.h"
#include "planimport/BPRDatei.h"
#include "planimport/BPRUebernahme.h"
#include "support/CompleteCustomer.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

TAuftrag rulerOrder()
{
    TAuftrag a;
    a.Kundendaten = test::completeCustomer(); // FBA "60"
    a.Massstab.MassstabAbstandSetzen(200);
    a.MassstabPunktSetzen(1, QPoint(-300, 0));
    a.MassstabPunktSetzen(2, QPoint(300, 0));
    a.IsozentrumGesetzt = true;
    a.Auftragsart = TAuftragsart::Photonen;
    return a;
}

BPRBeam beam(const QString &fba = QStringLiteral("65,4"))
{
    BPRBeam b;
    b.Position = 1;
    b.Nummer = 3;
    b.Gueltig = true;
    b.FBA = fba;
    b.FIA = QStringLiteral("100");
    b.Gantry = QStringLiteral("10,5");
    b.Kollimator = QStringLiteral("270");
    b.Blende = BPRFeld{-500, 700, 600, -400};
    b.Konturen = {{QPoint(0, 0), QPoint(1000, 0), QPoint(1000, 500)},
                  {QPoint(-100, -100), QPoint(100, -100), QPoint(0, 101)}};
    b.PatientenID = QStringLiteral("PAT-9");
    b.Zielvolumen = QStringLiteral("Mamma");
    b.Kommentar = QStringLiteral("Boost");
    return b;
}

ImportErgebnis takeOver(const BPRBeam &b)
{
    const TKonfiguration konfig;
    return BPRBeamUebernehmen(rulerOrder(), b, ImportKontext{konfig, {}, true, QDateTime(QDate(2026, 12, 10), QTime(17, 0))});
}

QList<QPoint> validPoints(const TKontur &k)
{
    return k.Punkte().mid(0, k.Letzter() + 1);
}

TEST(BPRUebernahme, ContoursJawsAndOrderDataFromTheBeam)
{
    const ImportErgebnis e = takeOver(beam());
    ASSERT_TRUE(e.Uebernommen) << e.Fehler.toStdString();
    EXPECT_TRUE(e.Hinweise.isEmpty()) << e.Hinweise.join(u'|').toStdString();
    const TAuftrag &a = e.Auftrag;
    ASSERT_EQ(a.Konturen.Anzahl(), 2);
    EXPECT_EQ(validPoints(a.Konturen.Kontur(1)),
              (QList<QPoint>{QPoint(0, 0), QPoint(300, 0), QPoint(300, 150), QPoint(0, 0)}));
    // 3 px/mm: 10.1 mm is 30.3 px, rounded to 30.
    EXPECT_EQ(validPoints(a.Konturen.Kontur(2)),
              (QList<QPoint>{QPoint(-30, -30), QPoint(30, -30), QPoint(0, 30), QPoint(-30, -30)}));
    EXPECT_EQ(a.FeldEcke1, QPoint(-150, 210));
    EXPECT_EQ(a.FeldEcke2, QPoint(180, -120));
    const TAuftragsdatenRec &r = a.Auftragsdaten;
    EXPECT_EQ(r.PatientenID, QStringLiteral("PAT-9"));
    EXPECT_EQ(r.Zielvolumen, QStringLiteral("Mamma"));
    EXPECT_EQ(r.KurzKommentar, QStringLiteral("Boost"));
    EXPECT_EQ(r.Gantrywinkel, QStringLiteral("10,50"));
    EXPECT_EQ(r.Kollimatorwinkel, QStringLiteral("270,00"));
    EXPECT_EQ(r.FBA, QStringLiteral("65,4"));
    EXPECT_TRUE(a.BPRGeladen);
    EXPECT_TRUE(a.Geaendert);
    EXPECT_FALSE(a.DICOMGeladen);
}

TEST(BPRUebernahme, TheFBAOfTheFileOnlyBetween30And90Cm)
{
    const struct
    {
        const char *datei;
        const char *fba;
    } faelle[] = {{"89,94", "89,9"}, {"89,96", "60"}, {"30,06", "30,1"}, {"30,04", "60"}, {"95", "60"}, {"0", "60"}, {"", "60"}};
    for (const auto &f : faelle) {
        const ImportErgebnis e = takeOver(beam(QString::fromUtf8(f.datei)));
        ASSERT_TRUE(e.Uebernommen);
        EXPECT_EQ(e.Auftrag.Kundendaten.AktuellerBeschl()->FBA, QString::fromUtf8(f.fba)) << f.datei;
        EXPECT_EQ(e.Hinweise.contains(FBANichtUebernommenText(false)), QByteArray(f.fba) == "60") << f.datei;
    }
}

TEST(BPRUebernahme, OnlyValidBeamsWithAContourOfThreePoints)
{
    BPRBeam b = beam();
    b.Gueltig = false;
    b.Meldungen = {QStringLiteral("Dateilesefehler")};
    ImportErgebnis e = takeOver(b);
    EXPECT_FALSE(e.Uebernommen);
    EXPECT_TRUE(e.Fehler.startsWith(u"Dateilesefehler")) << e.Fehler.toStdString();

    b = beam();
    b.Konturen = {{QPoint(0, 0), QPoint(10, 0)}};
    e = takeOver(b);
    EXPECT_FALSE(e.Uebernommen);
    EXPECT_FALSE(BPRBeamOeffenbar(b));

    b = beam();
    b.Blende.reset();
    e = takeOver(b);
    ASSERT_TRUE(e.Uebernommen);
    EXPECT_FALSE(e.FeldGesetzt);
    EXPECT_EQ(e.Auftrag.FeldEcke1, KeinPunkt);
}

} // namespace
