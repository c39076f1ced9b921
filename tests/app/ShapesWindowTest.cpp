#include "app/Eingabesteuerung.h"
#include "app/FormenPanel.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "contour/Formen.h"
#include "order/TAuftragsArtForm.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/WidgetChild.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/TScaleForm.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace qv;

namespace {

const QString kTooLargeMessage = QStringLiteral("Die Form ist zu groß. Bitte geben Sie eine kleinere Größe ein.");
const QString kNoExtentMessage = QStringLiteral("Eine Form ohne Ausdehnung kann nicht generiert werden.");

// The main window on the page without template, in a program folder of its own.
struct Rig : test::MainWindowHarness
{
    Rig()
    {
        start();
        form->ModusSetzen(ModusOhneVorlage);
        test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
        panel().knopfKlicken(Befehl::Auftragsart);
    }

    FormenPanel &shapes() { return form->formenPanel(); }
    const Eingabesteuerung &eingabe() { return form->eingabe(); }

    // The FFA dialog of shape generation, answered with OK or Cancel once it shows.
    void answerFfa(bool ok)
    {
        test::whenModal<TScaleForm>([ok](TScaleForm &d) {
            QCOMPARE(d.DialogForm(), 1);
            (ok ? test::child<QPushButton>(d, "btn_OK") : test::child<QPushButton>(d, "btn_Abbruch"))->click();
        });
    }
    void generate(const QString &knopf)
    {
        shapes().findChild<QPushButton *>(knopf)->click();
    }
};

QList<QPoint> validPoints(const TKontur &k)
{
    return k.Punkte().mid(0, k.Anzahl());
}

} // namespace

class ShapesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void typedShapesAndTheQuestionWhenShapesExist()
    {
        Rig u;
        QCOMPARE(u.order().Vorlage.size(), QSize(1200, 1200));
        // No contours yet: the FFA dialog at once, then the rectangle tool.
        u.answerFfa(true);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        QVERIFY(u.messages.shown().isEmpty());
        QVERIFY(u.eingabe().laeuft(Eingabeart::Form));
        QCOMPARE(u.eingabe().Formwerkzeug(), int(FormRechteck));
        QCOMPARE(u.panel().knopfText(Befehl::KonturEingabeOhneVorlage), QStringLiteral("Eingabe beenden"));

        u.generate(QStringLiteral("Btn_GenerateRechteck"));
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
        QCOMPARE(validPoints(u.order().Konturen.Kontur(1)),
                 (QList<QPoint>{{-75, -75}, {75, -75}, {75, 75}, {-75, 75}, {-75, -75}}));
        QVERIFY(u.form->Geaendert());
        QVERIFY(!u.eingabe().laeuft(Eingabeart::Form));
        QCOMPARE(u.eingabe().Formwerkzeug(), 0);
        QCOMPARE(u.panel().knopfText(Befehl::KonturEingabeOhneVorlage), QStringLiteral("Konturen"));

        // Yes: a further shape in the same plane.
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        QVERIFY(u.messages.lastText().startsWith(QStringLiteral("Es wurde bereits eine geometrische Form generiert.")));
        u.shapes().findChild<QTabWidget *>(QStringLiteral("PCZeichnen"))->setCurrentIndex(1);
        QCOMPARE(u.eingabe().Formwerkzeug(), int(FormKreis));
        u.generate(QStringLiteral("Btn_GenerateKreis"));
        QCOMPARE(u.order().Konturen.Anzahl(), 2);
        QCOMPARE(u.order().Konturen.Kontur(2).Anzahl(), 361);
        QCOMPARE(u.order().Konturen.Kontur(2).Punkte()[90], QPoint(0, 150));

        // Cancel keeps both.
        u.messages.expectAnswer(Messages::Answer::Cancel);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        QVERIFY(!u.eingabe().laeuft(Eingabeart::Form));
        QCOMPARE(u.order().Konturen.Anzahl(), 2);
        QCOMPARE(u.panel().knopfText(Befehl::KonturEingabeOhneVorlage), QStringLiteral("Konturen"));

        // No, and the FFA dialog cancelled: both stay.
        u.messages.expectAnswer(Messages::Answer::No);
        u.answerFfa(false);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        QVERIFY(!u.eingabe().laeuft(Eingabeart::Form));
        QCOMPARE(u.order().Konturen.Anzahl(), 2);

        // No and OK: deleted, a new shape follows.
        u.messages.expectAnswer(Messages::Answer::No);
        u.answerFfa(true);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        QVERIFY(u.eingabe().laeuft(Eingabeart::Form));
        QCOMPARE(u.order().Konturen.Anzahl(), 0);
        QCOMPARE(u.messages.pendingAnswers(), 0);
    }

    void refusedSizesKeepTheContours()
    {
        Rig u;
        u.answerFfa(true);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        struct Case { FormenPanel::Feld feld; QString text; QString knopf; QString meldung; };
        const Case faelle[] = {
            {FormenPanel::Feld::RechteckX, QStringLiteral("7000"), QStringLiteral("Btn_GenerateRechteck"), kTooLargeMessage},
            {FormenPanel::Feld::RechteckX, QStringLiteral("0"), QStringLiteral("Btn_GenerateRechteck"), kNoExtentMessage},
            {FormenPanel::Feld::KreisRadius, QStringLiteral("0,01"), QStringLiteral("Btn_GenerateKreis"), kNoExtentMessage},
            {FormenPanel::Feld::EllipseY, QStringLiteral("fünf"), QStringLiteral("Btn_GenerateEllipse"),
             QStringLiteral("Bitte geben Sie eine Zahl ein.")},
        };
        for (const Case &f : faelle) {
            u.shapes().setText(f.feld, f.text);
            u.generate(f.knopf);
            QCOMPARE(u.messages.lastText(), f.meldung);
            QCOMPARE(u.order().Konturen.Anzahl(), 0);
            QVERIFY(u.eingabe().laeuft(Eingabeart::Form));
        }
    }

    void draggedEllipseAndTheTwelfthShape()
    {
        Rig u;
        u.answerFfa(true);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        u.shapes().findChild<QAction *>(QStringLiteral("TBEllipse"))->trigger();
        QCOMPARE(u.eingabe().Formwerkzeug(), int(FormEllipse));
        u.click(QPoint(-150, -75));
        QCOMPARE(u.eingabe().FormPunkt1(), QPoint(-150, -75));
        u.mouse(QEvent::MouseMove, QPoint(150, 75), Qt::NoButton, Qt::NoButton);
        QCOMPARE(u.shapes().text(FormenPanel::Feld::EllipseX), QStringLiteral("10"));
        QCOMPARE(u.shapes().text(FormenPanel::Feld::EllipseY), QStringLiteral("5"));
        u.click(QPoint(150, 75));
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
        const TKontur &e = u.order().Konturen.Kontur(1);
        QCOMPARE(e.Punkte()[0], QPoint(-150, 0));
        QCOMPARE(e.Punkte()[90], QPoint(0, -75));

        for (int n = 2; n <= TKonturen::MaxKonturen; ++n) {
            u.messages.expectAnswer(Messages::Answer::Yes);
            u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
            u.generate(QStringLiteral("Btn_GenerateRechteck"));
        }
        QCOMPARE(u.order().Konturen.Anzahl(), TKonturen::MaxKonturen);
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        u.messages.clear();
        u.generate(QStringLiteral("Btn_GenerateRechteck"));
        QCOMPARE(u.order().Konturen.Anzahl(), TKonturen::MaxKonturen);
        QCOMPARE(u.messages.shown().size(), 1);
    }
};

QTEST_MAIN(ShapesWindowTest)
#include "ShapesWindowTest.moc"
