#include "planimport/BPRDatei.h"
#include "planimport/BPRKonfigBearbeitung.h"
#include "planimport/BPRVorschau.h"
#include "planimport/TBPRDM.h"
#include "planimport/TBPRKonfigForm.h"
#include "planimport/TBPRMainOpenForm.h"

#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace qv;

namespace {

QString example(const char *name)
{
    return test::buildDir() + QStringLiteral("/DemoBPR/") + QString::fromLatin1(name);
}

// A program folder with the shipped format database and a data folder.
struct Program
{
    test::TempProgramFolder ordner;
    QString daten;
    Program()
    {
        QFile::copy(test::buildDir() + QStringLiteral("/BPRdb.sqlite"), ordner.file(QStringLiteral("BPRdb.sqlite")));
        QDir(ordner.path()).mkdir(QStringLiteral("daten"));
        daten = ordner.file(QStringLiteral("daten"));
    }
    QString copy(const char *name) const
    {
        const QString ziel = QDir(daten).filePath(QString::fromLatin1(name));
        QFile::copy(example(name), ziel);
        return ziel;
    }
};

bool hasColour(const QImage &bild, const QColor &farbe)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) == farbe)
                return true;
    return false;
}

TBPRKonfigurationen configurations(const QStringList &namen)
{
    TBPRKonfigurationen k;
    for (qsizetype i = 0; i < namen.size(); ++i)
        k[size_t(i)].Beschreibung = namen[i];
    return k;
}

} // namespace

class BPRDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesTheConfigurationAndOpensTheNewestFile();
    void beamsPreviewAndOpen();
    void configurationIsAppliedToTheBeam();
    void databaseOnlyInTheMakersMode();
    void configurationDialogRules();
};

void BPRDialogsTest::firstStartCreatesTheConfigurationAndOpensTheNewestFile()
{
    Program p;
    const QString plato = p.copy("Plato_Demo.pla");
    QFile alt(plato);
    QVERIFY(alt.open(QIODevice::ReadWrite));
    QVERIFY(alt.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    alt.close();
    // The newest file is a log: it is passed over.
    QFile log(QDir(p.daten).filePath(QStringLiteral("import.log")));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write("x");
    log.close();

    test::ScriptedMessages messages;
    test::FakeFileChooser chooser;
    TBPRMainOpenForm form(p.ordner.path(), messages, chooser);
    QVERIFY(form.DatabaseOpen());
    form.SetLastOpenPath(p.daten);
    form.SetLastOpenFile(QDir(p.daten).filePath(QStringLiteral("weg.pla")));
    form.SetLastKonfigID(4);
    form.Vorbereiten();

    QCOMPARE(QFileInfo(p.ordner.file(QStringLiteral("BPRKonfig.cfg"))).size(), qint64(312));
    QCOMPARE(form.Konfigurationen(), QStringList{QStringLiteral("Linac 1")});
    QCOMPARE(form.KonfigAuswahl(), 0);
    QCOMPARE(form.Feld(QStringLiteral("E_Konfig_XSpiegel")), QStringLiteral("Nein"));
    QCOMPARE(form.Dateien(), (QStringList{QStringLiteral("Plato_Demo.pla"), QStringLiteral("import.log")}));
    QCOMPARE(form.CurrentFile(), plato);
    QCOMPARE(form.LastOpenFile(), plato);
    QCOMPARE(form.Feld(QStringLiteral("E_Format")), QStringLiteral("Plato"));
    QCOMPARE(form.Beams(), (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("7")}));
    QCOMPARE(form.Feld(QStringLiteral("E_PatientID")), QStringLiteral("PL-0815"));
    QVERIFY(messages.texts().isEmpty());
}

