#include "contour/TKontur.h"
#include "app/KonturMeldungen.h"
#include "support/ScriptedMessages.h"
#include "PunktAusgabe.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QPainter>

#include <numbers>

using namespace qv;
using qv::test::ScriptedMessages;

namespace {

const QString kCrossingMessage = QStringLiteral(
    "Der eingegebene Punkt führt zu einer Überschneidung \rin der Kontur. Das ist nicht zulässig.\r"
    "Der letzte Punkt wurde entfernt.");
const QString kTooFewMessage = QStringLiteral(
    "Eine Kontur kann erst dann geschlossen werden, wenn Sie mind.3 Punkte hat. Bitte geben Sie "
    "zunächst weitere Punkte ein.");

void addPoints(TKontur &k, const QList<QPoint> &punkte, bool pruefen = true)
{
    for (const QPoint &p : punkte)
        ASSERT_EQ(k.PunktHinzufuegen(p, pruefen), KonturErgebnis::Angenommen) << p.x() << "," << p.y();
}

QList<QPoint> validPoints(const TKontur &k)
{
    return k.Punkte().mid(0, k.Anzahl());
}

const QList<QPoint> kSquare = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};

} // namespace

TEST(Kontur, CrossingPointIsRefusedWithMessageThenSquareCloses)
{
    ScriptedMessages msgs;
    TKontur k(1);
    addPoints(k, kSquare);
    EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen({50, -10}, true)), KonturErgebnis::Ueberschneidung);
    EXPECT_EQ(msgs.texts(), QStringList{kCrossingMessage});
    EXPECT_EQ(k.Anzahl(), 4);
    EXPECT_EQ(k.Hoechster(), 3);
    EXPECT_FALSE(k.IstGeschlossen());

    EXPECT_EQ(KonturMelden(msgs, k.Schliessen()), KonturErgebnis::Angenommen);
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_EQ(k.Anzahl(), 5);
    EXPECT_EQ(k.LetzterPunkt(), QPoint(0, 0));
    EXPECT_EQ(k.ExtremX(), QPoint(100, 0));
    EXPECT_EQ(k.ExtremY(), QPoint(100, 100));
    EXPECT_EQ(msgs.texts().size(), 1);
}

TEST(Kontur, WhichTracedPointsAreAccepted)
{
    struct Case
    {
        const char *name;
        QList<QPoint> vorher;
        int minAbstand;
        QPoint neu;
        bool angenommen;
        bool meldung;
    };
    const QList<Case> faelle = {
        {"a fourth point crossing the first segment", {{0, 0}, {100, 0}, {100, 100}}, 0, {50, -10}, false, true},
        {"a fourth point touching the start point", {{0, 0}, {100, 0}, {100, 100}}, 0, {0, 0}, false, true},
        {"a fourth point clear of the first segment", {{0, 0}, {100, 0}, {100, 100}}, 0, {0, 100}, true, false},
        {"a third point is not tested", {{0, 0}, {100, 0}}, 0, {50, 0}, true, false},
        {"landing on the start point", kSquare, 0, {0, 0}, false, true},
        {"landing on an earlier segment", kSquare, 0, {50, 0}, false, true},
        {"back along the last segment is not tested", kSquare, 0, {0, 50}, true, false},
        {"identical point without scale", kSquare, 0, {0, 100}, false, false},
        {"one pixel away without scale", kSquare, 0, {1, 100}, true, false},
        {"at the minimum distance", kSquare, 2, {2, 100}, false, false},
        {"beyond the minimum distance", kSquare, 2, {2, 101}, true, false},
        {"first point is never too close", {}, 5, {0, 0}, true, false},
        {"crossing far back", {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 200}}, 0, {50, -50}, false, true},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.name);
        ScriptedMessages msgs;
        TKontur k(3);
        addPoints(k, f.vorher, false);
        EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen(f.neu, true, f.minAbstand)) == KonturErgebnis::Angenommen,
                  f.angenommen);
        EXPECT_EQ(k.Anzahl(), f.vorher.size() + (f.angenommen ? 1 : 0));
        EXPECT_EQ(msgs.texts(), f.meldung ? QStringList{kCrossingMessage} : QStringList{});
    }
}

