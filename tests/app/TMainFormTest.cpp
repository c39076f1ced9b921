#include "app/StartAblauf.h"
#include "app/StartRegeln.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "config/TKonfigForm.h"
#include "base/UtilsUnit.h"
#include "help/THelpForm.h"
#include "support/CompleteCustomer.h"
#include "support/MainWindowHarness.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

using namespace qv;
using qv::Messages;
using qv::TMainForm;

class TMainFormTest : public QObject
{
    Q_OBJECT

private:
    enum class Customer { Complete, Incomplete, None };

    // A program folder with a configuration file, the given user settings and customer data
    // (complete ones unless asked otherwise) and a demonstration customer.
    struct Rig : qv::test::MainWindowHarness
    {
        explicit Rig(const QByteArray &einstellungen, bool mitConfig = true, Customer kunde = Customer::Complete)
        {
            const KundenDateien dateien = KundenDateien::imOrdner(folder.path());
            if (kunde == Customer::Incomplete) {
                TKundenDaten k = qv::test::completeCustomer();
                k.VertragsAdresse.Ort.clear();
                if (!k.SpeichereDatei(dateien.kunde).ok())
                    qFatal("Kunde.cfg not written");
            }
            TKundenDaten demo = qv::test::completeCustomer();
            demo.Vertragspartner.Name = QStringLiteral("Demo");
            if (!demo.SpeichereDatei(dateien.demoKunde).ok())
                qFatal("DemoKunde.cfg not written");
            startApplication(test::MainWindowOptions()
                .withConfig(mitConfig ? std::optional<QByteArray>("[Init]\r\nFileversion=2\r\n") : std::nullopt)
                .withSettings(einstellungen.isEmpty() ? std::nullopt : std::optional<QByteArray>(einstellungen))
                .withCompleteCustomer(kunde == Customer::Complete));
        }
    };

    // Answers each modal dialog with this object name while it lives: `tun` runs on it, then
    // the button is clicked. Counts the dialogs answered.
    class Answerer
    {
    public:
        Answerer(const char *dialog, const char *knopf, std::function<void(QDialog &)> tun = {})
        {
            QObject::connect(&m_timer, &QTimer::timeout, [=, this] {
                auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (!d || d->objectName() != QLatin1String(dialog) || d == m_letzter)
                    return;
                m_letzter = d;
                ++anzahl;
                if (tun)
                    tun(*d);
                if (auto *k = d->findChild<QPushButton *>(QLatin1String(knopf)))
                    k->click();
            });
            m_timer.start(10);
        }
        int anzahl = 0;

    private:
        QTimer m_timer;
        QDialog *m_letzter = nullptr;
    };

private slots:
    void startReadsModeAndDirection_data();
    void startReadsModeAndDirection();
    void closeWithUnsavedChangesAsks();
    void missingConfigurationStopsStartUp();
    void internalConfigMenuOpensTheEditor();
    void firstStartWithDemoData();
    void firstStartConfigureOrCancel();
    void incompleteCustomerDataAtStart();
    void customerSettingsShowHelpOnF1();
};

void TMainFormTest::startReadsModeAndDirection_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("einschub");
    QTest::addColumn<bool>("kundenModus");
    QTest::newRow("ohne Einstellungen") << QByteArray() << 0 << 2 << true;
    QTest::newRow("DICOM, Oben") << QByteArray("[Init]\r\nModusIndex=3\r\nEinschubrichtung=Oben\r\n") << 3 << 3 << true;
    QTest::newRow("7 und links") << QByteArray("[Init]\r\nModusIndex=7\r\nEinschubrichtung=links\r\n") << 0 << 2 << true;
    QTest::newRow("intern") << QByteArray("[Init]\r\nKundenMode=0\r\nModusIndex=1\r\n") << 1 << 2 << false;
}

void TMainFormTest::startReadsModeAndDirection()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, modus);
    QFETCH(int, einschub);
    QFETCH(bool, kundenModus);
    Rig u(ini);
    // In customer mode the start assistant opens on the stored mode; "Weiter" keeps it.
    int assistentModus = -1;
    Answerer assistent("StartAssistentForm", "btn_Weiter", [&](QDialog &d) {
        const char *knoepfe[] = {"rb_BildVorlage", "rb_ohneVorlage", "rb_BPR", "rb_DICOM"};
        for (int m = 0; m < 4; ++m)
            if (d.findChild<QRadioButton *>(QLatin1String(knoepfe[m]))->isChecked())
                assistentModus = m;
    });
    TMainForm form(*u.app);
    QVERIFY(!form.StartAbbruch());
    QCOMPARE(form.windowTitle(), QStringLiteral("Quellvantar"));
    form.show();
    QTRY_COMPARE(form.windowTitle(), QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    QCOMPARE(form.Modus(), modus);
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("PCModus"))->currentIndex(), modus);
    QCOMPARE(int(form.Einschubrichtung()), einschub);
    QCOMPARE(form.KundenModus(), kundenModus);
    QCOMPARE(assistent.anzahl, kundenModus ? 1 : 0);
    if (kundenModus)
        QCOMPARE(assistentModus, modus);
    QVERIFY(!form.Geaendert());
    QVERIFY(u.messages.shown().isEmpty());
    // The mode of the new order is written back; the direction setting stays as it was.
    const qv::IniFile nachher(u.folder.file(QStringLiteral("QuellvantarIni.ini")));
    QCOMPARE(nachher.readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), -1), modus);
    const qv::IniFile vorher(u.folder.write(QStringLiteral("vorher.ini"), ini));
    QCOMPARE(nachher.readString(QStringLiteral("Init"), QStringLiteral("Einschubrichtung")),
             vorher.readString(QStringLiteral("Init"), QStringLiteral("Einschubrichtung")));
}

