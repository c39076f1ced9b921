#include "app/Eingabesteuerung.h"
#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/TKonturListe.h"
#include "app/TMainForm.h"
#include "base/UtilsUnit.h"
#include "help/THelpForm.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/TAuftragsArtForm.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/WidgetChild.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/TScaleForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

using namespace qv;

namespace {

const QString kCrossingMessage = QStringLiteral("Der eingegebene Punkt führt zu einer Überschneidung \rin der Kontur. Das "
                                         "ist nicht zulässig.\rDer letzte Punkt wurde entfernt.");

// A program folder with a configuration file, settings and a 600 x 450 screenshot.
struct Rig : test::MainWindowHarness
{
    explicit Rig(const QByteArray &einstellungen = "[Init]\r\nStartAssistent=0\r\nHelp=0\r\n")
    {
        writeScreenshot();
        start(test::MainWindowOptions().withSettings(einstellungen));
    }

    Arbeitsflaeche &document() { return form->dokument(); }
    // the contour list of mode 0 and its parts, found by name
    TKonturListe *contourList() { return form->findChild<TKonturListe *>(QStringLiteral("GB_Kontureingabe")); }
    TKonturZeile *row(int n) { return contourList()->findChild<TKonturZeile *>(QStringLiteral("P_K%1").arg(n)); }
    bool rowVisible(int n) { return row(n)->isVisibleTo(contourList()); }
    QPushButton *backButton() { return contourList()->findChild<QPushButton *>(QStringLiteral("BTN_KonturRueck")); }
    QPushButton *forwardButton() { return contourList()->findChild<QPushButton *>(QStringLiteral("BTN_KonturVor")); }
};

} // namespace

class MainFormInputTest : public QObject
{
    Q_OBJECT

private slots:
    void traceSquareCloseAndEnd();
    void tracedOrderSurvivesTheCodec();
    void crossingPointRefused();
    void messageOnAPressEndsThePress();
    void undoTwiceThenAddPoint();
    void dragAddsAtMostOnePointPerEvent();
    void twelfthContourRefused();
    void shiftConstrainsTheScale();
    void rightClickRules();
    void isocentreQuestion();
    void deleteWhileAnotherContourIsOpen();
    void enablingFollowsTheWorkflow();
    void modeChangeQuestionAndRefusal();
    void internalModeMenus();
    void captionAndMessages();
    void viewLock();
    void contourListLeavesTheWorkflowInView();
};