// A traced outline is closed with the check; generated, imported and read contours without it.
TEST(Kontur, ClosingThatWouldCrossKeepsTheTracedContourOpen)
{
    const QString kClosingCrossesMessage = QStringLiteral(
        "Das Schließen führt zu einer Überschneidung \rin der Kontur. Das ist nicht zulässig.\r"
        "Die Kontur bleibt offen.");
    struct Case
    {
        const char *name;
        QList<QPoint> punkte;
        bool geschlossen;
    };
    // The closing segment runs from the last point back to (0, 0).
    const QList<Case> faelle = {
        {"square", kSquare, true},
        {"triangle", {{0, 0}, {100, 0}, {50, 80}}, true},
        {"bow tie: closing crosses the second segment", {{0, 0}, {100, 0}, {0, 100}, {100, 100}}, false},
        {"spiral: closing crosses a middle segment",
         {{0, 0}, {10, 0}, {10, 10}, {-20, 10}, {-20, -20}, {30, -20}, {30, 40}},
         false},
        {"closing runs through an earlier point",
         {{0, 0}, {100, 0}, {100, 100}, {50, 100}, {50, 300}, {100, 200}},
         false},
        {"concave outline", {{0, 0}, {100, 0}, {100, 100}, {50, 30}, {0, 100}}, true},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.name);
        ScriptedMessages msgs;
        TKontur k(1);
        addPoints(k, f.punkte, false);
        const KonturErgebnis e = KonturMelden(msgs, k.Schliessen(true));
        EXPECT_EQ(k.IstGeschlossen(), f.geschlossen);
        if (f.geschlossen) {
            EXPECT_EQ(e, KonturErgebnis::Angenommen);
            EXPECT_EQ(k.Anzahl(), f.punkte.size() + 1);
            EXPECT_TRUE(msgs.texts().isEmpty());
        } else {
            EXPECT_EQ(e, KonturErgebnis::SchliessenUeberschneidung);
            EXPECT_EQ(validPoints(k), f.punkte);
            EXPECT_EQ(msgs.texts(), QStringList{kClosingCrossesMessage});
            // The same outline closes without the check (a shape or an import).
            EXPECT_EQ(k.Schliessen(), KonturErgebnis::Angenommen);
            EXPECT_TRUE(k.IstGeschlossen());
        }
    }
}

TEST(Kontur, UndoRedoAndTruncation)
{
    TKontur k(1);
    addPoints(k, kSquare);
    k.Rueckgaengig();
    k.Rueckgaengig();
    EXPECT_EQ(k.Anzahl(), 2);
    EXPECT_EQ(k.RedoAnzahl(), 2);
    k.Wiederherstellen();
    EXPECT_EQ(k.LetzterPunkt(), QPoint(100, 100));
    k.Rueckgaengig();
    ASSERT_EQ(k.PunktHinzufuegen({200, 50}, true), KonturErgebnis::Angenommen);
    EXPECT_EQ(k.Hoechster(), k.Letzter());
    EXPECT_EQ(k.RedoAnzahl(), 0);
    EXPECT_EQ(k.Punkte(), (QList<QPoint>{{0, 0}, {100, 0}, {200, 50}}));
    k.Wiederherstellen(); // nothing left to redo
    EXPECT_EQ(k.Anzahl(), 3);
}

TEST(Kontur, UndoAfterClosingReopensAndRedoClosesAgain)
{
    ScriptedMessages msgs;
    TKontur k(1);
    addPoints(k, kSquare);
    EXPECT_EQ(KonturMelden(msgs, k.Schliessen()), KonturErgebnis::Angenommen);
    EXPECT_EQ(k.RedoAnzahl(), 0);
    k.Rueckgaengig();
    EXPECT_FALSE(k.IstGeschlossen());
    EXPECT_EQ(k.RedoAnzahl(), 1);
    k.Wiederherstellen();
    EXPECT_TRUE(k.IstGeschlossen());

    // All the way down: a single remaining point is not a closed contour, and redo still
    // brings every point back.
    for (int i = 0; i < 4; ++i)
        k.Rueckgaengig();
    EXPECT_EQ(k.Anzahl(), 1);
    EXPECT_FALSE(k.IstGeschlossen());
    EXPECT_EQ(k.RedoAnzahl(), 4);
    k.Rueckgaengig();
    k.Rueckgaengig();
    EXPECT_EQ(k.Anzahl(), 0);
    EXPECT_EQ(k.LetzterPunkt(), QPoint(0, 0));
    for (int i = 0; i < 6; ++i)
        k.Wiederherstellen();
    EXPECT_EQ(k.Anzahl(), 5);
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_TRUE(msgs.shown().isEmpty());
}

