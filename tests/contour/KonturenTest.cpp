#include "contour/TKonturen.h"
#include "app/KonturMeldungen.h"
#include "support/ScriptedMessages.h"
#include "PunktAusgabe.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QPainter>

#include <numbers>
#include <random>

using namespace qv;
using qv::test::ScriptedMessages;

namespace {

const QString kElevenMessage = QStringLiteral(
    "Es ist nur die Eingabe von 11 Konturen möglich.\rSie können andere Konturen löschen, um eine "
    "neue einzugeben.");
const QString kSelectMessage =
    QStringLiteral("Um die Kontur auszuwählen muß zunächst die aktuelle Kontur geschlossen werden.");

// A closed square contour of side a with its lower left corner at (x, y).
void square(TKonturen &set, int x, int y, int a)
{
    ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
    TKontur &k = set.Kontur(set.Anzahl());
    for (const QPoint &p : {QPoint(x, y), QPoint(x + a, y), QPoint(x + a, y + a), QPoint(x, y + a)})
        k.PunktHinzufuegen(p, false);
    k.Schliessen();
}

} // namespace

TEST(Konturen, ElevenContoursAtMost)
{
    ScriptedMessages msgs;
    TKonturen set;
    EXPECT_EQ(set.Anzahl(), 0);
    EXPECT_EQ(set.Aktuell(), 0);
    EXPECT_TRUE(set.AlleGeschlossen());
    for (int k = 1; k <= 11; ++k) {
        ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
        EXPECT_EQ(set.Aktuell(), k);
        EXPECT_EQ(set.Kontur(k).Nummer(), k);
    }
    EXPECT_EQ(KonturMelden(msgs, set.NeueKontur()), KonturErgebnis::KonturenGrenzeErreicht);
    EXPECT_EQ(msgs.texts(), QStringList{kElevenMessage});
    EXPECT_EQ(set.Anzahl(), 11);
    EXPECT_EQ(set.Aktuell(), 11);
    EXPECT_FALSE(set.AlleGeschlossen()); // empty contours are open
}

TEST(Konturen, NoCurrentContourBehavesAsClosedAndEmpty)
{
    ScriptedMessages msgs;
    TKonturen set;
    TKontur &k = set.AktuelleKontur();
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_EQ(k.Anzahl(), 0);
    EXPECT_EQ(k.RedoAnzahl(), 0);
    KonturMelden(msgs, k.Schliessen());
    k.Rueckgaengig();
    k.Wiederherstellen();
    k.Verschieben(5, 5);
    k.Drehen(1.0);
    k.setMarkiert(true);
    EXPECT_EQ(KonturMelden(msgs, k.PunktHinzufuegen({1, 1}, false)), KonturErgebnis::Unveraendert);
    EXPECT_EQ(KonturMelden(msgs, set.PunktHinzufuegen({1, 1})), KonturErgebnis::Unveraendert);
    EXPECT_EQ(k.Anzahl(), 0);
    EXPECT_FALSE(k.Markiert());
    EXPECT_TRUE(k.IstGeschlossen());
    EXPECT_EQ(set.LetzterPunktAktuell(), KeinPunkt);
    EXPECT_TRUE(msgs.shown().isEmpty());
    // Numbers outside the set give the same stand-in.
    EXPECT_TRUE(set.Kontur(12).IstGeschlossen());
    EXPECT_EQ(set.Kontur(-3).Anzahl(), 0);
}

TEST(Konturen, TracingThroughTheSet)
{
    TKonturen set;
    set.setMinPunktAbstand(2);
    ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.LetzterPunktAktuell(), KeinPunkt); // no point yet
    EXPECT_EQ(set.PunktHinzufuegen({0, 0}), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.PunktHinzufuegen({2, 0}), KonturErgebnis::ZuNah); // not farther than 2
    EXPECT_EQ(set.PunktHinzufuegen({3, 0}), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.PunktHinzufuegen({3, 3}), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.LetzterPunktAktuell(), QPoint(3, 3));
    EXPECT_FALSE(set.AlleGeschlossen());
    set.AktuelleKontur().Schliessen();
    EXPECT_EQ(set.LetzterPunktAktuell(), KeinPunkt);
    EXPECT_TRUE(set.AlleGeschlossen());
}

