// Where the help window opens over a main window that shows an opened order's image.

#include "app/Application.h"
#include "app/TMainForm.h"
#include "help/THelpForm.h"
#include "order/OrderFile.h"
#include "support/MainWindowHarness.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace qv;

class WindowPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void helpWindowKeepsOffTheImageAndOnTheScreen()
    {
        test::MainWindowHarness u;
        TAuftrag a;
        a.Vorlage = QImage(1600, 1200, QImage::Format_RGB32);
        a.Vorlage.fill(Qt::darkGray);
        a.IsozentrumGesetzt = true;
        const QString datei = u.folder.file(QStringLiteral("breit.ORv"));
        QVERIFY(AuftragsdateiSchreiben(datei, a).ok());
        // The stored help position lies over the image.
        u.start(test::MainWindowOptions()
            .withConfig("[Init]\r\n")
            .withSettings("[Init]\r\nStartAssistent=0\r\nHelp=1\r\nHelpPosX=0\r\nHelpPosY=300\r\n")
            .withFixedTime(QDateTime(QDate(2026, 12, 10), QTime(9, 0)))
            .withStartFile(datei)
            .withoutShowing());
        TMainForm &form = *u.form;
        const Application &app = *u.app;
        const QRect schirm = form.screen()->availableGeometry();
        // Room for the help window beside the main window, none on it.
        form.setGeometry(QRect(schirm.topLeft(), QSize(schirm.width() - 290, schirm.height() - 20)));
        form.show();
        form.FormShow();
        QCoreApplication::processEvents();

        const QWidget *bild = form.findChild<QWidget *>(QStringLiteral("PaintBox"));
        QVERIFY(bild && bild->isVisible());
        const QRect bildGlobal(bild->mapToGlobal(QPoint(0, 0)), bild->size());
        THelpForm &hilfe = form.hilfe();
        QVERIFY(app.Auftrag().AusDatei);
        QVERIFY(hilfe.isVisible());
        const QRect h = hilfe.frameGeometry();
        QVERIFY2(schirm.contains(h), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(h.x()).arg(h.y()).arg(h.width()).arg(h.height())));
        QVERIFY2(!h.intersects(bildGlobal), qPrintable(QStringLiteral("help %1,%2 %3x%4, image %5,%6 %7x%8")
                                                            .arg(h.x()).arg(h.y()).arg(h.width()).arg(h.height())
                                                            .arg(bildGlobal.x()).arg(bildGlobal.y())
                                                            .arg(bildGlobal.width()).arg(bildGlobal.height())));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
