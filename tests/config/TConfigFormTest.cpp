#include "config/TBerarbeitungsForm.h"
#include "config/TConfigForm.h"

#include "base/Cp1252.h"
#include "base/IniFile.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace qv;
using qv::Messages;
using qv::test::ScriptedMessages;

class TConfigFormTest : public QObject
{
    Q_OBJECT

private:
    struct Rig
    {
        qv::test::TempProgramFolder ordner;
        std::unique_ptr<qv::IniFile> ini;
        ScriptedMessages meldungen;
        std::unique_ptr<TConfigForm> form;
        QList<TBerarbeitungsForm::Eingabe> gezeigt;
        QList<std::optional<TBerarbeitungsForm::Eingabe>> antworten; // nullopt: cancelled

        explicit Rig(const QString &datei)
        {
            ini = std::make_unique<qv::IniFile>(ordner.write(QStringLiteral("QuellvantarConfig.cfg"), qv::toCp1252(datei)));
            form = std::make_unique<TConfigForm>(*ini, meldungen, false);
            form->setEingabe([this](TBerarbeitungsForm::Eingabe &e) {
                gezeigt << e;
                if (antworten.isEmpty() || !antworten.first()) {
                    if (!antworten.isEmpty())
                        antworten.removeFirst();
                    return false;
                }
                e = *antworten.takeFirst();
                return true;
            });
        }
        QListWidget *list(const char *name) const { return form->findChild<QListWidget *>(QString::fromLatin1(name)); }
        QStringList rows(const char *name) const
        {
            QStringList r;
            for (int i = 0; i < list(name)->count(); ++i)
                r << list(name)->item(i)->text();
            return r;
        }
        void trigger(const QString &name) const
        {
            QAction *a = form->findChild<QAction *>(name);
            QVERIFY2(a, qPrintable(name));
            a->trigger();
        }
        QString fileText() const { return qv::fromCp1252(ordner.read(QStringLiteral("QuellvantarConfig.cfg"))); }
    };

    static QString exampleFile()
    {
        return QStringLiteral("[Init]\r\nFileversion=2\r\nEMailAdresse=a@b.de\r\nWebsite=www.b.de\r\n"
                              "[Beschleuniger]\r\nCount=2\r\n0=Varian\r\n1=Siemens\r\n"
                              "[Tragplatten]\r\nCount=3\r\n0=Varian_298*298*6\r\n1=gelöscht\r\n2=Siemens_356*308*10\r\n"
                              "[ElektronenBlenden]\r\nCount=1\r\n0=Varian_T6\r\n"
                              "[ElektronenBlenden_Groesse]\r\n0=200,200\r\n"
                              "[Transport]\r\nCount=1\r\n0=vor 9 Uhr\r\n[Transport_Kosten]\r\n0=15 Euro\r\n"
                              "[AGBs]\r\nCount=1\r\n0=AGB-Zeile\r\n[Fremd]\r\nx=1\r\n");
    }

private Q_SLOTS:
    void loadsWithDisplayPrefix()
    {
        Rig u(exampleFile());
        QCOMPARE(u.rows("LB_Tragplatten"),
                 (QStringList{QStringLiteral("01=> Varian_298*298*6"), QStringLiteral("02=> gelöscht"), QStringLiteral("03=> Siemens_356*308*10")}));
        QCOMPARE(u.rows("LB_Elektronenblenden_Groesse"), QStringList{QStringLiteral("01=> 200,200")});
        QCOMPARE(u.rows("LB_Transport_Kosten"), QStringList{QStringLiteral("15 Euro")});
        QCOMPARE(u.rows("LB_Beschleuniger"), (QStringList{QStringLiteral("Varian"), QStringLiteral("Siemens")}));
        QVERIFY(u.rows("LB_Leistung").isEmpty());
        QCOMPARE(u.form->GetEMailAdresse(), QStringLiteral("a@b.de"));
        QCOMPARE(u.form->GetWebsite(), QStringLiteral("www.b.de"));
        QCOMPARE(u.form->findChild<QPlainTextEdit *>(QStringLiteral("Memo_AGB"))->toPlainText(), QStringLiteral("AGB-Zeile"));
    }

