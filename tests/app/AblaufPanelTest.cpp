#include "app/TAblaufPanel.h"
#include "app/TGluehbirne.h"
#include "app/TKnopfPanel.h"
#include "app/TKonturListe.h"
#include "app/TLampe.h"

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
            QVERIFY(p.gemeinsameGruppenAuf(m));
        }
        QVERIFY2(p.ffaAuf(ModusOhneVorlage), "the FFA panel stays in modes 2 and 3");
        p.gemeinsameGruppenVerschieben(0);
        QVERIFY(p.ffaAuf(ModusBildVorlage));
        QCOMPARE(p.findChild<QFrame *>(QStringLiteral("P_AuftragsartBack"))->parentWidget()->objectName(),
                 QStringLiteral("P_BildVorlage4Auftragsart"));
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

    void ffaPanelStandsOutOffTheUsualPlane()
    {
        TAblaufPanel p;
        p.show();
        auto *ffa = p.findChild<QLabel *>(QStringLiteral("P_FFA"));
        p.ffaAnzeigen(FFAAnzeigeFuer(100.4));
        QCOMPARE(ffa->text(), QStringLiteral("100,4"));
        QVERIFY(!ffa->font().bold());
        QCOMPARE(ffa->frameShape(), QFrame::NoFrame);
        p.ffaAnzeigen(FFAAnzeigeFuer(100.6));
        QCOMPARE(ffa->text(), QStringLiteral("100,6"));
        QVERIFY(ffa->font().bold());
        QCOMPARE(ffa->frameShadow(), QFrame::Sunken);
    }

    void contourListRows()
    {
        TAblaufPanel p;
        p.resize(300, 1000); // room for the full height of the unfolded list
        p.show();
        p.konturListeAufklappen(true);
        QCOMPARE(p.konturZeilenHoehe(), 360);
        auto *l = p.findChild<TKonturListe *>(QStringLiteral("GB_Kontureingabe"));
        auto zeile = [l](int n) { return l->findChild<TKonturZeile *>(QStringLiteral("P_K%1").arg(n)); };
        auto kind = [l]<typename W>(W *, const QString &name) { return l->findChild<W *>(name); };
        p.konturListeZeigen(3, 2, 5, 1);
        QVERIFY(zeile(3)->isVisible());
        QVERIFY(!zeile(4)->isVisible());
        QVERIFY(zeile(2)->aktuell());
        QCOMPARE(zeile(2)->palette().color(QPalette::Window), QColor(0, 128, 128));
        QCOMPARE(kind((QLabel *)nullptr, QStringLiteral("L_K1"))->text(), QStringLiteral("Kont. 1"));
        QCOMPARE(kind((QPushButton *)nullptr, QStringLiteral("BTN_KonturRueck"))->text(), QStringLiteral("5"));
        QCOMPARE(kind((QPushButton *)nullptr, QStringLiteral("BTN_KonturVor"))->text(), QStringLiteral("1"));
        QCOMPARE(konturListenFarbe(8), QColor(128, 128, 128));
        QCOMPARE(kind((QFrame *)nullptr, QStringLiteral("P_8"))->palette().color(QPalette::Window), QColor(128, 128, 128));

        QSignalSpy auswahl(&p, &TAblaufPanel::konturAuswaehlen);
        QSignalSpy loeschen(&p, &TAblaufPanel::konturLoeschen);
        QTest::mouseClick(kind((QLabel *)nullptr, QStringLiteral("L_K3")), Qt::LeftButton);
        QTest::mouseClick(kind((QFrame *)nullptr, QStringLiteral("P_1")), Qt::LeftButton);
        QTest::mouseClick(kind((QPushButton *)nullptr, QStringLiteral("Button2")), Qt::LeftButton);
        QCOMPARE(auswahl.count(), 2);
        QCOMPARE(auswahl.at(0).at(0).toInt(), 3);
        QCOMPARE(auswahl.at(1).at(0).toInt(), 1);
        QCOMPARE(loeschen.count(), 1);
        QCOMPARE(loeschen.at(0).at(0).toInt(), 2);

        p.konturListeAufklappen(false);
        QVERIFY(p.konturZeilenHoehe() < 40);
        QVERIFY(!p.konturListeOffen());
    }
};

QTEST_MAIN(AblaufPanelTest)
#include "AblaufPanelTest.moc"