TEST(Kontur, ClosingNeedsThreePoints)
{
    ScriptedMessages msgs;
    TKontur k(1);
    addPoints(k, {{0, 0}, {10, 0}});
    EXPECT_EQ(KonturMelden(msgs, k.Schliessen()), KonturErgebnis::ZuWenigePunkte);
    EXPECT_EQ(msgs.texts(), QStringList{kTooFewMessage});
    EXPECT_FALSE(k.IstGeschlossen());
    EXPECT_EQ(k.Anzahl(), 2);
    EXPECT_EQ(k.ExtremX(), QPoint(0, 0)); // not computed for an open contour
    ASSERT_EQ(k.PunktHinzufuegen({5, 5}, true), KonturErgebnis::Angenommen);
    k.Schliessen();
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_EQ(k.Anzahl(), 4);
    EXPECT_EQ(k.Punkt(3), QPoint(0, 0));
    EXPECT_EQ(k.Punkt(4), QPoint(0, 0)); // past the last entry
    EXPECT_EQ(k.Punkt(-1), QPoint(0, 0));
}

TEST(Kontur, EnthaeltPunkt)
{
    TKontur quadrat(1);
    addPoints(quadrat, kSquare);
    quadrat.Schliessen();
    // A concave outline and a diamond whose side corners lie on a horizontal ray.
    TKontur haken(2);
    addPoints(haken, {{0, 0}, {300, 0}, {300, 100}, {100, 100}, {100, 200}, {0, 200}});
    haken.Schliessen();
    TKontur raute(3);
    addPoints(raute, {{0, -10}, {10, 0}, {0, 10}, {-10, 0}});
    raute.Schliessen();

    struct Case
    {
        const TKontur *kontur;
        QPoint p;
        bool innen;
    };
    const Case faelle[] = {
        {&quadrat, {50, 50}, true},
        {&quadrat, {150, 50}, false},
        {&quadrat, {50, 150}, false},
        {&quadrat, {-10, 100}, false}, // level with two corners
        {&quadrat, {-10, 50}, false},
        {&quadrat, {99, 1}, true},
        {&haken, {50, 150}, true},
        {&haken, {200, 150}, false},
        {&haken, {200, 50}, true},
        {&raute, {0, 5}, true},
        {&raute, {-20, 0}, false},
        // A corner on the ray counts as lying below it, so the ray passes the side corners
        // of a diamond exactly once.
        {&raute, {1, 0}, true},
        {&raute, {-9, 0}, true},
        {&raute, {11, 0}, false},
    };
    for (const Case &f : faelle)
        EXPECT_EQ(f.kontur->EnthaeltPunkt(f.p), f.innen) << f.kontur->Nummer() << ": " << f.p.x() << "," << f.p.y();

    TKontur leer(4);
    EXPECT_FALSE(leer.EnthaeltPunkt({0, 0}));
}

TEST(Kontur, ExtremaTakeTheFirstLargestValue)
{
    TKontur k(1);
    addPoints(k, {{5, 1}, {-5, 2}, {3, -9}, {0, 9}}, false);
    k.ExtremaBerechnen();
    EXPECT_EQ(k.ExtremX(), QPoint(5, 1));
    EXPECT_EQ(k.ExtremY(), QPoint(3, -9));
    TKontur eins(1);
    addPoints(eins, {{-700, 800}}, false);
    eins.ExtremaBerechnen();
    EXPECT_EQ(eins.ExtremX(), QPoint(0, 0));
}

