#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "app/Texte.h"
#include "base/IniFile.h"
#include "base/UtilsUnit.h"
#include "order/OrderFile.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"
#include "workspace/Arbeitsflaeche.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace qv;

namespace {

const QDateTime kTime(QDate(2026, 3, 7), QTime(9, 5, 4));

// The main window in a program folder with a screenshot, an archive and a mail folder.
struct Rig : test::MainWindowHarness
{
    /// startDatei: writes an order file into the folder and names it on the command line.
    explicit Rig(const std::function<QString(test::TempProgramFolder &)> &startDatei = {})
    {
        writeScreenshot();
        start(test::MainWindowOptions()
            .withConfig("[Init]\r\nEMailAdresse=auftrag@zarn.example\r\n")
            .withSettings("[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" +
                folder.file(QStringLiteral("archiv/")).toUtf8() +
                "\r\nSavePath_Individuell=" + folder.path().toUtf8() + "\r\n")
            .withFixedTime(kTime)
            .withStartFile(startDatei ? startDatei(folder) : QString()));
    }

    // Traces a mode-0 photon order up to the order data.
    void traceOrder()
    {
        traceUpToScale();
        traceSquareContour();
        panel().knopfKlicken(Befehl::FeldEingabe);
        click(QPoint(-90, -90));
        click(QPoint(90, 90));
        // one quarter turn from "Rechts" gives "Oben"
        test::whenModal<TEinschubrichtungsForm>([](TEinschubrichtungsForm &d) {
            d.btn_TurnClick();
            d.findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
        });
        panel().knopfKlicken(Befehl::Einschubrichtung);
        // The order data as the order-data window would take them over.
        order().Auftragsdaten.Gueltig = true;
        order().Auftragsdaten.PatientenID = QStringLiteral("PAT-0815");
        order().Auftragsdaten.Transport = QStringLiteral("mit der Post");
        order().Auftragszeitpunkt = kTime;
        form->AblaufAktualisieren();
    }
};

QJsonObject info(const QString &datei)
{
    QProcess cli;
    cli.start(QDir(test::buildDir()).filePath(QStringLiteral("quellvantar-cli")), {QStringLiteral("info"), datei});
    cli.waitForFinished(60000);
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

} // namespace

class OrderFileWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void tracedOrderSavedAndReadBack()
    {
        Rig u;
        u.traceOrder();
        QCOMPARE(u.order().Einschubrichtung, TEinschubrichtung::Oben);
        QCOMPARE(u.panel().einschubPfeil(), TEinschubrichtung::Oben);
        QVERIFY(u.panel().istFreigegeben(Befehl::Speichern));

        const QString gewaehlt = u.folder.file(QStringLiteral("auftrag"));
        u.chooser.expectPath(gewaehlt);
        QString dialogDatei;
        test::whenModal<TAuftragabgeschlossenForm>([&](TAuftragabgeschlossenForm &d) {
            dialogDatei = d.dateiText();
            d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
        });
        u.panel().knopfKlicken(Befehl::Speichern); // "Datei speichern"
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
        QCOMPARE(punkte[0].toArray()[0].toInt(), u.order().Konturen.Kontur(1).Punkt(0).x());
        QCOMPARE(json[QStringLiteral("Einschubrichtung")].toInt(), 3);
        QCOMPARE(json[QStringLiteral("Auftragsart")].toInt(), 1);
        QCOMPARE(json[QStringLiteral("Auftragsdaten")].toObject()[QStringLiteral("PatientenID")].toString(),
                 QStringLiteral("PAT-0815"));
        QCOMPARE(json[QStringLiteral("FeldEcke2")].toArray(),
                 (QJsonArray{u.order().FeldEcke2.x(), u.order().FeldEcke2.y()}));
        QCOMPARE(json[QStringLiteral("Bild")].toObject()[QStringLiteral("Breite")].toInt(), 600);

        // Opened again, the order comes back under the view lock.
        u.chooser.expectPath(datei);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QVERIFY(u.order().AusDatei);
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
        QCOMPARE(u.order().Einschubrichtung, TEinschubrichtung::Oben);
        QCOMPARE(u.order().LetzteAuftragsdatei, datei);
        QVERIFY(!u.panel().istFreigegeben(Befehl::KonturEingabe));
        QVERIFY(u.form->windowTitle().contains(QStringLiteral(" - Geladen von ") + datei));
        // Opening counts the field and the contours as entered.
        QCOMPARE(u.panel().lampe(Lampe::Feld), LampenFarbe::Gruen);
        QCOMPARE(u.panel().lampe(Lampe::Kontur), LampenFarbe::Gruen);
    }

    void fileNamedAtStartIsOpened()
    {
        QString datei;
        Rig u([&](test::TempProgramFolder &f) {
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
        QVERIFY(u.order().AusDatei);
        QCOMPARE(u.order().Auftragsdaten.PatientenID, QStringLiteral("VON-AUSSEN"));
        QCOMPARE(u.order().LetzteAuftragsdatei, datei);
        QCOMPARE(u.panel().einschubPfeil(), TEinschubrichtung::Unten);
        QVERIFY(u.form->windowTitle().contains(QStringLiteral(" - Geladen von ") + datei));
        QVERIFY(u.chooser.calls().isEmpty()); // no open dialog
        QVERIFY(u.messages.shown().isEmpty());
    }

    void damagedFileAppliesNothing()
    {
        Rig u;
        const QString kaputt = u.folder.write(QStringLiteral("kaputt.ORv"), QByteArray("\x78\x01\x00\x00", 4));
        u.chooser.expectPath(kaputt);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QCOMPARE(u.messages.texts(), QStringList{QStringLiteral("Die Datei ") + kaputt +
                                                 QStringLiteral(" konnte nicht geladen werden")});
        QVERIFY(!u.order().AusDatei);
        QVERIFY(!u.order().hatVorlage());
        QVERIFY(u.order().LetzteAuftragsdatei.isEmpty());
        QVERIFY(!u.panel().istFreigegeben(Befehl::BildEinlesen)); // view lock
        QVERIFY(!u.panel().istFreigegeben(Befehl::Speichern));
    }

    void declinedResetEndsTheOpenCommand()
    {
        Rig u;
        u.traceOrder();
        u.messages.expectAnswer(Messages::Answer::No);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QCOMPARE(u.messages.lastText(), texte::neuInitialisierenFrage());
        QVERIFY(u.chooser.calls().size() == 1); // only the image before; no open dialog
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
        QVERIFY(u.form->Geaendert());
    }
};

QTEST_MAIN(OrderFileWindowTest)
#include "OrderFileWindowTest.moc"