void TMainFormTest::closeWithUnsavedChangesAsks()
{
    Rig u("[Init]\r\nStartAssistent=0\r\n");
    TMainForm form(*u.app);
    form.show();
    form.FormShow();
    form.SetGeaendert();

    u.messages.expectAnswer(Messages::Answer::No);
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QVERIFY(form.Geaendert()); // the order is untouched
    QCOMPARE(u.messages.texts(), QStringList{qv::BeendenMitAenderungenFrage()});
    QCOMPARE(u.messages.shown().first().kind, Messages::Kind::Question);
    QCOMPARE(u.messages.shown().first().buttons, Messages::Buttons::YesNo);

    u.messages.expectAnswer(Messages::Answer::Yes);
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QCOMPARE(u.messages.texts().size(), 2);
    QCOMPARE(u.messages.pendingAnswers(), 0);
}

void TMainFormTest::missingConfigurationStopsStartUp()
{
    Rig u("[Init]\r\nModusIndex=2\r\n", /*mitConfig=*/false);
    auto form = std::make_unique<TMainForm>(*u.app);
    QVERIFY(form->StartAbbruch());
    QCOMPARE(u.messages.texts(), QStringList{qv::ConfigFehltMeldung(u.folder.file(QStringLiteral("QuellvantarConfig.cfg")))});
    QCOMPARE(u.messages.shown().first().kind, Messages::Kind::Error);

    QSignalSpy ende(form.get(), &TMainForm::StartAbgebrochen);
    form->FormShow();
    QCOMPARE(ende.count(), 1);
    // No new order was begun: no mode read, caption as created.
    QCOMPARE(form->Modus(), 0);
    QCOMPARE(form->windowTitle(), QStringLiteral("Quellvantar"));

    // Closing without changes asks nothing; destroying the window frees the settings objects.
    QVERIFY(form->close());
    form.reset();
    QVERIFY(!u.app->iniDateienOffen());
    QCOMPARE(u.messages.texts().size(), 1);
}

QTEST_MAIN(TMainFormTest)
#include "TMainFormTest.moc"