TEST(Konturen, LoeschenRenumbersThroughCopies)
{
    ScriptedMessages msgs;
    TKonturen set;
    for (int k = 0; k < 4; ++k)
        square(set, 100 * k, -10 * k, 50 + k);
    set.AlleMarkieren();
    const QPoint ex3 = set.Kontur(3).ExtremX();
    const QPoint ey4 = set.Kontur(4).ExtremY();
    set.Auswaehlen(1);

    msgs.expectAnswer(Messages::Answer::No);
    EXPECT_EQ(KonturLoeschen(set, 2, true, msgs), KonturErgebnis::Unveraendert);
    EXPECT_EQ(set.Anzahl(), 4);
    EXPECT_EQ(set.Aktuell(), 1);

    msgs.expectAnswer(Messages::Answer::Yes);
    EXPECT_EQ(KonturLoeschen(set, 2, true, msgs), KonturErgebnis::Angenommen);
    EXPECT_EQ(msgs.texts(), QStringList(2, QStringLiteral("Wollen Sie die Kontur Nr. 2 wirklich löschen?")));
    EXPECT_EQ(msgs.shown().last().kind, Messages::Kind::Question);
    ASSERT_EQ(set.Anzahl(), 3);
    EXPECT_EQ(set.Aktuell(), 3);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(set.Kontur(k).Nummer(), k);
    EXPECT_EQ(set.Kontur(2).Punkt(0), QPoint(200, -20));
    EXPECT_EQ(set.Kontur(2).ExtremX(), ex3);
    EXPECT_EQ(set.Kontur(3).ExtremY(), ey4);
    EXPECT_TRUE(set.Kontur(1).Markiert());
    EXPECT_FALSE(set.Kontur(2).Markiert()); // moved contours lose their mark
    EXPECT_TRUE(set.Kontur(2).IstGeschlossen());
    EXPECT_EQ(set.Kontur(4).Anzahl(), 0);

    KonturLoeschen(set, 3, false, msgs);
    EXPECT_EQ(set.Anzahl(), 2);
    EXPECT_EQ(set.Aktuell(), 2);
    KonturLoeschen(set, 1, false, msgs);
    EXPECT_EQ(set.Loeschen(1), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.Anzahl(), 0);
    EXPECT_EQ(set.Aktuell(), 0);
    EXPECT_EQ(KonturLoeschen(set, 1, true, msgs), KonturErgebnis::Unveraendert); // nothing to delete, nothing asked
    EXPECT_EQ(set.Loeschen(1), KonturErgebnis::Unveraendert);
    EXPECT_EQ(msgs.texts().size(), 2);

    // The next traced point starts contour 1.
    ASSERT_TRUE(set.AktuelleKontur().IstGeschlossen());
    ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.PunktHinzufuegen({7, 7}), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.Aktuell(), 1);
}

TEST(Konturen, AuswaehlenOnlyWhileTheCurrentContourIsClosed)
{
    ScriptedMessages msgs;
    TKonturen set;
    square(set, 0, 0, 10);
    square(set, 20, 0, 10);
    EXPECT_EQ(KonturMelden(msgs, set.Auswaehlen(1)), KonturErgebnis::Angenommen);
    EXPECT_EQ(set.Aktuell(), 1);
    EXPECT_EQ(KonturMelden(msgs, set.Auswaehlen(3)), KonturErgebnis::Unveraendert);
    EXPECT_EQ(set.Aktuell(), 1);
    ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
    set.PunktHinzufuegen({100, 100});
    EXPECT_EQ(KonturMelden(msgs, set.Auswaehlen(2)), KonturErgebnis::AktuelleKonturOffen);
    EXPECT_EQ(msgs.texts(), QStringList{kSelectMessage});
    EXPECT_EQ(set.Aktuell(), 3);
}

TEST(Konturen, ExtremePointsOverAllContours)
{
    TKonturen set;
    EXPECT_EQ(set.ExtremX(), QPoint(0, 0));
    ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
    for (const QPoint &p : {QPoint(0, -50), QPoint(0, 80), QPoint(0, 10)})
        set.Kontur(1).PunktHinzufuegen(p, false);
    set.Kontur(1).Schliessen();
    EXPECT_EQ(set.ExtremX(), QPoint(0, 0)); // all on the vertical axis
    EXPECT_EQ(set.ExtremY(), QPoint(0, 80));
    square(set, -120, -5, 30);
    square(set, 110, 0, 10);
    EXPECT_EQ(set.ExtremX(), QPoint(-120, -5)); // 120 ties with -120: the first contour wins
    square(set, -300, -200, 10);
    EXPECT_EQ(set.ExtremX(), QPoint(-300, -200));
    EXPECT_EQ(set.ExtremY(), QPoint(-300, -200));
}

