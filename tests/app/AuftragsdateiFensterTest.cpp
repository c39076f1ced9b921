#include "app/AblaufPanel.h"
#include "app/HauptMenue.h"
#include "app/Application.h"
#include "app/TMainForm.h"
#include "app/Texte.h"
#include "base/IniFile.h"
#include "base/UtilsUnit.h"
#include "order/OrderFile.h"
#include "order/TAuftragsArtForm.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/CompleteCustomer.h"
#include "support/FakeFileChooser.h"
#include "support/ModalDialog.h"
#include "support/FixedClock.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"
#include "support/WidgetChild.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/TScaleForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace qv;
using qv::test::ScriptedMessages;

namespace {

const QDateTime kZeit(QDate(2026, 3, 7), QTime(9, 5, 4));

// The main window in a program folder with a screenshot, an archive and a mail folder.
struct Umgebung
{
    /// startDatei: writes an order file into the folder and names it on the command line.
    explicit Umgebung(const std::function<QString(test::TempProgramFolder &)> &startDatei = {}) : clock(kZeit)
    {
        folder.write(QStringLiteral("QuellvantarConfig.cfg"), "[Init]\r\nEMailAdresse=auftrag@zarn.example\r\n");
        if (!test::writeCompleteCustomer(folder.path()))
            qFatal("Kunde.cfg not written");
        folder.write(QStringLiteral("QuellvantarIni.ini"),
                     "[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" + folder.file(QStringLiteral("archiv/")).toUtf8() +
                         "\r\nSavePath_Individuell=" + folder.path().toUtf8() + "\r\n");
        QImage bild(600, 450, QImage::Format_RGB32);
        bild.fill(Qt::lightGray);
        bildPfad = folder.file(QStringLiteral("screenshot.png"));
        bild.save(bildPfad, "PNG");
        app = std::make_unique<Application>(folder.path(), messages, chooser, clock);
        form = std::make_unique<TMainForm>(*app);
        if (startDatei)
            form->StartDateiSetzen(startDatei(folder));
        form->resize(1100, 800);
        form->show();
        form->FormShow();
    }
    ~Umgebung()
    {
        form.reset();
        app.reset();
    }

    TAblaufPanel &p() { return form->ablaufPanel(); }
    TAuftrag &auftrag() { return app->Auftrag(); }
    TPaintBox *box() { return form->findChild<TPaintBox *>(QStringLiteral("PaintBox")); }
    void klick(QPoint arbeit, Qt::MouseButton taste = Qt::LeftButton)
    {
        const QPointF d = box()->abbildung().arbeitZuGeraet(QPointF(arbeit));
        QMouseEvent druck(QEvent::MouseButtonPress, d, box()->mapToGlobal(d), taste, taste, Qt::NoModifier);
        QApplication::sendEvent(box(), &druck);
        QMouseEvent los(QEvent::MouseButtonRelease, d, box()->mapToGlobal(d), taste, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &los);
    }
    // Presses a button of the modal dialog that opens next.
    template <typename Dialog>
    static void imDialog(const std::function<void(Dialog &)> &tun)
    {
        QTimer::singleShot(0, [tun] {
            auto *d = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            tun(*d);
        });
    }

