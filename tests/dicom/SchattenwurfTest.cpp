#include "support/RtDateiBauer.h"
#include "dicom/Schattenwurf.h"

#include <gtest/gtest.h>

#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

using qv::Schattenwurf;
using qv::TStrahlGeometrie;
using qv::TStrukturKontur;
using qv::TStrukturROI;
using qv::test::Kontur3;

TStrahlGeometrie strahl(const char *lage = "HFS", double gantry = 0, double kollimator = 0, double tisch = 0)
{
    TStrahlGeometrie g;
    g.PatientPosition = QString::fromLatin1(lage);
    g.GantryAngle = gantry;
    g.BeamLimitingDeviceAngle = kollimator;
    g.PatientSupportAngle = tisch;
    g.Isozentrum = {10, -20, 30}; // off the origin, so that forgetting it shows
    return g;
}

TStrukturROI roi(const QList<Kontur3> &konturen, const char *typ = "CLOSED_PLANAR")
{
    TStrukturROI r;
    r.Nummer = 3;
    r.Name = QStringLiteral("PTV");
    for (const Kontur3 &k : konturen)
        r.Konturen.append({QString::fromLatin1(typ), k});
    return r;
}

// Shifts contours built around the origin to the isocentre of strahl().
QList<Kontur3> amIso(QList<Kontur3> konturen)
{
    for (Kontur3 &k : konturen) {
        for (auto &p : k) {
            p[0] += 10;
            p[1] += -20;
            p[2] += 30;
        }
    }
    return konturen;
}

struct Rahmen
{
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9; // mm
};

Rahmen rahmen(const QList<QPoint> &k)
{
    Rahmen r;
    for (const QPoint &p : k) {
        r.minX = std::min(r.minX, p.x() / 10.0);
        r.maxX = std::max(r.maxX, p.x() / 10.0);
        r.minY = std::min(r.minY, p.y() / 10.0);
        r.maxY = std::max(r.maxY, p.y() / 10.0);
    }
    return r;
}

double flaeche(const QList<QPoint> &k) // mm², signed
{
    double a = 0;
    for (qsizetype i = 0; i < k.size(); ++i) {
        const QPoint p = k[i], q = k[(i + 1) % k.size()];
        a += double(p.x()) * q.y() - double(q.x()) * p.y();
    }
    return a / 200.0;
}

qv::TSchattenUmrisse umrisse(const TStrahlGeometrie &g, const TStrukturROI &r, double rand)
{
    const auto s = Schattenwurf::Berechnen(g, r);
    EXPECT_TRUE(s.ok()) << s.error().toStdString();
    if (!s)
        return {};
    const auto u = s->Umrisse(rand);
    EXPECT_TRUE(u.ok()) << u.error().toStdString();
    return u.ok() ? *u : qv::TSchattenUmrisse{};
}

