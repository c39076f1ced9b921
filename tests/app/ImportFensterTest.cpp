#include "app/Ablauf.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "base/IniFile.h"
#include "dicom/TOpenDICOMDialog.h"
#include "planimport/TBPRMainOpenForm.h"
#include "order/ImportUebernahme.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TAuftragsArtForm.h"
#include "order/TAuftragsdatenForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/CliRun.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/TestData.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/Arbeitsmodus.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace qv;

namespace {

// The main window in a program folder with the format database, a DICOM folder holding one
// real electron plan and a planning-system file.
struct Rig : test::MainWindowHarness
{
    /// elektronen: a customer who last ordered an electron aperture, with two frames of the
    /// maker "Varian" (1 mm and 400 mm wide) and an archive folder for saving.
    explicit Rig(bool elektronen = false)
    {
        QDir(folder.path()).mkdir(QStringLiteral("dicom"));
        QFile::copy(QStringLiteral(QV_DICOM_DATA_DIR "/rtplan_electron_aperture_scalp.dcm"),
                    folder.file(QStringLiteral("dicom/scalp.dcm")));
        QFile::copy(test::buildDir() + QStringLiteral("/BPRdb.sqlite"), folder.file(QStringLiteral("BPRdb.sqlite")));
        QFile::copy(test::buildDir() + QStringLiteral("/DemoBPR/Plato_Demo.pla"), folder.file(QStringLiteral("plato.pla")));
        const QByteArray rahmen = elektronen ? "[ElektronenBlenden]\r\nCount=2\r\n0=Varian_winzig\r\n1=Varian_riesig\r\n"
                                               "[ElektronenBlenden_Groesse]\r\n0=10,10\r\n1=4000,4000\r\n"
                                             : "";
        const QByteArray art = elektronen ? "[Beschleuniger]\r\nLetzteAuftragsArt=RahmenAuftrag\r\n" : "";
        start(test::MainWindowOptions()
            .withConfig("[Init]\r\nEMailAdresse=auftrag@zarn.example\r\n" + rahmen)
            .withSettings("[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" + folder.file(QStringLiteral("archiv/")).toUtf8() +
                "\r\nDICOMPath=" + folder.file(QStringLiteral("dicom")).toUtf8() + "\r\n[BPRModul]\r\nLastOpenFile=" +
                folder.file(QStringLiteral("plato.pla")).toUtf8() + "\r\n" + art)
            .withFixedTime(QDateTime(QDate(2026, 12, 10), QTime(17, 30))));
    }
    // The order type as its dialog leaves it for a photon order.
    void photonOrder()
    {
        order().Auftragsart = TAuftragsart::Photonen;
        form->dokument().AblaufStatus |= ablauf::Auftragsart;
        form->AblaufAktualisieren();
    }
    QString setting(const char *abschnitt, const char *schluessel)
    {
        return IniFile(folder.file(QStringLiteral("QuellvantarIni.ini")))
            .readString(QString::fromLatin1(abschnitt), QString::fromLatin1(schluessel));
    }
};

} // namespace

class ImportFensterTest : public QObject
{
    Q_OBJECT

private slots:
    void dicomBeamReachesTheOrder();
    void dicomElectronBestFitIsTheFrameSaved();
    void dicomCancelWritesTheSettings();
    void bprBeamReachesTheOrder();
};

void ImportFensterTest::dicomBeamReachesTheOrder()
{
    Rig u;
    QVERIFY(u.form->ModusSetzen(ModusDICOM));
    u.photonOrder();
    test::whenModalAppears<TOpenDICOMDialog>([](TOpenDICOMDialog &d) {
        auto *baum = d.findChild<QTreeWidget *>();
        QVERIFY(baum);
        QTreeWidgetItem *beam = baum->topLevelItem(0)->child(0)->child(0);
        QVERIFY(beam);
        d.NodeClicked(beam);
        d.btnOkayClick();
    });
    u.panel().knopfKlicken(Befehl::DicomImport);

    const TAuftrag &a = u.order();
    QCOMPARE(a.Konturen.Anzahl(), 1);
    QVERIFY(a.Konturen.Kontur(1).IstGeschlossen());
    QVERIFY(a.DICOMGeladen);
    QVERIFY(a.Geaendert);
    QCOMPARE(a.Kundendaten.FFA, 100.0);
    QVERIFY(a.Auftragsdaten.Gueltig);
    QCOMPARE(bool(u.form->dokument().AblaufStatus & ablauf::Feld), a.FeldEcke1 != KeinPunkt);
    QCOMPARE(u.panel().lampe(Lampe::DicomImport), LampenFarbe::Gruen);
    QCOMPARE(u.setting("Init", "DICOMPath"), u.folder.file(QStringLiteral("dicom/")));
    QCOMPARE(u.setting("Init", "DICOMDateiTyp"), QStringLiteral("Alle (*.*)"));
}

