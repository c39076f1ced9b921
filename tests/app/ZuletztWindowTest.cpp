// "Zuletzt geöffnet" in the menu "Datei" of the main window.
#include "app/TMainForm.h"
#include "app/ZuletztGeoeffnet.h"
#include "support/MainWindowHarness.h"
#include "support/TestData.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

QMenu *zuletztMenue(TMainForm &form)
{
    return form.menuBar()->findChild<QMenu *>(u"ZuletztGeoeffnet1"_s);
}

// The entries as the menu shows them when it opens: text and whether it can be chosen.
QList<std::pair<QString, bool>> eintraege(TMainForm &form)
{
    QMenu *menue = zuletztMenue(form);
    emit menue->aboutToShow();
    QList<std::pair<QString, bool>> liste;
    for (QAction *a : menue->actions())
        liste.append({a->text(), a->isEnabled()});
    return liste;
}

QByteArray einstellungen(const QByteArray &kundenModus, const QStringList &kunde, const QStringList &intern)
{
    QByteArray text = "[Init]\r\nStartAssistent=0\r\nHelp=0\r\nKundenMode=" + kundenModus + "\r\n[Zuletzt]\r\n";
    for (qsizetype i = 0; i < kunde.size(); ++i)
        text += "Kunde" + QByteArray::number(i + 1) + '=' + kunde[i].toUtf8() + "\r\n";
    for (qsizetype i = 0; i < intern.size(); ++i)
        text += "Intern" + QByteArray::number(i + 1) + '=' + intern[i].toUtf8() + "\r\n";
    return text;
}

} // namespace

class ZuletztWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theListOfTheModeOpensItsFilesAndShowsMissingOnesDisabled()
    {
        test::MainWindowHarness h;
        const QByteArray beispiel = [] {
            QFile f(test::buildDir() + u"/Beispielauftrag.ORv"_s);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const QString a = h.folder.write(u"a.ORv"_s, beispiel);
        const QString b = h.folder.write(u"b.ORv"_s, beispiel);
        const QString weg = h.folder.file(u"weg.ORv"_s);
        h.start(test::MainWindowOptions().withSettings(einstellungen("1", {weg, a, b}, {b})));

        // The file that was gone at the start is dropped from the settings.
        QCOMPARE(ZuletztGeoeffnet(h.app->EinstellungenIni()).Liste(true), (QStringList{a, b}));
        const QString ordner = h.folder.path();
        QCOMPARE(eintraege(*h.form), (QList<std::pair<QString, bool>>{{u"&1 a.ORv   "_s + ordner, true},
                                                                       {u"&2 b.ORv   "_s + ordner, true}}));
        // The menu sits right after "Öffnen...".
        const QList<QAction *> datei = h.form->menuBar()->findChild<QMenu *>(u"Datei1"_s)->actions();
        const qsizetype i = datei.indexOf(zuletztMenue(*h.form)->menuAction());
        QVERIFY(i > 0);
        QCOMPARE(datei[i - 1]->objectName(), u"oeffnen"_s);

        // Choosing the second opens it, and it moves to the front.
        eintraege(*h.form);
        zuletztMenue(*h.form)->actions()[1]->trigger();
        QCOMPARE(h.order().LetzteAuftragsdatei, b);
        QVERIFY(h.form->windowTitle().contains(u"Geladen von "_s + b));
        QCOMPARE(ZuletztGeoeffnet(h.app->EinstellungenIni()).Liste(true), (QStringList{b, a}));

        // A file removed during the run stays listed, disabled.
        QVERIFY(QFile::remove(a));
        QCOMPARE(eintraege(*h.form), (QList<std::pair<QString, bool>>{
                                         {u"&1 b.ORv   "_s + ordner, true},
                                         {u"&2 a.ORv   "_s + ordner + u"   (nicht mehr vorhanden)"_s, false}}));
        QVERIFY2(h.messages.shown().isEmpty(), qPrintable(h.messages.texts().join(u'|')));
    }

    void theMakersModeShowsTheMakersList()
    {
        test::MainWindowHarness h;
        const QString kunde = h.folder.write(u"vom Kunden.ORv"_s, "x");
        const QString intern = h.folder.write(u"beim Hersteller.ORv"_s, "x");
        h.start(test::MainWindowOptions().withSettings(einstellungen("0", {kunde}, {intern})));
        QCOMPARE(eintraege(*h.form), (QList<std::pair<QString, bool>>{{u"&1 beim Hersteller.ORv   "_s + h.folder.path(), true}}));
    }

    void anEmptyListSaysSo()
    {
        test::MainWindowHarness h;
        h.start();
        QCOMPARE(eintraege(*h.form), (QList<std::pair<QString, bool>>{{u"(keine)"_s, false}}));
    }
};

QTEST_MAIN(ZuletztWindowTest)
#include "ZuletztWindowTest.moc"
