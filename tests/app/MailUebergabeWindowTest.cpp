// "E-Mail vorbereiten" and "Ordner öffnen" in the order-finished dialog: the mail program is
// reached through a stand-in xdg-email on PATH that records its arguments; the file manager
// through a recording desktop, so no test opens a real program.
#include "app/TAblaufPanel.h"
#include "app/ZuletztGeoeffnet.h"
#include "base/IniFile.h"
#include "base/QtDesktop.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TEinschubrichtungsForm.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

/// The real helper programs, but folders are only recorded.
class RecordingDesktop final : public QtDesktop
{
public:
    explicit RecordingDesktop(QList<QUrl> &geoeffnet, bool gelingt = true) : m_geoeffnet(geoeffnet), m_gelingt(gelingt) {}
    bool urlOeffnen(const QUrl &url) override
    {
        m_geoeffnet.append(url);
        return m_gelingt;
    }

private:
    QList<QUrl> &m_geoeffnet;
    bool m_gelingt;
};

/// A folder with a stand-in xdg-email that writes its arguments (NUL after each) to a file and
/// ends with the given code; PATH holds only that folder while it lives.
class StandIn
{
public:
    explicit StandIn(int code = 0, const QByteArray &fehler = {}, bool vorhanden = true)
    {
        const QString bin = m_ordner.file(u"bin"_s);
        QDir().mkpath(bin);
        if (vorhanden) {
            const QString skript = m_ordner.write(u"bin/xdg-email"_s,
                                                  "#!/bin/sh\nfor a; do printf '%s\\0' \"$a\"; done > '" +
                                                      protokoll().toUtf8() + "'\nprintf '%s' '" + fehler + "' >&2\nexit " +
                                                      QByteArray::number(code) + "\n");
            QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        m_path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit());
    }
    ~StandIn() { qputenv("PATH", m_path); }

    QString protokoll() const { return m_ordner.file(u"argumente"_s); }
    /// The arguments of the last run (none when it did not run).
    QStringList argumente() const
    {
        QFile f(protokoll());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList liste = QString::fromUtf8(f.readAll()).split(QChar(0));
        liste.removeLast();
        return liste;
    }

private:
    test::TempProgramFolder m_ordner;
    QByteArray m_path;
};

const QString kAdresse = u"auftrag@zarn.example"_s;

} // namespace

class MailUebergabeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theMailProgramGetsTheMakerTheSubjectAndTheFile();
    void aMissingOrFailingMailProgramIsNamedOnceAndTheFolderShown_data();
    void aMissingOrFailingMailProgramIsNamedOnceAndTheFolderShown();
    void theFolderButtonShowsTheFolder();
    void theDialogAfterSavingOffersTheSavedFile();

private:
    // The dialog as the main window shows it after saving, with the two buttons.
    struct Dialog
    {
        explicit Dialog(Desktop &desktop, const QString &datei)
            : einstellungen(ordner.file(u"QuellvantarIni.ini"_s)), form(einstellungen, kAdresse)
        {
            form.DateiSetzen(datei);
            form.UebergabeAnbieten(desktop, meldungen);
            form.show();
        }
        void klicken(const char *knopf) { form.findChild<QPushButton *>(QLatin1String(knopf))->click(); }

        test::TempProgramFolder ordner;
        test::ScriptedMessages meldungen;
        IniFile einstellungen;
        TAuftragabgeschlossenForm form;
    };

    test::TempProgramFolder m_dateien;
};

void MailUebergabeWindowTest::theMailProgramGetsTheMakerTheSubjectAndTheFile()
{
    const StandIn xdgEmail;
    QList<QUrl> geoeffnet;
    RecordingDesktop desktop(geoeffnet);
    const QString datei = m_dateien.write(u"Mein Auftrag.ORv"_s, "x");
    Dialog d(desktop, datei);
    d.klicken("btn_EMail");
    QCOMPARE(xdgEmail.argumente(), (QStringList{u"--utf8"_s, u"--subject"_s, u"Quellvantar-Auftrag Mein Auftrag.ORv"_s,
                                                u"--attach"_s, datei, kAdresse}));
    QVERIFY2(d.meldungen.shown().isEmpty(), qPrintable(d.meldungen.texts().join(u'|')));
    QVERIFY(geoeffnet.isEmpty());
}

void MailUebergabeWindowTest::aMissingOrFailingMailProgramIsNamedOnceAndTheFolderShown_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<QString>("grund");
    QTest::newRow("ohne Mailprogramm") << 3 << true << u"xdg-email: no method available for opening mailto:auftrag@zarn.example"_s;
    QTest::newRow("stumm gescheitert") << 4 << true << u"xdg-email endete mit dem Code 4."_s;
    QTest::newRow("nicht installiert") << 0 << false << u"Das Programm xdg-email ist nicht installiert."_s;
}

