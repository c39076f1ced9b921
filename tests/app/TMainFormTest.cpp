#include "app/Application.h"
#include "app/StartRegeln.h"
#include "app/TMainForm.h"
#include "app/HauptMenue.h"
#include "base/Clock.h"
#include "base/UtilsUnit.h"
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

using qv::Messages;
using qv::test::ScriptedMessages;

class TMainFormTest : public QObject
{
    Q_OBJECT

private:
    // A program folder with a configuration file and the given user settings.
    struct Umgebung
    {
        explicit Umgebung(const QByteArray &einstellungen, bool mitConfig = true)
        {
            if (mitConfig)
                folder.write(QStringLiteral("QuellvantarConfig.cfg"), "[Init]\r\nFileversion=2\r\n");
            if (!einstellungen.isEmpty())
                folder.write(QStringLiteral("QuellvantarIni.ini"), einstellungen);
            app = std::make_unique<qv::Application>(folder.path(), messages, chooser, clock);
        }
        qv::test::TempProgramFolder folder;
        ScriptedMessages messages;
        qv::test::FakeFileChooser chooser;
        qv::SystemClock clock;
        std::unique_ptr<qv::Application> app;
    };

private slots:
    void startReadsModeAndDirection_data();
    void startReadsModeAndDirection();
    void closeWithUnsavedChangesAsks();
    void missingConfigurationStopsStartUp();
    void internalConfigMenuOpensTheEditor();
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
    Umgebung u(ini);
    TMainForm form(*u.app);
    QVERIFY(!form.StartAbbruch());
    QCOMPARE(form.windowTitle(), QStringLiteral("Quellvantar"));
    form.show();
    QTRY_COMPARE(form.windowTitle(), QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    QCOMPARE(form.Modus(), modus);
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("PCModus"))->currentIndex(), modus);
    QCOMPARE(form.Einschubrichtung(), einschub);
    QCOMPARE(form.KundenModus(), kundenModus);
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
    Umgebung u({});
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
    Umgebung u("[Init]\r\nModusIndex=2\r\n", /*mitConfig=*/false);
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
    Umgebung u(QByteArray("[Init]\r\nKundenMode=0\r\n"), false);
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
        editor->done(QDialog::Accepted);
    });
    form.menue().ausloesen(qv::Befehl::ConfigIntern);
    QCOMPARE(gezeigt, QStringLiteral("www.example.org"));
    QVERIFY(!QApplication::activeModalWidget());
}
