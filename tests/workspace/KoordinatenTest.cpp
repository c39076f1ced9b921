#include "workspace/Koordinaten.h"
#include "order/TMassstab.h"
#include "workspace/FeldPruefung.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Koordinaten, PaintBoxFitsImageAspectCentred)
{
    struct Case { QSize panel, bild; QRect box; };
    const Case faelle[] = {
        {{800, 800}, {1000, 500}, {0, 200, 800, 400}},
        {{800, 800}, {500, 1000}, {200, 0, 400, 800}},
        {{1001, 600}, {300, 300}, {200, 0, 600, 600}},
        {{640, 480}, {3840, 2160}, {0, 60, 640, 360}},
        {{100, 100}, {3, 2}, {0, 16, 100, 67}}, // 66.67 rounds up, top = 33 div 2
        {{800, 800}, {0, 0}, {}},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(PaintBoxEinpassen(f.panel, f.bild), f.box) << f.bild.width() << "x" << f.bild.height();
}

TEST(Koordinaten, WorkspacePointGoesThroughIsocentreToImagePixel)
{
    // One device pixel per image pixel, as when the order is rendered into a bitmap.
    const Abbildung a(QSize(201, 100), QSize(201, 100), QPoint(10, -20));
    EXPECT_EQ(a.arbeitZuGeraet(QPointF(0, 0)), QPointF(201 / 2 + 10, 100 / 2 + 20));
    EXPECT_EQ(a.arbeitZuGeraetTransform().map(QPointF(0, 0)), QPointF(110, 70));
    EXPECT_EQ(a.arbeitZuGeraetTransform().map(QPointF(5, 5)), QPointF(115, 65)); // y up
    EXPECT_EQ(a.geraetZuArbeit(QPointF(110, 70)), QPoint(0, 0));
    EXPECT_EQ(a.geraetZuSeite(QPointF(0, 0)), QPoint(-100, 50));
}

TEST(Koordinaten, DeviceToPageRoundsAndUsesTheSmallerRatio)
{
    // 1000 x 500 shown in 500 x 251: the ratios 0.5 and 0.502 differ; 0.5 serves both axes.
    const Abbildung a(QSize(1000, 500), QSize(500, 251), QPoint(0, 0));
    EXPECT_DOUBLE_EQ(a.faktor(), 0.5);
    EXPECT_EQ(a.seiteZuGeraet(QPointF(0, 0)), QPointF(250, 125));
    EXPECT_EQ(a.geraetZuSeite(QPointF(250.75, 100)), QPoint(2, 50));     // 1.5 -> 2
    EXPECT_EQ(a.geraetZuSeite(QPointF(249.25, 124.75)), QPoint(-2, 0));  // -1.5 -> -2, 0.5 -> 0
    EXPECT_EQ(a.geraetZuSeite(QPointF(250.25, 0)), QPoint(0, 250));      // 0.5 -> 0
}

TEST(Koordinaten, UnitConversionsRoundHalfToEvenAndNeedAScale)
{
    struct Case { QPoint p; double ppmm; QPoint mm, zehntel; };
    const Case faelle[] = {
        {{30, 0}, 3.0, {10, 0}, {100, 0}},
        {{-45, 15}, 3.0, {-15, 5}, {-150, 50}},
        {{5, 7}, 2.0, {2, 4}, {25, 35}},      // 2.5 -> 2, 3.5 -> 4
        {{-5, -3}, 2.0, {-2, -2}, {-25, -15}}, // -2.5 -> -2, -1.5 -> -2
        {{1, 3}, 20.0, {0, 0}, {0, 2}},        // 0.5 -> 0, 1.5 -> 2
        {{123, -77}, 0.0, {0, 0}, {0, 0}},
    };
    for (const Case &f : faelle) {
        EXPECT_EQ(PixelZuMM(f.p, f.ppmm), f.mm) << f.p.x() << "," << f.p.y() << " @" << f.ppmm;
        EXPECT_EQ(PixelZuZehntelMM(f.p, f.ppmm), f.zehntel) << f.p.x() << "," << f.p.y() << " @" << f.ppmm;
    }
    EXPECT_EQ(ZehntelMMZuPixel(QPoint(125, -35), 3.0), QPoint(38, -10)); // 37.5 -> 38, -10.5 -> -10
    EXPECT_EQ(ZehntelMMZuPixel(QPoint(5, 15), 1.0), QPoint(0, 2));      // 0.5 -> 0, 1.5 -> 2
    EXPECT_EQ(ZehntelMMZuPixel(QPoint(125, -35), 0.0), QPoint(0, 0));
}

TEST(Massstab, SecondPointComputesScaleAndMinimumDistance)
{
    struct Case { qint32 abstandMM; QPoint p1, p2; double ppmm; qint32 minAbstand; };
    const Case faelle[] = {
        {50, {0, 0}, {150, 0}, 3.0, 2},        // Round(2.0)
        {100, {0, 0}, {0, 151}, 1.51, 1},      // Round(1.255)
        {200, {-300, 0}, {300, 0}, 3.0, 2},    // the ruler of the generated modes
        {50, {0, 0}, {30, 40}, 1.0, 1},        // Round(1.0): 50 pixels along a slope
        {10, {0, 0}, {70, 0}, 7.0, 4},         // Round(4.0)
        {10, {0, 0}, {50, 0}, 5.0, 3},         // Round(3.0)
        {20, {0, 0}, {30, 0}, 1.5, 1},         // Round(1.25)
        {20, {0, 0}, {60, 0}, 3.0, 2},
        {10, {0, 0}, {30, 0}, 3.0, 2},
        {10, {0, 0}, {10, 0}, 1.0, 1},
        {10, {0, 0}, {90, 0}, 9.0, 5},         // Round(5.0)
        {10, {0, 0}, {110, 0}, 11.0, 6},       // Round(6.0)
        {10, {0, 0}, {130, 0}, 13.0, 7},       // Round(7.0)
        {10, {0, 0}, {40, 0}, 4.0, 2},         // Round(2.5) -> 2
        {10, {0, 0}, {80, 0}, 8.0, 4},         // Round(4.5) -> 4
    };
    for (const Case &f : faelle) {
        TMassstab m;
        m.MassstabAbstandSetzen(f.abstandMM);
        m.PunktSetzen(1, f.p1);
        EXPECT_FALSE(m.MassstabGesetzt());
        m.PunktSetzen(2, f.p2);
        EXPECT_TRUE(m.MassstabGesetzt());
        EXPECT_DOUBLE_EQ(m.PixelProMM, f.ppmm) << f.p2.x() << "," << f.p2.y();
        EXPECT_EQ(m.MinPunktAbstand, f.minAbstand) << f.p2.x() << "," << f.p2.y();
    }
}

TEST(Massstab, FirstPointInvalidatesScaleButKeepsMinimumDistance)
{
    TMassstab m;
    m.MassstabAbstandSetzen(50);
    m.PunktSetzen(1, {0, 0});
    m.PunktSetzen(2, {150, 0});
    m.PunktSetzen(1, {10, 10});
    EXPECT_EQ(m.PixelProMM, 0.0);
    EXPECT_EQ(m.MinPunktAbstand, 2);
    EXPECT_EQ(m.MassstabPunkt1, QPoint(10, 10));

    // A second point without a first one must not measure from the unset marker.
    TMassstab leer;
    leer.PunktSetzen(2, {150, 0});
    EXPECT_EQ(leer.PixelProMM, 0.0);
    EXPECT_FALSE(leer.MassstabGesetzt());
}

TEST(ScaleDialogChecks, FFAFieldTable)
{
    const QString keineZahl = QStringLiteral("Bitte geben Sie eine cm Einheit an. (Trennzeichen ist ein \",\")");
    const QString bereich = QStringLiteral("Der FFA muß zwischen 20 und 200 cm liegen.");
    struct Case { QString ein, feld; std::optional<double> wert; QString meldung; };
    const Case faelle[] = {
        {QStringLiteral("19,9"), QStringLiteral("19,9"), {}, bereich},
        {QStringLiteral("20"), QStringLiteral("20"), 20.0, {}},
        {QStringLiteral("200"), QStringLiteral("200"), 200.0, {}},
        {QStringLiteral("200,1"), QStringLiteral("200,1"), {}, bereich},
        {QStringLiteral("100.5"), QStringLiteral("100,5"), 100.5, {}},
        {QStringLiteral("-100"), QStringLiteral("-100"), {}, bereich},
        {QStringLiteral("1.000.0"), QStringLiteral("100,0"), {}, keineZahl}, // only the first point
        {QStringLiteral("abc"), QStringLiteral("100,0"), {}, keineZahl},
        {QString(), QStringLiteral("100,0"), {}, keineZahl},
    };
    for (const Case &f : faelle) {
        const FeldPruefung p = FFAPruefen(f.ein);
        EXPECT_EQ(p.feldText, f.feld) << f.ein.toStdString();
        EXPECT_EQ(p.wert, f.wert) << f.ein.toStdString();
        EXPECT_EQ(p.meldung, f.meldung) << f.ein.toStdString();
    }
}

TEST(ScaleDialogChecks, DistanceFieldTable)
{
    const QString keineZahl = QStringLiteral("Bitte geben Sie eine cm Einheit an. (Trennzeichen ist ein \",\")");
    const QString zuKlein = QStringLiteral("Die Punkte müssen mindestens 1cm auseinander liegen.");
    struct Case { QString ein, feld; qint32 mm; bool ok; QString meldung; };
    const Case faelle[] = {
        {QStringLiteral("0,9"), QStringLiteral("0,9"), 9, false, zuKlein},
        {QStringLiteral("1,0"), QStringLiteral("1,0"), 10, true, {}},
        {QStringLiteral("0,5"), QStringLiteral("0,5"), 5, false, zuKlein},
        {QStringLiteral("12.25"), QStringLiteral("12,25"), 122, true, {}}, // 122.5 -> 122
        {QStringLiteral("12,75"), QStringLiteral("12,75"), 128, true, {}}, // 127.5 -> 128
        {QStringLiteral("-3"), QStringLiteral("-3"), -30, false, zuKlein},
        {QStringLiteral("zehn"), QStringLiteral("10"), 77, false, keineZahl}, // distance untouched
        {QStringLiteral("99999999999"), QStringLiteral("10"), 77, false, keineZahl},
    };
    for (const Case &f : faelle) {
        qint32 mm = 77;
        const FeldPruefung p = AbstandPruefen(f.ein, mm);
        EXPECT_EQ(p.feldText, f.feld) << f.ein.toStdString();
        EXPECT_EQ(mm, f.mm) << f.ein.toStdString();
        EXPECT_EQ(p.wert.has_value(), f.ok) << f.ein.toStdString();
        EXPECT_EQ(p.meldung, f.meldung) << f.ein.toStdString();
    }
}
