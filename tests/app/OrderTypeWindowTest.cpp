// The order type and the order data on the main window: the frame around an electron
// aperture, the question when it does not fit, the save step it blocks, and the order-data
// lamp that follows the completeness of the order data.
#include "app/MainWindowOrderType.h"
#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "base/IniFile.h"
#include "order/OrderFile.h"
#include "order/TAuftragsArtForm.h"
#include "order/TAuftragsdatenFelder.h"
#include "order/TAuftragsdatenForm.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "help/THelpForm.h"
#include "support/CliRun.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "workspace/AblaufStatus.h"
#include "workspace/Arbeitsflaeche.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextEdit>
#include <QPushButton>
#include <QTest>

using namespace qv;

namespace {

// Two frames of the customer's maker: 30 mm and 100 mm wide at FFA 100.
const QByteArray kConfig = "[Init]\r\nWebsite=www.zarn.example\r\n"
                           "[ElektronenBlenden]\r\nCount=2\r\n0=Varian_klein\r\n1=Varian_gross\r\n"
                           "[ElektronenBlenden_Groesse]\r\n0=300,300\r\n1=1000,1000\r\n"
                           "[Transport]\r\nCount=4\r\n0=vor 9 Uhr\r\n1=vor 10 Uhr\r\n2=vor 12 Uhr\r\n3=\xfc" "ber Nacht\r\n";

const QString kDoesNotFitQuestion = QStringLiteral(
    "Der gewählte Rahmen passt nicht.\r\rIn speziellen Fällen von Standard-Blenden kann auch dieser\rRahmen "
    "verwendet werden. Halten Sie hierfür bitte Rücksprache mit\runserer Produktion.\rSoll automatisch der "
    "nächste passende Rahmen gewählt werden?");

// The main window of a customer who last ordered an electron aperture. The square contour
// the harness traces is an aperture reaching 20 mm from the isocentre; ending its input runs
// the frame check, which may ask.
struct Rig : test::MainWindowHarness
{
    explicit Rig(const QByteArray &letzteAuftragsart = "RahmenAuftrag")
    {
        writeScreenshot();
        start(test::MainWindowOptions()
            .withConfig(kConfig)
            .withSettings("[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" +
                folder.file(QStringLiteral("archiv/")).toUtf8() + "\r\nSavePath_Individuell=" + folder.path().toUtf8() +
                "\r\n[Beschleuniger]\r\nLetzteAuftragsArt=" + letzteAuftragsart + "\r\n"));
    }

    // "Datei speichern" into the folder, going back to the order afterwards; the file saved.
    QString save()
    {
        const QString datei = folder.file(QStringLiteral("auftrag"));
        chooser.expectPath(datei);
        test::whenModal<TAuftragabgeschlossenForm>([](TAuftragabgeschlossenForm &d) {
            d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
        });
        panel().knopfKlicken(Befehl::Speichern);
        return datei + QStringLiteral(".ORv");
    }

    // What the command line reads from a saved order: the stored frame, and the fit check of
    // "rahmen" with the configuration of this folder.
    QString storedFrame(const QString &datei)
    {
        const test::CliRun info = test::runCli({QStringLiteral("info"), datei});
        return info.json()[QStringLiteral("Auftragsdaten")].toObject()[QStringLiteral("TragplatteRahmen")].toString();
    }
    bool storedFrameFits(const QString &datei)
    {
        const test::CliRun r = test::runCli({QStringLiteral("rahmen"), QStringLiteral("--konfiguration"),
                                             folder.file(QStringLiteral("QuellvantarConfig.cfg")), datei});
        const QJsonObject json = r.json();
        const int gewaehlt = json[QStringLiteral("Gewaehlt")].toInt();
        return r.exitCode == 0 && gewaehlt >= 0
               && json[QStringLiteral("Rahmen")].toArray()[gewaehlt].toObject()[QStringLiteral("Passt")].toBool();
    }

    // The order data with a patient ID, confirmed in their dialog.
    void enterOrderData()
    {
        test::whenModal<TAuftragsdatenForm>([](TAuftragsdatenForm &d) {
            d.PatIDSetzen(QStringLiteral("PAT-7"));
            d.BTN_OKClick();
        });
        form->auftragsart().AuftragsdatenDialog();
    }

    // Pure red pixels of the workspace: the warning below the frame label (the scale bar, also
    // red, is switched off first).
    int redPixels()
    {
        const QImage bild = paintBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += bild.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    }
};

} // namespace

class OrderTypeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void aFrameTooSmallIsDrawnAsNotFittingAndBlocksSaving_data()
    {
        QTest::addColumn<bool>("bestFit");
        QTest::newRow("kept") << false;
        QTest::newRow("best fit") << true;
    }

    void aFrameTooSmallIsDrawnAsNotFittingAndBlocksSaving()
    {
        QFETCH(bool, bestFit);
        Rig u;
        u.traceUpToScale();
        QCOMPARE(u.order().Auftragsart, TAuftragsart::Elektronen);
        QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Aperturen"));
        QVERIFY2(!u.panel().feldSichtbar(), "an electron order has no field step");
        // Without an aperture the first frame fits and is chosen.
        QCOMPARE(u.app->Sitzung().Wahl().Rahmen, QStringLiteral("Varian_klein"));

        u.messages.expectAnswer(bestFit ? Messages::Answer::Yes : Messages::Answer::No);
        u.traceSquareContour();
        QCOMPARE(u.messages.shown().size(), 1);
        QCOMPARE(u.messages.lastText(), kDoesNotFitQuestion);
        QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Aperturen"));
        u.enterOrderData();
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Gruen);
        // A frame that does not fit is why saving is not possible: the order-type lamp says so,
        // and the status bar and the help give the reason.
        QCOMPARE(u.panel().lampe(Lampe::Auftragsart), bestFit ? LampenFarbe::Gruen : LampenFarbe::Rot);
        if (!bestFit) {
            QCOMPARE(u.form->statusText(3), RahmenPasstNichtGrund());
            QVERIFY(u.form->hilfe().memo()->toPlainText().contains(QStringLiteral("Der gewählte Rahmen paßt nicht")));
        }

        const auto rahmen = u.form->auftragsart().Ueberlagerung();
        QVERIFY(rahmen);
        QCOMPARE(rahmen->Beschriftung, bestFit ? QStringLiteral("Varian_gross (Max 100 x 100 mm)")
                                               : QStringLiteral("Varian_klein (Max 30 x 30 mm)"));
        QCOMPARE(rahmen->Passt, bestFit);
        QCOMPARE(u.form->auftragsart().RahmenPasst(), bestFit);
        QCOMPARE(u.panel().istFreigegeben(Befehl::Speichern), bestFit);

        u.panel().birneKlicken(Ebene::Scale);
        const int rot = u.redPixels();
        if (bestFit)
            QCOMPARE(rot, 0);
        else
            QVERIFY2(rot > 300, qPrintable(QString::number(rot)));
        QCOMPARE(u.messages.shown().size(), 1);
    }

    void theBestFitAfterTheOrderDataIsTheFrameSaved()
    {
        Rig u;
        u.traceUpToScale();
        u.enterOrderData();
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.traceSquareContour();
        QCOMPARE(u.app->Sitzung().Wahl().Rahmen, QStringLiteral("Varian_gross"));
        QCOMPARE(u.order().Auftragsdaten.TragplatteRahmen, QStringLiteral("Varian_gross"));
        QCOMPARE(u.order().Auftragsdaten.PatientenID, QStringLiteral("PAT-7"));
        QCOMPARE(u.panel().lampe(Lampe::Auftragsart), LampenFarbe::Gruen);
        QVERIFY(u.panel().istFreigegeben(Befehl::Speichern));

        const QString datei = u.save();
        QCOMPARE(u.storedFrame(datei), QStringLiteral("Varian_gross"));
        QVERIFY(u.storedFrameFits(datei));
    }

    void changingTheOrderTypeKeepsTheOrderData()
    {
        Rig u;
        u.traceUpToScale();
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.traceSquareContour();
        test::whenModal<TAuftragsdatenForm>([](TAuftragsdatenForm &d) {
            d.PatIDSetzen(QStringLiteral("PAT-7"));
            d.ZielvolumenSetzen(QStringLiteral("PTV links"));
            d.KurzKommentarSetzen(QStringLiteral("dringend"));
            d.FeldEingeben(QStringLiteral("E_Gantrywinkel"), QStringLiteral("90"));
            d.BTN_OKClick();
        });
        u.form->auftragsart().AuftragsdatenDialog();
        QCOMPARE(u.order().Auftragsdaten.Gantrywinkel, QStringLiteral("90"));

        // Now a photon order on a tray of the customer's own stock.
        test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) {
            d.ReiterWaehlen(0);
            d.SeiteWaehlen(1);
            d.BTN_OKClick();
        });
        u.panel().knopfKlicken(Befehl::Auftragsart);
        const TAuftragsdatenRec &r = u.order().Auftragsdaten;
        QCOMPARE(u.order().Auftragsart, TAuftragsart::Photonen);
        QCOMPARE(r.PatientenID, QStringLiteral("PAT-7"));
        QCOMPARE(r.Zielvolumen, QStringLiteral("PTV links"));
        QCOMPARE(r.KurzKommentar, QStringLiteral("dringend"));
        QCOMPARE(r.Gantrywinkel, QStringLiteral("90"));
        // only what follows from the kind changed
        QCOMPARE(r.Modus, QStringLiteral("Photonen (Blöcke)"));
        QCOMPARE(r.TragplatteRahmen, QStringLiteral("eigene Tragplatte"));
        QCOMPARE(r.Herkunft, HerkunftDerSeite(1));
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Gruen);
        // and the order-data dialog shows them as they are
        test::whenModal<TAuftragsdatenForm>([](TAuftragsdatenForm &d) {
            QCOMPARE(d.Felder().PatientenID, QStringLiteral("PAT-7"));
            QCOMPARE(d.Felder().Gantrywinkel, QStringLiteral("90"));
            d.reject();
        });
        u.form->auftragsart().AuftragsdatenDialog();
    }

    // The delivery the customer settings store for the department ("am nächsten Werktag", which
    // the configuration does not list) is what a new order's data preselect.
    void aNewOrderPreselectsTheDepartmentsDelivery()
    {
        Rig u;
        QCOMPARE(u.order().Kundendaten.AktuelleAbteilung()->Transport, QStringLiteral("am nächsten Werktag"));
        u.traceUpToScale();
        QString gezeigt;
        QStringList liste;
        test::whenModal<TAuftragsdatenForm>([&](TAuftragsdatenForm &d) {
            gezeigt = d.Felder().Transport;
            liste = d.Felder().TransportListe;
            d.reject();
        });
        u.form->auftragsart().AuftragsdatenDialog();
        QCOMPARE(gezeigt, QStringLiteral("am nächsten Werktag"));
        QCOMPARE(liste.first(), QStringLiteral("vor 9 Uhr"));
    }

    void aPhotonOrderNeverAsksAndHasNoFrame()
    {
        // the kind remembered for the next order is proposed when the order starts
        Rig u("TragplattenAuftrag");
        u.traceUpToScale();
        QCOMPARE(u.order().Auftragsart, TAuftragsart::Photonen);
        QVERIFY(u.panel().feldSichtbar());
        u.traceSquareContour();
        QCOMPARE(u.panel().knopfText(Befehl::KonturEingabe), QStringLiteral("Konturen"));
        QVERIFY(u.messages.shown().isEmpty());
        QVERIFY(!u.form->auftragsart().Ueberlagerung());
        QVERIFY(u.form->auftragsart().RahmenPasst());
    }

    void theOrderDataLampFollowsCompleteness()
    {
        Rig u;
        u.traceUpToScale();
        u.messages.expectAnswer(Messages::Answer::No);
        u.traceSquareContour();
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Rot);

        // OK without a patient ID keeps the dialog open and the lamp red.
        test::whenModal<TAuftragsdatenForm>([&u](TAuftragsdatenForm &d) {
            d.BTN_OKClick();
            QVERIFY(d.isVisible());
            QCOMPARE(u.messages.lastText(), QStringLiteral("Bitte geben Sie eine PatientenID ein."));
            d.reject();
        });
        u.form->auftragsart().AuftragsdatenDialog();
        QVERIFY(u.order().Auftragsdaten.Gueltig);
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Rot);

        u.enterOrderData();
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Gruen);
        QVERIFY(u.form->dokument().AblaufStatus & ablauf::Auftragsdaten);

        // Confirming the order type again keeps the order data that were entered.
        test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
        u.panel().knopfKlicken(Befehl::Auftragsart);
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Gruen);
        QCOMPARE(u.order().Auftragsdaten.PatientenID, QStringLiteral("PAT-7"));
        // A new order starts without order data.
        u.messages.expectAnswer(Messages::Answer::Yes);
        QVERIFY(u.form->ModusSetzen(ModusBildVorlage));
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Rot);
        QVERIFY(!Vollstaendig(u.order()));
    }

    void anOpenedElectronOrderKeepsItsFrameAndRefillsTheOrderData()
    {
        Rig u;
        TAuftrag a;
        a.Kundendaten.LadeStandard(); // accelerator maker "Varian"
        a.Vorlage = QImage(600, 450, QImage::Format_RGB32);
        a.Vorlage.fill(Qt::white);
        a.Isozentrum = QPoint(300, 225);
        a.IsozentrumGesetzt = true;
        a.Massstab.MassstabAbstandSetzen(100);
        a.Massstab.PunktSetzen(1, QPoint(0, 0));
        a.Massstab.PunktSetzen(2, QPoint(300, 0)); // 3 pixels per millimetre
        // 20 mm around the isocentre, in the contours' coordinates centred on it
        a.Konturen.NeueKontur();
        for (const QPoint e : {QPoint(-60, -60), QPoint(60, -60), QPoint(60, 60), QPoint(-60, 60)})
            a.Konturen.PunktHinzufuegen(e);
        a.Konturen.AktuelleKontur().Schliessen();
        a.Auftragsart = TAuftragsart::Elektronen;
        a.Auftragsdaten.Gueltig = true;
        a.Auftragsdaten.PatientenID = QStringLiteral("PAT-OFFEN");
        // not the frame a best fit of the reset order would choose
        a.Auftragsdaten.TragplatteRahmen = QStringLiteral("Varian_gross");
        const QString datei = u.folder.file(QStringLiteral("elektronen.ORv"));
        QVERIFY(AuftragsdateiSchreiben(datei, a).ok());

        u.chooser.expectPath(datei);
        u.form->menue().ausloesen(Befehl::Oeffnen);
        QVERIFY(u.order().AusDatei);
        QVERIFY(u.messages.shown().isEmpty());
        QCOMPARE(u.app->Sitzung().Wahl().Rahmen, QStringLiteral("Varian_gross"));
        const auto rahmen = u.form->auftragsart().Ueberlagerung();
        QVERIFY(rahmen);
        QCOMPARE(rahmen->Beschriftung, QStringLiteral("Varian_gross (Max 100 x 100 mm)"));
        QVERIFY(rahmen->Passt);
        test::whenModal<TAuftragsdatenForm>([](TAuftragsdatenForm &d) {
            QCOMPARE(d.Felder().PatientenID, QStringLiteral("PAT-OFFEN"));
            d.reject();
        });
        u.form->auftragsart().AuftragsdatenDialog();
        QCOMPARE(u.panel().lampe(Lampe::Auftragsdaten), LampenFarbe::Gruen);
    }

    void aDeclinedModeChangeKeepsTheKindAndTheFrame()
    {
        Rig u;
        u.traceUpToScale();
        u.messages.expectAnswer(Messages::Answer::No);
        u.traceSquareContour(); // keeps the frame that does not fit
        IniFile &ini = u.app->EinstellungenIni();
        ini.writeString(QStringLiteral("Beschleuniger"), QStringLiteral("LetzteAuftragsArt"),
                        QStringLiteral("TragplattenAuftrag"));

        u.messages.expectAnswer(Messages::Answer::No);
        QVERIFY(!u.form->ModusSetzen(ModusOhneVorlage));
        QCOMPARE(u.order().Auftragsart, TAuftragsart::Elektronen);
        QCOMPARE(u.app->Sitzung().Wahl().Rahmen, QStringLiteral("Varian_klein"));
        QCOMPARE(ini.readString(QStringLiteral("Beschleuniger"), QStringLiteral("Elektronenblende")),
                 QStringLiteral("Varian_klein"));
        QVERIFY(!u.form->auftragsart().Ueberlagerung()->Passt);
        QCOMPARE(u.order().Konturen.Anzahl(), 1);
    }

    void changesRenewTheOrderDateUnlessTheOrderCameFromAFile()
    {
        Rig u;
        u.traceUpToScale();
        u.order().Auftragszeitpunkt = QDateTime(QDate(2001, 1, 1), QTime(0, 0));
        u.form->SetGeaendert();
        QVERIFY(u.order().Auftragszeitpunkt.date().year() > 2001);

        u.order().Auftragszeitpunkt = QDateTime(QDate(2001, 1, 1), QTime(0, 0));
        u.order().AusDatei = true;
        u.form->SetGeaendert();
        QCOMPARE(u.order().Auftragszeitpunkt, QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
    }
};

QTEST_MAIN(OrderTypeWindowTest)
#include "OrderTypeWindowTest.moc"
