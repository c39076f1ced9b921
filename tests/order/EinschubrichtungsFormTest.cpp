#include "order/TEinschubrichtungsForm.h"

#include "base/IniFile.h"
#include "support/TempProgramFolder.h"

#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace qv;

class EinschubrichtungsFormTest : public QObject
{
    Q_OBJECT

private:
    // Opens the dialog, turns `drehungen` times and presses the button.
    static bool run(TEinschubrichtungsForm &form, int drehungen, const char *knopf)
    {
        form.BilderVorbereiten(QImage(40, 20, QImage::Format_RGB32));
        QTimer::singleShot(0, &form, [&] {
            for (int i = 0; i < drehungen; ++i)
                form.findChild<QPushButton *>(QStringLiteral("btn_Turn"))->click();
            form.findChild<QPushButton *>(QString::fromLatin1(knopf))->click();
        });
        return form.Ausfuehren();
    }

private slots:
    void turningConfirmingAndCancelling()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        TEinschubrichtungsForm form(ini);
        form.SetEinschubrichtung(TEinschubrichtung::Links); // 180

        QVERIFY(!form.BilderVorbereiten(QImage()));
        QVERIFY(form.BilderVorbereiten(QImage(40, 20, QImage::Format_RGB32)));
        QCOMPARE(form.gezeigtesBild().size(), QSize(40, 20));
        form.btn_TurnClick();
        QCOMPARE(form.gezeigtesBild().size(), QSize(20, 40)); // 270: turned three times
        for (int i = 0; i < 3; ++i)
            form.btn_TurnClick();
        QCOMPARE(form.NeuerWinkel(), 180);

        // Cancel after turning keeps the direction; the next opening starts at it.
        QVERIFY(!run(form, 1, "btn_abbruch"));
        QCOMPARE(form.GetEinschubrichtung(), TEinschubrichtung::Links);
        QCOMPARE(form.NeuerWinkel(), 180);
        QVERIFY(!ini.valueExists(QStringLiteral("Init"), QStringLiteral("Einschubrichtung")));

        // OK: 180 + 90 = 270 is "Unten", stored as the default of the next order.
        QVERIFY(run(form, 1, "btn_ok"));
        QCOMPARE(form.Drehwinkel(), 270);
        QCOMPARE(form.GetEinschubrichtung(), TEinschubrichtung::Unten);
        QCOMPARE(IniFile(ini.path()).readString(QStringLiteral("Init"), QStringLiteral("Einschubrichtung")),
                 QStringLiteral("Unten"));
        QVERIFY(form.gezeigtesBild().isNull()); // the pictures are let go after use
    }

    // Every maker draws its tray and frame into the box, another maker text draws nothing.
    // With QV_BILDER set, the dialogs are also written there as pictures to look at.
    void drawingsOfTheMakers()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        TEinschubrichtungsForm form(ini);
        QImage bild(300, 200, QImage::Format_RGB32);
        bild.fill(Qt::darkGray);
        QPainter(&bild).fillRect(0, 0, 150, 60, Qt::red); // marks the top left corner
        form.BilderVorbereiten(bild);
        form.show();
        auto zeichnung = [&] { return form.findChild<QWidget *>(QStringLiteral("PB_Vorlage"))->grab().toImage(); };
        form.HerstellerSetzen(QStringLiteral("varian"));
        const QImage leer = zeichnung();
        const QString ablage = qEnvironmentVariable("QV_BILDER");
        for (const char *h : {"Varian", "Elekta", "Siemens", "GE"}) {
            for (TAuftragsart art : {TAuftragsart::Photonen, TAuftragsart::Elektronen}) {
                form.HerstellerSetzen(QString::fromLatin1(h));
                form.AuftragsartSetzen(art);
                const QImage z = zeichnung();
                QVERIFY2(z != leer, h);
                if (!ablage.isEmpty())
                    form.grab().save(QStringLiteral("%1/einschub-%2-%3.png").arg(ablage, QString::fromLatin1(h)).arg(int(art)));
            }
        }
    }

    void hintForBothKinds()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        TEinschubrichtungsForm form(ini);
        form.AuftragsartSetzen(TAuftragsart::Elektronen);
        QCOMPARE(form.hinweisText(), QStringLiteral("Bitte legen Sie fest, wie die Ausrichtung Ihrer Apertur im Rahmen "
                                                    "ist.\r\nDer Pfeil hier und im Hauptfenster zeigt Ihnen die "
                                                    "Einschubrichtung.")
                                         .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        form.AuftragsartSetzen(TAuftragsart::NichtGewaehlt);
        QVERIFY(form.hinweisText().startsWith(QStringLiteral("Bitte legen Sie fest, wie die Ausrichtung Ihrer "
                                                             "Blockkontur(en) auf der Tragplatte ist/sind.")));
    }
};

QTEST_MAIN(EinschubrichtungsFormTest)
#include "EinschubrichtungsFormTest.moc"
