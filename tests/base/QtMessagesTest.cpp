#include "base/QtMessages.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace qv;

// Message boxes sit on the main window, whatever small window is active, and never on a
// hidden or off-screen window.
class QtMessagesTest : public QObject
{
    Q_OBJECT

private:
    // Shows a message and returns where its box appeared and what it was a child of.
    static QPair<QWidget *, QRect> showBox(QtMessages &messages)
    {
        QPair<QWidget *, QRect> gesehen{nullptr, {}};
        QTimer::singleShot(0, [&gesehen] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    gesehen = {box->parentWidget(), box->frameGeometry()};
                    box->accept();
                }
            }
        });
        messages.information(QStringLiteral("Hinweis"));
        return gesehen;
    }

private slots:
    void boxesCentreOnTheMainWindow()
    {
        QMainWindow haupt;
        haupt.setGeometry(100, 80, 700, 500);
        haupt.show();
        QWidget hilfe(nullptr, Qt::Tool);
        hilfe.setGeometry(600, 100, 180, 300);
        hilfe.show();
        hilfe.activateWindow();
        QApplication::setActiveWindow(&hilfe);
        QWidget versteckt;
        versteckt.setGeometry(0, 0, 200, 200);
        QWidget draussen;
        draussen.setGeometry(-5000, -5000, 200, 200);
        draussen.show();

        struct Case
        {
            const char *name;
            QWidget *eltern;
            QWidget *erwartet;
        };
        const Case faelle[] = {
            {"no parent: the main window, not the active help window", nullptr, &haupt},
            {"a shown parent keeps its box", &hilfe, &hilfe},
            {"a hidden parent: the main window", &versteckt, &haupt},
            {"an off-screen parent: the main window", &draussen, &haupt},
        };
        for (const Case &f : faelle) {
            QtMessages messages(f.eltern);
            const auto [eltern, rahmen] = showBox(messages);
            QVERIFY2(eltern == f.erwartet, f.name);
            if (f.erwartet == &haupt) {
                const QPoint abstand = rahmen.center() - haupt.frameGeometry().center();
                QVERIFY2(abstand.manhattanLength() <= 4, f.name);
            }
        }

        haupt.hide();
        QtMessages ohneHaupt;
        QVERIFY2(ohneHaupt.elternFenster() != &haupt, "a hidden main window carries no message");
    }
};

QTEST_MAIN(QtMessagesTest)
#include "QtMessagesTest.moc"