void MailUebergabeWindowTest::aMissingOrFailingMailProgramIsNamedOnceAndTheFolderShown()
{
    QFETCH(int, code);
    QFETCH(bool, vorhanden);
    QFETCH(QString, grund);
    const StandIn xdgEmail(code, code == 3 ? grund.toUtf8() : QByteArray(), vorhanden);
    QList<QUrl> geoeffnet;
    RecordingDesktop desktop(geoeffnet);
    const QString datei = m_dateien.write(u"a.ORv"_s, "x");
    Dialog d(desktop, datei);
    d.klicken("btn_EMail");
    QCOMPARE(d.meldungen.shown().size(), 1);
    QCOMPARE(d.meldungen.shown()[0].kind, Messages::Kind::Warning);
    const QString text = d.meldungen.lastText();
    QVERIFY2(text.startsWith(u"Das E-Mail-Programm konnte nicht geöffnet werden:\n"_s + grund + u'\n'), qPrintable(text));
    QVERIFY2(text.contains(u"a.ORv"_s) && text.contains(m_dateien.path()) && text.contains(kAdresse), qPrintable(text));
    QCOMPARE(geoeffnet, QList<QUrl>{QUrl::fromLocalFile(m_dateien.path())});
}

void MailUebergabeWindowTest::theFolderButtonShowsTheFolder()
{
    const QString datei = m_dateien.write(u"b.ORv"_s, "x");
    for (const bool gelingt : {true, false}) {
        QList<QUrl> geoeffnet;
        RecordingDesktop desktop(geoeffnet, gelingt);
        Dialog d(desktop, datei);
        d.klicken("btn_Ordner");
        QCOMPARE(geoeffnet, QList<QUrl>{QUrl::fromLocalFile(m_dateien.path())});
        QCOMPARE(d.meldungen.texts(),
                 gelingt ? QStringList() : QStringList{u"Der Ordner "_s + m_dateien.path() + u" konnte nicht geöffnet werden."_s});
    }
}

void MailUebergabeWindowTest::theDialogAfterSavingOffersTheSavedFile()
{
    const StandIn xdgEmail;
    QList<QUrl> geoeffnet;
    test::MainWindowHarness h;
    h.writeScreenshot();
    h.start(test::MainWindowOptions()
                .withConfig("[Init]\r\nFileversion=2\r\nEMailAdresse=" + kAdresse.toUtf8() + "\r\n")
                .withSettings("[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" + h.folder.file(u"archiv/"_s).toUtf8() +
                              "\r\n"));
    h.app->setDesktop(std::make_unique<RecordingDesktop>(geoeffnet));

    // A traced photon order with its order data, saved through the workflow button.
    h.traceUpToScale();
    h.traceSquareContour();
    h.panel().knopfKlicken(Befehl::FeldEingabe);
    h.click(QPoint(-90, -90));
    h.click(QPoint(90, 90));
    test::whenModal<TEinschubrichtungsForm>(
        [](TEinschubrichtungsForm &d) { d.findChild<QPushButton *>(u"btn_ok"_s)->click(); });
    h.panel().knopfKlicken(Befehl::Einschubrichtung);
    h.order().Auftragsdaten.Gueltig = true;
    h.order().Auftragsdaten.PatientenID = u"PAT-0815"_s;
    h.form->AblaufAktualisieren();

    const QString datei = h.folder.file(u"fuer den Hersteller.ORv"_s);
    h.chooser.expectPath(datei);
    test::whenModal<TAuftragabgeschlossenForm>([](TAuftragabgeschlossenForm &d) {
        d.findChild<QPushButton *>(u"btn_EMail"_s)->click();
        d.findChild<QPushButton *>(u"btn_Ordner"_s)->click();
        d.waehlen(TAuftragabgeschlossenForm::Zurueck);
        d.findChild<QPushButton *>(u"btn_Weiter"_s)->click();
    });
    h.panel().knopfKlicken(Befehl::Speichern);
    QVERIFY(QFileInfo(datei).isFile());
    QCOMPARE(xdgEmail.argumente(), (QStringList{u"--utf8"_s, u"--subject"_s, u"Quellvantar-Auftrag fuer den Hersteller.ORv"_s,
                                                u"--attach"_s, datei, kAdresse}));
    QCOMPARE(geoeffnet, QList<QUrl>{QUrl::fromLocalFile(h.folder.path())});
    QVERIFY2(h.messages.shown().isEmpty(), qPrintable(h.messages.texts().join(u'|')));
    // The saved file heads the recent files of the customer's mode (the archive copy does not).
    QCOMPARE(ZuletztGeoeffnet(h.app->EinstellungenIni()).Liste(true), QStringList{datei});
}

QTEST_MAIN(MailUebergabeWindowTest)
#include "MailUebergabeWindowTest.moc"