    // Traces a mode-0 photon order up to the order data.
    void auftragZeichnen()
    {
        test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
        p().knopfKlicken(Befehl::Auftragsart);
        chooser.expectPath(bildPfad);
        p().knopfKlicken(Befehl::BildEinlesen);
        p().knopfKlicken(Befehl::IsozentrumEingeben);
        klick(QPoint(0, 0));
        imDialog<TScaleForm>([](TScaleForm &d) {
            test::child<QLineEdit>(d, "E_Abstand")->setText(QStringLiteral("10"));
            test::child<QPushButton>(d, "btn_OK")->click();
        });
        p().knopfKlicken(Befehl::MassstabEingeben);
        klick(QPoint(-150, 0));
        klick(QPoint(150, 0));
        p().knopfKlicken(Befehl::KonturEingabe);
        for (const QPoint e : {QPoint(-60, -60), QPoint(60, -60), QPoint(60, 60), QPoint(-60, 60)})
            klick(e);
        klick(QPoint(0, 0), Qt::RightButton);
        klick(QPoint(0, 0), Qt::RightButton);
        p().knopfKlicken(Befehl::FeldEingabe);
        klick(QPoint(-90, -90));
        klick(QPoint(90, 90));
        // one quarter turn from "Rechts" gives "Oben"
        imDialog<TEinschubrichtungsForm>([](TEinschubrichtungsForm &d) {
            d.btn_TurnClick();
            d.findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
        });
        p().knopfKlicken(Befehl::Einschubrichtung);
        // The order data as the order-data window would take them over.
        auftrag().Auftragsdaten.Gueltig = true;
        auftrag().Auftragsdaten.PatientenID = QStringLiteral("PAT-0815");
        auftrag().Auftragsdaten.Transport = QStringLiteral("mit der Post");
        auftrag().Auftragszeitpunkt = kZeit;
        form->AblaufAktualisieren();
    }

    test::TempProgramFolder folder;
    ScriptedMessages messages;
    test::FakeFileChooser chooser;
    test::FixedClock clock;
    QString bildPfad;
    std::unique_ptr<Application> app;
    std::unique_ptr<TMainForm> form;
};

QJsonObject info(const QString &datei)
{
    QProcess cli;
    cli.start(QDir(test::buildDir()).filePath(QStringLiteral("quellvantar-cli")), {QStringLiteral("info"), datei});
    cli.waitForFinished(60000);
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

} // namespace

class AuftragsdateiFensterTest : public QObject
{
    Q_OBJECT

private slots:
    void tracedOrderSavedAndReadBack()
    {
        Umgebung u;
        u.auftragZeichnen();
        QCOMPARE(u.auftrag().Einschubrichtung, TEinschubrichtung::Oben);
        QCOMPARE(u.p().einschubPfeil(), TEinschubrichtung::Oben);
        QVERIFY(u.p().istFreigegeben(Befehl::Speichern));

        const QString gewaehlt = u.folder.file(QStringLiteral("auftrag"));
        u.chooser.expectPath(gewaehlt);
        QString dialogDatei;
        Umgebung::imDialog<TAuftragabgeschlossenForm>([&](TAuftragabgeschlossenForm &d) {
            dialogDatei = d.dateiText();
            d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
        });
        u.p().knopfKlicken(Befehl::Speichern); // "Datei speichern"
        const QString datei = gewaehlt + QStringLiteral(".ORv");
        QCOMPARE(dialogDatei, QStringLiteral(" auftrag.ORv "));
        QCOMPARE(u.form->windowTitle(), QStringLiteral("Quellvantar ") + VersionsText() +
                                            QStringLiteral(" - Gespeichert nach ") + datei);
        QVERIFY(!u.form->Geaendert());
        QVERIFY(QFileInfo(u.folder.file(QStringLiteral("archiv/2026/03/07/090504.ORv"))).isFile());
        QVERIFY2(u.messages.shown().isEmpty(), qPrintable(u.messages.texts().join(u'|')));

        // What the file holds, read by the command line.
        const QJsonObject json = info(datei);
        const QJsonArray konturen = json[QStringLiteral("Konturen")].toArray();
        QCOMPARE(konturen.size(), 1);
        const QJsonArray punkte = konturen[0].toObject()[QStringLiteral("Punkte")].toArray();
        QCOMPARE(punkte.size(), 5);
        QCOMPARE(punkte.first(), punkte.last());
        QCOMPARE(punkte[0].toArray()[0].toInt(), u.auftrag().Konturen.Kontur(1).Punkt(0).x());
        QCOMPARE(json[QStringLiteral("Einschubrichtung")].toInt(), 3);
        QCOMPARE(json[QStringLiteral("Auftragsart")].toInt(), 1);
        QCOMPARE(json[QStringLiteral("Auftragsdaten")].toObject()[QStringLiteral("PatientenID")].toString(),
                 QStringLiteral("PAT-0815"));
        QCOMPARE(json[QStringLiteral("FeldEcke2")].toArray(),
                 (QJsonArray{u.auftrag().FeldEcke2.x(), u.auftrag().FeldEcke2.y()}));
        QCOMPARE(json[QStringLiteral("Bild")].toObject()[QStringLiteral("Breite")].toInt(), 600);

        // Opened again, the order comes back under the view lock.
        u.chooser.expectPath(datei);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QVERIFY(u.auftrag().AusDatei);
        QCOMPARE(u.auftrag().Konturen.Anzahl(), 1);
        QCOMPARE(u.auftrag().Einschubrichtung, TEinschubrichtung::Oben);
        QCOMPARE(u.auftrag().LetzteAuftragsdatei, datei);
        QVERIFY(!u.p().istFreigegeben(Befehl::KonturEingabe));
        QVERIFY(u.form->windowTitle().contains(QStringLiteral(" - Geladen von ") + datei));
        // Opening counts the field and the contours as entered.
        QCOMPARE(u.p().lampe(Lampe::Feld), LampenFarbe::Gruen);
        QCOMPARE(u.p().lampe(Lampe::Kontur), LampenFarbe::Gruen);
    }