void BPRDialogsTest::beamsPreviewAndOpen()
{
    Program p;
    const QString plato = p.copy("Plato_Demo.pla");
    p.copy("Target_Demo.txt");
    test::ScriptedMessages messages;
    test::FakeFileChooser chooser;
    TBPRMainOpenForm form(p.ordner.path(), messages, chooser);
    form.SetLastOpenPath(p.daten);
    form.SetDefaultFBA(65);
    form.Vorbereiten();
    // Another format, then the file wanted.
    form.DateiGeklickt(QStringLiteral("Target_Demo.txt"));
    QCOMPARE(form.Feld(QStringLiteral("E_Format")), QStringLiteral("Target"));
    form.DateiGeklickt(QStringLiteral("Plato_Demo.pla"));
    QCOMPARE(form.L_FileNameText(), QStringLiteral("Plato_Demo.pla"));
    QVERIFY(form.OeffnenAktiv());
    QVERIFY(!form.LeerBildSichtbar());
    QVERIFY(hasColour(form.VorschauBild(), BPRKonturFarbe(2)));

    // The third beam has no blocks: nothing to open, the empty picture instead.
    form.BeamGeklickt(2);
    QVERIFY(!form.OeffnenAktiv());
    QVERIFY(form.LeerBildSichtbar());

    // The second position reads the second beam section (number 5).
    form.BeamGeklickt(1);
    QVERIFY(form.OeffnenAktiv());
    form.BTN_OpenClick();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const std::optional<BPRBeam> beam = form.GewaehlterBeam();
    QVERIFY(beam);
    QCOMPARE(beam->Nummer, 5);
    TBPRDM dm;
    QVERIFY(dm.Open(p.ordner.file(QStringLiteral("BPRdb.sqlite"))).ok());
    const auto inhalt = BPRDateiLaden(plato, dm);
    QVERIFY(inhalt.ok());
    const TBPRKonfig linac1 = BPRKonfigStandard()[0];
    QCOMPARE(beam->Konturen, BPRBeamLesen(*inhalt, 2, 65, &linac1).Konturen);
}

