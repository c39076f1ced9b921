#include "app/FormenPanel.h"
#include "support/ScriptedMessages.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace qv;

class FormenPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAndSizes()
    {
        test::ScriptedMessages m;
        FormenPanel p(m);
        QCOMPARE(p.text(FormenPanel::Feld::RechteckX), QStringLiteral("5,0"));
        QCOMPARE(p.text(FormenPanel::Feld::RechteckY), QStringLiteral("5,0"));
        QCOMPARE(p.text(FormenPanel::Feld::KreisRadius), QStringLiteral("5,0"));
        QCOMPARE(p.text(FormenPanel::Feld::EllipseX), QStringLiteral("10,0"));
        QCOMPARE(p.text(FormenPanel::Feld::EllipseY), QStringLiteral("5,0"));
        QCOMPARE(p.groesse(3), (std::optional<std::pair<double, double>>{{10.0, 5.0}}));
        QCOMPARE(p.groesse(2), (std::optional<std::pair<double, double>>{{5.0, 0.0}}));
        p.setText(FormenPanel::Feld::RechteckY, QStringLiteral("x"));
        QVERIFY(!p.groesse(1).has_value());
        QVERIFY(!p.groesse(0).has_value());
    }

    void toolsPagesAndButtonsReportWithoutChoosing()
    {
        test::ScriptedMessages m;
        FormenPanel p(m);
        p.show();
        QSignalSpy werkzeug(&p, &FormenPanel::werkzeugGeklickt);
        QSignalSpy seite(&p, &FormenPanel::seiteGewaehlt);
        QSignalSpy generieren(&p, &FormenPanel::generieren);
        auto *kreis = p.findChild<QAction *>(QStringLiteral("TBKreis"));
        auto *tabs = p.findChild<QTabWidget *>(QStringLiteral("PCZeichnen"));

        kreis->trigger();
        QCOMPARE(werkzeug.takeFirst().at(0).toInt(), 2);
        QVERIFY2(!kreis->isChecked(), "the owner decides which tool is shown pressed");
        p.werkzeugZeigen(2);
        QVERIFY(kreis->isChecked());
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TSKreis"));
        QCOMPARE(seite.count(), 0);
        p.werkzeugZeigen(0);
        QVERIFY(!kreis->isChecked());

        tabs->setCurrentIndex(2);
        QCOMPARE(seite.takeFirst().at(0).toInt(), 3);
        p.findChild<QPushButton *>(QStringLiteral("Btn_GenerateEllipse"))->click();
        QCOMPARE(generieren.takeFirst().at(0).toInt(), 3);
    }

    void leavingASizeEdit()
    {
        test::ScriptedMessages m;
        FormenPanel p(m);
        auto *e = p.findChild<QLineEdit *>(QStringLiteral("E_ZeichnenKreisRadius"));
        e->setText(QStringLiteral("2.5"));
        emit e->editingFinished();
        QCOMPARE(e->text(), QStringLiteral("2,5"));
        QVERIFY(m.shown().isEmpty());
        e->setText(QStringLiteral("zwei"));
        emit e->editingFinished();
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Bitte geben Sie eine Zahl ein.")});
    }
};

QTEST_MAIN(FormenPanelTest)
#include "FormenPanelTest.moc"