TEST(Kontur, DrehenStartsFromTheBackupWithTheAccumulatedAngle)
{
    TKontur k(1);
    addPoints(k, {{100, 0}, {0, 50}, {-30, -40}});
    k.Schliessen();
    k.Uebernehmen();
    k.Drehen(std::numbers::pi / 2);
    EXPECT_EQ(validPoints(k), (QList<QPoint>{{0, -100}, {50, 0}, {-40, 30}, {0, -100}}));
    EXPECT_EQ(k.ExtremX(), QPoint(50, 0));
    const QList<QPoint> einmal = validPoints(k);

    TKontur z(1);
    addPoints(z, {{100, 0}, {0, 50}, {-30, -40}});
    z.Schliessen();
    z.Uebernehmen();
    z.Drehen(std::numbers::pi / 4);
    EXPECT_EQ(z.Punkt(0), QPoint(71, -71));
    z.Drehen(std::numbers::pi / 4);
    EXPECT_EQ(validPoints(z), einmal);
    EXPECT_DOUBLE_EQ(z.Winkel(), std::numbers::pi / 2);
    z.Drehen(-std::numbers::pi / 2);
    EXPECT_EQ(z.Punkt(0), QPoint(100, 0));

    // Many small steps still land exactly where one step lands.
    for (int i = 0; i < 90; ++i)
        z.Drehen(std::numbers::pi / 180);
    EXPECT_EQ(validPoints(z), einmal);
    z.Verwerfen();
    EXPECT_EQ(z.Punkt(0), QPoint(100, 0));
    EXPECT_EQ(z.ExtremX(), QPoint(100, 0));
}

TEST(Kontur, DrehenWithoutBackupTakesOneFirst)
{
    TKontur k(1);
    addPoints(k, {{100, 0}, {0, 50}, {-30, -40}});
    k.Schliessen();
    k.Drehen(std::numbers::pi);
    EXPECT_EQ(k.Punkt(0), QPoint(-100, 0));
    EXPECT_EQ(k.Sicherung().size(), 4);
    k.Verwerfen();
    EXPECT_EQ(k.Punkt(0), QPoint(100, 0));
}

TEST(Kontur, VerschiebenKeepsTheFirstBackupAndVerwerfenRestoresIt)
{
    TKontur k(1);
    addPoints(k, kSquare);
    k.Schliessen();
    k.Verschieben(10, -5);
    k.Verschieben(10, -5);
    EXPECT_EQ(k.Punkt(2), QPoint(120, 90));
    EXPECT_EQ(k.Punkt(4), QPoint(20, -10));
    EXPECT_EQ(k.ExtremX(), QPoint(120, -10));
    EXPECT_EQ(k.Sicherung(), (QList<QPoint>{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}));
    k.Verwerfen();
    EXPECT_EQ(validPoints(k), (QList<QPoint>{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}));
    EXPECT_EQ(k.ExtremX(), QPoint(100, 0));

    k.Verschieben(3, 3);
    k.Uebernehmen();
    k.Verschieben(1, 1);
    k.Verwerfen();
    EXPECT_EQ(k.Punkt(0), QPoint(3, 3));

    // No wrap-around at the edge of the coordinate range.
    TKontur rand(2);
    addPoints(rand, {{2147483600, 0}}, false);
    rand.Verschieben(100, 0);
    EXPECT_EQ(rand.Punkt(0), QPoint(2147483647, 0));
}

TEST(Kontur, KopieMakesUndonePointsValidAndDropsSelection)
{
    TKontur k(7);
    addPoints(k, kSquare);
    k.Rueckgaengig();
    k.setMarkiert(true);
    k.Verschieben(1, 0);
    const auto c = k.Kopie();
    EXPECT_EQ(c->Nummer(), 7);
    EXPECT_EQ(c->Anzahl(), 4);
    EXPECT_EQ(c->Punkte(), k.Punkte());
    EXPECT_FALSE(c->Markiert());
    EXPECT_TRUE(c->Sicherung().isEmpty());
    EXPECT_EQ(c->Winkel(), 0.0);
    EXPECT_EQ(c->ExtremY(), QPoint(101, 100));
}

