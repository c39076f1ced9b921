// The maker's exports and the printouts, started from the main window's menus on an order
// opened in the maker's mode.

#include "app/MainWindowExport.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "config/Datenbank.h"
#include "config/MdbImport.h"
#include "order/OrderFile.h"
#include "print/RecordingCanvas.h"
#include "support/CompleteCustomer.h"
#include "support/MainWindowHarness.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace qv;

namespace {

const QDateTime kToday(QDate(2026, 12, 10), QTime(10, 0, 0));

// An opened photon order in the maker's mode, with its customer in the customer database.
struct Rig : test::MainWindowHarness
{
    explicit Rig(const QString &plzInDerDatenbank = QStringLiteral("79106"))
    {
        datenbank = folder.file(QStringLiteral("TesBS.sqlite"));
        enterCustomer(plzInDerDatenbank);

        TAuftrag a;
        a.Vorlage = QImage(200, 150, QImage::Format_RGB32);
        a.Vorlage.fill(Qt::white);
        a.IsozentrumGesetzt = true;
        a.Massstab.MassstabAbstandSetzen(20); // 40 px over 20 mm: 2 px/mm
        a.MassstabPunktSetzen(1, QPoint(-20, 0));
        a.MassstabPunktSetzen(2, QPoint(20, 0));
        a.FeldEcke1 = QPoint(-60, -60);
        a.FeldEcke2 = QPoint(60, 60);
        (void)a.Konturen.NeueKontur();
        for (const QPoint p : {QPoint(-20, -20), QPoint(20, -20), QPoint(20, 20)})
            (void)a.Konturen.PunktHinzufuegen(p);
        (void)a.Konturen.AktuelleKontur().Schliessen();
        a.Auftragsart = TAuftragsart::Photonen;
        a.Einschubrichtung = TEinschubrichtung::Oben;
        a.Auftragsdaten.PatientenID = QStringLiteral("PAT7");
        a.Auftragsdaten.Gantrywinkel = QStringLiteral("90");
        a.Kundendaten = test::completeCustomer();
        a.Kundendaten.Abteilungen[0].Lieferanschrift.PLZ = QStringLiteral("79106");
        a.Kundendaten.Abteilungen[0].Beschl[0].FBA = QStringLiteral("65");
        auftragsdatei = folder.file(QStringLiteral("eingang/Klinik.ORv"));
        QDir().mkpath(QFileInfo(auftragsdatei).absolutePath());
        [&] { QVERIFY(AuftragsdateiSchreiben(auftragsdatei, a).ok()); }();

        start(test::MainWindowOptions()
            .withConfig("[Init]\r\nFileversion=2\r\nEMailAdresse=auftrag@zarn.example\r\n")
            .withSettings("[Init]\r\nKundenMode=0\r\nStartAssistent=0\r\nHelp=0\r\nArchivBasis=" +
                folder.file(QStringLiteral("archiv/")).toUtf8() + "\r\nKundenDatenbank=" + datenbank.toUtf8() +
                "\r\nLAPPath=" + folder.path().toUtf8() + "\r\n")
            .withFixedTime(kToday)
            .withStartFile(auftragsdatei));
    }

    void enterCustomer(const QString &plz)
    {
        QVERIFY(Datenbank::erzeugen(datenbank, datenbankSchema(QStringLiteral("TesBS.sql"))).ok());
        Datenbank db;
        QVERIFY(db.oeffnen(datenbank).ok());
        QSqlQuery q(db.verbindung());
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO \"Kunde\" (\"Kun_ID\", \"Name\", \"KBez\", \"Postleitzahl\") "
                                         "VALUES (1, 'Klinik', 'KLIN1', ?)")));
        q.addBindValue(plz);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }

    QString datenbank;
    QString auftragsdatei;
};