void MainFormInputTest::traceSquareCloseAndEnd()
{
    Rig u;
    u.traceUpToScale();
    QVERIFY(u.order().IsozentrumGesetzt);
    QVERIFY(u.document().MassstabGesetzt());
    QVERIFY(u.panel().istFreigegeben(Befehl::KonturEingabe));

    u.panel().knopfKlicken(Befehl::KonturEingabe);
    QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Eingabe beenden"));
    QVERIFY(u.panel().konturListeOffen());
    QVERIFY2(!u.panel().istFreigegeben(Befehl::MassstabEingeben), "the input lock holds the other buttons");
    QVERIFY(u.panel().istFreigegeben(Befehl::KonturEingabe));
    QCOMPARE(u.form->hilfe().windowTitle(), QStringLiteral("Direkt Hilfe - Kontureingabe"));

    const QPoint ecken[] = {{-60, -60}, {60, -60}, {60, 60}, {-60, 60}};
    for (const QPoint &e : ecken)
        u.click(e);
    const TKontur &k = u.order().Konturen.Kontur(1);
    QCOMPARE(k.Anzahl(), 4);
    QCOMPARE(k.Punkt(1), u.workspacePoint(u.devicePoint(QPoint(60, -60))));
    u.click(QPoint(0, 0), Qt::RightButton);
    QVERIFY(k.IstGeschlossen());
    QCOMPARE(k.Anzahl(), 5);
    QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Eingabe beenden"));

    u.click(QPoint(0, 0), Qt::RightButton);
    QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Konturen"));
    QVERIFY(!u.panel().konturListeOffen());
    QVERIFY(u.panel().istFreigegeben(Befehl::MassstabEingeben));
    QCOMPARE(u.form->hilfe().windowTitle(), QStringLiteral("Direkt Hilfe - Bild-Modus"));
    for (Lampe l : {Lampe::Bild, Lampe::Isozentrum, Lampe::Massstab, Lampe::Kontur})
        QCOMPARE(u.panel().lampe(l), LampenFarbe::Gruen);
    QCOMPARE(u.panel().lampe(Lampe::Feld), LampenFarbe::Gelb);
    QVERIFY(u.panel().bearbeitenSichtbar());
    QVERIFY(u.form->Geaendert());

    u.mouse(QEvent::MouseMove, QPoint(30, 0), Qt::NoButton, Qt::NoButton);
    QVERIFY2(u.form->statusText(2).contains(QStringLiteral("cm")), qPrintable(u.form->statusText(2)));
    // the list follows the change signal of the workspace
    QTRY_VERIFY(u.rowVisible(1));
    QCOMPARE(u.row(1)->findChild<QLabel *>(QStringLiteral("L_K1"))->text(), QStringLiteral("Kont. 1"));
    QVERIFY(!u.rowVisible(2));

    // the bulb switches the contour layer off and shows itself off
    u.panel().birneKlicken(Ebene::Konturen);
    QVERIFY(!u.document().anzeige.Konturen);
    QVERIFY(!u.panel().birneAn(Ebene::Konturen));
    QVERIFY(u.messages.shown().isEmpty());
}

// What the window edits is the order the codec writes: traced, encoded, decoded, the same.
void MainFormInputTest::tracedOrderSurvivesTheCodec()
{
    Rig u;
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    for (const QPoint &e : {QPoint(-60, -60), QPoint(60, -60), QPoint(60, 60), QPoint(-60, 60)})
        u.click(e);
    u.click(QPoint(0, 0), Qt::RightButton);
    u.click(QPoint(0, 0), Qt::RightButton);
    const TAuftrag &auftrag = u.form->auftrag();
    QCOMPARE(&auftrag, &u.app->Auftrag());
    QVERIFY(auftrag.Konturen.Kontur(1).IstGeschlossen());

    const auto datei = encodeOrderFile(auftrag, QStringLiteral("V2.20"));
    QVERIFY(datei);
    OrderDocument gelesen;
    const auto ok = decodeOrderFile(*datei, gelesen);
    QVERIFY2(ok, qPrintable(ok.error()));
    const TAuftrag &zurueck = gelesen.Auftrag;
    QCOMPARE(zurueck.Konturen.Anzahl(), 1);
    QCOMPARE(zurueck.Konturen.Kontur(1).Punkte(), auftrag.Konturen.Kontur(1).Punkte());
    QVERIFY(zurueck.Konturen.Kontur(1).IstGeschlossen());
    QCOMPARE(zurueck.Isozentrum, auftrag.Isozentrum);
    QVERIFY(zurueck.IsozentrumGesetzt);
    QCOMPARE(zurueck.Massstab.MassstabPunkt1, auftrag.Massstab.MassstabPunkt1);
    QCOMPARE(zurueck.Massstab.MassstabPunkt2, auftrag.Massstab.MassstabPunkt2);
    QCOMPARE(zurueck.Massstab.MassstabAbstand, 100);
    QCOMPARE(zurueck.PixelProMM(), 3.0);
    QCOMPARE(zurueck.Auftragsart, auftrag.Auftragsart);
    QCOMPARE(zurueck.Vorlage.size(), auftrag.Vorlage.size());
    QCOMPARE(gelesen.Hinweise, QStringList());
}