// The conventions, point by point: where a patient offset from the isocentre lands in the beam
// limiting device system. Each row would fail under a swapped sign, a mirrored axis or a
// transposed rotation.
TEST(Schattenwurf, PatientPointsLandWhereTheConventionsPutThem)
{
    const struct
    {
        const char *lage;
        double gantry, kollimator, tisch;
        std::array<double, 3> versatz; // patient coordinates, from the isocentre
        std::array<double, 3> erwartet;
    } faelle[] = {
        {"HFS", 0, 0, 0, {10, 0, 0}, {10, 0, 0}},    // patient's left to +X
        {"HFS", 0, 0, 0, {0, 0, 10}, {0, 10, 0}},    // head toward the gantry
        {"HFS", 0, 0, 0, {0, -10, 0}, {0, 0, 10}},   // anterior toward the source
        {"HFP", 0, 0, 0, {10, 0, 0}, {-10, 0, 0}},
        {"HFP", 0, 0, 0, {0, -10, 0}, {0, 0, -10}},
        {"FFS", 0, 0, 0, {10, 0, 0}, {-10, 0, 0}},
        {"FFS", 0, 0, 0, {0, 0, 10}, {0, -10, 0}},
        {"FFP", 0, 0, 0, {10, 0, 0}, {10, 0, 0}},
        {"FFP", 0, 0, 0, {0, 0, 10}, {0, -10, 0}},
        {"FFP", 0, 0, 0, {0, 10, 0}, {0, 0, 10}}, // posterior up
        {"HFS", 90, 0, 0, {10, 0, 0}, {0, 0, 10}},   // source on the patient's left
        {"HFS", 90, 0, 0, {0, -10, 0}, {-10, 0, 0}},
        {"HFS", 270, 0, 0, {0, -10, 0}, {10, 0, 0}},
        {"HFS", 0, 90, 0, {10, 0, 0}, {0, -10, 0}},  // collimator turned counter-clockwise
        {"HFS", 0, 90, 0, {0, 0, 10}, {10, 0, 0}},
        {"HFS", 0, 0, 90, {0, 0, 10}, {-10, 0, 0}},  // table turned counter-clockwise from above
        {"HFS", 0, 0, 270, {0, 0, 10}, {10, 0, 0}},
        {"HFS", 90, 0, 90, {0, 0, 10}, {0, 0, -10}}, // head away from the source
        {"FFS", 90, 0, 90, {0, 0, 10}, {0, 0, 10}},
        {"HFS", 30, 0, 0, {0, -10, 0}, {-5, 0, 8.660254037844386}},
    };
    for (const auto &f : faelle) {
        const TStrahlGeometrie g = strahl(f.lage, f.gantry, f.kollimator, f.tisch);
        const auto b = Schattenwurf::InStrahlsystem(
            g, {g.Isozentrum[0] + f.versatz[0], g.Isozentrum[1] + f.versatz[1], g.Isozentrum[2] + f.versatz[2]});
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(b[i], f.erwartet[i], 1e-9)
                << f.lage << " g" << f.gantry << " c" << f.kollimator << " s" << f.tisch << " axis " << i;
    }
}

// A box at the isocentre, 20 x 20 mm across the beam, 2 mm slices: the top face is 10 mm
// nearer the source and magnified by 1000/990; the outer slices reach 1 mm beyond their plane.
TEST(Schattenwurf, ABoxCastsItsMagnifiedOutlineAndTheMarginWidensItEvenly)
{
    const TStrukturROI box = roi(amIso(qv::test::quader(0, 0, 0, 10, 10, 10, 2)));
    for (const double rand : {0.0, 5.0}) {
        const auto u = umrisse(strahl(), box, rand);
        ASSERT_EQ(u.Konturen.size(), 1);
        EXPECT_TRUE(u.Hinweise.isEmpty());
        const Rahmen r = rahmen(u.Konturen[0]);
        const double halbX = 10 * 1000.0 / 990 + rand, halbY = 11 * 1000.0 / 990 + rand;
        EXPECT_NEAR(r.maxX, halbX, 0.06);
        EXPECT_NEAR(r.minX, -halbX, 0.06);
        EXPECT_NEAR(r.maxY, halbY, 0.06);
        EXPECT_NEAR(r.minY, -halbY, 0.06);
        EXPECT_GT(flaeche(u.Konturen[0]), 0) << "counter-clockwise";
        const double rechteck = 4 * halbX * halbY;
        const double ecken = rand * rand * (4 - M_PI); // round joins cut the corners
        EXPECT_NEAR(flaeche(u.Konturen[0]), rechteck - ecken, 2.0);
    }
}

// A cone along the patient's axis seen from the head or the feet: the near end is magnified
// more, so a table or gantry turned the wrong way gives another radius.
TEST(Schattenwurf, ATurnedTableShowsWhichEndOfAConeFacesTheSource)
{
    QList<Kontur3> kegel;
    for (int z = -20; z <= 20; z += 2)
        kegel.append(qv::test::kreis(0, 0, z, 10 + (z + 20) / 2.0, 360));
    const TStrukturROI r = roi(amIso(kegel));
    const double fern = 30 * 1000.0 / 1019; // wide end (head) away from the source
    const double nah = 30 * 1000.0 / 979;   // wide end toward it
    const struct
    {
        const char *lage;
        double gantry, tisch, rand, radius;
    } faelle[] = {
        {"HFS", 90, 90, 0, fern},  {"HFS", 270, 90, 0, nah}, {"FFS", 90, 90, 0, nah},
        {"HFS", 90, 270, 0, nah},  {"HFP", 90, 90, 3, fern + 3}, {"FFP", 270, 90, 0, fern},
    };
    for (const auto &f : faelle) {
        const auto u = umrisse(strahl(f.lage, f.gantry, 0, f.tisch), r, f.rand);
        ASSERT_EQ(u.Konturen.size(), 1) << f.lage << f.gantry;
        for (const QPoint &p : u.Konturen[0])
            ASSERT_NEAR(std::hypot(p.x() / 10.0, p.y() / 10.0), f.radius, Schattenwurf::Genauigkeit)
                << f.lage << " g" << f.gantry << " s" << f.tisch;
        EXPECT_LT(u.Konturen[0].size(), 400) << "simplified";
    }
}

