#include "app/BildBefehle.h"
#include "base/IniFile.h"
#include "base/image/ImageIO.h"
#include "config/TKundenDaten.h"
#include "workspace/ArbeitsflaecheSteuerung.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "base/image/BmpEncoder.h"
#include "workspace/TBilddrehungForm.h"
#include "workspace/TScaleForm.h"

#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"
#include "support/WidgetChild.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace qv;

namespace {

struct Host final : ArbeitsflaecheHost
{
    QStringList aufrufe;
    void Kontexthilfe(const QString &, const QString &titel) override { aufrufe << QStringLiteral("hilfe:") + titel; }
    void ModusHilfe() override { aufrufe << QStringLiteral("modushilfe"); }
    void SetGeaendert() override { aufrufe << QStringLiteral("geaendert"); }
    void AblaufAktualisieren() override { aufrufe << QStringLiteral("ablauf"); }
    void BildBirneZeigen() override { aufrufe << QStringLiteral("birne"); }
    void EinschubrichtungZuruecksetzen() override { aufrufe << QStringLiteral("einschub"); }
};

QImage pattern(int w, int h)
{
    QImage b(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, qRgb((x * 5) & 255, (y * 9) & 255, (x ^ y) & 255));
    return b;
}

// Runs `schritt` once the modal dialog is up; a failed check still closes the dialog.
void imDialog(std::function<void(QDialog *)> schritt)
{
    QTimer::singleShot(0, [schritt] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d) {
            QFAIL("no modal dialog");
            return;
        }
        schritt(d);
        if (d->isVisible())
            d->done(-1);
    });
}

struct Rig
{
    test::TempProgramFolder ordner;
    IniFile ini{ordner.file(QStringLiteral("QuellvantarIni.ini"))};
    test::ScriptedMessages messages;
    test::FakeFileChooser datei;
    test::FakeFileChooser vorschau;
    TAuftrag auftrag;
    TKundenDaten &kunde = auftrag.Kundendaten;
    Arbeitsflaeche a{auftrag};
    Host host;
    ArbeitsflaecheSteuerung s{a, kunde, ini, messages, datei, &vorschau, host};
    Rig() { kunde.LadeStandard(); }
};

} // namespace

class WorkspaceUiTest : public QObject
{
    Q_OBJECT

private slots:
    void scaleFormChecksAndStoresTheDistance()
    {
        Rig u;
        TScaleForm f(u.kunde.FFA, 50, u.ini, u.messages);
        imDialog([&](QDialog *) {
            QCOMPARE(test::child<QLineEdit>(f, "E_Abstand")->text(), QStringLiteral("10,0")); // ScaleAbstand default
            test::child<QLineEdit>(f, "E_FFA")->setText(QStringLiteral("100.5"));
            test::child<QLineEdit>(f, "E_Abstand")->setText(QStringLiteral("0,9"));
            QTest::mouseClick(test::child<QPushButton>(f, "btn_OK"), Qt::LeftButton);
            QVERIFY(f.isVisible());
            QCOMPARE(u.messages.lastText(), QStringLiteral("Die Punkte müssen mindestens 1cm auseinander liegen."));
            QCOMPARE(test::child<QLineEdit>(f, "E_FFA")->text(), QStringLiteral("100,5"));
            test::child<QLineEdit>(f, "E_Abstand")->setText(QStringLiteral("1.0"));
            QTest::mouseClick(test::child<QPushButton>(f, "btn_OK"), Qt::LeftButton);
        });
        const std::optional<TScaleForm::Ergebnis> e = f.Zeigen(0);
        QVERIFY(e);
        QCOMPARE(e->FFA, 100.5);
        QCOMPARE(e->Abstand, 10);
        QCOMPARE(u.ini.readString(QStringLiteral("Init"), QStringLiteral("ScaleAbstand")), QStringLiteral("1,0"));
    }

    void scaleFormCancelGivesNothingBack()
    {
        Rig u;
        TScaleForm f(u.kunde.FFA, 50, u.ini, u.messages);
        imDialog([&](QDialog *) {
            test::child<QLineEdit>(f, "E_Abstand")->setText(QStringLiteral("0,5"));
            QTest::mouseClick(test::child<QPushButton>(f, "btn_OK"), Qt::LeftButton);
            QVERIFY(f.isVisible());
            QTest::mouseClick(test::child<QPushButton>(f, "btn_Abbruch"), Qt::LeftButton);
        });
        QVERIFY(!f.Zeigen(0));
    }