TEST(Kontur, SizeLimitHoldsOnEveryPath)
{
    ScriptedMessages msgs;
    TKontur k(1);
    for (int i = 0; i < TKontur::MaxPunkte - 1; ++i)
        ASSERT_EQ(k.PunktHinzufuegen({i, i % 2}, false), KonturErgebnis::Angenommen);
    EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen({-5, 7}, false)), KonturErgebnis::PunktGrenzeErreicht);
    EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen({-5, 9}, false)), KonturErgebnis::PunktGrenzeSchonGemeldet);
    // One message, not one per refused point of a long import.
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.lastText(), QStringLiteral("Eine Kontur kann höchstens 10000 Punkte haben.\rWeitere Punkte werden nicht übernommen."));
    // A traced point is answered every time.
    EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen({-5, 7}, true)), KonturErgebnis::PunktGrenzeErreicht);
    EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen({-9, 7}, true)), KonturErgebnis::PunktGrenzeErreicht);
    ASSERT_EQ(msgs.texts().size(), 3);
    EXPECT_NE(KonturMelden(msgs, k.PunktHinzufuegen({-5, 11}, false)), KonturErgebnis::Angenommen);
    ASSERT_EQ(msgs.texts().size(), 3);
    EXPECT_EQ(k.Schliessen(), KonturErgebnis::Angenommen);
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_EQ(k.Anzahl(), TKontur::MaxPunkte);
    EXPECT_EQ(k.Schliessen(), KonturErgebnis::Unveraendert); // no room beyond the closing point
    EXPECT_EQ(k.Punkte().size(), TKontur::MaxPunkte);
    EXPECT_EQ(k.Kopie()->Anzahl(), TKontur::MaxPunkte);

    k.Rueckgaengig();
    k.Rueckgaengig();
    EXPECT_EQ(k.PunktHinzufuegen({-5, 7}, false), KonturErgebnis::Angenommen);
    EXPECT_NE(KonturMelden(msgs, k.PunktHinzufuegen({-5, 8}, false)), KonturErgebnis::Angenommen);
    EXPECT_EQ(msgs.texts().size(), 4);
}

TEST(Kontur, Zeichnen)
{
    for (int n = 1; n <= 11; ++n)
        EXPECT_TRUE(TKontur::Farbe(n).isValid());
    EXPECT_EQ(TKontur::Farbe(1), QColor(128, 0, 0));
    EXPECT_EQ(TKontur::Farbe(3), QColor(255, 128, 0));
    EXPECT_EQ(TKontur::Farbe(6), QColor(0, 0, 128));
    EXPECT_EQ(TKontur::Farbe(9), QColor(255, 255, 255));
    EXPECT_EQ(TKontur::Farbe(11), QColor(255, 0, 255));

    const auto bild = [&](const TKontur &k, bool punkte) {
        QImage img(200, 200, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        p.translate(50, 50);
        k.Zeichnen(p, punkte);
        p.end();
        return img;
    };
    const auto anzahl = [](const QImage &img, QColor c, QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += img.pixelColor(x, y) == c;
        return n;
    };
    const QRect innen(60, 60, 80, 80);

    TKontur k(2);
    addPoints(k, kSquare);
    QImage offen = bild(k, false);
    EXPECT_EQ(anzahl(offen, Qt::red, innen), 0); // open: outline only
    EXPECT_EQ(offen.pixelColor(100, 50), QColor(Qt::red));
    EXPECT_EQ(offen.pixelColor(50, 100), QColor(Qt::black)); // closing segment not drawn yet

    k.Schliessen();
    EXPECT_EQ(anzahl(bild(k, false), Qt::red, innen), innen.width() * innen.height());
    k.setMarkiert(true);
    const int schraffiert = anzahl(bild(k, false), Qt::red, innen);
    EXPECT_GT(schraffiert, 0);
    EXPECT_LT(schraffiert, innen.width() * innen.height() / 2); // background shows through

    // Crosses of +-5 at every point when asked for.
    EXPECT_EQ(bild(k, false).pixelColor(45, 45), QColor(Qt::black));
    EXPECT_EQ(bild(k, true).pixelColor(45, 45), QColor(Qt::red));
    EXPECT_EQ(bild(k, true).pixelColor(155, 155), QColor(Qt::red));
}
