#include "../contour/PunktAusgabe.h"
#include "config/TKonfiguration.h"
#include "contour/KonturErgebnis.h"
#include "dicom/DICOMUebernahme.h"
#include "dicom/TvelDICOMRTPlanClass.h"
#include "order/ImportUebernahme.h"
#include "support/CompleteCustomer.h"

#include <gtest/gtest.h>

namespace {

using namespace qv;

// The order as the DICOM mode starts it: the ruler at 3 pixels per millimetre.
TAuftrag rulerOrder(TAuftragsart art = TAuftragsart::Photonen)
{
    TAuftrag a;
    a.Kundendaten = test::completeCustomer(); // FBA "60"
    a.Massstab.MassstabAbstandSetzen(200);
    a.MassstabPunktSetzen(1, QPoint(-300, 0));
    a.MassstabPunktSetzen(2, QPoint(300, 0));
    a.IsozentrumGesetzt = true;
    a.Auftragsart = art;
    return a;
}

TvelDICOMBlockClass block(const QString &name, const TPointArray &punkte, float tray = 650.4f, float dicke = 80)
{
    TvelDICOMBlockClass b;
    b.BlockName = name;
    b.BlockType = QStringLiteral("SHIELDING");
    b.SourceToBlockTrayDistance = tray;
    b.BlockThickness = dicke;
    b.BlockNumberOfPoints = qint32(punkte.size());
    b.BlockData = punkte;
    return b;
}

TvelDICOMLimitingPositionClass jaws(const char *typ, qint32 a, qint32 b)
{
    TvelDICOMLimitingPositionClass p;
    p.DeviceType = QString::fromLatin1(typ);
    p.Positions = {QPoint(a, b)};
    return p;
}

TvelDICOMRTPlanClass plan(const QList<TvelDICOMBlockClass> &bloecke, bool mitBacken = true)
{
    TvelDICOMRTPlanClass p;
    p.Patient.PatientID = QStringLiteral("Müller € 漢");
    TvelDICOMRTBeamClass beam;
    beam.BeamName = QStringLiteral("Lunge li");
    beam.BeamDescription = QStringLiteral("ap Feld");
    beam.Blocks = bloecke;
    beam.NumberOfBlocks = qint32(bloecke.size());
    TvelDICOMControlPointClass cp;
    cp.GantryAngle = 359.9f;
    cp.BeamLimitingDeviceAngle = 90;
    // Jaws in tenths of a millimetre: X -50/60 mm, Y -40/70 mm.
    if (mitBacken)
        cp.LimitingPositions = {jaws("ASYMX", -500, 600), jaws("ASYMY", -400, 700)};
    else
        cp.LimitingPositions = {jaws("ASYMX", -500, 600)};
    beam.ControlPoints = {cp};
    beam.NumberOfControlPoints = 1;
    p.Plan.Beams = {beam};
    return p;
}

struct TakeOver
{
    TKonfiguration konfig;
    ImportErgebnis operator()(const TAuftrag &a, const TvelDICOMRTPlanClass &p, qsizetype beam = 0)
    {
        return DICOMBeamUebernehmen(a, p, beam, ImportKontext{konfig, {}, true, QDateTime(QDate(2026, 12, 10), QTime(17, 0))});
    }
};

const TPointArray kTriangle = {QPoint(0, 0), QPoint(1000, 0), QPoint(1000, 500)};

TEST(DICOMUebernahme, BlocksFieldAndOrderDataComeFromTheBeam)
{
    const TAuftrag vorher = rulerOrder();
    const ImportErgebnis e = TakeOver()(vorher, plan({block(QStringLiteral("Lunge"), kTriangle)}));
    ASSERT_TRUE(e.Uebernommen) << e.Fehler.toStdString();
    EXPECT_TRUE(e.Hinweise.isEmpty()) << e.Hinweise.join(u'|').toStdString();

    const TAuftrag &a = e.Auftrag;
    ASSERT_EQ(a.Konturen.Anzahl(), 1);
    const TKontur &k = a.Konturen.Kontur(1);
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_EQ(k.Punkte().mid(0, k.Letzter() + 1),
              (QList<QPoint>{QPoint(0, 0), QPoint(300, 0), QPoint(300, 150), QPoint(0, 0)}));
    EXPECT_EQ(a.FeldEcke1, QPoint(-150, 210));
    EXPECT_EQ(a.FeldEcke2, QPoint(180, -120));
    EXPECT_TRUE(e.FeldGesetzt);

    const TAuftragsdatenRec &r = a.Auftragsdaten;
    EXPECT_TRUE(r.Gueltig);
    EXPECT_EQ(r.PatientenID, QStringLiteral("Müller € ?")) << "what Windows-1252 cannot hold becomes ?";
    EXPECT_EQ(r.Zielvolumen, QStringLiteral("Lunge li"));
    EXPECT_EQ(r.KurzKommentar, QStringLiteral("ap Feld"));
    EXPECT_EQ(r.Gantrywinkel, QStringLiteral("359,90"));
    EXPECT_EQ(r.Kollimatorwinkel, QStringLiteral("90,00"));
    EXPECT_EQ(r.FBA, QStringLiteral("65"));
    EXPECT_EQ(a.Kundendaten.AktuellerBeschl()->FBA, QStringLiteral("65"));
    EXPECT_EQ(r.Gusshoehe, QStringLiteral("8,0 cm"));
    EXPECT_TRUE(a.DICOMGeladen);
    EXPECT_TRUE(a.Geaendert);
    EXPECT_EQ(vorher.Konturen.Anzahl(), 0);
}

TEST(DICOMUebernahme, TheTrayDistanceBecomesTheFBAOnlyForPhotonsBetween30And90Cm)
{
    const struct
    {
        TAuftragsart art;
        float tray;
        const char *fba;
        bool hinweis;
    } faelle[] = {
        {TAuftragsart::Photonen, 654.f, "65,4", false},
        {TAuftragsart::Photonen, 950.f, "60", true},  // the real electron plans' 950 mm
        {TAuftragsart::Photonen, 300.f, "60", true},  // bounds are outside
        {TAuftragsart::Photonen, 0.f, "60", true},    // no tray distance in the plan
        {TAuftragsart::Elektronen, 650.f, "60", false}, // the applicator's distance, never the FBA
    };
    for (const auto &f : faelle) {
        const ImportErgebnis e =
            TakeOver()(rulerOrder(f.art), plan({block(QStringLiteral("B"), kTriangle, f.tray)}));
        ASSERT_TRUE(e.Uebernommen);
        EXPECT_EQ(e.Auftrag.Kundendaten.AktuellerBeschl()->FBA, QString::fromLatin1(f.fba)) << f.tray;
        EXPECT_EQ(e.Hinweise.contains(FBANichtUebernommenText(true)), f.hinweis) << f.tray;
    }
}

TEST(DICOMUebernahme, LimitsAreToldOnceAndOversizedBlocksAreLeftOut)
{
    // Twelve blocks: eleven contours, one limit notice (not one per block beyond).
    QList<TvelDICOMBlockClass> bloecke;
    for (int i = 0; i < 14; ++i)
        bloecke << block(QStringLiteral("B%1").arg(i), kTriangle);
    ImportErgebnis e = TakeOver()(rulerOrder(), plan(bloecke));
    ASSERT_TRUE(e.Uebernommen);
    EXPECT_EQ(e.Auftrag.Konturen.Anzahl(), 11);
    EXPECT_EQ(e.Hinweise, QStringList{KonturMeldung(KonturErgebnis::KonturenGrenzeErreicht)});

    // More points than a contour holds: that block is refused, the others come; a closed outline
    // of exactly 10001 points fits because the contour closes it itself.
    TPointArray gross, geschlossen;
    for (int i = 0; i < 10002; ++i)
        gross << QPoint(i, i % 2);
    for (int i = 0; i < 10000; ++i)
        geschlossen << QPoint(i, i % 3);
    geschlossen << geschlossen.first();
    e = TakeOver()(rulerOrder(), plan({block(QStringLiteral("gross"), gross), block(QStringLiteral("ok"), kTriangle),
                                            block(QStringLiteral("voll"), geschlossen)}));
    ASSERT_TRUE(e.Uebernommen);
    ASSERT_EQ(e.Auftrag.Konturen.Anzahl(), 2);
    EXPECT_EQ(e.Hinweise, QStringList{ZuVielePunkteText(QStringLiteral("gross"), 10002)});
    EXPECT_EQ(e.Auftrag.Konturen.Kontur(2).Anzahl(), 10001);
    EXPECT_TRUE(e.Auftrag.Konturen.Kontur(2).IstGeschlossen());

    // Fewer than three points: the contour stays open, with the closing notice.
    e = TakeOver()(rulerOrder(), plan({block(QStringLiteral("kurz"), {QPoint(0, 0), QPoint(10, 0)})}));
    ASSERT_TRUE(e.Uebernommen);
    EXPECT_FALSE(e.Auftrag.Konturen.Kontur(1).IstGeschlossen());
    EXPECT_EQ(e.Hinweise, QStringList{KonturMeldung(KonturErgebnis::ZuWenigePunkte)});
}

TEST(DICOMUebernahme, ABeamThatCannotBeReadWholeIsNotTakenOver)
{
    TakeOver uebernehmen;
    const TAuftrag a = rulerOrder();

    ImportErgebnis e = uebernehmen(a, plan({}));
    EXPECT_FALSE(e.Uebernommen);
    EXPECT_TRUE(e.Fehler.contains(u"Index: 0")) << "the block access message: " << e.Fehler.toStdString();

    e = uebernehmen(a, plan({block(QStringLiteral("B"), kTriangle)}), 1);
    EXPECT_FALSE(e.Uebernommen);
    EXPECT_TRUE(e.Fehler.contains(u"Beam")) << e.Fehler.toStdString();

    // The plan states more points than it gives.
    TvelDICOMBlockClass luecke = block(QStringLiteral("B"), kTriangle);
    luecke.BlockNumberOfPoints = 4;
    e = uebernehmen(a, plan({block(QStringLiteral("A"), kTriangle), luecke}));
    EXPECT_FALSE(e.Uebernommen);
    EXPECT_TRUE(e.Fehler.contains(u"Konturpunkt")) << e.Fehler.toStdString();

    TvelDICOMRTPlanClass ohneKontrollpunkt = plan({block(QStringLiteral("B"), kTriangle)});
    ohneKontrollpunkt.Plan.Beams[0].ControlPoints.clear();
    e = uebernehmen(a, ohneKontrollpunkt);
    EXPECT_FALSE(e.Uebernommen);
    EXPECT_FALSE(e.Fehler.isEmpty());
}

TEST(DICOMUebernahme, WithoutBothJawPairsTheFieldStaysUnset)
{
    const ImportErgebnis e = TakeOver()(rulerOrder(), plan({block(QStringLiteral("B"), kTriangle)}, false));
    ASSERT_TRUE(e.Uebernommen);
    EXPECT_FALSE(e.FeldGesetzt);
    EXPECT_EQ(e.Auftrag.FeldEcke1, KeinPunkt);
    EXPECT_EQ(e.Auftrag.FeldEcke2, KeinPunkt);
}

} // namespace