    void removingAsksAndSavingWritesDeleted()
    {
        Rig u(exampleFile());
        u.list("LB_Tragplatten")->setCurrentRow(2);
        u.meldungen.expectAnswer(Messages::Answer::No);
        u.trigger(QStringLiteral("PMenue_Tragplatten_entfernen"));
        QCOMPARE(u.meldungen.lastText(), QStringLiteral("Wollen Sie die Tragplatte \r03=> Siemens_356*308*10\rwirklich löschen?"));
        QCOMPARE(u.rows("LB_Tragplatten").at(2), QStringLiteral("03=> Siemens_356*308*10"));

        u.meldungen.expectAnswer(Messages::Answer::Yes);
        u.trigger(QStringLiteral("PMenue_Tragplatten_entfernen"));
        QCOMPARE(u.rows("LB_Tragplatten").at(2), QStringLiteral("03=> gelöscht"));

        u.list("LB_Elektronenblenden")->setCurrentRow(0);
        u.meldungen.expectAnswer(Messages::Answer::Yes);
        u.trigger(QStringLiteral("PMenue_Rahmen_entfernen"));
        QCOMPARE(u.meldungen.lastText(), QStringLiteral("Wollen Sie die Elektonenblende \r01=> Varian_T6\rwirklich löschen?"));
        QCOMPARE(u.rows("LB_Elektronenblenden_Groesse"), QStringList{QStringLiteral("01=> gelöscht")});

        u.form->findChild<QPushButton *>(QStringLiteral("BTN_Save"))->click();
        QCOMPARE(u.meldungen.lastText(), QStringLiteral("Konfig-Datei erfolgreich gespeichert."));
        QCOMPARE(u.form->result(), int(QDialog::Accepted));
        const QString text = u.fileText();
        QVERIFY(text.contains(QStringLiteral("[Tragplatten]\r\nCount=3\r\n0=Varian_298*298*6\r\n1=gelöscht\r\n2=gelöscht\r\n")));
        QVERIFY(text.contains(QStringLiteral("[ElektronenBlenden_Groesse]\r\n0=gelöscht\r\n")));
        QVERIFY(text.contains(QStringLiteral("[Leistung]\r\nCount=0\r\n")));
        QVERIFY(!text.contains(QStringLiteral("Fremd")));
        // The global configuration object sees the saved file at once.
        QCOMPARE(u.ini->readString(QStringLiteral("Tragplatten"), QStringLiteral("2")), QStringLiteral("gelöscht"));
        QCOMPARE(u.meldungen.pendingAnswers(), 0);
    }

    void addingAndEditingThroughTheInputDialog()
    {
        Rig u(exampleFile());
        TBerarbeitungsForm::Eingabe neu;
        neu.Edit1 = QStringLiteral("vor 8 Uhr");
        neu.Edit2 = QStringLiteral("20 Euro");
        u.antworten << neu;
        u.trigger(QStringLiteral("PMenue_Lieferung_hinzufügen"));
        QCOMPARE(u.gezeigt.last().Header, QStringLiteral("Neue Lieferart"));
        QCOMPARE(u.gezeigt.last().Edit1, QStringLiteral("vor xx Uhr"));
        QCOMPARE(u.gezeigt.last().Edit2, QStringLiteral("xx Euro"));
        QCOMPARE(u.rows("LB_Transport"), (QStringList{QStringLiteral("vor 9 Uhr"), QStringLiteral("vor 8 Uhr")}));
        QCOMPARE(u.rows("LB_Transport_Kosten"), (QStringList{QStringLiteral("15 Euro"), QStringLiteral("20 Euro")}));

        // Editing a frame: the size preset carries a blank, which does not survive the file.
        u.list("LB_Elektronenblenden")->setCurrentRow(0);
        u.antworten << std::nullopt;
        u.trigger(QStringLiteral("PMenue_Rahmen_bearbeiten"));
        QCOMPARE(u.gezeigt.last().Header, QStringLiteral("Elektronenblende bearbeiten"));
        QCOMPARE(u.gezeigt.last().Edit1, QStringLiteral("Varian_T6"));
        QCOMPARE(u.gezeigt.last().Edit2, QStringLiteral("200,200 "));
        QCOMPARE(u.rows("LB_Elektronenblenden"), QStringList{QStringLiteral("01=> Varian_T6")});
        TBerarbeitungsForm::Eingabe e = u.gezeigt.last();
        e.Edit1 = QStringLiteral("Varian_T10");
        u.antworten << e;
        u.trigger(QStringLiteral("PMenue_Rahmen_bearbeiten"));
        QCOMPARE(u.rows("LB_Elektronenblenden"), QStringList{QStringLiteral("01=> Varian_T10")});

        TBerarbeitungsForm::Eingabe tray;
        tray.Edit1 = QStringLiteral("GE_360*360*10");
        u.antworten << tray;
        u.trigger(QStringLiteral("PMenue_Tragplatten_hinzufügen"));
        QCOMPARE(u.gezeigt.last().LabelEdit1, QStringLiteral("Tragplatte"));
        QCOMPARE(u.gezeigt.last().Edit2, QString());
        QCOMPARE(u.rows("LB_Tragplatten").last(), QStringLiteral("04=> GE_360*360*10"));

        // Without a selection nothing is edited and no dialog shows.
        u.list("LB_Leistung")->setCurrentRow(-1);
        const qsizetype vorher = u.gezeigt.size();
        u.trigger(QStringLiteral("PMenue_Leistung_bearbeiten"));
        u.trigger(QStringLiteral("PMenue_Leistung_entfernen"));
        QCOMPARE(u.gezeigt.size(), vorher);

        u.form->BTN_SaveClick();
        qv::IniFile zurueck(u.ini->path());
        QCOMPARE(zurueck.readString(QStringLiteral("ElektronenBlenden_Groesse"), QStringLiteral("0")), QStringLiteral("200,200"));
        QCOMPARE(zurueck.readString(QStringLiteral("ElektronenBlenden"), QStringLiteral("0")), QStringLiteral("Varian_T10"));
        QCOMPARE(zurueck.readString(QStringLiteral("Transport_Kosten"), QStringLiteral("1")), QStringLiteral("20 Euro"));
        QCOMPARE(zurueck.readString(QStringLiteral("Tragplatten"), QStringLiteral("Count")), QStringLiteral("4"));
    }