// A target off the axis: the shadow's middle shows a mirrored or swapped axis at once.
TEST(Schattenwurf, AnOffAxisTargetLandsOnTheRightSide)
{
    const struct
    {
        const char *lage;
        double gantry, kollimator, tisch;
        std::array<double, 3> mitte; // patient offset of a small box
        double x, y;                 // expected middle of the shadow, mm
    } faelle[] = {
        {"HFS", 0, 0, 0, {30, 0, 0}, 30, 0},   {"HFP", 0, 0, 0, {30, 0, 0}, -30, 0},
        {"FFS", 0, 0, 0, {30, 0, 0}, -30, 0},  {"FFP", 0, 0, 0, {30, 0, 0}, 30, 0},
        {"HFS", 0, 0, 0, {0, 0, 30}, 0, 30},   {"FFS", 0, 0, 0, {0, 0, 30}, 0, -30},
        {"HFS", 90, 0, 0, {0, -30, 0}, -30, 0}, {"HFS", 270, 0, 0, {0, -30, 0}, 30, 0},
        {"HFS", 0, 90, 0, {0, 0, 30}, 30, 0},  {"HFS", 0, 270, 0, {0, 0, 30}, -30, 0},
        {"HFS", 0, 0, 90, {0, 0, 30}, -30, 0}, {"HFS", 0, 0, 270, {0, 0, 30}, 30, 0},
    };
    for (const auto &f : faelle) {
        const TStrukturROI r = roi(amIso(qv::test::quader(f.mitte[0], f.mitte[1], f.mitte[2], 5, 5, 5, 1)));
        const auto u = umrisse(strahl(f.lage, f.gantry, f.kollimator, f.tisch), r, 0);
        ASSERT_EQ(u.Konturen.size(), 1);
        const Rahmen b = rahmen(u.Konturen[0]);
        EXPECT_NEAR((b.minX + b.maxX) / 2, f.x, 0.2) << f.lage << " g" << f.gantry << " c" << f.kollimator << " s" << f.tisch;
        EXPECT_NEAR((b.minY + b.maxY) / 2, f.y, 0.2) << f.lage << " g" << f.gantry << " c" << f.kollimator << " s" << f.tisch;
    }
}

TEST(Schattenwurf, ARingComesOutFilledAndSeparateTargetsStaySeparateLargestFirst)
{
    QList<Kontur3> ring;
    for (int z = -10; z <= 10; z += 2) {
        ring.append(qv::test::kreis(0, 0, z, 30));
        ring.append(qv::test::kreis(0, 0, z, 15)); // the hole, drawn as a second contour
    }
    const auto gefuellt = umrisse(strahl(), roi(amIso(ring)), 0);
    ASSERT_EQ(gefuellt.Konturen.size(), 1);
    EXPECT_TRUE(QPolygon(gefuellt.Konturen[0]).containsPoint(QPoint(0, 0), Qt::OddEvenFill));

    QList<Kontur3> zwei = qv::test::quader(-60, 0, 0, 10, 10, 10, 2);
    zwei += qv::test::quader(60, 0, 0, 20, 20, 10, 2);
    const auto getrennt = umrisse(strahl(), roi(amIso(zwei)), 3);
    ASSERT_EQ(getrennt.Konturen.size(), 2);
    EXPECT_GT(rahmen(getrennt.Konturen[0]).minX, 0) << "the larger one first";
    EXPECT_LT(rahmen(getrennt.Konturen[1]).maxX, 0);
    // A margin that closes the gap joins them.
    const auto vereint = umrisse(strahl(), roi(amIso(zwei)), 50);
    EXPECT_EQ(vereint.Konturen.size(), 1);
}