    void generationFormAsksOnlyTheFFA()
    {
        Rig u;
        TScaleForm f(u.kunde.FFA, u.auftrag.Massstab.MassstabAbstand, u.ini, u.messages);
        imDialog([&](QDialog *) {
            QVERIFY(!test::child<QFrame>(f, "P_Scale")->isVisible());
            test::child<QLineEdit>(f, "E_FFA")->setText(QStringLiteral("19,9"));
            QTest::mouseClick(test::child<QPushButton>(f, "btn_OK"), Qt::LeftButton);
            QCOMPARE(u.messages.lastText(), QStringLiteral("Der FFA muß zwischen 20 und 200 cm liegen."));
            test::child<QLineEdit>(f, "E_FFA")->setText(QStringLiteral("x"));
            QTest::mouseClick(test::child<QPushButton>(f, "btn_OK"), Qt::LeftButton);
            QCOMPARE(test::child<QLineEdit>(f, "E_FFA")->text(), QStringLiteral("100,0"));
            test::child<QLineEdit>(f, "E_FFA")->setText(QStringLiteral("200"));
            QTest::mouseClick(test::child<QPushButton>(f, "btn_OK"), Qt::LeftButton);
        });
        const std::optional<TScaleForm::Ergebnis> e = f.Zeigen(1);
        QVERIFY(e);
        QCOMPARE(e->FFA, 200.0);
    }

    void rotationDialogTurnsFromTheLoadedImage()
    {
        test::ScriptedMessages messages;
        TBilddrehungForm f(messages);
        const QImage bild = pattern(100, 50);
        f.AusgangsbildSetzen(bild);
        QList<QImage> gezeigt;
        connect(&f, &TBilddrehungForm::vorlageGedreht, &f, [&](const QImage &b) { gezeigt << b; });

        imDialog([&](QDialog *) {
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn3"), Qt::LeftButton); // 90 left
            QCOMPARE(gezeigt.last().size(), QSize(49, 99));
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn2"), Qt::LeftButton); // and back
            QCOMPARE(gezeigt.last(), bild.convertToFormat(QImage::Format_RGB888));
            test::child<QLineEdit>(f, "Edit1")->setText(QStringLiteral("400"));
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn3"), Qt::LeftButton);
            QCOMPARE(messages.lastText(), QStringLiteral("Der Winkel muß zwischen 0 und 360 Grad liegen."));
            test::child<QLineEdit>(f, "Edit1")->setText(QStringLiteral("-5"));
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn3"), Qt::LeftButton);
            QCOMPARE(messages.lastText(), QStringLiteral("Der Winkel muß zwischen 0 und 360 Grad liegen."));
            test::child<QLineEdit>(f, "Edit1")->setText(QStringLiteral("a"));
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn3"), Qt::LeftButton);
            QCOMPARE(messages.lastText(), QStringLiteral("Bitte geben Sie eine Zahl ein."));
            QCOMPARE(gezeigt.size(), 2);
            test::child<QLineEdit>(f, "Edit1")->setText(QStringLiteral("10"));
            for (int i = 0; i < 3; ++i)
                QTest::mouseClick(test::child<QPushButton>(f, "BitBtn3"), Qt::LeftButton);
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn4"), Qt::LeftButton);
        });
        QCOMPARE(f.Zeigen(), int(QDialog::Accepted));
        QCOMPARE(gezeigt.last(), Gedreht(bild, 30));
        QCOMPARE(f.drehung().Gesamtwinkel, 30.0);

        // A second run: turn some more, then cancel back to the accepted 30 degrees.
        imDialog([&](QDialog *) {
            test::child<QLineEdit>(f, "Edit1")->setText(QStringLiteral("12.5"));
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn2"), Qt::LeftButton);
            QCOMPARE(test::child<QLineEdit>(f, "Edit1")->text(), QStringLiteral("12,5"));
            QCOMPARE(gezeigt.last(), Gedreht(bild, 17.5));
            QTest::mouseClick(test::child<QPushButton>(f, "BitBtn1"), Qt::LeftButton);
        });
        QCOMPARE(f.Zeigen(), int(QDialog::Rejected));
        QCOMPARE(gezeigt.last(), Gedreht(bild, 30));
        QCOMPARE(f.drehung().Gesamtwinkel, 30.0);
    }

