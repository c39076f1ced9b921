#include "support/RtDateiBauer.h"
#include "dicom/RtPlanGeometrie.h"
#include "dicom/Strukturset.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

using qv::RtPlanGeometrie;
using qv::Strukturset;
using qv::test::RoiBau;
using qv::test::StrahlBau;

class RtDateienLesen : public ::testing::Test
{
protected:
    qv::test::TempProgramFolder folder;
    const QString set = folder.file(QStringLiteral("rs.dcm"));
    const QString plan = folder.file(QStringLiteral("rp.dcm"));
};

TEST_F(RtDateienLesen, TheStructureSetGivesItsROIsWithNamesDecodedByTheCharacterSet)
{
    RoiBau ptv;
    ptv.nummer = 7;
    ptv.name = "Zielvolumen \xdc" "berarbeitet"; // Latin-1
    ptv.farbe = {0, 128, 255};
    ptv.konturen = qv::test::quader(0, 0, 0, 5, 5, 2, 2);
    RoiBau leer;
    leer.nummer = 9;
    leer.name = "Leer";
    ASSERT_TRUE(qv::test::strukturSetSchreiben(set, {ptv, leer}));
    const auto s = Strukturset::Lesen(set);
    ASSERT_TRUE(s.ok()) << s.error().toStdString();
    ASSERT_EQ(s->ROIs.size(), 2);
    const qv::TStrukturROI *roi = s->ROI(QStringLiteral("Zielvolumen Überarbeitet"));
    ASSERT_NE(roi, nullptr);
    EXPECT_EQ(roi->Nummer, 7);
    EXPECT_EQ(roi->Farbe, QColor(0, 128, 255));
    EXPECT_EQ(roi->FrameOfReferenceUID, QStringLiteral("1.2.3.4"));
    ASSERT_EQ(roi->Konturen.size(), 3);
    EXPECT_EQ(roi->Konturen[0].Typ, QStringLiteral("CLOSED_PLANAR"));
    ASSERT_EQ(roi->Konturen[0].Punkte.size(), 4);
    EXPECT_EQ(roi->Konturen[0].Punkte[1], (qv::TPatientPunkt{5, -5, -2}));
    EXPECT_TRUE(s->ROI(QStringLiteral("Leer"))->Konturen.isEmpty());
    EXPECT_EQ(s->ROI(QStringLiteral("zielvolumen überarbeitet")), nullptr) << "matched exactly";

    ptv.name = "Zielvolumen \xc3\x9c" "berarbeitet"; // UTF-8
    ASSERT_TRUE(qv::test::strukturSetSchreiben(set, {ptv}, "ISO_IR 192"));
    const auto utf8 = Strukturset::Lesen(set);
    ASSERT_TRUE(utf8.ok()) << utf8.error().toStdString();
    EXPECT_NE(utf8->ROI(QStringLiteral("Zielvolumen Überarbeitet")), nullptr);

    ASSERT_TRUE(qv::test::strukturSetSchreiben(set, {ptv}, "ISO_IR 999"));
    const auto unbekannt = Strukturset::Lesen(set);
    ASSERT_FALSE(unbekannt.ok());
    EXPECT_TRUE(unbekannt.error().contains(u"\"ISO_IR 999\"")) << unbekannt.error().toStdString();
}

TEST_F(RtDateienLesen, TheStructureSetRefusesOtherFilesAndDamagedContoursStayWithTheirROI)
{
    ASSERT_TRUE(qv::test::planSchreiben(plan, {StrahlBau{}}));
    const auto keinSet = Strukturset::Lesen(plan);
    ASSERT_FALSE(keinSet.ok());
    EXPECT_TRUE(keinSet.error().contains(u"ist kein RT-Strukturset")) << keinSet.error().toStdString();
    folder.write(QStringLiteral("text.dcm"), "kein DICOM");
    EXPECT_FALSE(Strukturset::Lesen(folder.file(QStringLiteral("text.dcm"))).ok());
    EXPECT_FALSE(Strukturset::Lesen(folder.path()).ok()) << "a folder";

    // Cut off inside the contour data: an error, never a crash.
    RoiBau ptv;
    ptv.konturen = qv::test::kugel(0, 0, 0, 20, 2);
    ASSERT_TRUE(qv::test::strukturSetSchreiben(set, {ptv}));
    QFile f(set);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ganz = f.readAll();
    f.close();
    for (const qsizetype laenge : {qsizetype(200), ganz.size() / 2, ganz.size() - 7}) {
        const auto s = Strukturset::AusBytes(ganz.left(laenge), QStringLiteral("kurz.dcm"));
        if (s.ok()) {
            for (const auto &roi : s->ROIs)
                for (const auto &k : roi.Konturen)
                    EXPECT_GE(k.Punkte.size(), 0);
        }
    }
}

