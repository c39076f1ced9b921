#include "app/Eingabesteuerung.h"
#include "app/FormenPanel.h"
#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "contour/TDrehenForm.h"
#include "contour/TVerschiebeForm.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TAuftragsArtForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/WidgetChild.h"
#include "workspace/TScaleForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace qv;

namespace {

// The main window on the page without template (the ruler: 3 pixels per millimetre) with a
// circle of radius 5 cm generated about the isocentre.
struct Rig : test::MainWindowHarness
{
    Rig()
    {
        start(test::MainWindowOptions()
            .withSettings("[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" +
                folder.file(QStringLiteral("archiv/")).toUtf8() + "\r\n"));
        form->ModusSetzen(ModusOhneVorlage);
        test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
        panel().knopfKlicken(Befehl::Auftragsart);

        test::whenModal<TScaleForm>([](TScaleForm &d) { test::child<QPushButton>(d, "btn_OK")->click(); });
        panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        form->formenPanel().findChild<QTabWidget *>(QStringLiteral("PCZeichnen"))->setCurrentIndex(1);
        form->formenPanel().findChild<QPushButton *>(QStringLiteral("Btn_GenerateKreis"))->click();
    }

    const TKontur &contour(int n) { return order().Konturen.Kontur(n); }
    TVerschiebeForm *moveDialog() { return form->findChild<TVerschiebeForm *>(); }
    TDrehenForm *rotateDialog() { return form->findChild<TDrehenForm *>(); }

    void type(QWidget *dialog, const char *feld, const QString &text)
    {
        auto *e = test::child<QLineEdit>(dialog, feld);
        e->clear();
        QTest::keyClicks(e, text);
    }
    void press(QWidget *dialog, const char *knopf) { test::child<QPushButton>(dialog, knopf)->click(); }
};

} // namespace

class ContourModeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // A circle moved 10 mm to the right and turned a quarter clockwise is saved and comes
    // back from the file with the same points; taking over a move marks the order changed.
    void circleMovedTurnedSavedAndOpenedAgain()
    {
        Rig u;
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
        QCOMPARE(u.contour(1).Punkt(0), QPoint(150, 0));

        u.panel().knopfKlicken(Befehl::Verschieben);
        QVERIFY(u.moveDialog()->isVisible());
        QVERIFY(u.form->menue().hatHaken(Befehl::Verschieben));
        QVERIFY(u.contour(1).Markiert());
        QVERIFY(!u.panel().istFreigegeben(Befehl::KonturEingabeOhneVorlage));
        QVERIFY(!u.panel().tabBar()->isEnabled());
        u.type(u.moveDialog(), "Edit1", QStringLiteral("10"));
        u.press(u.moveDialog(), "BitBtn5");
        QCOMPARE(u.contour(1).Punkt(0), QPoint(180, 0));
        u.press(u.moveDialog(), "BitBtn2");
        QVERIFY(!u.moveDialog()->isVisible());
        QVERIFY(!u.form->menue().hatHaken(Befehl::Verschieben));
        QVERIFY(!u.contour(1).Markiert());
        QVERIFY(u.panel().istFreigegeben(Befehl::KonturEingabeOhneVorlage));
        QVERIFY(u.panel().tabBar()->isEnabled());

        u.panel().knopfKlicken(Befehl::Drehen);
        QVERIFY(u.rotateDialog()->isVisible());
        QVERIFY(u.form->menue().hatHaken(Befehl::Drehen));
        u.type(u.rotateDialog(), "E_Drehen", QStringLiteral("90"));
        u.press(u.rotateDialog(), "btn_right");
        QCOMPARE(u.contour(1).Punkt(0), QPoint(0, -180));
        u.press(u.rotateDialog(), "Btn_Uebernahme");
        QVERIFY(!u.rotateDialog()->isVisible());
        const QList<QPoint> gedreht = u.contour(1).Punkte();
        QCOMPARE(gedreht.size(), 361);

        // direction and order data, then "Datei speichern"
        test::whenModal<TEinschubrichtungsForm>(
            [](TEinschubrichtungsForm &d) { d.findChild<QPushButton *>(QStringLiteral("btn_ok"))->click(); });
        u.panel().knopfKlicken(Befehl::Einschubrichtung);
        u.order().Auftragsdaten.Gueltig = true;
        u.order().Auftragsdaten.PatientenID = QStringLiteral("PAT-4711");
        u.order().Auftragsdaten.Transport = QStringLiteral("mit der Post");
        u.form->AblaufAktualisieren();
        QVERIFY(u.panel().istFreigegeben(Befehl::Speichern));
        const QString datei = u.folder.file(QStringLiteral("kreis.ORv"));
        u.chooser.expectPath(datei);
        test::whenModal<TAuftragabgeschlossenForm>([](TAuftragabgeschlossenForm &d) {
            d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
        });
        u.panel().knopfKlicken(Befehl::Speichern);
        QVERIFY2(u.messages.shown().isEmpty(), qPrintable(u.messages.texts().join(u'|')));
        QVERIFY(!u.form->Geaendert());
        QVERIFY(!u.panel().istFreigegeben(Befehl::Speichern));

        // after the save, a move taken over makes the order savable again
        u.panel().knopfKlicken(Befehl::Verschieben);
        u.type(u.moveDialog(), "Edit1", QStringLiteral("1"));
        u.press(u.moveDialog(), "BitBtn4");
        u.press(u.moveDialog(), "BitBtn2");
        QVERIFY(u.form->Geaendert());
        QVERIFY(u.panel().istFreigegeben(Befehl::Speichern));
        QCOMPARE(u.contour(1).Punkt(0), QPoint(0, -177));

        u.messages.expectAnswer(Messages::Answer::Yes); // the unsaved move may go
        u.chooser.expectPath(datei);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QVERIFY(u.order().AusDatei);
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
        QCOMPARE(u.contour(1).Punkte(), gedreht);
    }

    // Cancel, Esc and the title bar's close all put every contour back, also one that was
    // moved and then deselected by a click; nothing is marked changed and nothing stays locked.
    void cancellingRestoresEveryContourAndUnlocks()
    {
        Rig u;
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.panel().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        u.form->formenPanel().findChild<QTabWidget *>(QStringLiteral("PCZeichnen"))->setCurrentIndex(0);
        u.form->formenPanel().setText(FormenPanel::Feld::RechteckX, QStringLiteral("2"));
        u.form->formenPanel().setText(FormenPanel::Feld::RechteckY, QStringLiteral("2"));
        u.form->formenPanel().findChild<QPushButton *>(QStringLiteral("Btn_GenerateRechteck"))->click();
        QCOMPARE(u.order().Konturen.Anzahl(), 2);
        const TKonturen vorher = u.order().Konturen;
        u.order().Geaendert = false;

        const std::function<void()> beenden[] = {
            [&] { u.press(u.moveDialog(), "BitBtn1"); },
            [&] { QTest::keyClick(u.moveDialog(), Qt::Key_Escape); },
            [&] { u.moveDialog()->close(); },
        };
        for (const auto &ende : beenden) {
            u.panel().knopfKlicken(Befehl::Verschieben);
            u.type(u.moveDialog(), "Edit1", QStringLiteral("5"));
            u.press(u.moveDialog(), "BitBtn6");
            QCOMPARE(u.contour(2).Punkt(0), QPoint(-30, -45));
            // a click in the square (inside the circle too) deselects both: it was moved
            // already and goes back all the same
            u.click(QPoint(0, -30));
            QVERIFY(!u.contour(1).Markiert() && !u.contour(2).Markiert());
            u.click(QPoint(100, -30));
            QVERIFY(u.contour(1).Markiert() && !u.contour(2).Markiert());
            u.press(u.moveDialog(), "BitBtn3");
            QCOMPARE(u.contour(1).Punkt(0), QPoint(135, -15));

            ende();
            QVERIFY(!u.moveDialog()->isVisible());
            QVERIFY(!u.form->menue().hatHaken(Befehl::Verschieben));
            for (int n = 1; n <= 2; ++n)
                QCOMPARE(u.contour(n).Punkte(), vorher.Kontur(n).Punkte());
            QVERIFY(!u.form->Geaendert());
            QVERIFY(u.panel().istFreigegeben(Befehl::KonturEingabeOhneVorlage));
            QVERIFY(u.form->menue().menueFreigegeben(Menue::Bearbeiten));
        }
        QVERIFY2(u.messages.shown().size() == 1, qPrintable(u.messages.texts().join(u'|')));
    }
};

QTEST_MAIN(ContourModeWindowTest)
#include "ContourModeWindowTest.moc"
