#include "order/TFirstStartForm.h"
#include "order/TStartAssistentForm.h"

#include "app/StartAblauf.h"
#include "base/IniFile.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace qv;

class StartDialogsTest : public QObject
{
    Q_OBJECT

private:
    // Once the dialog is up: records which radio button has the focus, does `tun`, presses `knopf`.
    static void whenOpen(QDialog &dialog, const char *knopf, const std::function<void()> &tun = {},
                            QString *fokus = nullptr)
    {
        QTimer::singleShot(0, &dialog, [&dialog, knopf, tun, fokus] {
            QVERIFY(QApplication::activeModalWidget() == &dialog);
            if (fokus && dialog.focusWidget())
                *fokus = dialog.focusWidget()->objectName();
            if (tun)
                tun();
            dialog.findChild<QPushButton *>(QString::fromLatin1(knopf))->click();
        });
    }

    template <typename T>
    static T *child(QWidget &w, const char *name)
    {
        T *k = w.findChild<T *>(QString::fromLatin1(name));
        if (!k)
            qFatal("no child %s", name);
        return k;
    }

private slots:
    void firstStartChoices()
    {
        struct Case
        {
            const char *name;
            const char *radio; // nullptr: the preselection
            const char *knopf;
            int ergebnis;
        };
        const Case faelle[] = {
            {"demo, preselected", nullptr, "btn_Weiter", TFirstStartForm::DemoModus},
            {"configure", "rb_FirstKonfig", "btn_Weiter", TFirstStartForm::Konfigurieren},
            {"cancel", "rb_FirstKonfig", "btn_Abbrechen", TFirstStartForm::Abgebrochen},
        };
        for (const Case &f : faelle) {
            TFirstStartForm form;
            QString fokus;
            whenOpen(form, f.knopf, [&] {
                if (f.radio)
                    child<QRadioButton>(form, f.radio)->setChecked(true);
            }, &fokus);
            QCOMPARE(form.Ausfuehren(), f.ergebnis);
            QCOMPARE(fokus, QStringLiteral("rb_DEMOModus"));
        }
    }

    void clickingAnExplanationChoosesItsButton()
    {
        TFirstStartForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *konfig = child<QRadioButton>(form, "rb_FirstKonfig");
        QLabel *memo = child<QLabel>(form, "M_rb_FirstKonfig");
        QCOMPARE(memo->text(), QStringLiteral("Um mit Quellvantar arbeiten zu können müssen einige Daten vorliegen. \n"
                                              "Diese Daten können Sie hier konfigurieren."));
        QTest::mouseClick(memo, Qt::LeftButton);
        QVERIFY(konfig->isChecked());
        QCOMPARE(form.focusWidget(), konfig);
        QCOMPARE(form.gewaehlt(), TFirstStartForm::Konfigurieren);
    }

    void assistantModeAndSetting()
    {
        struct Case
        {
            const char *name;
            QByteArray ini;
            int modus;         // opened on
            const char *radio; // nullptr: keep
            bool nichtMehr;
            const char *knopf;
            const char *fokus;
            int ergebnis;
            bool danachAn;
        };
        const Case faelle[] = {
            {"current mode kept", "", 2, nullptr, false, "btn_Weiter", "rb_BPR", 2, true},
            {"other mode, switched off", "", 0, "rb_DICOM", true, "btn_Weiter", "rb_BildVorlage", 3, false},
            {"switched on again", "[Init]\r\nStartAssistent=0\r\n", 1, nullptr, false, "btn_Weiter", "rb_ohneVorlage", 1, true},
            // Cancelling stores nothing, not even the check box.
            {"cancel", "", 3, nullptr, true, "btn_Abbrechen", "rb_DICOM", 5, true},
            // The compensator mode leaves the form's preselection.
            {"compensator mode", "", 4, nullptr, false, "btn_Weiter", "rb_BildVorlage", 0, true},
        };
        for (const Case &f : faelle) {
            test::TempProgramFolder dir;
            IniFile ini(dir.write(QStringLiteral("QuellvantarIni.ini"), f.ini));
            TStartAssistentForm form(ini);
            QCOMPARE(form.windowTitle(), QStringLiteral("Assistent für neuen Auftrag"));
            QString fokus;
            whenOpen(form, f.knopf, [&] {
                if (f.radio)
                    child<QRadioButton>(form, f.radio)->setChecked(true);
                child<QCheckBox>(form, "cb_ShowStartAssi")->setChecked(f.nichtMehr);
            }, &fokus);
            QCOMPARE(form.Ausfuehren(f.modus), f.ergebnis);
            QCOMPARE(fokus, QString::fromLatin1(f.fokus));
            QCOMPARE(StartAssistentAn(IniFile(ini.path())), f.danachAn);
        }
    }
};

QTEST_MAIN(StartDialogsTest)
#include "StartDialogsTest.moc"