TEST(Konturen, SelectingMovingRotatingAndReverting)
{
    TKonturen set;
    square(set, 0, 0, 100);
    square(set, 50, 50, 100);
    square(set, 500, 500, 10);

    set.MarkierungUmschalten({75, 75}); // inside both overlapping squares
    EXPECT_TRUE(set.Kontur(1).Markiert());
    EXPECT_TRUE(set.Kontur(2).Markiert());
    EXPECT_FALSE(set.Kontur(3).Markiert());
    set.MarkierungUmschalten({75, 75});
    EXPECT_FALSE(set.IrgendeineMarkiert());
    EXPECT_FALSE(set.MarkierteVerschieben(5, 5));
    EXPECT_FALSE(set.MarkierteDrehen(1.0));

    set.AlleUebernehmen();
    set.MarkierungUmschalten({10, 10});
    ASSERT_TRUE(set.MarkierteVerschieben(QPoint(0, -10)));
    EXPECT_EQ(set.Kontur(1).Punkt(2), QPoint(100, 90));
    EXPECT_EQ(set.Kontur(2).Punkt(0), QPoint(50, 50));
    set.AlleDemarkieren();
    set.Kontur(3).setMarkiert(true);
    ASSERT_TRUE(set.MarkierteDrehen(std::numbers::pi / 2));
    EXPECT_EQ(set.Kontur(3).Punkt(0), QPoint(500, -500));

    // Revert restores every contour, also one that was moved and then deselected.
    set.AlleVerwerfen();
    EXPECT_EQ(set.Kontur(1).Punkt(2), QPoint(100, 100));
    EXPECT_EQ(set.Kontur(3).Punkt(0), QPoint(500, 500));
    set.AlleMarkieren();
    EXPECT_TRUE(set.Kontur(2).Markiert());
}

TEST(Konturen, ZeichnenPaintsInOrderAndRestoresThePainter)
{
    TKonturen set;
    square(set, 10, 10, 50);
    square(set, 30, 30, 50);
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    const QPen pen(Qt::blue, 3);
    p.setPen(pen);
    p.setBrush(Qt::green);
    set.Zeichnen(p);
    EXPECT_EQ(p.pen(), pen);
    EXPECT_EQ(p.brush(), QBrush(Qt::green));
    p.end();
    EXPECT_EQ(img.pixelColor(20, 20), TKontur::Farbe(1));
    EXPECT_EQ(img.pixelColor(50, 50), TKontur::Farbe(2)); // the later contour on top
}

// Random clicks, undos and redos: the valid points of the contour never form a polyline in
// which a checked segment meets an earlier one, and the bookkeeping stays consistent.
TEST(Konturen, RandomClickSequencesNeverCrossThemselves)
{
    std::mt19937 zufall(20261210);
    for (int lauf = 0; lauf < 300; ++lauf) {
        ScriptedMessages msgs;
        TKonturen set;
        set.setMinPunktAbstand(lauf % 3);
        ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
        TKontur &k = set.AktuelleKontur();
        const int feld = 10 + lauf % 40;
        std::uniform_int_distribution<int> koord(-feld, feld);
        std::uniform_int_distribution<int> aktion(0, 19);
        for (int schritt = 0; schritt < 80; ++schritt) {
            const int a = aktion(zufall);
            if (a == 0)
                k.Rueckgaengig();
            else if (a == 1)
                k.Wiederherstellen();
            else
                KonturMelden(msgs, set.PunktHinzufuegen({koord(zufall), koord(zufall)}));

            ASSERT_EQ(k.Punkte().size(), k.Hoechster() + 1);
            ASSERT_GE(k.Letzter(), -1);
            ASSERT_LE(k.Letzter(), k.Hoechster());
            ASSERT_FALSE(k.IstGeschlossen());
        }
        // A closed outline must not cross either: its closing segment is tested too.
        const bool geschlossen = k.Schliessen(true) == KonturErgebnis::Angenommen;
        ASSERT_EQ(geschlossen, k.IstGeschlossen());
        const QList<QPoint> p = k.Punkte().mid(0, k.Anzahl());
        for (int n = 3; n < p.size(); ++n) {
            if (!geschlossen || n < p.size() - 1) {
                ASSERT_GT(Abstand(p[n - 1], p[n]), set.MinPunktAbstand());
            }
            // The closing segment shares its end point with the first segment.
            for (int i = n - 2; i >= (geschlossen && n == p.size() - 1 ? 2 : 1); --i) {
                ASSERT_FALSE(StreckenSchnitt(AlsDPunkt(p[n]), AlsDPunkt(p[n - 1]), AlsDPunkt(p[i]), AlsDPunkt(p[i - 1])))
                    << "run " << lauf << ": segment " << n << " meets segment " << i;
            }
        }
        for (const QString &t : msgs.texts())
            ASSERT_TRUE(t.startsWith(QStringLiteral("Der eingegebene Punkt führt zu einer Überschneidung")));
    }
}
