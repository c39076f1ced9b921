#include "help/THelpForm.h"

#include "base/IniFile.h"
#include "support/TempProgramFolder.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

using namespace qv;

class HelpFormTest : public QObject
{
    Q_OBJECT

private:
    static QString textOfLines(int n)
    {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l.append(QStringLiteral("Zeile %1").arg(i));
        return l.join(QStringLiteral("\r\n"));
    }

private slots:
    void textIsFramedAndSized()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        THelpForm help(ini, QPoint(10, 10));
        help.Kontexthilfe(QStringLiteral("Eins\r\nZwei"), QStringLiteral("Titel"));
        QVERIFY(help.isVisible());
        QCOMPARE(help.windowTitle(), QStringLiteral("Direkt Hilfe - Titel"));
        const QStringList zeilen = help.angezeigteZeilen();
        QCOMPARE(zeilen, (QStringList{hilfeRahmenZeile(), QStringLiteral("Eins"), QStringLiteral("Zwei"),
                                      hilfeRahmenZeile()}));
        QCOMPARE(help.memo()->height(), 56); // Round(4 x 13.2) + 3
        QCOMPARE(help.size(), help.memo()->size());

        // 44 text lines + 2 frame lines = 46: the limit with scroll bar; 45 lines stay below
        help.Kontexthilfe(textOfLines(44), QStringLiteral("lang"));
        QCOMPARE(help.angezeigteZeilen().size(), 46);
        QCOMPARE(help.memo()->height(), 600);
        QCOMPARE(help.memo()->width(), 285);
        QCOMPARE(help.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        help.Kontexthilfe(textOfLines(43), QStringLiteral("kürzer"));
        QCOMPARE(help.memo()->height(), 597);
        QCOMPARE(help.memo()->width(), 265);
        QCOMPARE(help.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void helpOffPlacesTextWithoutShowingAndF1ShowsIt()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        ini.writeBool(QStringLiteral("Init"), QStringLiteral("Help"), false);
        THelpForm help(ini, QPoint(10, 10));
        help.Kontexthilfe(QStringLiteral("Schritt"), QStringLiteral("Eingabe Isozentrum"));
        QVERIFY(!help.isVisible());
        QCOMPARE(help.windowTitle(), QStringLiteral("Direkt Hilfe - Eingabe Isozentrum"));
        QVERIFY(help.angezeigteZeilen().contains(QStringLiteral("Schritt")));

        QVERIFY(help.Umschalten());
        QVERIFY(help.isVisible());
        QVERIFY(help.angezeigteZeilen().contains(QStringLiteral("Schritt")));
        QCOMPARE(IniFile(ini.path()).readBool(QStringLiteral("Init"), QStringLiteral("Help"), false), true);
    }

    void closeBoxSwitchesHelpOffOnce()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        THelpForm help(ini, QPoint(10, 10));
        help.ModusHilfe(1);
        QVERIFY(help.isVisible());
        help.close();
        QVERIFY(!help.hilfeAn());
        QCOMPARE(IniFile(ini.path()).readBool(QStringLiteral("Init"), QStringLiteral("Help"), true), false);
        help.Kontexthilfe(QStringLiteral("nächster Schritt"), QStringLiteral("x"));
        QVERIFY(!help.isVisible());
        QVERIFY2(!help.hilfeAn(), "placing a text while off does not invert again");
    }

