#include "contour/TDrehenForm.h"
#include "contour/TVerschiebeForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace qv;

class ContourDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void moveDialogSendsTheTypedStepWithEachArrow()
    {
        TVerschiebeForm d;
        QList<std::pair<Schrittrichtung, int>> schritte;
        connect(&d, &TVerschiebeForm::verschieben, this,
                [&](Schrittrichtung r, int mm) { schritte.append({r, mm}); });
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Verschieben von Konturen"));
        QVERIFY(!d.isModal());
        QVERIFY(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(d.findChild<QTextEdit *>(QStringLiteral("M_Info"))->toPlainText().startsWith(
            QStringLiteral("Zum Verschieben die Kontur/Apertur mit Mausklick selektieren")));

        auto *feld = d.findChild<QLineEdit *>(QStringLiteral("Edit1"));
        QCOMPARE(feld->text(), QStringLiteral("0"));
        const auto druecken = [&](const char *name) { d.findChild<QPushButton *>(QLatin1String(name))->click(); };
        druecken("BitBtn5");
        feld->clear();
        QTest::keyClicks(feld, QStringLiteral("1a5"));
        QCOMPARE(feld->text(), QStringLiteral("105"));
        druecken("BitBtn3");
        druecken("BitBtn4");
        druecken("BitBtn6");
        feld->clear();
        // an empty field counts as 0; at most four digits
        druecken("BitBtn5");
        QTest::keyClicks(feld, QStringLiteral("123456"));
        druecken("BitBtn5");
        const QList<std::pair<Schrittrichtung, int>> erwartet = {
            {Schrittrichtung::Rechts, 0},   {Schrittrichtung::Links, 105}, {Schrittrichtung::Oben, 105},
            {Schrittrichtung::Unten, 105}, {Schrittrichtung::Rechts, 0},  {Schrittrichtung::Rechts, 1234}};
        QCOMPARE(schritte, erwartet);

        // no sign: a minus becomes the digit 0
        feld->clear();
        QTest::keyClicks(feld, QStringLiteral("-7"));
        QCOMPARE(feld->text(), QStringLiteral("07"));
        QCOMPARE(d.Schritt(), 7);
    }

    // Esc and the title bar's close end the mode like the cancel button; the dialog stays up
    // until whoever ends the mode hides it, so nothing is left half switched.
    void escapeCloseAndCancelAllCancel()
    {
        TVerschiebeForm v;
        TDrehenForm r;
        int vAbbrechen = 0, vUebernehmen = 0, rAbbrechen = 0, rUebernehmen = 0;
        connect(&v, &TVerschiebeForm::abbrechen, this, [&] { ++vAbbrechen; v.hide(); });
        connect(&v, &TVerschiebeForm::uebernehmen, this, [&] { ++vUebernehmen; });
        connect(&r, &TDrehenForm::abbrechen, this, [&] { ++rAbbrechen; });
        connect(&r, &TDrehenForm::uebernehmen, this, [&] { ++rUebernehmen; });

        v.show();
        QTest::keyClick(&v, Qt::Key_Escape);
        QCOMPARE(vAbbrechen, 1);
        QVERIFY(!v.isVisible());
        v.show();
        QVERIFY(v.close());
        QCOMPARE(vAbbrechen, 2);
        v.show();
        v.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        v.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        QCOMPARE(vAbbrechen, 3);
        QCOMPARE(vUebernehmen, 1);

        r.show();
        QTest::keyClick(&r, Qt::Key_Escape);
        QCOMPARE(rAbbrechen, 1);
        QVERIFY2(r.isVisible(), "nobody ended the mode: the dialog stays");
        QVERIFY(!r.close());
        QCOMPARE(rAbbrechen, 2);
        r.findChild<QPushButton *>(QStringLiteral("btn_cancel"))->click();
        r.findChild<QPushButton *>(QStringLiteral("Btn_Uebernahme"))->click();
        QCOMPARE(rAbbrechen, 3);
        QCOMPARE(rUebernehmen, 1);
    }

    void rotateDialogTurnsBothWaysByTheTypedAngle()
    {
        TDrehenForm d;
        QList<std::pair<int, bool>> drehungen;
        connect(&d, &TDrehenForm::drehen, this, [&](int grad, bool rechts) { drehungen.append({grad, rechts}); });
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Drehen von Konturen"));
        QVERIFY(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(d.findChild<QTextEdit *>(QStringLiteral("M_Info"))->toPlainText(),
                 QStringLiteral("Zum Drehen die Kontur/Apertur mit Mausklick selektieren (Karomuster)."));
        auto *feld = d.findChild<QLineEdit *>(QStringLiteral("E_Drehen"));
        feld->clear();
        QTest::keyClicks(feld, QStringLiteral("9x"));
        d.findChild<QPushButton *>(QStringLiteral("btn_right"))->click();
        d.findChild<QPushButton *>(QStringLiteral("btn_left"))->click();
        QCOMPARE(drehungen, (QList<std::pair<int, bool>>{{90, true}, {90, false}}));
    }

    // Both dialogs are as tall as their rows: the height the hint gives back once it knows
    // its lines must not stay behind as an empty band under the heading.
    void dialogsFitTheirContents()
    {
        TVerschiebeForm v;
        TDrehenForm r;
        for (QDialog *d : {static_cast<QDialog *>(&v), static_cast<QDialog *>(&r)}) {
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            QVERIFY2(d->height() <= d->sizeHint().height(),
                     qPrintable(QStringLiteral("%1: %2 px tall for %3 px of rows")
                                    .arg(d->objectName())
                                    .arg(d->height())
                                    .arg(d->sizeHint().height())));
        }
    }
};

QTEST_MAIN(ContourDialogsTest)
#include "ContourDialogsTest.moc"
