// "Druckvorschau" in the main window's menus: the print preview opens with the chosen sheets
// before any printer is chosen, and looking at them changes nothing in the order.
#include "app/TMainForm.h"
#include "support/MainWindowHarness.h"
#include "support/ModalDialog.h"
#include "support/TestData.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTest>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

// Chooses a menu item by its name and returns the page count the preview showed.
int vorschauSeiten(TMainForm &form, const QString &eintrag)
{
    int seiten = -1;
    test::whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog &d) {
        seiten = d.findChild<QPrintPreviewWidget *>()->pageCount();
        d.reject();
    });
    form.menuBar()->findChild<QAction *>(eintrag)->trigger();
    return seiten;
}

} // namespace

class DruckvorschauWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theMakersPrintMenuPreviewsEachChoice()
    {
        test::MainWindowHarness h;
        h.start(test::MainWindowOptions()
                    .withSettings("[Init]\r\nKundenMode=0\r\nStartAssistent=0\r\nHelp=0\r\n")
                    .withStartFile(test::buildDir() + u"/Beispielauftrag.ORv"_s));
        h.order().Auftragsdaten.Codierung.clear();
        QMenu *drucken = h.form->menuBar()->findChild<QMenu *>(u"Drucken"_s);
        QVERIFY(drucken->findChild<QMenu *>(u"Druckvorschau1"_s));

        QCOMPARE(vorschauSeiten(*h.form, u"DruckvorschauAlles1"_s), 2);
        QCOMPARE(vorschauSeiten(*h.form, u"DruckvorschauAuftragsdaten1"_s), 1);
        QCOMPARE(vorschauSeiten(*h.form, u"DruckvorschauKundendaten1"_s), 1);
        // Printing fills an empty coding in; looking at the sheet does not.
        QCOMPARE(h.order().Auftragsdaten.Codierung, QString());
        QVERIFY2(h.messages.shown().isEmpty(), qPrintable(h.messages.texts().join(u'|')));
    }

    void theCustomerPreviewsBesidePrintInTheFileMenu()
    {
        test::MainWindowHarness h;
        h.start();
        QAction *drucken = h.form->menuBar()->findChild<QAction *>(u"Drucken1"_s);
        QAction *vorschau = h.form->menuBar()->findChild<QAction *>(u"Druckvorschau2"_s);
        const QList<QAction *> datei = h.form->menuBar()->findChild<QMenu *>(u"Datei1"_s)->actions();
        QCOMPARE(datei.indexOf(vorschau), datei.indexOf(drucken) + 1);
        QVERIFY(drucken->isVisible());
        QCOMPARE(vorschau->isVisible(), drucken->isVisible());
        QCOMPARE(vorschau->isEnabled(), drucken->isEnabled());
        QCOMPARE(vorschauSeiten(*h.form, u"Druckvorschau2"_s), 1);
        drucken->setEnabled(false);
        QVERIFY(!vorschau->isEnabled());
    }
};

QTEST_MAIN(DruckvorschauWindowTest)
#include "DruckvorschauWindowTest.moc"