    void cancelAsksAndDiscards()
    {
        Rig u(exampleFile());
        const QString vorher = u.fileText();
        u.form->show();
        u.form->findChild<QLineEdit *>(QStringLiteral("E_EMail"))->setText(QStringLiteral("neu@x.de"));
        u.meldungen.expectAnswer(Messages::Answer::No);
        u.form->findChild<QPushButton *>(QStringLiteral("BTN_Open"))->click();
        QCOMPARE(u.meldungen.lastText(), QStringLiteral("Wollen Sie eventuelle Änderungen wirklich verwerfen?"));
        QVERIFY(u.form->isVisible());
        u.meldungen.expectAnswer(Messages::Answer::Yes);
        u.form->findChild<QPushButton *>(QStringLiteral("BTN_Open"))->click();
        QVERIFY(!u.form->isVisible());
        QCOMPARE(u.form->GetEMailAdresse(), QStringLiteral("a@b.de"));
        QCOMPARE(u.fileText(), vorher);
    }

    void saveErrorIsReported()
    {
        qv::test::TempProgramFolder ordner;
        qv::IniFile ini(ordner.file(QStringLiteral("gibtsnicht/QuellvantarConfig.cfg")));
        ScriptedMessages meldungen;
        TConfigForm form(ini, meldungen, false);
        form.BTN_SaveClick();
        QCOMPARE(meldungen.shown().size(), 1);
        QCOMPARE(meldungen.shown().first().kind, Messages::Kind::Error);
        QVERIFY(meldungen.lastText().contains(QStringLiteral("QuellvantarConfig.cfg")));
        QVERIFY(form.result() != QDialog::Accepted);
    }

    void cancelledStartReadsNothing()
    {
        Rig u(exampleFile());
        ScriptedMessages meldungen;
        TConfigForm form(*u.ini, meldungen, true);
        QCOMPARE(form.findChild<QListWidget *>(QStringLiteral("LB_Tragplatten"))->count(), 7); // the sample list
    }

    void inputDialogShowsFieldsOrText()
    {
        TBerarbeitungsForm::Eingabe felder{QStringLiteral("Neue Tragplatte"), QStringLiteral("Tragplatte"), QStringLiteral("Beschleuniger_Typ"),
                                           QStringLiteral("zwei"), QString(), {}};
        TBerarbeitungsForm f(felder);
        QVERIFY(f.findChild<QGroupBox *>(QStringLiteral("GB_Edit"))->isVisibleTo(&f));
        QVERIFY(!f.findChild<QGroupBox *>(QStringLiteral("GB_Memo"))->isVisibleTo(&f));
        QVERIFY(!f.findChild<QLineEdit *>(QStringLiteral("Edit2"))->isVisibleTo(&f));
        f.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("Varian_X"));
        QCOMPARE(f.Ergebnis().Edit1, QStringLiteral("Varian_X"));

        TBerarbeitungsForm::Eingabe text;
        text.Header = QStringLiteral("Regularien bearbeiten");
        text.Memo = {QStringLiteral("a"), QStringLiteral("b")};
        TBerarbeitungsForm t(text);
        QVERIFY(!t.findChild<QGroupBox *>(QStringLiteral("GB_Edit"))->isVisibleTo(&t));
        QVERIFY(t.findChild<QGroupBox *>(QStringLiteral("GB_Memo"))->isVisibleTo(&t));
        QCOMPARE(t.Ergebnis().Memo, text.Memo);

        // Through the real dialog: "Speichern" takes the text lines.
        Rig u(exampleFile());
        u.form->setEingabe({});
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TBerarbeitungsForm *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->setPlainText(QStringLiteral("Neu 1\nNeu 2"));
            dialog->findChild<QPushButton *>(QStringLiteral("BTN_OK"))->click();
        });
        u.form->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QCOMPARE(u.form->Daten().Regularien, (QStringList{QStringLiteral("Neu 1"), QStringLiteral("Neu 2")}));
    }
};

QTEST_MAIN(TConfigFormTest)
#include "TConfigFormTest.moc"