// An electron aperture from a plan that does not fit the frame chosen: "Ja" to the best fit
// chooses the large frame, and that frame is what the saved file holds and what fits.
void ImportFensterTest::dicomElectronBestFitIsTheFrameSaved()
{
    Rig u(true);
    QVERIFY(u.form->ModusSetzen(ModusDICOM));
    test::whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
    u.panel().knopfKlicken(Befehl::Auftragsart);
    QCOMPARE(u.order().Auftragsart, TAuftragsart::Elektronen);
    QCOMPARE(u.app->Sitzung().Wahl().Rahmen, QStringLiteral("Varian_winzig"));

    u.messages.expectAnswer(Messages::Answer::Yes);
    test::whenModalAppears<TOpenDICOMDialog>([](TOpenDICOMDialog &d) {
        auto *baum = d.findChild<QTreeWidget *>();
        QVERIFY(baum);
        d.NodeClicked(baum->topLevelItem(0)->child(0)->child(0));
        d.btnOkayClick();
    });
    u.panel().knopfKlicken(Befehl::DicomImport);
    QCOMPARE(u.order().Konturen.Anzahl(), 1);
    QVERIFY(u.messages.texts().contains(RahmenPasstNichtFrage()));
    QCOMPARE(u.app->Sitzung().Wahl().Rahmen, QStringLiteral("Varian_riesig"));
    QCOMPARE(u.order().Auftragsdaten.TragplatteRahmen, QStringLiteral("Varian_riesig"));

    test::whenModal<TEinschubrichtungsForm>([](TEinschubrichtungsForm &d) {
        d.findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
    });
    u.panel().knopfKlicken(Befehl::Einschubrichtung);
    test::whenModal<TAuftragsdatenForm>([](TAuftragsdatenForm &d) {
        if (d.PatID().isEmpty())
            d.PatIDSetzen(QStringLiteral("PAT-D"));
        d.BTN_OKClick();
    });
    u.panel().knopfKlicken(Befehl::Auftragsdaten);
    QCOMPARE(u.order().Auftragsdaten.TragplatteRahmen, QStringLiteral("Varian_riesig"));
    QVERIFY(u.panel().istFreigegeben(Befehl::Speichern));

    const QString gewaehlt = u.folder.file(QStringLiteral("dicom-auftrag"));
    u.chooser.expectPath(gewaehlt);
    test::whenModal<TAuftragabgeschlossenForm>([](TAuftragabgeschlossenForm &d) {
        d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
    });
    u.panel().knopfKlicken(Befehl::Speichern);
    const QString datei = gewaehlt + QStringLiteral(".ORv");
    QVERIFY(QFileInfo(datei).isFile());

    const test::CliRun info = test::runCli({QStringLiteral("info"), datei});
    QCOMPARE(info.json()[QStringLiteral("Auftragsdaten")].toObject()[QStringLiteral("TragplatteRahmen")].toString(),
             QStringLiteral("Varian_riesig"));
    const test::CliRun rahmen = test::runCli({QStringLiteral("rahmen"), QStringLiteral("--konfiguration"),
                                              u.folder.file(QStringLiteral("QuellvantarConfig.cfg")), datei});
    QCOMPARE(rahmen.exitCode, 0);
    const QJsonObject json = rahmen.json();
    QCOMPARE(json[QStringLiteral("Gewaehlt")].toInt(), 1);
    QVERIFY(json[QStringLiteral("Rahmen")].toArray()[1].toObject()[QStringLiteral("Passt")].toBool());
}

void ImportFensterTest::dicomCancelWritesTheSettings()
{
    Rig u;
    QVERIFY(u.form->ModusSetzen(ModusDICOM));
    u.photonOrder();
    test::whenModalAppears<TOpenDICOMDialog>([](TOpenDICOMDialog &d) {
        d.SetFileType(QStringLiteral("DICOM-Dateien (*.dcm)"));
        d.reject();
    });
    u.panel().knopfKlicken(Befehl::DicomImport);
    QCOMPARE(u.order().Konturen.Anzahl(), 0);
    QVERIFY(!u.order().DICOMGeladen);
    QCOMPARE(u.setting("Init", "DICOMDateiTyp"), QStringLiteral("DICOM-Dateien (*.dcm)"));
    QCOMPARE(u.setting("Init", "DICOMPath"), u.folder.file(QStringLiteral("dicom/")));
}

void ImportFensterTest::bprBeamReachesTheOrder()
{
    Rig u;
    QVERIFY(u.form->ModusSetzen(ModusBPR));
    u.photonOrder();
    test::whenModalAppears<TBPRMainOpenForm>([](TBPRMainOpenForm &d) {
        QCOMPARE(d.Feld(QStringLiteral("E_Format")), QStringLiteral("Plato"));
        d.BTN_OpenClick();
    });
    u.panel().knopfKlicken(Befehl::BPRImport);

    const TAuftrag &a = u.order();
    QCOMPARE(a.Konturen.Anzahl(), 2);
    QVERIFY(a.BPRGeladen);
    QCOMPARE(a.Auftragsdaten.PatientenID, QStringLiteral("PL-0815"));
    QVERIFY(u.form->dokument().AblaufStatus & ablauf::Feld);
    QCOMPARE(u.setting("BPRModul", "LastOpenFile"), u.folder.file(QStringLiteral("plato.pla")));
    QCOMPARE(u.setting("BPRModul", "LastKonfigID"), QStringLiteral("0"));
    QVERIFY(QFileInfo::exists(u.folder.file(QStringLiteral("BPRKonfig.cfg"))));
}

QTEST_MAIN(ImportFensterTest)
#include "ImportFensterTest.moc"
