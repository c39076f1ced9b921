#include "app/AblaufPanel.h"
#include "app/Application.h"
#include "app/Eingabesteuerung.h"
#include "app/FormenPanel.h"
#include "app/HauptMenue.h"
#include "app/TMainForm.h"
#include "base/SystemClock.h"
#include "contour/TDrehenForm.h"
#include "contour/TVerschiebeForm.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TAuftragsArtForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/CompleteCustomer.h"
#include "support/FakeFileChooser.h"
#include "support/ModalDialog.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"
#include "support/WidgetChild.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/TScaleForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace qv;
using qv::test::ScriptedMessages;

namespace {

// The main window on the page without template (the ruler: 3 pixels per millimetre) with a
// circle of radius 5 cm generated about the isocentre.
struct Umgebung
{
    Umgebung()
    {
        folder.write(QStringLiteral("QuellvantarConfig.cfg"), "[Init]\r\nWebsite=www.zarn.example\r\n");
        folder.write(QStringLiteral("QuellvantarIni.ini"),
                     "[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" + folder.file(QStringLiteral("archiv/")).toUtf8() +
                         "\r\n");
        if (!test::writeCompleteCustomer(folder.path()))
            qFatal("Kunde.cfg not written");
        app = std::make_unique<Application>(folder.path(), messages, chooser, clock);
        form = std::make_unique<TMainForm>(*app);
        form->resize(1100, 800);
        form->show();
        form->FormShow();
        form->ModusSetzen(ModusOhneVorlage);
        test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
        p().knopfKlicken(Befehl::Auftragsart);

        imDialog<TScaleForm>([](TScaleForm &d) { test::child<QPushButton>(d, "btn_OK")->click(); });
        p().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        form->formenPanel().findChild<QTabWidget *>(QStringLiteral("PCZeichnen"))->setCurrentIndex(1);
        form->formenPanel().findChild<QPushButton *>(QStringLiteral("Btn_GenerateKreis"))->click();
    }
    ~Umgebung()
    {
        form.reset();
        app.reset();
    }

    template <typename Dialog>
    static void imDialog(const std::function<void(Dialog &)> &tun)
    {
        QTimer::singleShot(0, [tun] {
            auto *d = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            tun(*d);
        });
    }

    TAblaufPanel &p() { return form->ablaufPanel(); }
    TAuftrag &auftrag() { return app->Auftrag(); }
    const TKontur &kontur(int n) { return auftrag().Konturen.Kontur(n); }
    TVerschiebeForm *verschieben() { return form->findChild<TVerschiebeForm *>(); }
    TDrehenForm *drehen() { return form->findChild<TDrehenForm *>(); }
    TPaintBox *box() { return form->findChild<TPaintBox *>(QStringLiteral("PaintBox")); }

    void klick(QPoint arbeit, Qt::MouseButton taste = Qt::LeftButton)
    {
        const QPointF d = box()->abbildung().arbeitZuGeraet(QPointF(arbeit));
        QMouseEvent druck(QEvent::MouseButtonPress, d, box()->mapToGlobal(d), taste, taste, Qt::NoModifier);
        QApplication::sendEvent(box(), &druck);
        QMouseEvent los(QEvent::MouseButtonRelease, d, box()->mapToGlobal(d), taste, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &los);
    }
    void tippen(QWidget *dialog, const char *feld, const QString &text)
    {
        auto *e = test::child<QLineEdit>(dialog, feld);
        e->clear();
        QTest::keyClicks(e, text);
    }
    void druecken(QWidget *dialog, const char *knopf) { test::child<QPushButton>(dialog, knopf)->click(); }

    test::TempProgramFolder folder;
    ScriptedMessages messages;
    test::FakeFileChooser chooser;
    SystemClock clock;
    std::unique_ptr<Application> app;
    std::unique_ptr<TMainForm> form;
};

} // namespace

