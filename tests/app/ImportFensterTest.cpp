#include "app/Ablauf.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "base/IniFile.h"
#include "dicom/TOpenDICOMDialog.h"
#include "dicom/ZielstrukturWahl.h"
#include "planimport/TBPRMainOpenForm.h"
#include "order/ImportUebernahme.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TAuftragsArtForm.h"
#include "order/TAuftragsdatenForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/CliRun.h"
#include "support/CompleteCustomer.h"
#include "config/TKundenDaten.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/RtDateiBauer.h"
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
    void dicomTargetWithMarginIsTheOrderStrukturAuftragMakes();
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

// A plan and its structure set in the folder: the target chosen with a margin of 3 mm instead of
// the plan's block, taken over and saved, is the order struktur-auftrag makes of the same files.
void ImportFensterTest::dicomTargetWithMarginIsTheOrderStrukturAuftragMakes()
{
    Rig u;
    const QString plan = u.folder.file(QStringLiteral("dicom/plan.dcm"));
    const QString set = u.folder.file(QStringLiteral("dicom/rs.dcm"));
    test::StrahlBau feld;
    feld.name = "Feld A";
    feld.iso = {5, 10, -15};
    feld.gantry = 20;
    feld.kollimator = 10;
    feld.bloecke = {{{0, 0}, {100, 0}, {100, 100}}};
    feld.blockTyp = "SHIELDING";
    QVERIFY(test::planSchreiben(plan, {feld}));
    test::RoiBau ptv;
    ptv.konturen = test::quader(-20, 10, -15, 10, 10, 10, 2) + test::quader(30, 10, -15, 12, 10, 10, 2);
    test::RoiBau anderswo = ptv;
    anderswo.nummer = 2;
    anderswo.name = "Anderswo";
    anderswo.bezug = "5.5.5";
    QVERIFY(test::strukturSetSchreiben(set, {ptv, anderswo}));

    QVERIFY(u.form->ModusSetzen(ModusDICOM));
    u.photonOrder();
    test::whenModalAppears<TOpenDICOMDialog>([](TOpenDICOMDialog &d) {
        auto *baum = d.findChild<QTreeWidget *>();
        QVERIFY(baum);
        const QList<QTreeWidgetItem *> strahl = baum->findItems(QStringLiteral("Feld A"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(strahl.size(), 1);
        d.NodeClicked(strahl[0]);
        ZielstrukturWahl &wahl = d.Zielstrukturen();
        QVERIFY(wahl.isVisibleTo(&d));
        QVERIFY(!wahl.ROIWaehlen(QStringLiteral("Anderswo"))); // another frame of reference
        QVERIFY(wahl.ROIWaehlen(QStringLiteral("PTV")));
        wahl.RandSetzen(3);
        QVERIFY(d.VorschauBeam());
        QCOMPARE(d.VorschauBeam()->Blocks.size(), 2);
        QCOMPARE(d.VorschauBeam()->Blocks[0].BlockType, QStringLiteral("APERTURE"));
        d.btnOkayClick();
    });
    u.panel().knopfKlicken(Befehl::DicomImport);
    QCOMPARE(u.order().Konturen.Anzahl(), 2);
    QVERIFY(u.order().DICOMGeladen);

    test::whenModal<TEinschubrichtungsForm>([](TEinschubrichtungsForm &d) {
        d.findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
    });
    u.panel().knopfKlicken(Befehl::Einschubrichtung);
    test::whenModal<TAuftragsdatenForm>([](TAuftragsdatenForm &d) { d.BTN_OKClick(); });
    u.panel().knopfKlicken(Befehl::Auftragsdaten);
    QVERIFY(u.panel().istFreigegeben(Befehl::Speichern));
    const QString gewaehlt = u.folder.file(QStringLiteral("ziel-auftrag"));
    u.chooser.expectPath(gewaehlt);
    test::whenModal<TAuftragabgeschlossenForm>([](TAuftragabgeschlossenForm &d) {
        d.findChild<QPushButton *>(QStringLiteral("btn_Weiter"))->click();
    });
    u.panel().knopfKlicken(Befehl::Speichern);
    const QString datei = gewaehlt + QStringLiteral(".ORv");
    QVERIFY(QFileInfo(datei).isFile());

    const QString kunde = u.folder.file(QStringLiteral("cli-kunde.cfg"));
    QVERIFY(test::completeCustomer().SpeichereDatei(kunde));
    const QString cliAuftrag = u.folder.file(QStringLiteral("cli.ORv"));
    const test::CliRun cli = test::runCli({QStringLiteral("struktur-auftrag"), plan, QStringLiteral("0"), set, QStringLiteral("PTV"),
                                           cliAuftrag, QStringLiteral("--rand"), QStringLiteral("3"), QStringLiteral("--kunde"), kunde});
    QCOMPARE(cli.exitCode, 0);
    const QJsonArray fenster = test::runCli({QStringLiteral("info"), datei}).json()[QStringLiteral("Konturen")].toArray();
    QCOMPARE(fenster.size(), 2);
    QCOMPARE(fenster, test::runCli({QStringLiteral("info"), cliAuftrag}).json()[QStringLiteral("Konturen")].toArray());
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