    void f1TwiceRestores()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        THelpForm help(ini, QPoint(10, 10));
        help.ModusHilfe(0);
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(&help, Qt::Key_F1);
        QVERIFY(!help.isVisible());
        QVERIFY(!help.hilfeAn());
        help.Umschalten(); // the window is hidden now; a second press comes from the main window
        QVERIFY(help.isVisible());
        QVERIFY(help.hilfeAn());
        QCOMPARE(IniFile(ini.path()).readBool(QStringLiteral("Init"), QStringLiteral("Help"), false), true);
    }

    void positionsFromSettings()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        {
            ini.writeInteger(QStringLiteral("Init"), QStringLiteral("HelpPosX"), 120);
            ini.writeInteger(QStringLiteral("Init"), QStringLiteral("HelpPosY"), 3000);
            THelpForm help(ini, QPoint(10, 10));
            QCOMPARE(help.pos(), QPoint(120, 0));
            help.Kontexthilfe(QStringLiteral("x"), QStringLiteral("y"));
            help.move(70, 80);
        }
        IniFile neu(ini.path());
        QCOMPARE(neu.readInteger(QStringLiteral("Init"), QStringLiteral("HelpPosX"), 0), 70);
        QCOMPARE(neu.readInteger(QStringLiteral("Init"), QStringLiteral("HelpPosY"), 0), 80);
        IniFile leer(dir.file(QStringLiteral("leer.ini")));
        {
            THelpForm ohne(leer, QPoint(33, 44));
            QCOMPARE(ohne.pos(), QPoint(33, 44));
        }
        QVERIFY2(!QFile::exists(leer.path()), "a window never shown writes nothing");
    }

    void linkPanelsAndGuides()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        THelpForm help(ini, QPoint(10, 10));
        help.ModusHilfe(0);
        QVERIFY(help.screenshotPanel()->isVisible());
        QVERIFY(!help.dicomPanel()->isVisible());
        const QPoint erwartet = linkPanelPosition(help.memo()->size(), help.screenshotPanel()->size());
        QCOMPARE(help.screenshotPanel()->pos(), erwartet);

        help.linkAnklicken(HilfeLink::Xio);
        QCOMPARE(help.windowTitle(), QStringLiteral("Direkt Hilfe - Screenshot Xio"));
        QVERIFY2(help.screenshotPanel()->isVisible(), "the panel stays for the next guide");

        help.ModusHilfe(2);
        QVERIFY(!help.screenshotPanel()->isVisible());
        QVERIFY(!help.dicomPanel()->isVisible());
        help.ModusHilfe(3);
        QVERIFY(help.dicomPanel()->isVisible());
        help.linkAnklicken(HilfeLink::Weitere);
        QCOMPARE(help.windowTitle(), QStringLiteral("Direkt Hilfe - DICOM weitere"));
        QVERIFY(help.dicomPanel()->isVisible());
    }

    // A guide's last lines stay readable above the link panel that sits inside the text area
    // (scrolled to the end where the text does not fit).
    void guidesEndAboveTheLinkPanel_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("link");
        for (HilfeLink l : {HilfeLink::Plato, HilfeLink::Xio, HilfeLink::Helax, HilfeLink::BildHome})
            QTest::addRow("image guide %d", int(l)) << 0 << int(l);
        for (HilfeLink l : {HilfeLink::Pinnacle, HilfeLink::Eclipse, HilfeLink::PrecisePlan, HilfeLink::Masterplan,
                            HilfeLink::Weitere, HilfeLink::DicomHome, HilfeLink::Zielstruktur})
            QTest::addRow("DICOM guide %d", int(l)) << 3 << int(l);
    }

    void guidesEndAboveTheLinkPanel()
    {
        QFETCH(int, modus);
        QFETCH(int, link);
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        THelpForm help(ini, QPoint(10, 10));
        help.ModusHilfe(modus);
        help.linkAnklicken(HilfeLink(link));
        QFrame *panel = modus == 0 ? help.screenshotPanel() : help.dicomPanel();
        QVERIFY(panel->isVisible());

        QTextEdit *memo = help.memo();
        QScrollBar *rollen = memo->verticalScrollBar();
        rollen->setValue(rollen->maximum());
        QTextDocument *doc = memo->document();
        QTextBlock letzter = doc->lastBlock();
        while (letzter.isValid() && letzter.text().trimmed().isEmpty())
            letzter = letzter.previous();
        QVERIFY(letzter.isValid());
        const QRectF block = doc->documentLayout()->blockBoundingRect(letzter);
        const int unten = memo->viewport()->mapTo(&help, QPoint(0, int(std::ceil(block.bottom())) - rollen->value())).y();
        QVERIFY2(unten <= panel->y(),
                 qPrintable(QStringLiteral("last line ends at %1, panel starts at %2 (window %3 high)")
                                .arg(unten)
                                .arg(panel->y())
                                .arg(help.height())));
        QVERIFY2(panel->geometry().bottom() < help.height(), "the panel itself stays inside the window");
    }

    void hintMemo()
    {
        QTextEdit memo;
        memo.resize(300, 20);
        THelpForm::HinweisMemo(&memo, QStringLiteral("a\nb\nc"));
        // 14 pixels a line and 3 as designed, more where this font needs it: no line is cut off
        QVERIFY(memo.height() >= 45);
        QVERIFY(memo.height() >= memo.document()->size().height() + 2 * memo.frameWidth());
        QVERIFY(memo.height() <= 45 + 14);
        QCOMPARE(memo.palette().color(QPalette::Base), QColor(255, 255, 153));
        QCOMPARE(memo.focusPolicy(), Qt::NoFocus);
        QVERIFY(memo.isReadOnly());
    }
};

QTEST_MAIN(HelpFormTest)
#include "HelpFormTest.moc"