void MainFormInputTest::crossingPointRefused()
{
    Rig u;
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    for (const QPoint &e : {QPoint(0, 0), QPoint(90, 0), QPoint(90, 90), QPoint(0, 90)})
        u.click(e);
    u.click(QPoint(45, -45)); // back across the first edge
    QCOMPARE(u.messages.lastText(), kCrossingMessage);
    QCOMPARE(u.order().Konturen.Kontur(1).Anzahl(), 4);
    u.click(QPoint(-45, 45));
    QCOMPARE(u.order().Konturen.Kontur(1).Anzahl(), 5);
}

void MainFormInputTest::messageOnAPressEndsThePress()
{
    // The message box takes the release: moving on with the button still down in the
    // workspace's eyes must neither trace nor repeat the message.
    Rig u;
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    for (const QPoint &e : {QPoint(0, 0), QPoint(90, 0), QPoint(90, 90), QPoint(0, 90)})
        u.click(e);
    u.mouse(QEvent::MouseButtonPress, QPoint(45, -45), Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        u.mouse(QEvent::MouseMove, QPoint(45 - 8 * i, -45 + 8 * i), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(u.messages.texts(), QStringList{kCrossingMessage});
    QCOMPARE(u.order().Konturen.Kontur(1).Anzahl(), 4);

    // the same after the eleventh contour
    u.click(QPoint(-45, 45));
    u.click(QPoint(0, 0), Qt::RightButton);
    for (int n = 1; n < 11; ++n) {
        const int x = -150 + n * 25;
        for (const QPoint &e : {QPoint(x, 100), QPoint(x + 15, 100), QPoint(x, 120)})
            u.click(e);
        u.click(QPoint(x, 100), Qt::RightButton);
    }
    QCOMPARE(u.order().Konturen.Anzahl(), 11);
    u.mouse(QEvent::MouseButtonPress, QPoint(0, -80), Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        u.mouse(QEvent::MouseMove, QPoint(-5 * i, -80), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(u.messages.texts().size(), 2);
    QCOMPARE(u.order().Konturen.Anzahl(), 11);
}

void MainFormInputTest::undoTwiceThenAddPoint()
{
    Rig u;
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    for (const QPoint &e : {QPoint(0, 0), QPoint(60, 0), QPoint(60, 60)})
        u.click(e);
    QTRY_COMPARE(u.backButton()->text(), QStringLiteral("3"));
    u.backButton()->click();
    u.backButton()->click();
    QCOMPARE(u.order().Konturen.Kontur(1).Anzahl(), 1);
    QTRY_COMPARE(u.backButton()->text(), QStringLiteral("1"));
    QCOMPARE(u.forwardButton()->text(), QStringLiteral("2"));
    QVERIFY(!istGesetzt(u.form->eingabe().LetzteMausPos()));

    u.click(QPoint(-60, 60));
    const TKontur &k = u.order().Konturen.Kontur(1);
    QCOMPARE(k.Anzahl(), 2);
    QCOMPARE(k.Punkt(1), u.workspacePoint(u.devicePoint(QPoint(-60, 60))));
    QTRY_COMPARE(u.backButton()->text(), QStringLiteral("2"));
    QCOMPARE(u.forwardButton()->text(), QStringLiteral("0"));
}

void MainFormInputTest::dragAddsAtMostOnePointPerEvent()
{
    Rig u;
    u.traceUpToScale();
    const int minAbstand = u.order().Konturen.MinPunktAbstand();
    QVERIFY(minAbstand > 0);
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    u.mouse(QEvent::MouseButtonPress, QPoint(-100, 0), Qt::LeftButton, Qt::LeftButton);
    int ereignisse = 1;
    int vorher = u.order().Konturen.Kontur(1).Anzahl();
    QCOMPARE(vorher, 1);
    // device pixels: each move is one pixel of the paint box
    const QPoint start = u.devicePoint(QPoint(-100, 0));
    for (int i = 1; i <= 100; ++i) {
        const QPointF d(start.x() + i, start.y());
        QMouseEvent e(QEvent::MouseMove, d, u.paintBox()->mapToGlobal(d), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(u.paintBox(), &e);
        ++ereignisse;
        const int jetzt = u.order().Konturen.Kontur(1).Anzahl();
        QVERIFY(jetzt - vorher <= 1);
        vorher = jetzt;
    }
    u.mouse(QEvent::MouseButtonRelease, u.workspacePoint(QPoint(start.x() + 100, start.y())), Qt::LeftButton, Qt::NoButton);
    const TKontur &k = u.order().Konturen.Kontur(1);
    QVERIFY(k.Anzahl() > 5);
    QVERIFY(k.Anzahl() <= ereignisse);
    for (int i = 1; i < k.Anzahl(); ++i)
        QVERIFY2(Abstand(k.Punkt(i - 1), k.Punkt(i)) > minAbstand, "points closer than the minimum distance");
    QCOMPARE(u.order().Konturen.Anzahl(), 1);
}

void MainFormInputTest::twelfthContourRefused()
{
    Rig u;
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    for (int n = 0; n < 11; ++n) {
        const int x = -150 + n * 25;
        for (const QPoint &e : {QPoint(x, 0), QPoint(x + 15, 0), QPoint(x, 20)})
            u.click(e);
        u.click(QPoint(x, 0), Qt::RightButton);
    }
    QCOMPARE(u.order().Konturen.Anzahl(), 11);
    QVERIFY(u.messages.shown().isEmpty());
    u.click(QPoint(0, -80));
    QCOMPARE(u.messages.lastText(), QStringLiteral("Es ist nur die Eingabe von 11 Konturen möglich.\rSie können "
                                                   "andere Konturen löschen, um eine neue einzugeben."));
    QCOMPARE(u.order().Konturen.Anzahl(), 11);
    QTRY_VERIFY(u.rowVisible(11));
    QVERIFY(u.row(11)->aktuell());
    QVERIFY(!u.row(10)->aktuell());
}

void MainFormInputTest::shiftConstrainsTheScale()
{
    Rig u;
    u.traceUpToIsocentre();
    test::whenModal<TScaleForm>([](TScaleForm &d) { test::child<QPushButton>(d, "btn_OK")->click(); });
    u.panel().knopfKlicken(Befehl::MassstabEingeben);
    QVERIFY(u.form->eingabe().laeuft(Eingabeart::Massstab));
    QCOMPARE(u.paintBox()->cursor().shape(), Qt::CrossCursor);
    u.click(QPoint(-100, 20));
    // rubber band from point 1, held horizontal by Shift
    u.mouse(QEvent::MouseMove, QPoint(80, 57), Qt::NoButton, Qt::NoButton, Qt::ShiftModifier);
    QCOMPARE(u.form->eingabe().LetzteMausPos().y(), u.order().Massstab.MassstabPunkt1.y());
    u.click(QPoint(120, 63), Qt::LeftButton, Qt::ShiftModifier);
    QVERIFY(!u.form->eingabe().laeuft(Eingabeart::Massstab));
    QCOMPARE(u.order().Massstab.MassstabPunkt2.y(), u.order().Massstab.MassstabPunkt1.y());
    QVERIFY(u.order().Massstab.MassstabPunkt2.x() > 100);
    QVERIFY(u.order().Massstab.PixelProMM > 0);
    QCOMPARE(u.paintBox()->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(u.panel().lampe(Lampe::Massstab), LampenFarbe::Gruen);
}

void MainFormInputTest::rightClickRules()
{
    Rig u;
    test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
    u.panel().knopfKlicken(Befehl::Auftragsart);
    u.chooser.expectPath(u.screenshotPath);
    u.panel().knopfKlicken(Befehl::BildEinlesen);
    u.panel().knopfKlicken(Befehl::IsozentrumEingeben);
    const QPoint seite = u.paintBox()->abbildung().geraetZuSeite(QPointF(u.devicePoint(QPoint(30, 40))));
    u.click(QPoint(30, 40), Qt::RightButton); // the right button sets the isocentre too
    QVERIFY(u.order().IsozentrumGesetzt);
    QVERIFY(!u.form->eingabe().laeuft(Eingabeart::Isozentrum));
    QCOMPARE(u.order().Isozentrum, seite);

    test::whenModal<TScaleForm>([](TScaleForm &d) { test::child<QPushButton>(d, "btn_OK")->click(); });
    u.panel().knopfKlicken(Befehl::MassstabEingeben);
    u.click(QPoint(-100, 0), Qt::RightButton);
    u.click(QPoint(100, 0), Qt::RightButton);
    QVERIFY(u.document().MassstabGesetzt());

    // two points and a right click: the message, the input goes on
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    u.click(QPoint(0, 0));
    u.click(QPoint(40, 0));
    u.click(QPoint(0, 0), Qt::RightButton);
    QCOMPARE(u.messages.lastText(), QStringLiteral("Eine Kontur kann erst dann geschlossen werden, wenn Sie mind.3 "
                                                   "Punkte hat. Bitte geben Sie zunächst weitere Punkte ein."));
    QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Eingabe beenden"));
    QVERIFY(!u.order().Konturen.Kontur(1).IstGeschlossen());

    // ending by the button with an open contour asks; No goes on, Yes closes and ends
    u.click(QPoint(40, 40));
    u.messages.expectAnswer(Messages::Answer::No);
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Eingabe beenden"));
    u.messages.expectAnswer(Messages::Answer::Yes);
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    QVERIFY(u.order().Konturen.Kontur(1).IstGeschlossen());
    QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Konturen"));
}

void MainFormInputTest::isocentreQuestion()
{
    Rig u;
    u.traceUpToScale();
    QVERIFY(u.messages.shown().isEmpty());
    u.panel().knopfKlicken(Befehl::FeldEingabe);
    u.click(QPoint(-50, -50));
    u.click(QPoint(50, 50));
    QVERIFY(u.document().AblaufStatus & ablauf::Feld);
    QCOMPARE(u.panel().lampe(Lampe::Feld), LampenFarbe::Gruen);

    u.messages.expectAnswer(Messages::Answer::No);
    u.panel().knopfKlicken(Befehl::IsozentrumEingeben);
    QCOMPARE(u.messages.lastText(), QStringLiteral("Alle Informationen vom Feld, Konturen und Maßstab gehen "
                                                   "verloren!\rWollen Sie das Isozentrum wirklich neu eingeben?"));
    QVERIFY(!u.panel().istGedrueckt(Befehl::IsozentrumEingeben));
    QVERIFY(istGesetzt(u.order().FeldEcke2));
    QVERIFY(u.document().MassstabGesetzt());
    QVERIFY(!u.form->eingabe().laeuft(Eingabeart::Isozentrum));
}

void MainFormInputTest::deleteWhileAnotherContourIsOpen()
{
    Rig u;
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    for (int n = 0; n < 2; ++n) {
        const int x = -100 + n * 40;
        for (const QPoint &e : {QPoint(x, 0), QPoint(x + 20, 0), QPoint(x, 20)})
            u.click(e);
        u.click(QPoint(x, 0), Qt::RightButton);
    }
    u.click(QPoint(50, 50));
    u.click(QPoint(70, 50)); // contour 3 stays open
    u.messages.expectAnswer(Messages::Answer::Yes);
    u.row(2)->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    QCOMPARE(u.messages.shown().size(), 2);
    QCOMPARE(u.messages.shown().at(0).text,
             QStringLiteral("Um die Kontur auszuwählen muß zunächst die aktuelle Kontur geschlossen werden."));
    QCOMPARE(u.messages.shown().at(1).text, QStringLiteral("Wollen Sie die Kontur Nr. 2 wirklich löschen?"));
    QCOMPARE(u.order().Konturen.Anzahl(), 2);
}

void MainFormInputTest::enablingFollowsTheWorkflow()
{
    Rig u;
    TAblaufPanel &p = u.panel();
    THauptMenue &m = u.form->menue();
    QVERIFY(p.istFreigegeben(Befehl::Auftragsart));
    QVERIFY(!p.istFreigegeben(Befehl::BildEinlesen));
    test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
    p.knopfKlicken(Befehl::Auftragsart);
    QVERIFY(p.istFreigegeben(Befehl::BildEinlesen));
    QVERIFY(!p.istFreigegeben(Befehl::BildDrehen));
    QVERIFY(!p.istFreigegeben(Befehl::IsozentrumEingeben));

    u.chooser.expectPath(u.screenshotPath);
    p.knopfKlicken(Befehl::BildEinlesen);
    QCOMPARE(p.lampe(Lampe::Bild), LampenFarbe::Gruen);
    QVERIFY(p.birneSichtbar(Ebene::Bild));
    QVERIFY(p.istFreigegeben(Befehl::BildDrehen) && m.istFreigegeben(Befehl::BildDrehen));
    QVERIFY(p.istFreigegeben(Befehl::IsozentrumEingeben) && m.istFreigegeben(Befehl::IsozentrumEingeben));
    QVERIFY(!p.istFreigegeben(Befehl::MassstabEingeben) && !m.istFreigegeben(Befehl::MassstabEingeben));
    QVERIFY(!p.istFreigegeben(Befehl::KonturEingabe) && !p.istFreigegeben(Befehl::FeldEingabe) && !p.istFreigegeben(Befehl::Einschubrichtung));

    p.knopfKlicken(Befehl::IsozentrumEingeben);
    QVERIFY2(u.messages.shown().isEmpty(), "image and order type only: no question");
    QVERIFY(!m.menueFreigegeben(Menue::Datei));
    QVERIFY(!p.istFreigegeben(Befehl::BildEinlesen));
    u.click(QPoint(0, 0));
    QVERIFY(m.menueFreigegeben(Menue::Datei));
    QVERIFY(p.istFreigegeben(Befehl::MassstabEingeben));
    QVERIFY(!p.istFreigegeben(Befehl::KonturEingabe) && !p.istFreigegeben(Befehl::FeldEingabe));

    test::whenModal<TScaleForm>([](TScaleForm &d) { test::child<QPushButton>(d, "btn_OK")->click(); });
    p.knopfKlicken(Befehl::MassstabEingeben);
    u.click(QPoint(-100, 0));
    u.click(QPoint(100, 0));
    QVERIFY(p.istFreigegeben(Befehl::KonturEingabe) && p.istFreigegeben(Befehl::FeldEingabe) && p.istFreigegeben(Befehl::Einschubrichtung));
    QVERIFY(!p.istFreigegeben(Befehl::Auftragsdaten));
    QVERIFY(!p.istFreigegeben(Befehl::Speichern));
}

void MainFormInputTest::modeChangeQuestionAndRefusal()
{
    Rig u;
    u.traceUpToScale();
    QVERIFY(u.form->Geaendert());
    // another page with unsaved changes: No keeps page and order
    u.messages.expectAnswer(Messages::Answer::No);
    u.panel().setCurrentIndex(1);
    QCOMPARE(u.messages.lastText(), QStringLiteral("Alle Änderungen gehen verloren.\rWollen Sie den Modus wirklich "
                                                   "wechseln, bzw. neu initialisieren?"));
    QCOMPARE(u.panel().currentIndex(), 0);
    QCOMPARE(u.form->Modus(), 0);
    QVERIFY(u.document().hatVorlage());
    QVERIFY(u.document().MassstabGesetzt());

    // during the contour input the page stays
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    u.panel().setCurrentIndex(2);
    QCOMPARE(u.messages.lastText(), QStringLiteral("Sie befinden sich noch in der Kontureingabe.\rBitte beenden Sie "
                                                   "vor einem Wechsel des Modus die Eingabe."));
    QCOMPARE(u.panel().currentIndex(), 0);
    u.click(QPoint(0, 0), Qt::RightButton);

    // Yes: mode 3 with the ruler, written to the settings
    u.messages.expectAnswer(Messages::Answer::Yes);
    u.panel().setCurrentIndex(3);
    QCOMPARE(u.form->Modus(), 3);
    QVERIFY(!u.form->Geaendert());
    QCOMPARE(u.order().Vorlage.size(), QSize(1200, 1200));
    QCOMPARE(u.order().Massstab.PixelProMM, 3.0);
    QCOMPARE(u.order().Konturen.MinPunktAbstand(), 2);
    QVERIFY(!u.order().IsozentrumGesetzt);
    QVERIFY(u.panel().gemeinsameGruppenAuf(ModusDICOM));
    QCOMPARE(u.form->hilfe().windowTitle(), QStringLiteral("Direkt Hilfe - DICOM-Modus"));
    QCOMPARE(IniFile(u.folder.file(QStringLiteral("QuellvantarIni.ini")))
                 .readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), -1),
             3);
    QVERIFY(u.form->menue().hatHaken(Befehl::ModusDICOM));
    QVERIFY(!u.form->menue().hatHaken(Befehl::ModusBildVorlage));
}

void MainFormInputTest::internalModeMenus()
{
    Rig u("[Init]\r\nKundenMode=0\r\nHelp=0\r\n");
    THauptMenue &m = u.form->menue();
    QVERIFY(m.menueSichtbar(Menue::TesserakonIntern));
    QVERIFY(m.menueSichtbar(Menue::Drucken));
    QVERIFY(m.istSichtbar(Befehl::BPRExport) && m.istSichtbar(Befehl::LAPExport));
    QVERIFY(!m.istSichtbar(Befehl::Neu) && !m.istSichtbar(Befehl::Speichern));
    QVERIFY(!m.menueSichtbar(Menue::Modus));
    QCOMPARE(m.menueTitel(Menue::Auftrag), QStringLiteral("Auftrag/Daten"));
    QVERIFY(m.istSichtbar(Befehl::Kundenmodus));

    m.ausloesen(Befehl::Kundenmodus);
    QVERIFY(u.form->KundenModus());
    QVERIFY(!m.menueSichtbar(Menue::TesserakonIntern));
    QVERIFY(m.istSichtbar(Befehl::Neu) && m.menueSichtbar(Menue::Modus));
    QVERIFY(!m.istSichtbar(Befehl::Kundenmodus));
}

void MainFormInputTest::captionAndMessages()
{
    Rig u;
    QCOMPARE(u.form->windowTitle(), QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    u.form->menue().ausloesen(Befehl::AGB);
    QCOMPARE(u.messages.lastText(), QStringLiteral("Unsere AGB entnehmen Sie bitte unserer Homepage www.zarn.example."));
    u.form->menue().ausloesen(Befehl::Preisliste);
    QCOMPARE(u.messages.lastText(),
             QStringLiteral("Die Preisliste entnehmen Sie bitte unserer Homepage www.zarn.example."));
    // without changes a new order asks nothing; the help menu item follows the window
    QVERIFY(!u.form->menue().hatHaken(Befehl::HilfeAnzeigen));
    u.form->menue().ausloesen(Befehl::HilfeAnzeigen);
    QVERIFY(u.form->hilfe().isVisible());
    QVERIFY(u.form->menue().hatHaken(Befehl::HilfeAnzeigen));
    // F1 on the main window switches it off again
    u.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(u.form.get()));
    QTest::keyClick(u.form.get(), Qt::Key_F1);
    QVERIFY(!u.form->hilfe().isVisible());
    QVERIFY(!u.form->menue().hatHaken(Befehl::HilfeAnzeigen));
}

void MainFormInputTest::viewLock()
{
    Rig u;
    u.traceUpToScale();
    TAblaufPanel &p = u.panel();
    THauptMenue &m = u.form->menue();
    u.form->BearbeitungErlauben(false);
    for (int modus = 1; modus <= 3; ++modus)
        QVERIFY(!p.isTabVisible(modus));
    QVERIFY(!p.istFreigegeben(Befehl::IsozentrumEingeben) && !p.istFreigegeben(Befehl::Speichern) && !p.istFreigegeben(Befehl::KonturEingabe));
    QVERIFY(p.istFreigegeben(Befehl::Auftragsdaten));
    QVERIFY(!m.menueFreigegeben(Menue::Modus) && !m.menueFreigegeben(Menue::Info));
    QVERIFY(!m.istFreigegeben(Befehl::Auftragsart) && !m.istFreigegeben(Befehl::KonturEingabe));
    QVERIFY(m.menueFreigegeben(Menue::Datei) && m.istFreigegeben(Befehl::Auftragsdaten));

    // the next new order lifts it
    u.messages.expectAnswer(Messages::Answer::Yes);
    m.ausloesen(Befehl::Neu);
    for (int modus = 1; modus <= 3; ++modus)
        QVERIFY(p.isTabVisible(modus));
    QVERIFY(p.istFreigegeben(Befehl::Auftragsart) && m.istFreigegeben(Befehl::Auftragsart));
    QVERIFY(!u.document().hatVorlage());
    QVERIFY(!u.form->Geaendert());
}

// On a 1024 x 768 screen the unfolded contour list must not push the workflow rows below it out
// of the page's view; with room enough it keeps its full height.
void MainFormInputTest::contourListLeavesTheWorkflowInView()
{
    Rig u;
    auto *seite = u.form->findChild<QScrollArea *>(QStringLiteral("TSBildModus"));
    QVERIFY(seite);
    const char *zeilen[] = {"P_FeldBtn", "P_EinschubrichtungBtn", "P_AuiftragsdatenBtn", "P_SaveBtn"};
    auto imBlick = [&](const char *name) {
        auto *w = u.form->findChild<QWidget *>(QLatin1String(name));
        const QRect r(w->mapTo(seite->viewport(), QPoint(0, 0)), w->size());
        return seite->viewport()->rect().contains(r);
    };

    u.form->resize(1024, 738);
    u.traceUpToScale();
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    QVERIFY(u.panel().konturListeOffen());
    for (int anzahl : {1, 11}) {
        u.panel().konturListeZeigen(anzahl, anzahl, 0, 0);
        QApplication::processEvents();
        for (const char *name : zeilen)
            QVERIFY2(imBlick(name), qPrintable(QStringLiteral("%1 with %2 contours").arg(QLatin1String(name)).arg(anzahl)));
        QVERIFY(u.panel().konturZeilenHoehe() < 360);
        // the current contour's row is scrolled into the list's view
        auto *zeilen = u.contourList()->findChild<QScrollArea *>(QStringLiteral("Konturzeilen"));
        const QRect row(u.row(anzahl)->mapTo(zeilen->viewport(), QPoint(0, 0)), u.row(anzahl)->size());
        QVERIFY(zeilen->viewport()->rect().contains(row));
    }

    // a taller window gives the list its 360 pixels back, and folding it keeps one row
    u.form->resize(1024, 1200);
    QApplication::processEvents();
    QCOMPARE(u.panel().konturZeilenHoehe(), 360);
    u.panel().knopfKlicken(Befehl::KonturEingabe);
    QApplication::processEvents();
    QVERIFY(!u.panel().konturListeOffen());
    QVERIFY(u.panel().konturZeilenHoehe() < 40);
}

QTEST_MAIN(MainFormInputTest)
#include "MainFormInputTest.moc"
