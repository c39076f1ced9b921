#include "app/AblaufPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace qv;

class AblaufPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void sharedGroupsMoveToTheModePage()
    {
        TAblaufPanel p;
        p.show();
        for (int m = 0; m < 4; ++m) {
            p.gemeinsameGruppenVerschieben(m);
            QVERIFY(p.seite(m)->isAncestorOf(p.P_AuftragsartBack));
            QVERIFY(p.seite(m)->isAncestorOf(p.P_SharedControls));
            QVERIFY(p.seite(m)->isAncestorOf(p.P_Bearbeiten_Einschub));
        }
        QVERIFY2(p.TSZeichenModus->isAncestorOf(p.P_FFA), "the FFA panel stays in modes 2 and 3");
        p.gemeinsameGruppenVerschieben(0);
        QVERIFY(p.TSBildModus->isAncestorOf(p.P_FFA));
        QCOMPARE(p.P_AuftragsartBack->parentWidget()->objectName(), QStringLiteral("P_BildVorlage4Auftragsart"));
        QVERIFY(!p.isTabVisible(4));
        QVERIFY(!p.isTabEnabled(4));
        QCOMPARE(p.tabText(0), QStringLiteral("Bild-Vorlage"));
        QCOMPARE(p.tabText(3), QStringLiteral("DICOM-Modus"));
    }

    void buttonLooks()
    {
        TKnopfPanel k(QStringLiteral("Isozentrum"));
        QSignalSpy klicks(&k, &TKnopfPanel::clicked);
        k.show();
        QCOMPARE(k.palette().color(QPalette::Window), QColor(207, 218, 255));
        QCOMPARE(k.frameShadow(), QFrame::Raised);
        KnopfGedrueckt(&k, true);
        QCOMPARE(k.palette().color(QPalette::Window), QColor(137, 152, 208));
        QCOMPARE(k.frameShadow(), QFrame::Sunken);
        KnopfFreigeben(&k, false);
        QTest::mouseClick(&k, Qt::LeftButton);
        QCOMPARE(klicks.count(), 0);
        KnopfFreigeben(&k, true);
        QCOMPARE(k.palette().color(QPalette::Window), QColor(137, 152, 208));
        KnopfGedrueckt(&k, false);
        KnopfFreigeben(&k, false);
        QCOMPARE(k.palette().color(QPalette::Window), QPalette().color(QPalette::Window));
        KnopfFreigeben(&k, true);
        QTest::mouseClick(&k, Qt::LeftButton);
        QCOMPARE(klicks.count(), 1);
    }

    void contourListRows()
    {
        TAblaufPanel p;
        p.show();
        p.konturListeAufklappen(true);
        QCOMPARE(p.P_Konturen->height(), 360);
        TKonturListe *l = p.KonturListe;
        l->aktualisieren(3, 2, 5, 1);
        QVERIFY(l->zeile(3)->isVisible());
        QVERIFY(!l->zeile(4)->isVisible());
        QVERIFY(l->zeile(2)->aktuell());
        QCOMPARE(l->zeile(2)->palette().color(QPalette::Window), QColor(0, 128, 128));
        QCOMPARE(l->zeile(1)->label()->text(), QStringLiteral("Kont. 1"));
        QCOMPARE(l->rueckKnopf()->text(), QStringLiteral("5"));
        QCOMPARE(l->vorKnopf()->text(), QStringLiteral("1"));
        QCOMPARE(konturListenFarbe(8), QColor(128, 128, 128));
        QCOMPARE(l->zeile(8)->farbe()->palette().color(QPalette::Window), QColor(128, 128, 128));

        QSignalSpy auswahl(l, &TKonturListe::auswaehlen);
        QSignalSpy loeschen(l, &TKonturListe::loeschen);
        QTest::mouseClick(l->zeile(3)->label(), Qt::LeftButton);
        QTest::mouseClick(l->zeile(1)->farbe(), Qt::LeftButton);
        QTest::mouseClick(l->zeile(2)->loeschKnopf(), Qt::LeftButton);
        QCOMPARE(auswahl.count(), 2);
        QCOMPARE(auswahl.at(0).at(0).toInt(), 3);
        QCOMPARE(auswahl.at(1).at(0).toInt(), 1);
        QCOMPARE(loeschen.count(), 1);
        QCOMPARE(loeschen.at(0).at(0).toInt(), 2);

        p.konturListeAufklappen(false);
        QVERIFY(p.P_Konturen->height() < 40);
        QVERIFY(!p.konturListeOffen());
    }
};

QTEST_MAIN(AblaufPanelTest)
#include "AblaufPanelTest.moc"