class KonturmodusFensterTest : public QObject
{
    Q_OBJECT

private slots:
    // A circle moved 10 mm to the right and turned a quarter clockwise is saved and comes
    // back from the file with the same points; taking over a move marks the order changed.
    void circleMovedTurnedSavedAndOpenedAgain()
    {
        Umgebung u;
        QCOMPARE(u.auftrag().Konturen.Anzahl(), 1);
        QCOMPARE(u.kontur(1).Punkt(0), QPoint(150, 0));

        u.p().knopfKlicken(Befehl::Verschieben);
        QVERIFY(u.verschieben()->isVisible());
        QVERIFY(u.form->menue().hatHaken(Befehl::Verschieben));
        QVERIFY(u.kontur(1).Markiert());
        QVERIFY(!u.p().istFreigegeben(Befehl::KonturEingabeOhneVorlage));
        QVERIFY(!u.p().tabBar()->isEnabled());
        u.tippen(u.verschieben(), "Edit1", QStringLiteral("10"));
        u.druecken(u.verschieben(), "BitBtn5");
        QCOMPARE(u.kontur(1).Punkt(0), QPoint(180, 0));
        u.druecken(u.verschieben(), "BitBtn2");
        QVERIFY(!u.verschieben()->isVisible());
        QVERIFY(!u.form->menue().hatHaken(Befehl::Verschieben));
        QVERIFY(!u.kontur(1).Markiert());
        QVERIFY(u.p().istFreigegeben(Befehl::KonturEingabeOhneVorlage));
        QVERIFY(u.p().tabBar()->isEnabled());

        u.p().knopfKlicken(Befehl::Drehen);
        QVERIFY(u.drehen()->isVisible());
        QVERIFY(u.form->menue().hatHaken(Befehl::Drehen));
        u.tippen(u.drehen(), "E_Drehen", QStringLiteral("90"));
        u.druecken(u.drehen(), "btn_right");
        QCOMPARE(u.kontur(1).Punkt(0), QPoint(0, -180));
        u.druecken(u.drehen(), "Btn_Uebernahme");
        QVERIFY(!u.drehen()->isVisible());
        const QList<QPoint> gedreht = u.kontur(1).Punkte();
        QCOMPARE(gedreht.size(), 361);

        // direction and order data, then "Datei speichern"
        Umgebung::imDialog<TEinschubrichtungsForm>(
            [](TEinschubrichtungsForm &d) { d.findChild<QPushButton *>(QStringLiteral("btn_ok"))->click(); });
        u.p().knopfKlicken(Befehl::Einschubrichtung);
        u.auftrag().Auftragsdaten.Gueltig = true;
        u.auftrag().Auftragsdaten.PatientenID = QStringLiteral("PAT-4711");
        u.auftrag().Auftragsdaten.Transport = QStringLiteral("mit der Post");
        u.form->AblaufAktualisieren();
        QVERIFY(u.p().istFreigegeben(Befehl::Speichern));
        const QString datei = u.folder.file(QStringLiteral("kreis.ORv"));
        u.chooser.expectPath(datei);
        Umgebung::imDialog<TAuftragabgeschlossenForm>([](TAuftragabgeschlossenForm &d) {
            d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
        });
        u.p().knopfKlicken(Befehl::Speichern);
        QVERIFY2(u.messages.shown().isEmpty(), qPrintable(u.messages.texts().join(u'|')));
        QVERIFY(!u.form->Geaendert());
        QVERIFY(!u.p().istFreigegeben(Befehl::Speichern));

        // after the save, a move taken over makes the order savable again
        u.p().knopfKlicken(Befehl::Verschieben);
        u.tippen(u.verschieben(), "Edit1", QStringLiteral("1"));
        u.druecken(u.verschieben(), "BitBtn4");
        u.druecken(u.verschieben(), "BitBtn2");
        QVERIFY(u.form->Geaendert());
        QVERIFY(u.p().istFreigegeben(Befehl::Speichern));
        QCOMPARE(u.kontur(1).Punkt(0), QPoint(0, -177));

        u.messages.expectAnswer(Messages::Answer::Yes); // the unsaved move may go
        u.chooser.expectPath(datei);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QVERIFY(u.auftrag().AusDatei);
        QCOMPARE(u.auftrag().Konturen.Anzahl(), 1);
        QCOMPARE(u.kontur(1).Punkte(), gedreht);
    }

    // Cancel, Esc and the title bar's close all put every contour back, also one that was
    // moved and then deselected by a click; nothing is marked changed and nothing stays locked.
    void cancellingRestoresEveryContourAndUnlocks()
    {
        Umgebung u;
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.p().knopfKlicken(Befehl::KonturEingabeOhneVorlage);
        u.form->formenPanel().findChild<QTabWidget *>(QStringLiteral("PCZeichnen"))->setCurrentIndex(0);
        u.form->formenPanel().setText(FormenPanel::Feld::RechteckX, QStringLiteral("2"));
        u.form->formenPanel().setText(FormenPanel::Feld::RechteckY, QStringLiteral("2"));
        u.form->formenPanel().findChild<QPushButton *>(QStringLiteral("Btn_GenerateRechteck"))->click();
        QCOMPARE(u.auftrag().Konturen.Anzahl(), 2);
        const TKonturen vorher = u.auftrag().Konturen;
        u.auftrag().Geaendert = false;

        const std::function<void()> beenden[] = {
            [&] { u.druecken(u.verschieben(), "BitBtn1"); },
            [&] { QTest::keyClick(u.verschieben(), Qt::Key_Escape); },
            [&] { u.verschieben()->close(); },
        };
        for (const auto &ende : beenden) {
            u.p().knopfKlicken(Befehl::Verschieben);
            u.tippen(u.verschieben(), "Edit1", QStringLiteral("5"));
            u.druecken(u.verschieben(), "BitBtn6");
            QCOMPARE(u.kontur(2).Punkt(0), QPoint(-30, -45));
            // a click in the square (inside the circle too) deselects both: it was moved
            // already and goes back all the same
            u.klick(QPoint(0, -30));
            QVERIFY(!u.kontur(1).Markiert() && !u.kontur(2).Markiert());
            u.klick(QPoint(100, -30));
            QVERIFY(u.kontur(1).Markiert() && !u.kontur(2).Markiert());
            u.druecken(u.verschieben(), "BitBtn3");
            QCOMPARE(u.kontur(1).Punkt(0), QPoint(135, -15));

            ende();
            QVERIFY(!u.verschieben()->isVisible());
            QVERIFY(!u.form->menue().hatHaken(Befehl::Verschieben));
            for (int n = 1; n <= 2; ++n)
                QCOMPARE(u.kontur(n).Punkte(), vorher.Kontur(n).Punkte());
            QVERIFY(!u.form->Geaendert());
            QVERIFY(u.p().istFreigegeben(Befehl::KonturEingabeOhneVorlage));
            QVERIFY(u.form->menue().menueFreigegeben(Menue::Bearbeiten));
        }
        QVERIFY2(u.messages.shown().size() == 1, qPrintable(u.messages.texts().join(u'|')));
    }
};

QTEST_MAIN(KonturmodusFensterTest)
#include "KonturmodusFensterTest.moc"
