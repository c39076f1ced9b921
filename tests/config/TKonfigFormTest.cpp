#include "app/KundenDatenMeldungen.h"
#include "config/TKonfigForm.h"

#include "base/IniFile.h"
#include "support/CompleteCustomer.h"
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace qv;
using qv::Messages;

namespace {

TKundenDaten complete() { return qv::test::completeCustomer(); }

} // namespace

class TKonfigFormTest : public QObject
{
    Q_OBJECT

private:
    struct Rig
    {
        qv::test::TempProgramFolder ordner;
        KundenDateien dateien = KundenDateien::imOrdner(ordner.path());
        qv::IniFile ini{ordner.file(QStringLiteral("QuellvantarIni.ini"))};
        qv::test::ScriptedMessages meldungen;
        qv::test::FakeFileChooser dateiauswahl;
        TKundenDaten daten;

        explicit Rig(bool mitDatei = true)
        {
            if (mitDatei) {
                qv::test::ScriptedMessages m;
                if (!qv::KundenDatenSpeichern(complete(), dateien.kunde, m))
                    qFatal("Kunde.cfg not written");
            }
            if (!daten.Laden(dateien).ok())
                qFatal("Kunde.cfg not read");
        }
        std::unique_ptr<TKonfigForm> form()
        {
            TKonfigForm::Umgebung u{dateien, &ini, {QStringLiteral("Elekta"), QStringLiteral("Siemens"), QStringLiteral("Varian")},
                                    {QStringLiteral("am nächsten Werktag"), QStringLiteral("vor 9 Uhr")}, &meldungen,
                                    &dateiauswahl, {}};
            auto f = std::make_unique<TKonfigForm>(daten, u);
            f->show();
            return f;
        }
    };