TEST(Schattenwurf, MoreThanElevenPartsKeepTheLargestAndSayHowManyWereLeftOut)
{
    QList<Kontur3> teile;
    for (int i = 0; i < 13; ++i)
        teile += qv::test::quader(-150 + 25 * i, 0, 0, 2 + i * 0.5, 5, 4, 2);
    const auto u = umrisse(strahl(), roi(amIso(teile)), 0);
    ASSERT_EQ(u.Konturen.size(), 11);
    ASSERT_EQ(u.Hinweise.size(), 1);
    EXPECT_TRUE(u.Hinweise[0].contains(u"13 getrennte Teile; die 2 kleinsten")) << u.Hinweise[0].toStdString();
    EXPECT_GT(rahmen(u.Konturen[0]).minX, 100) << "the widest box (the last) comes first";
    EXPECT_GT(rahmen(u.Konturen[10]).minX, -110) << "the two narrowest are gone";
}

TEST(Schattenwurf, RefusesWhatItCannotCastAndNamesTheStructure)
{
    Kontur3 schraeg = qv::test::rechteck(0, 0, 0, 10, 10);
    schraeg[2][2] = 1;
    TStrukturROI kaputt = roi({});
    kaputt.Fehler = QStringLiteral("Die Kontur 1 enthält 4 Koordinaten, keine ganzen Punkte.");
    const struct
    {
        TStrukturROI roi;
        const char *meldung;
    } faelle[] = {
        {roi({}), "Die Struktur \"PTV\" hat keine Konturen."},
        {roi({schraeg}), "nicht in einer axialen Schicht"},
        {roi({qv::test::rechteck(0, 0, 0, 5, 5)}, "POINT"), "vom Typ \"POINT\""},
        {roi({{{0, 0, 0}, {1, 0, 0}}}), "weniger als drei Punkten"},
        {kaputt, "nicht lesbar: Die Kontur 1"},
        // One plane holds the beam's direction at a table angle of 0: its shadow has no area.
        {roi(amIso({qv::test::rechteck(0, 0, 0, 5, 5)})), "ist leer"},
        {roi(amIso({qv::test::rechteck(0, -1001, 0, 5, 5), qv::test::rechteck(0, -1001, 2, 5, 5)})), "Strahlquelle"},
    };
    for (const auto &f : faelle) {
        const auto s = Schattenwurf::Berechnen(strahl(), f.roi);
        ASSERT_FALSE(s.ok()) << f.meldung;
        EXPECT_TRUE(s.error().contains(QString::fromUtf8(f.meldung))) << s.error().toStdString();
        EXPECT_TRUE(s.error().contains(u"\"PTV\"")) << s.error().toStdString();
    }
    const auto box = Schattenwurf::Berechnen(strahl(), roi(amIso(qv::test::quader(0, 0, 0, 5, 5, 5, 1))));
    ASSERT_TRUE(box.ok());
    EXPECT_FALSE(box->Umrisse(50.01).ok());
    EXPECT_FALSE(box->Umrisse(-0.1).ok());
    EXPECT_TRUE(box->Umrisse(50).ok());
}

// One plane seen at a table angle: its shadow is the cap alone (no slab to widen it).
TEST(Schattenwurf, ASinglePlaneStandsForItselfWhenTheBeamCrossesIt)
{
    const TStrukturROI r = roi(amIso({qv::test::rechteck(0, 0, 0, 10, 10)}));
    const auto u = umrisse(strahl("HFS", 90, 0, 90), r, 0);
    ASSERT_EQ(u.Konturen.size(), 1);
    const Rahmen b = rahmen(u.Konturen[0]);
    EXPECT_NEAR(b.maxX - b.minX, 20, 0.15);
    EXPECT_NEAR(b.maxY - b.minY, 20, 0.15);
}

} // namespace