void BPRDialogsTest::configurationIsAppliedToTheBeam()
{
    Program p;
    const QString plato = p.copy("Plato_Demo.pla");
    TBPRKonfigurationen k = configurations({QStringLiteral("Linac 1"), QStringLiteral("Gedreht")});
    k[1].Drehung = 90;
    QFile f(p.ordner.file(QStringLiteral("BPRKonfig.cfg")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(BPRKonfigBytes(k));
    f.close();

    test::ScriptedMessages messages;
    test::FakeFileChooser chooser;
    TBPRMainOpenForm form(p.ordner.path(), messages, chooser);
    form.SetLastOpenFile(plato);
    form.SetLastKonfigID(1);
    form.Vorbereiten();
    QCOMPARE(form.KonfigAuswahl(), 1);
    QCOMPARE(form.Feld(QStringLiteral("E_Konfig_Drehung")), QStringLiteral("90"));
    const QList<QList<QPoint>> gedreht = form.AktuellerBeam()->Konturen;

    form.KonfigGewaehlt(0);
    QCOMPARE(form.LastKonfigID(), 0);
    const QList<QList<QPoint>> ungedreht = form.AktuellerBeam()->Konturen;
    QVERIFY(gedreht != ungedreht);
    // The reader turns (100, 0) by 90° to (0, −100).
    QCOMPARE(gedreht[0][0], QPoint(ungedreht[0][0].y(), -ungedreht[0][0].x()));
}

void BPRDialogsTest::databaseOnlyInTheMakersMode()
{
    Program p;
    test::ScriptedMessages messages;
    test::FakeFileChooser chooser;
    TBPRMainOpenForm form(p.ordner.path(), messages, chooser);
    QVERIFY(!form.DatenbankKnopfSichtbar());
    form.setHerstellerModus(true);
    QVERIFY(form.DatenbankKnopfSichtbar());

    // Without a database the dialog says why and shows the empty picture.
    test::TempProgramFolder leer;
    TBPRMainOpenForm ohne(leer.path(), messages, chooser);
    QVERIFY(!ohne.DatabaseOpen());
    QVERIFY(ohne.OeffnenFehler().startsWith(u"Es ist ein Fehler beim Öffnen des BPR-Moduls aufgetreten."));
    QVERIFY(ohne.LeerBildSichtbar());
}

void BPRDialogsTest::configurationDialogRules()
{
    test::ScriptedMessages messages;
    TBPRKonfigForm form(configurations({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}), -3, messages);
    QCOMPARE(form.AktuellerSlot(), 0);
    QCOMPARE(form.ListenEintraege(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));

    // Angles: 370 is stored as 10, −90 as it is; a text that is no number keeps edit mode on.
    form.BTN_bearbeitenClick();
    QVERIFY(form.Bearbeiten());
    form.DetailsSetzen(QStringLiteral("A"), QStringLiteral("370"), true, false, true, QStringLiteral("-90"), QStringLiteral("x"));
    form.SpeichernClick();
    QVERIFY(form.Bearbeiten());
    QCOMPARE(messages.lastText(), QStringLiteral("Die standard Gantrydrehung muß eine Zahl sein (0-360°)\r\rEin speichern ist so nicht möglich."));
    form.DetailsSetzen(QStringLiteral("A"), QStringLiteral("370"), true, false, true, QStringLiteral("-90"), QStringLiteral("720"));
    form.SpeichernClick();
    QVERIFY(!form.Bearbeiten());
    QCOMPARE(form.Konfigurationen()[0].Drehung, 10);
    QCOMPARE(form.Konfigurationen()[0].KolliDreh, -90);
    QCOMPARE(form.Konfigurationen()[0].BlendeDreh, 0);
    QVERIFY(form.Konfigurationen()[0].XSpiegelung);
    QVERIFY(form.Konfigurationen()[0].DatenInFBA);

    // Deleting the second of three closes the gap.
    form.EintragWaehlen(1);
    messages.expectAnswer(Messages::Answer::Yes);
    form.BTN_loeschenClick();
    QCOMPARE(messages.lastText(), QStringLiteral("Wollen Sie die ausgewählte Konfiguration B\rwirklich löschen?"));
    QCOMPARE(form.ListenEintraege(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    for (int i = 2; i < 6; ++i)
        QVERIFY(form.Konfigurationen()[size_t(i)].Unbenutzt());

    // "neu" up to six, then the message; a new one is named "Linac X" and opens for editing.
    for (int n = 3; n <= 6; ++n) {
        form.BTN_NeuClick();
        QCOMPARE(form.AktuellerSlot(), n - 1);
        QCOMPARE(form.Konfigurationen()[size_t(n - 1)].Beschreibung, QStringLiteral("Linac X"));
        QVERIFY(form.Bearbeiten());
        form.AbbruchClick();
    }
    messages.clear();
    form.BTN_NeuClick();
    QCOMPARE(messages.texts(), QStringList{BPRKonfigVollText()});

    // "none" cannot name a configuration.
    form.BTN_bearbeitenClick();
    form.DetailsSetzen(QStringLiteral("none"), QStringLiteral("0"), false, false, false, QStringLiteral("0"), QStringLiteral("0"));
    form.SpeichernClick();
    QVERIFY(form.Bearbeiten());
    QVERIFY(!form.Konfigurationen()[size_t(form.AktuellerSlot())].Unbenutzt());
    form.AbbruchClick();

    // The last one cannot be deleted.
    messages.clear();
    TBPRKonfigForm einzeln(configurations({QStringLiteral("Nur")}), 0, messages);
    einzeln.BTN_loeschenClick();
    QCOMPARE(messages.texts(), QStringList{BPRKonfigLetzteText()});
    QCOMPARE(einzeln.ListenEintraege(), QStringList{QStringLiteral("Nur")});
}

QTEST_MAIN(BPRDialogsTest)
#include "BPRDialogsTest.moc"