    template <typename T>
    static T *child(TKonfigForm &f, const char *name)
    {
        T *w = f.findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no child %s", name);
        return w;
    }
    static void type(TKonfigForm &f, const char *name, const QString &text)
    {
        QLineEdit *e = child<QLineEdit>(f, name);
        e->setFocus();
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    static void click(TKonfigForm &f, const char *name) { QTest::mouseClick(child<QPushButton>(f, name), Qt::LeftButton); }

private slots:
    void contactAndAcceleratorAreSavedAndLoaded()
    {
        Rig u;
        auto f = u.form();
        // At opening the contract partner and the contacts page are shown.
        QVERIFY(child<QWidget>(*f, "P_Kunde")->isVisible());
        QVERIFY(child<QWidget>(*f, "P_AnP")->isVisible());
        QVERIFY(!child<QWidget>(*f, "P_Programm")->isVisible());
        type(*f, "E_AnPTelefon", QStringLiteral("0721 123"));
        click(*f, "P_SelectBeschleuniger");
        // Switching the page wrote the contact back.
        QCOMPARE(f->Daten().Abteilungen[0].AnP[0].Telefon, QStringLiteral("0721 123"));
        QCOMPARE(child<QLineEdit>(*f, "E_FBA")->text(), QStringLiteral("60,0"));
        type(*f, "E_BesKBez", QStringLiteral("Synergy"));
        type(*f, "E_FBA", QStringLiteral("62.5"));
        QCOMPARE(child<QLineEdit>(*f, "E_FBA")->text(), QStringLiteral("62,5"));
        click(*f, "btnSave");
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QVERIFY(u.meldungen.shown().isEmpty());

        TKundenDaten neu;
        QVERIFY(neu.LadeDatei(u.dateien.kunde).ok());
        QCOMPARE(neu.Abteilungen[0].AnP[0].Telefon, QStringLiteral("0721 123"));
        QCOMPARE(neu.Abteilungen[0].Beschl[0].KBez, QStringLiteral("Synergy"));
        QCOMPARE(neu.Abteilungen[0].Beschl[0].FBA, QStringLiteral("62,5"));
    }

    void focusChangeWritesTheGroupBack()
    {
        Rig u;
        auto f = u.form();
        QApplication::setActiveWindow(f.get());
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        type(*f, "E_VertragOrt", QStringLiteral("Bonn"));
        QCOMPARE(f->Daten().VertragsAdresse.Ort, QStringLiteral("O"));
        child<QLineEdit>(*f, "E_AnPName")->setFocus();
        QCOMPARE(f->Daten().VertragsAdresse.Ort, QStringLiteral("Bonn"));
        QVERIFY(f->geaendert());
    }

    void incompleteDataOrAWriteErrorKeepTheDialogOpen()
    {
        Rig u;
        auto f = u.form();
        type(*f, "E_AnPEMail", QString());
        click(*f, "btnSave");
        QVERIFY(f->isVisible());
        QVERIFY(u.meldungen.lastText().contains(QStringLiteral("ersten Ansprechpartners")));

        type(*f, "E_AnPEMail", QStringLiteral("neu@klinik.de"));
        // Kunde.cfg cannot be written: the message, and the edits stay in the open dialog.
        QVERIFY(QFile::remove(u.dateien.kunde));
        QVERIFY(QDir().mkdir(u.dateien.kunde));
        u.meldungen.clear();
        click(*f, "btnSave");
        QVERIFY(f->isVisible());
        QCOMPARE(u.meldungen.shown().size(), 1);
        QCOMPARE(f->Daten().Abteilungen[0].AnP[0].EMail, QStringLiteral("neu@klinik.de"));
    }

    void cancelWithNoAndYes()
    {
        Rig u;
        auto f = u.form();
        type(*f, "E_AnPName", QStringLiteral("Neu, Nora"));
        u.meldungen.expectAnswer(Messages::Answer::No);
        click(*f, "btnCancel");
        QVERIFY(f->isVisible());
        QCOMPARE(f->Daten().Abteilungen[0].AnP[0].Name, QStringLiteral("Neu, Nora"));

        u.meldungen.expectAnswer(Messages::Answer::Yes);
        click(*f, "btnCancel");
        QVERIFY(!f->isVisible());
        QVERIFY(!f->beendenAngefordert());
        QCOMPARE(f->Daten().Abteilungen[0].AnP[0].Name, QStringLiteral("Muster, Max"));
        // the given data were never touched
        QCOMPARE(u.daten.Abteilungen[0].AnP[0].Name, QStringLiteral("Muster, Max"));
        QCOMPARE(child<QLineEdit>(*f, "E_AnPName")->text(), QStringLiteral("Muster, Max"));
    }

    void cancelWithIncompleteData()
    {
        // A first start: the defaults are incomplete. Yes restores them; "No" to quitting keeps
        // the dialog open with the restored data, and a later cancel asks again.
        Rig u(false);
        auto f = u.form();
        type(*f, "E_AnPName", QStringLiteral("Neu, Nora"));
        u.meldungen.expectAnswer(Messages::Answer::Yes);
        u.meldungen.expectAnswer(Messages::Answer::No);
        click(*f, "btnCancel");
        QVERIFY(f->isVisible());
        QCOMPARE(child<QLineEdit>(*f, "E_AnPName")->text(), QStringLiteral("Mustermann, Max"));
        QVERIFY(!f->geaendert());

        u.meldungen.expectAnswer(Messages::Answer::Yes);
        click(*f, "btnCancel");
        QVERIFY(!f->isVisible());
        QVERIFY(f->beendenAngefordert());
        QVERIFY(!QFile::exists(u.dateien.kunde));
    }

    void readOnlyModeForTheDataOfAnOrder()
    {
        Rig u;
        u.daten.AusAuftrag = true;
        const TKundenDaten vorher = u.daten;
        auto f = u.form();
        QVERIFY(!child<QPushButton>(*f, "btnSave")->isEnabled());
        QVERIFY(child<QPushButton>(*f, "P_SelectProgramm")->isHidden());
        QVERIFY(child<QPushButton>(*f, "BTN_AnPNeu")->isHidden());
        type(*f, "E_AnPName", QStringLiteral("Neu, Nora"));
        f->flush();
        click(*f, "btnCancel");
        QVERIFY(!f->isVisible());
        QVERIFY(u.daten == vorher);
        QVERIFY(u.meldungen.shown().isEmpty());
    }

    void displayRulesAndFolderChoice()
    {
        Rig u;
        TAbteilung &abt = u.daten.Abteilungen[0];
        abt.Beschl[0].FBA = QStringLiteral("100");
        abt.Lieferanschrift.AnP = QStringLiteral("Frau Alt, Umbenannt");
        u.daten.Vertragspartner.Titel = QStringLiteral("Dr. med.");
        auto f = u.form();
        // a title the list does not offer is shown as stored
        QCOMPARE(child<QComboBox>(*f, "CB_VertragTitel")->currentText(), QStringLiteral("Dr. med."));
        click(*f, "P_SelectAdressen");
        QCOMPARE(child<QComboBox>(*f, "CB_AnP")->currentText(), QStringLiteral("Frau Alt, Umbenannt"));
        type(*f, "E_Ort", QStringLiteral("Bonn"));
        click(*f, "P_SelectBeschleuniger");
        QCOMPARE(f->Daten().Abteilungen[0].Lieferanschrift.AnP, QStringLiteral("Frau Alt, Umbenannt"));
        QCOMPARE(f->Daten().Abteilungen[0].Lieferanschrift.Ort, QStringLiteral("Bonn"));
        QCOMPARE(child<QLineEdit>(*f, "E_FBA")->text(), QStringLiteral("100"));
        type(*f, "E_BesTyp", QStringLiteral("2"));
        f->flush();
        QCOMPARE(f->Daten().Abteilungen[0].Beschl[0].FBA, QStringLiteral("100"));

        click(*f, "P_SelectProgramm");
        u.dateiauswahl.expectPath(QStringLiteral("/daten/auftraege"));
        click(*f, "Button4");
        QCOMPARE(u.dateiauswahl.calls().value(0).kind, QStringLiteral("folder"));
        QCOMPARE(child<QLineEdit>(*f, "E_Verzeichnis")->text(), QStringLiteral("/daten/auftraege/"));
        QCOMPARE(u.ini.readString(QStringLiteral("Init"), QStringLiteral("SavePath")), QStringLiteral("/daten/auftraege/"));

        type(*f, "E_FFA", QStringLiteral("250"));
        f->flush();
        QCOMPARE(u.meldungen.lastText(), QStringLiteral("Der FFA muß zwischen 20 und 200 cm liegen."));
        QCOMPARE(f->Daten().FFA, 100.0);
        type(*f, "E_FFA", QStringLiteral("80.5"));
        f->flush();
        QCOMPARE(f->Daten().FFA, 80.5);
        QCOMPARE(child<QLineEdit>(*f, "E_FFA")->text(), QStringLiteral("80,5"));
    }

    // A title typed into the editable list is saved, shown again on reopening, and still in
    // Kunde.cfg after something else was changed and saved; so is the contact's own title.
    void aTypedTitleSurvivesReopeningAndSavingAgain()
    {
        Rig u;
        {
            auto f = u.form();
            QComboBox *titel = child<QComboBox>(*f, "CB_VertragTitel");
            titel->setFocus();
            titel->lineEdit()->selectAll();
            QTest::keyClicks(titel->lineEdit(), QStringLiteral("Dr. med."));
            QComboBox *anpTitel = child<QComboBox>(*f, "CB_AnPTitel");
            anpTitel->setFocus();
            anpTitel->lineEdit()->selectAll();
            QTest::keyClicks(anpTitel->lineEdit(), QStringLiteral("Dipl.-Phys."));
            click(*f, "btnSave");
            QCOMPARE(f->result(), int(QDialog::Accepted));
        }
        TKundenDaten gespeichert;
        QVERIFY(gespeichert.LadeDatei(u.dateien.kunde).ok());
        QCOMPARE(gespeichert.Vertragspartner.Titel, QStringLiteral("Dr. med."));
        QCOMPARE(gespeichert.Abteilungen[0].AnP[0].Titel, QStringLiteral("Dipl.-Phys."));

        u.daten = TKundenDaten();
        QVERIFY(u.daten.Laden(u.dateien).ok());
        {
            auto f = u.form();
            QCOMPARE(child<QComboBox>(*f, "CB_VertragTitel")->currentText(), QStringLiteral("Dr. med."));
            QCOMPARE(child<QComboBox>(*f, "CB_AnPTitel")->currentText(), QStringLiteral("Dipl.-Phys."));
            type(*f, "E_VertragOrt", QStringLiteral("Bonn"));
            type(*f, "E_AnPTelefon", QStringLiteral("0721 999"));
            click(*f, "btnSave");
            QCOMPARE(f->result(), int(QDialog::Accepted));
        }
        QVERIFY(gespeichert.LadeDatei(u.dateien.kunde).ok());
        QCOMPARE(gespeichert.VertragsAdresse.Ort, QStringLiteral("Bonn"));
        QCOMPARE(gespeichert.Vertragspartner.Titel, QStringLiteral("Dr. med."));
        QCOMPARE(gespeichert.Abteilungen[0].AnP[0].Titel, QStringLiteral("Dipl.-Phys."));
        QVERIFY2(u.meldungen.shown().isEmpty(), qPrintable(u.meldungen.texts().join(u'|')));
    }

    // A stored delivery the configuration does not list is shown as stored and kept on saving.
    void anUnlistedStoredDeliveryIsShownAsStored()
    {
        Rig u;
        u.daten.Abteilungen[0].Transport = QStringLiteral("mit Kurier");
        auto f = u.form();
        click(*f, "P_SelectLieferart");
        QCOMPARE(child<QComboBox>(*f, "CB_Transport")->currentText(), QStringLiteral("mit Kurier"));
        click(*f, "btnSave");
        TKundenDaten gespeichert;
        QVERIFY(gespeichert.LadeDatei(u.dateien.kunde).ok());
        QCOMPARE(gespeichert.Abteilungen[0].Transport, QStringLiteral("mit Kurier"));
    }

    void tenDepartments()
    {
        Rig u;
        auto f = u.form();
        for (int i = 1; i < 10; ++i)
            click(*f, "BTN_AbteilungNeu");
        QCOMPARE(f->Daten().Abteilungen.size(), 10);
        QCOMPARE(child<QComboBox>(*f, "CB_Abteilung")->count(), 10);
        click(*f, "BTN_AbteilungNeu");
        QCOMPARE(f->Daten().Abteilungen.size(), 10);
        QCOMPARE(u.meldungen.lastText(),
                 QStringLiteral("Quellvantar unterstützt in dieser Version nicht mehr als zehn Abteilungen."));
    }
};

QTEST_MAIN(TKonfigFormTest)
#include "TKonfigFormTest.moc"