TEST_F(RtDateienLesen, ThePlanGivesTheGeometryOfTheFirstControlPoint)
{
    StrahlBau a;
    a.name = "AP \xfc"; // Latin-1
    a.gantry = 10.5;
    a.kollimator = 270;
    a.tisch = 15;
    a.iso = {1.5, -2, 300.25};
    a.sad.reset();
    StrahlBau b;
    b.nummer = 5;
    b.sad = 800;
    ASSERT_TRUE(qv::test::planSchreiben(plan, {a, b}, "FFP"));
    const auto p = RtPlanGeometrie::Lesen(plan);
    ASSERT_TRUE(p.ok()) << p.error().toStdString();
    EXPECT_EQ(p->FrameOfReferenceUID, QStringLiteral("1.2.3.4"));
    ASSERT_EQ(p->AnzahlStrahlen(), 2);
    const auto g = p->Strahl(0);
    ASSERT_TRUE(g.ok()) << g.error().toStdString();
    EXPECT_EQ(g->BeamNumber, 1);
    EXPECT_EQ(g->BeamName, QStringLiteral("AP ü"));
    EXPECT_EQ(g->PatientPosition, QStringLiteral("FFP"));
    EXPECT_EQ(g->GantryAngle, 10.5);
    EXPECT_EQ(g->BeamLimitingDeviceAngle, 270);
    EXPECT_EQ(g->PatientSupportAngle, 15);
    EXPECT_EQ(g->Isozentrum, (qv::TPatientPunkt{1.5, -2, 300.25}));
    EXPECT_EQ(g->SourceAxisDistance, 1000) << "the default";
    EXPECT_EQ(p->Strahl(1)->SourceAxisDistance, 800);
    EXPECT_EQ(p->Strahl(1)->BeamNumber, 5);
}

TEST_F(RtDateienLesen, ThePlanRefusesBeamsTheShadowCannotBeCastThrough)
{
    const auto meldung = [&](const StrahlBau &s, const QByteArray &lage, qsizetype index = 0) {
        EXPECT_TRUE(qv::test::planSchreiben(plan, {s}, lage));
        const auto p = RtPlanGeometrie::Lesen(plan);
        EXPECT_TRUE(p.ok()) << p.error().toStdString();
        const auto g = p->Strahl(index);
        EXPECT_FALSE(g.ok());
        return g.ok() ? QString() : g.error();
    };
    StrahlBau s;
    EXPECT_TRUE(meldung(s, "HFDR").contains(u"Die Patientenlage \"HFDR\""));
    EXPECT_TRUE(meldung(s, "HFS", 1).contains(u"keinen Strahl mit dem Index 1 (Bereich: 0..0)"));
    EXPECT_TRUE(meldung(s, "HFS", -1).contains(u"Index -1"));
    StrahlBau exzenter = s;
    exzenter.exzenter = 10;
    EXPECT_TRUE(meldung(exzenter, "HFS").contains(u"Exzenterwinkel der Tischplatte von 10°"));
    StrahlBau pitch = s;
    pitch.pitch = 1.5;
    EXPECT_TRUE(meldung(pitch, "HFS").contains(u"Kippwinkel (Pitch) der Tischplatte von 1,5°"));
    StrahlBau roll = s;
    roll.roll = -2;
    EXPECT_TRUE(meldung(roll, "HFS").contains(u"Rollwinkel (Roll)"));
    StrahlBau ohneGantry = s;
    ohneGantry.ohneGantry = true;
    EXPECT_TRUE(meldung(ohneGantry, "HFS").contains(u"fehlt der Gantrywinkel"));
    StrahlBau andereLagerung = s;
    andereLagerung.lagerung = 4;
    EXPECT_TRUE(meldung(andereLagerung, "HFS").contains(u"Patientenlagerung 4"));

    // Angles of zero (or a whole turn) are no tilt.
    StrahlBau flach = s;
    flach.exzenter = 360;
    flach.pitch = 0;
    flach.roll = 0;
    ASSERT_TRUE(qv::test::planSchreiben(plan, {flach}));
    EXPECT_TRUE(RtPlanGeometrie::Lesen(plan)->Strahl(0).ok());

    ASSERT_TRUE(qv::test::strukturSetSchreiben(set, {RoiBau{}}));
    const auto keinPlan = RtPlanGeometrie::Lesen(set);
    ASSERT_FALSE(keinPlan.ok());
    EXPECT_TRUE(keinPlan.error().contains(u"ist kein RT-Plan")) << keinPlan.error().toStdString();
}

} // namespace