void TMainFormTest::internalConfigMenuOpensTheEditor()
{
    Rig u(QByteArray("[Init]\r\nKundenMode=0\r\n"), false);
    u.folder.write(QStringLiteral("QuellvantarConfig.cfg"), "[Init]\r\nFileversion=2\r\nWebsite=www.example.org\r\n");
    TMainForm form(*u.app);
    form.show();
    form.FormShow();

    QString gezeigt;
    QTimer::singleShot(0, &form, [&] {
        auto *editor = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QStringLiteral("ConfigForm"));
        if (auto *website = editor->findChild<QLineEdit *>(QStringLiteral("E_Website")))
            gezeigt = website->text();
        // saving a changed address ends the editor
        editor->findChild<QLineEdit *>(QStringLiteral("E_EMail"))->setText(QStringLiteral("neu@example.org"));
        editor->findChild<QPushButton *>(QStringLiteral("BTN_Save"))->click();
    });
    QCOMPARE(u.app->Konfiguration().EMailAdresse, QStringLiteral("auftrag@zarn-ek.example"));
    form.menue().ausloesen(qv::Befehl::ConfigIntern);
    QCOMPARE(gezeigt, QStringLiteral("www.example.org"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(u.messages.texts().last(), QStringLiteral("Konfig-Datei erfolgreich gespeichert."));
    // what the editor saved is the configuration of the run from now on, without a restart
    QCOMPARE(u.app->Konfiguration().EMailAdresse, QStringLiteral("neu@example.org"));
    QCOMPARE(u.app->Konfiguration().Website, QStringLiteral("www.example.org"));
}

void TMainFormTest::firstStartWithDemoData()
{
    Rig u("[Init]\r\nModusIndex=2\r\nEinschubrichtung=Oben\r\n", true, Customer::None);
    Answerer erster("FirstStartForm", "btn_Weiter");
    Answerer assistent("StartAssistentForm", "btn_Weiter");
    TMainForm form(*u.app);
    form.show();
    QTRY_COMPARE(form.windowTitle(), QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    QCOMPARE(erster.anzahl, 1);
    QCOMPARE(assistent.anzahl, 1);
    // The image mode and "Links", whatever the settings say.
    QVERIFY(form.DemoModus());
    QCOMPARE(form.Modus(), 0);
    QCOMPARE(int(form.Einschubrichtung()), 1);
    QCOMPARE(form.auftrag().Kundendaten.Vertragspartner.Name, QStringLiteral("Demo"));

    // Every new order keeps the demonstration customer, with the assistant on and off, so
    // saving stays disabled.
    for (const bool assistentAn : {true, false}) {
        u.app->EinstellungenIni().writeBool(QStringLiteral("Init"), QStringLiteral("StartAssistent"), assistentAn);
        form.neu1Click();
        QVERIFY(form.auftrag().Kundendaten.Demo);
        QCOMPARE(form.auftrag().Kundendaten.Vertragspartner.Name, QStringLiteral("Demo"));
    }
    QCOMPARE(assistent.anzahl, 2);
    QVERIFY(!QFile::exists(u.app->KundePfad()));
    QVERIFY(u.messages.shown().isEmpty());
}

void TMainFormTest::firstStartConfigureOrCancel()
{
    {
        // Cancel ends the program.
        Rig u({}, true, Customer::None);
        Answerer erster("FirstStartForm", "btn_Abbrechen");
        TMainForm form(*u.app);
        QSignalSpy ende(&form, &TMainForm::StartAbgebrochen);
        form.show();
        QTRY_COMPARE(ende.count(), 1);
        QVERIFY(form.StartAbbruch());
        QCOMPARE(form.windowTitle(), QStringLiteral("Quellvantar"));
    }
    {
        // Configure: the settings dialog; the data completed there are saved, and the main
        // window waits for "Neu..." without a new order.
        Rig u({}, true, Customer::None);
        Answerer erster("FirstStartForm", "btn_Weiter", [](QDialog &d) {
            d.findChild<QRadioButton *>(QStringLiteral("rb_FirstKonfig"))->setChecked(true);
        });
        TMainForm form(*u.app);
        Answerer konfig("TKonfigForm", "btnSave",
                        [](QDialog &d) { static_cast<TKonfigForm &>(d).DatenEingeben(qv::test::completeCustomer()); });
        Answerer assistent("StartAssistentForm", "btn_Weiter");
        QSignalSpy ende(&form, &TMainForm::StartAbgebrochen);
        form.show();
        QTRY_COMPARE(konfig.anzahl, 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ende.count(), 0);
        QVERIFY(!form.DemoModus());
        QCOMPARE(assistent.anzahl, 0);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quellvantar"));
        TKundenDaten gespeichert;
        QVERIFY(gespeichert.LadeDatei(u.app->KundePfad()).ok());
        QVERIFY(gespeichert == qv::test::completeCustomer());
        QVERIFY(u.messages.shown().isEmpty());
    }
}

void TMainFormTest::incompleteCustomerDataAtStart()
{
    // The message, then the settings dialog; leaving it incomplete and confirming the end
    // ends the program before any order is begun.
    Rig u({}, true, Customer::Incomplete);
    Answerer konfig("TKonfigForm", "btnCancel");
    Answerer assistent("StartAssistentForm", "btn_Weiter");
    u.messages.expectAnswer(Messages::Answer::Yes);
    TMainForm form(*u.app);
    QSignalSpy ende(&form, &TMainForm::StartAbgebrochen);
    form.show();
    QTRY_COMPARE(ende.count(), 1);
    QCOMPARE(konfig.anzahl, 1);
    QCOMPARE(assistent.anzahl, 0);
    QCOMPARE(u.messages.texts(),
             (QStringList{qv::StartAblauf::UnvollstaendigMeldung(),
                          QStringLiteral("Quellvantar benötigt eine komplette Konfiguration.\rWollen Sie das Programm wirklich beenden?")}));
    QCOMPARE(form.windowTitle(), QStringLiteral("Quellvantar"));
}

void TMainFormTest::customerSettingsShowHelpOnF1()
{
    Rig u("[Init]\r\nStartAssistent=0\r\nHelp=0\r\n");
    TMainForm form(*u.app);
    form.show();
    form.FormShow();
    QVERIFY(!form.hilfe().isVisible());
    QPoint hilfePos;
    bool sichtbar = false;
    Answerer konfig("TKonfigForm", "btnCancel", [&](QDialog &d) {
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_F1);
        sichtbar = form.hilfe().isVisible();
        hilfePos = form.hilfe().pos();
    });
    form.menue().ausloesen(qv::Befehl::Kundeneinstellungen);
    QCOMPARE(konfig.anzahl, 1);
    QVERIFY(sichtbar);
    QCOMPARE(hilfePos, QPoint(100, 100));
    QVERIFY(u.messages.shown().isEmpty());
}