QByteArray contents(const QString &datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ExportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void blockFileFiledInTheCustomersArchiveAndOrderMarked()
    {
        Rig u;
        QVERIFY(u.order().AusDatei);
        QVERIFY(u.form->menue().istSichtbar(Befehl::BPRExport));
        const QString ziel = u.folder.file(QStringLiteral("archiv/KLIN1/Offline/2026/12/10/PAT7_1.cif"));
        u.messages.clear();
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.form->menue().ausloesen(Befehl::BPRExport);

        QCOMPARE(u.messages.texts(),
                 (QStringList{QStringLiteral("Es wurde der Kunde ---KLIN1--- erkannt!\r\nSollen die Daten direkt als \r\n") +
                                  ziel + QStringLiteral("\r\ngespeichert werden?"),
                              QStringLiteral("BPR-Datei gespeichert nach ") + ziel}));
        const QByteArray cif = contents(ziel);
        // ±60 px at 2 px/mm and FFA 100 are 3 cm; over D = 65 cm the jaws are 4.62.
        QVERIFY2(cif.startsWith(";" + ziel.toUtf8() + "\r\n \r\n[BEAM1]\r\n90.00 0 4.62 4.62 4.62 4.62\r\nblock_qty=1\r\n"
                                "block1pts= -1.00 -1.00 1.00 -1.00 1.00 1.00 -1.00 -1.00 \r\n"
                                "block1=1 65.000000 100.000000 \r\n"),
                 cif.constData());
        QVERIFY(cif.endsWith("[PATIENT ID]\r\nPAT7\r\n[KOMMENTAR]\r\n\r\n[ZIELVOLUMEN]\r\n\r\n[Rotation]\r\n-90\r\n"));

        // The order file is marked, and the order follows its new name: a second export
        // keeps the name.
        const QString markiert = u.folder.file(QStringLiteral("eingang/_b_Klinik.ORv"));
        QVERIFY(QFileInfo(markiert).isFile());
        QVERIFY(!QFileInfo(u.auftragsdatei).exists());
        QCOMPARE(u.order().LetzteAuftragsdatei, markiert);
        u.messages.clear();
        u.messages.expectAnswer(Messages::Answer::Yes);
        u.form->menue().ausloesen(Befehl::BPRExport);
        QVERIFY(QFileInfo(u.folder.file(QStringLiteral("archiv/KLIN1/Offline/2026/12/10/PAT7_2.cif"))).isFile());
        QVERIFY(QFileInfo(markiert).isFile());
    }

    void unknownCustomerGoesToTheSaveDialog()
    {
        Rig u(QStringLiteral("10115"));
        const QString gewaehlt = u.folder.file(QStringLiteral("von-hand"));
        u.messages.clear();
        u.chooser.expectPath(gewaehlt);
        u.form->menue().ausloesen(Befehl::BPRExport);
        QCOMPARE(u.messages.texts(),
                 (QStringList{QStringLiteral("Keinen Kunden für die PLZ 79106 gefunden.\r\nBitte speichern Sie die Datei manuell."),
                              QStringLiteral("BPR-Datei gespeichert nach ") + gewaehlt + QStringLiteral(".cif")}));
        QVERIFY(QFileInfo(gewaehlt + QStringLiteral(".cif")).isFile());
        QCOMPARE(u.order().LetzteAuftragsdatei, u.folder.file(QStringLiteral("eingang/_b_Klinik.ORv")));
    }

    void laserFileThroughTheSaveDialog()
    {
        Rig u;
        const QString gewaehlt = u.folder.file(QStringLiteral("laser.PLY"));
        u.messages.clear();
        u.chooser.expectPath(gewaehlt);
        u.form->menue().ausloesen(Befehl::LAPExport);
        QCOMPARE(u.messages.texts(), QStringList{QStringLiteral("LAP-Datei gespeichert nach ") + gewaehlt});
        QCOMPARE(contents(gewaehlt), QByteArray("LAYER START\r\nSTART PLY A9988770\r\nC 1\r\nP 3\r\n"
                                              "-10.00 -10.00 0\r\n10.00 -10.00 0\r\n10.00 10.00 0\r\n-10.00 -10.00 0\r\n"
                                              "END PLY A9988770\r\nLAYER END\r\n"));
        QVERIFY(QFileInfo(u.auftragsdatei).isFile()); // the laser file does not mark the order
    }

    void printoutsOfTheOpenedOrder()
    {
        Rig u;
        test::RecordingPrintJobs drucker;
        u.form->exporte().DruckzielSetzen([&]() -> PrintJobs & { return drucker; });

        u.form->menue().ausloesen(Befehl::DruckenAlles);
        QCOMPARE(drucker.dialogs, 1);
        QCOMPARE(drucker.jobs.size(), 2);
        QVERIFY(drucker.jobs[0].canvas->find(QStringLiteral(" AuftragsDaten ")));
        QVERIFY(drucker.jobs[0].canvas->find(QStringLiteral("Patienten ID               : PAT7")));
        QVERIFY(drucker.jobs[0].canvas->find(QStringLiteral("Mail an auftrag@zarn.example")));
        QVERIFY(drucker.jobs[1].canvas->find(QStringLiteral(" KundenDaten ")));
        // Printing fills the empty coding in, in the order's own data.
        QCOMPARE(u.order().Auftragsdaten.Codierung, QStringLiteral("ohne Codierung"));

        drucker.chooseAnswer = false;
        u.form->menue().ausloesen(Befehl::DruckenKundendaten);
        QCOMPARE(drucker.jobs.size(), 2); // cancelled: nothing printed

        drucker.chooseAnswer = true;
        drucker.failBegin = true;
        u.messages.clear();
        u.form->menue().ausloesen(Befehl::DruckenAuftragsdaten);
        QCOMPARE(u.messages.texts(), QStringList{QStringLiteral("Der Drucker kann nicht geöffnet werden.")});
    }

    void exportsAreTheMakersOnly()
    {
        Rig u;
        u.form->menue().ausloesen(Befehl::Kundenmodus);
        QVERIFY(u.form->KundenModus());
        u.messages.clear();
        u.form->exporte().BlockExport();
        u.form->exporte().LAPExport();
        QVERIFY(u.messages.shown().isEmpty());
        QVERIFY(u.chooser.calls().isEmpty());
        QVERIFY(!QFileInfo(u.folder.file(QStringLiteral("archiv/KLIN1"))).exists());
    }
};

QTEST_MAIN(ExportWindowTest)
#include "ExportWindowTest.moc"
