#include "order/TAuftragabgeschlossenForm.h"

#include "base/IniFile.h"
#include "order/AuftragsAblage.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace qv;

class AuftragabgeschlossenFormTest : public QObject
{
    Q_OBJECT

private:
    // Runs the dialog with the stored choice, picks `wahl` (unless negative) and presses the button.
    static int run(IniFile &ini, int gespeichert, int wahl, const char *knopf,
                          TAuftragabgeschlossenForm::Wahl *vorgewaehlt = nullptr)
    {
        AuftragEndeSetzen(ini, gespeichert);
        TAuftragabgeschlossenForm form(ini, QStringLiteral("auftrag@example.org"));
        form.DateiSetzen(QStringLiteral("/post/20260307_090504.ORv"));
        form.LieferzeitSetzen(QStringLiteral("mit der Post"));
        QTimer::singleShot(0, &form, [&] {
            if (vorgewaehlt)
                *vorgewaehlt = form.gewaehlt();
            if (wahl >= 0)
                form.waehlen(TAuftragabgeschlossenForm::Wahl(wahl));
            form.findChild<QPushButton *>(QString::fromLatin1(knopf))->click();
        });
        return form.Ausfuehren();
    }

private slots:
    void choiceResultAndStoredSetting()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        struct Case
        {
            int gespeichert;
            int wahl; // -1: leave the preselection
            const char *knopf;
            TAuftragabgeschlossenForm::Wahl vorgewaehlt;
            int ergebnis;
            int danach;
        };
        const Case faelle[] = {
            {0, -1, "btn_Weiter", TAuftragabgeschlossenForm::Beenden, 0, 0},
            {1, -1, "btn_Weiter", TAuftragabgeschlossenForm::Neu, 1, 1},
            // an unknown stored value keeps "zurück zu Quellvantar"
            {7, -1, "btn_Weiter", TAuftragabgeschlossenForm::Zurueck, 2, 2},
            {-1, -1, "btn_Weiter", TAuftragabgeschlossenForm::Zurueck, 2, 2},
            // cancel returns 2 but keeps the choice that was checked
            {2, 0, "btn_Abbrechen", TAuftragabgeschlossenForm::Zurueck, 2, 0},
            {2, 1, "btn_Weiter", TAuftragabgeschlossenForm::Zurueck, 1, 1},
        };
        for (const Case &f : faelle) {
            TAuftragabgeschlossenForm::Wahl vorgewaehlt{};
            QCOMPARE(run(ini, f.gespeichert, f.wahl, f.knopf, &vorgewaehlt), f.ergebnis);
            QCOMPARE(vorgewaehlt, f.vorgewaehlt);
            QCOMPARE(AuftragEnde(IniFile(ini.path())), f.danach);
        }
    }

    void showsTheFileAndTheDelivery()
    {
        test::TempProgramFolder dir;
        IniFile ini(dir.file(QStringLiteral("QuellvantarIni.ini")));
        TAuftragabgeschlossenForm form(ini, QStringLiteral("auftrag@example.org"));
        form.DateiSetzen(QStringLiteral("/post/20260307_090504.ORv"));
        form.LieferzeitSetzen(QStringLiteral("am nächsten Tag"));
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("/post/20260307_090504.ORv"));
        QCOMPARE(form.toolTip(), QStringLiteral("/post/20260307_090504.ORv"));
        QCOMPARE(form.dateiText(), QStringLiteral(" 20260307_090504.ORv "));
        QCOMPARE(form.lieferzeitText(), QStringLiteral("am nächsten Tag."));
    }
};

QTEST_MAIN(AuftragabgeschlossenFormTest)
#include "AuftragabgeschlossenFormTest.moc"