    void fileNamedAtStartIsOpened()
    {
        QString datei;
        Umgebung u([&](test::TempProgramFolder &f) {
            TAuftrag a;
            a.Vorlage = QImage(80, 60, QImage::Format_RGB32);
            a.Vorlage.fill(Qt::white);
            a.IsozentrumGesetzt = true;
            a.Einschubrichtung = TEinschubrichtung::Unten;
            a.Auftragsdaten.PatientenID = QStringLiteral("VON-AUSSEN");
            datei = f.file(QStringLiteral("von aussen.ORv"));
            [&] { QVERIFY(AuftragsdateiSchreiben(datei, a).ok()); }();
            return datei;
        });
        QVERIFY(u.auftrag().AusDatei);
        QCOMPARE(u.auftrag().Auftragsdaten.PatientenID, QStringLiteral("VON-AUSSEN"));
        QCOMPARE(u.auftrag().LetzteAuftragsdatei, datei);
        QCOMPARE(u.p().einschubPfeil(), TEinschubrichtung::Unten);
        QVERIFY(u.form->windowTitle().contains(QStringLiteral(" - Geladen von ") + datei));
        QVERIFY(u.chooser.calls().isEmpty()); // no open dialog
        QVERIFY(u.messages.shown().isEmpty());
    }

    void damagedFileAppliesNothing()
    {
        Umgebung u;
        const QString kaputt = u.folder.write(QStringLiteral("kaputt.ORv"), QByteArray("\x78\x01\x00\x00", 4));
        u.chooser.expectPath(kaputt);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QCOMPARE(u.messages.texts(), QStringList{QStringLiteral("Die Datei ") + kaputt +
                                                 QStringLiteral(" konnte nicht geladen werden")});
        QVERIFY(!u.auftrag().AusDatei);
        QVERIFY(!u.auftrag().hatVorlage());
        QVERIFY(u.auftrag().LetzteAuftragsdatei.isEmpty());
        QVERIFY(!u.p().istFreigegeben(Befehl::BildEinlesen)); // view lock
        QVERIFY(!u.p().istFreigegeben(Befehl::Speichern));
    }

    void declinedResetEndsTheOpenCommand()
    {
        Umgebung u;
        u.auftragZeichnen();
        u.messages.expectAnswer(Messages::Answer::No);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QCOMPARE(u.messages.lastText(), texte::neuInitialisierenFrage());
        QVERIFY(u.chooser.calls().size() == 1); // only the image before; no open dialog
        QCOMPARE(u.auftrag().Konturen.Anzahl(), 1);
        QVERIFY(u.form->Geaendert());
    }
};

QTEST_MAIN(AuftragsdateiFensterTest)
#include "AuftragsdateiFensterTest.moc"