    void bildLadenLoadsFixturesAndRefusesBrokenFiles()
    {
        Rig u;
        QImage palette(30, 20, QImage::Format_Indexed8);
        palette.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
        palette.fill(1);
        QVERIFY(palette.save(u.ordner.file(QStringLiteral("palette.png"))));
        const QString png = u.ordner.file(QStringLiteral("palette.png"));
        const QString bmp = u.ordner.write(QStringLiteral("bild.bmp"), encodeBmp24(pattern(40, 30)));
        const QString jpg = u.ordner.write(QStringLiteral("foto.JPG"), encodeJpeg(pattern(64, 48).convertToFormat(QImage::Format_RGB32)));
        const QString kaputt = u.ordner.write(QStringLiteral("kaputt.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
        const QString jpeg = u.ordner.write(QStringLiteral("foto.jpeg"), encodeJpeg(pattern(8, 8).convertToFormat(QImage::Format_RGB32)));

        u.vorschau.expectPath(png);
        QVERIFY(BildEinlesen(u.s, u.messages));
        QCOMPARE(u.auftrag.Vorlage.size(), QSize(30, 20));
        QCOMPARE(u.auftrag.Vorlage.format(), QImage::Format_Indexed8); // the palette is kept
        QCOMPARE(u.vorschau.calls().size(), 1);
        QCOMPARE(u.vorschau.calls()[0].title, QStringLiteral("Bild öffnen"));
        QCOMPARE(u.ini.readString(QStringLiteral("Init"), QStringLiteral("OpenPathBild")), u.ordner.path());
        QCOMPARE(u.s.bilddrehungForm().drehung().Ausgangsbild.format(), QImage::Format_RGB888);
        QVERIFY(u.host.aufrufe.contains(QStringLiteral("geaendert")));
        QVERIFY(u.host.aufrufe.contains(QStringLiteral("hilfe:Bild einlesen")));

        u.ini.writeBool(QStringLiteral("Init"), QStringLiteral("Bildvorschau"), false);
        for (const QString &pfad : {bmp, jpg}) {
            u.datei.expectPath(pfad);
            QVERIFY(BildEinlesen(u.s, u.messages));
        }
        QCOMPARE(u.auftrag.Vorlage.size(), QSize(64, 48));
        QCOMPARE(u.datei.calls().size(), 2);
        QCOMPARE(u.datei.calls()[0].start, u.ordner.path());

        for (const QString &pfad : {kaputt, jpeg}) {
            u.host.aufrufe.clear();
            u.messages.clear();
            u.datei.expectPath(pfad);
            QVERIFY(!BildEinlesen(u.s, u.messages));
            // The reason follows on its own line, naming the file once.
            QVERIFY(u.messages.lastText().startsWith(QStringLiteral("Das Bild konnte nicht einlgelesen werden.\r")));
            QCOMPARE(u.messages.lastText().count(QFileInfo(pfad).fileName()), 1);
            QVERIFY(!u.a.hatVorlage());
            QVERIFY(!u.host.aufrufe.contains(QStringLiteral("geaendert")));
            QVERIFY(u.host.aufrufe.contains(QStringLiteral("ablauf")));
        }

        // Cancelled: nothing happens, no message.
        u.messages.clear();
        u.datei.expectCancel();
        QVERIFY(!BildEinlesen(u.s, u.messages));
        QVERIFY(u.messages.shown().isEmpty());
    }

    void bildDrehenAsksAndClearsTheOverlays()
    {
        Rig u;
        u.auftrag.Vorlage = pattern(100, 50);
        u.s.bilddrehungForm().AusgangsbildSetzen(u.auftrag.Vorlage);
        u.a.AblaufStatus = 0x21 | 0x02 | 0x04;
        u.auftrag.IsozentrumGesetzt = true;
        u.auftrag.FeldEcke1 = {1, 1};
        u.auftrag.FeldEcke2 = {5, 5};

        u.messages.expectAnswer(Messages::Answer::No);
        BildDrehen(u.s, u.messages);
        QCOMPARE(u.auftrag.FeldEcke2, QPoint(5, 5));
        QCOMPARE(u.a.AblaufStatus, std::uint16_t(0x27));

        u.messages.expectAnswer(Messages::Answer::Yes);
        imDialog([&](QDialog *d) {
            QCOMPARE(d, static_cast<QDialog *>(&u.s.bilddrehungForm()));
            QTest::mouseClick(test::child<QPushButton>(u.s.bilddrehungForm(), "BitBtn3"), Qt::LeftButton);
            QTest::mouseClick(test::child<QPushButton>(u.s.bilddrehungForm(), "BitBtn4"), Qt::LeftButton);
        });
        BildDrehen(u.s, u.messages);
        QCOMPARE(u.messages.shown().size(), 2);
        QCOMPARE(u.a.AblaufStatus, std::uint16_t(0x21));
        QVERIFY(!u.auftrag.IsozentrumGesetzt);
        QVERIFY(!istGesetzt(u.auftrag.FeldEcke1));
        QVERIFY(u.host.aufrufe.contains(QStringLiteral("einschub")));
        QCOMPARE(u.auftrag.Vorlage.size(), QSize(49, 99));

        // Only image and order type done: no question.
        u.s.bilddrehungForm().AusgangsbildSetzen(u.auftrag.Vorlage);
        imDialog([&](QDialog *) { QTest::mouseClick(test::child<QPushButton>(u.s.bilddrehungForm(), "BitBtn1"), Qt::LeftButton); });
        BildDrehen(u.s, u.messages);
        QCOMPARE(u.messages.shown().size(), 2);
    }

    void workspaceFitsCachesAndReportsPosition()
    {
        Rig u;
        ArbeitsflaecheWidget *w = u.s.widget();
        w->resize(800, 800);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QImage bild(1000, 500, QImage::Format_RGB32);
        bild.fill(Qt::gray);
        u.s.VorlageSetzen(bild);
        u.s.P_MainResize();
        auto *box = w->findChild<TPaintBox *>(QStringLiteral("PaintBox"));
        QCOMPARE(box->geometry(), QRect(0, 200, 800, 400));

        QLabel labels[4];
        QObject::connect(&u.s, &ArbeitsflaecheSteuerung::statusGeaendert, [&labels](const StatusTexte &t) {
            labels[0].setText(t.panel0);
            labels[1].setText(t.panel1);
            if (t.panel2)
                labels[2].setText(*t.panel2);
            if (t.panel3)
                labels[3].setText(*t.panel3);
        });
        u.auftrag.Massstab.MassstabAbstandSetzen(100);
        u.a.MassstabPunktSetzen(1, {0, 0});
        u.a.MassstabPunktSetzen(2, {300, 0});
        // 30 image pixels right of the centre, at 0.8 device pixels per image pixel.
        QTest::mouseMove(box, QPoint(424, 200));
        QCOMPARE(labels[2].text(), QStringLiteral(" FFA [100 cm] : (1 | 0) cm"));

        // Overlay repaints reuse the scaled template; a resize rebuilds it.
        box->repaint();
        const int vorher = box->cacheNeuaufbauten();
        for (int i = 0; i < 5; ++i)
            box->repaint();
        QCOMPARE(box->cacheNeuaufbauten(), vorher);
        w->resize(400, 400);
        box->repaint();
        QCOMPARE(box->cacheNeuaufbauten(), vorher + 1);
        QCOMPARE(box->geometry(), QRect(0, 100, 400, 200));
    }

    void switchesInversionAndFFAPanel()
    {
        Rig u;
        QVERIFY(!u.s.EbeneUmschalten(Ebene::Konturen));
        QVERIFY(u.s.EbeneUmschalten(Ebene::Konturen));
        u.s.InvertedClick(true);
        QVERIFY(u.a.Invertiert);
        QVERIFY(u.ini.readBool(QStringLiteral("Init"), QStringLiteral("BildInvertiert"), false));
        u.a.Modus = 1;
        u.s.NeuerAuftrag();
        QVERIFY(u.a.Invertiert);
        QVERIFY(!u.a.anzeige.Scale);

        // the FFA panel shows what the workspace reports (its look: AblaufPanelTest)
        FFAAnzeige ffa{};
        QObject::connect(&u.s, &ArbeitsflaecheSteuerung::ffaGeaendert, [&ffa](const FFAAnzeige &a) { ffa = a; });
        u.kunde.FFA = 100.4;
        u.s.FFAAnzeigen();
        QCOMPARE(ffa.text, QStringLiteral("100,4"));
        QVERIFY(!ffa.hervorgehoben);
        u.kunde.FFA = 100.6;
        u.s.FFAAnzeigen();
        QCOMPARE(ffa.text, QStringLiteral("100,6"));
        QVERIFY(ffa.hervorgehoben);
    }
};

QTEST_MAIN(WorkspaceUiTest)
#include "WorkspaceUiTest.moc"
