#include "contour/Formen.h"
#include "contour/TKonturen.h"
#include "contour/Verschiebung.h"
#include "PunktAusgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qv {
namespace {

TEST(FormenTest, TypedSizesGiveTheDefiningPointsAroundTheIsocentre)
{
    struct Case { int werkzeug; double x, y; QPoint p1, p2; };
    const Case faelle[] = {
        {FormRechteck, 5.0, 5.0, {-75, -75}, {75, 75}},
        {FormEllipse, 10.0, 5.0, {-150, -75}, {150, 75}},
        {FormKreis, 5.0, 0.0, {0, 0}, {150, 0}},
        // 0,1 cm is 1,5 px per half: halves round to even.
        {FormRechteck, 0.1, 0.3, {-2, -4}, {2, 4}},
    };
    for (const Case &f : faelle) {
        const auto p = FormPunkteAusGroesse(f.werkzeug, f.x, f.y);
        ASSERT_TRUE(p.has_value()) << f.werkzeug;
        EXPECT_EQ(p->first, f.p1) << f.werkzeug;
        EXPECT_EQ(p->second, f.p2) << f.werkzeug;
    }
}

TEST(FormenTest, SizesBeyondTheBoundAreRefusedBeforeAnyArithmeticOverflows)
{
    const double inf = std::numeric_limits<double>::infinity();
    // 6666,6 cm is 99 999 px per half; 6667 cm is beyond.
    EXPECT_TRUE(FormPunkteAusGroesse(FormRechteck, 6666.6, 1).has_value());
    EXPECT_FALSE(FormPunkteAusGroesse(FormRechteck, 6667, 1).has_value());
    EXPECT_FALSE(FormPunkteAusGroesse(FormEllipse, 1, -1e300).has_value());
    EXPECT_FALSE(FormPunkteAusGroesse(FormKreis, 3334, 0).has_value());
    EXPECT_FALSE(FormPunkteAusGroesse(FormKreis, inf, 0).has_value());
    EXPECT_FALSE(FormPunkteAusGroesse(FormKreis, std::nan(""), 0).has_value());

    // A dragged centre near the edge whose circle reaches beyond it.
    EXPECT_EQ(FormPunkte(FormKreis, {99990, 0}, {100010, 0}).ergebnis, FormErgebnis::ZuGross);
    EXPECT_EQ(FormPunkte(FormRechteck, {0, 0}, {0, 999999}).ergebnis, FormErgebnis::ZuGross);
    EXPECT_EQ(FormMeldung(FormErgebnis::ZuGross), QStringLiteral("Die Form ist zu groß. Bitte geben Sie eine kleinere Größe ein."));
}

TEST(FormenTest, RectangleRunsFromTheFirstCornerAroundTheBox)
{
    TKonturen k;
    ASSERT_EQ(FormErzeugen(k, FormRechteck, {-75, -75}, {75, 75}), FormErgebnis::Angenommen);
    ASSERT_EQ(k.Anzahl(), 1);
    const TKontur &c = k.Kontur(1);
    EXPECT_TRUE(c.IstGeschlossen());
    EXPECT_EQ(c.Punkte().mid(0, c.Anzahl()),
              (QList<QPoint>{{-75, -75}, {75, -75}, {75, 75}, {-75, 75}, {-75, -75}}));
}

TEST(FormenTest, CircleHas360StepsCounterClockwiseFromTheRight)
{
    TKonturen k;
    ASSERT_EQ(FormErzeugen(k, FormKreis, {0, 0}, {150, 0}), FormErgebnis::Angenommen);
    const TKontur &c = k.Kontur(1);
    ASSERT_EQ(c.Anzahl(), 361);
    EXPECT_EQ(c.Punkte()[0], QPoint(150, 0));
    EXPECT_EQ(c.Punkte()[90], QPoint(0, 150));
    EXPECT_EQ(c.Punkte()[180], QPoint(-150, 0));
    EXPECT_EQ(c.Punkte()[270], QPoint(0, -150));
    EXPECT_EQ(c.Punkte()[360], QPoint(150, 0));

    // Centred on the first point; the radius is the rounded distance to the second.
    const FormPunkteErgebnis versetzt = FormPunkte(FormKreis, {10, 20}, {13, 24});
    EXPECT_EQ(versetzt.punkte[0], QPoint(15, 20));
    EXPECT_EQ(versetzt.punkte[90], QPoint(10, 25));
}

TEST(FormenTest, CircleAngleIsSummedStepByStep)
{
    // Thirty summed steps of pi/180 land just above 30 degrees: sin is a hair over 0,5 and the
    // point of a radius-1 circle rounds up; k * pi/180 would give exactly 0,5 and round to 0.
    const FormPunkteErgebnis f = FormPunkte(FormKreis, {0, 0}, {1, 0});
    ASSERT_EQ(f.punkte.size(), 360);
    EXPECT_EQ(f.punkte[30], QPoint(1, 1));
}

TEST(FormenTest, EllipseFromItsBoxCorners)
{
    const FormPunkteErgebnis f = FormPunkte(FormEllipse, {-150, -75}, {150, 75});
    ASSERT_EQ(f.ergebnis, FormErgebnis::Angenommen);
    ASSERT_EQ(f.punkte.size(), 360);
    EXPECT_EQ(f.punkte[0], QPoint(-150, 0));
    EXPECT_EQ(f.punkte[90], QPoint(0, -75));
    EXPECT_EQ(f.punkte[180], QPoint(150, 0));
    EXPECT_EQ(f.punkte[270], QPoint(0, 75));

    // One pixel wide: the half width rounds to 0 toward zero and becomes 1.
    const FormPunkteErgebnis schmal = FormPunkte(FormEllipse, {0, 0}, {1, 20});
    ASSERT_EQ(schmal.ergebnis, FormErgebnis::Angenommen);
    // rx = 1, ry = -10, q = -10; centre (0 - 1, 0 + 10).
    EXPECT_EQ(schmal.punkte[0], QPoint(0, 10));
    EXPECT_EQ(schmal.punkte[90], QPoint(-1, 0));
}

TEST(FormenTest, ShapesWithoutExtentAndWithoutToolMakeNothing)
{
    struct Case { int werkzeug; QPoint p1, p2; FormErgebnis e; };
    const Case faelle[] = {
        {FormRechteck, {5, 5}, {5, 5}, FormErgebnis::OhneAusdehnung},
        {FormRechteck, {0, 0}, {0, 40}, FormErgebnis::OhneAusdehnung},
        {FormEllipse, {0, 0}, {40, 0}, FormErgebnis::OhneAusdehnung},
        {FormKreis, {3, 3}, {3, 3}, FormErgebnis::OhneAusdehnung},
        // Rounded distance 0.
        {FormKreis, {0, 0}, {0, 0}, FormErgebnis::OhneAusdehnung},
        {FormKeine, {0, 0}, {40, 40}, FormErgebnis::KeinWerkzeug},
        {7, {0, 0}, {40, 40}, FormErgebnis::KeinWerkzeug},
    };
    for (const Case &f : faelle) {
        TKonturen k;
        EXPECT_EQ(FormErzeugen(k, f.werkzeug, f.p1, f.p2), f.e) << f.werkzeug;
        EXPECT_EQ(k.Anzahl(), 0);
    }
    EXPECT_EQ(FormMeldung(FormErgebnis::OhneAusdehnung), QStringLiteral("Eine Form ohne Ausdehnung kann nicht generiert werden."));
}

TEST(FormenTest, TwelfthShapeIsRefusedAndChangesNothing)
{
    TKonturen k;
    for (int i = 0; i < TKonturen::MaxKonturen; ++i)
        ASSERT_EQ(FormErzeugen(k, FormRechteck, {-i - 1, -i - 1}, {i + 1, i + 1}), FormErgebnis::Angenommen);
    EXPECT_EQ(FormErzeugen(k, FormKreis, {0, 0}, {30, 0}), FormErgebnis::KonturenGrenzeErreicht);
    EXPECT_EQ(k.Anzahl(), TKonturen::MaxKonturen);
    EXPECT_FALSE(FormMeldung(FormErgebnis::KonturenGrenzeErreicht).isEmpty());
}

TEST(VerschiebungTest, StepFieldKeepsDigitsAndReadsAtMostFour)
{
    EXPECT_EQ(SchrittZeichen(u'7'), QChar(u'7'));
    EXPECT_EQ(SchrittZeichen(u'a'), QChar(u'0'));
    EXPECT_EQ(SchrittZeichen(u'-'), QChar(u'0'));
    struct Case { const char16_t *text; int wert; };
    const Case faelle[] = {{u"", 0}, {u"0", 0}, {u"5", 5}, {u"0012", 12}, {u"9999", 9999},
                           {u"99999999999999999999", 9999}, {u"1x", 10}, {u"12345", 1234}};
    for (const Case &f : faelle)
        EXPECT_EQ(SchrittWert(QStringView(f.text)), f.wert) << QString::fromUtf16(f.text).toStdString();
}

TEST(VerschiebungTest, StepInMillimetresThroughTheScale)
{
    EXPECT_EQ(SchrittInPixel(Schrittrichtung::Rechts, 5, 3.0), QPoint(15, 0));
    EXPECT_EQ(SchrittInPixel(Schrittrichtung::Links, 5, 3.0), QPoint(-15, 0));
    EXPECT_EQ(SchrittInPixel(Schrittrichtung::Oben, 10, 3.0), QPoint(0, 30));
    EXPECT_EQ(SchrittInPixel(Schrittrichtung::Unten, 1, 1.25), QPoint(0, -1));
    EXPECT_EQ(SchrittInPixel(Schrittrichtung::Rechts, 9999, 3.0), QPoint(29997, 0));
    // No scale: no movement.
    EXPECT_EQ(SchrittInPixel(Schrittrichtung::Rechts, 5, 0.0), QPoint(0, 0));
}

TEST(VerschiebungTest, TurningRightAndBackIsExact)
{
    TKonturen k;
    ASSERT_EQ(k.NeueKontur(), KonturErgebnis::Angenommen);
    for (QPoint p : {QPoint(100, 0), QPoint(100, 50), QPoint(60, 80)})
        k.AktuelleKontur().PunktHinzufuegen(p, false);
    k.AktuelleKontur().Schliessen();
    k.AlleMarkieren();
    k.AlleUebernehmen();
    ASSERT_TRUE(k.MarkierteDrehen(GradZuBogen(90)));
    EXPECT_EQ(k.Kontur(1).Punkte()[0], QPoint(0, -100));
    EXPECT_EQ(k.Kontur(1).Punkte()[1], QPoint(50, -100));
    k.MarkierteDrehen(-GradZuBogen(90));
    EXPECT_EQ(k.Kontur(1).Punkte()[0], QPoint(100, 0));
    EXPECT_EQ(k.Kontur(1).Punkte()[1], QPoint(100, 50));
    EXPECT_EQ(k.Kontur(1).Punkte()[2], QPoint(60, 80));
}

} // namespace
} // namespace qv
