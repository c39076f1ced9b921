#include "base/IniFile.h"
#include "config/TKonfiguration.h"
#include "order/TAuftrag.h"
#include "order/TAuftragsdatenForm.h"

#include "support/FixedClock.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace qv;
using qv::test::ScriptedMessages;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kNow(QDate(2026, 5, 6), QTime(7, 8, 9));

TAuftrag makeOrder(const QString &fba = u"65"_s)
{
    TAuftrag a;
    a.Auftragsart = TAuftragsart::Photonen;
    TKundenDaten &k = a.Kundendaten;
    k.NeueAbteilung();
    TAbteilung &abt = k.Abteilungen[0];
    abt.Beschl = {TBeschl{u"Varian Medical"_s, u"C"_s, u"Clinac"_s, fba, u"95"_s, u"8,0 cm"_s}};
    abt.AktBeschl = 0;
    abt.AnP = {TAnP{u"Herr"_s, {}, u"Eins"_s, {}, {}, {}}};
    k.AktAbteilung = 0;
    return a;
}

} // namespace

class AuftragsdatenFormTest : public QObject
{
    Q_OBJECT

private slots:
    void okStoresTheRecordOnlyWithAPatientId()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(u"e.ini"_s));
        const TKonfiguration konfig; // no product configuration file
        TAuftrag a = makeOrder();
        ScriptedMessages msgs;
        test::FixedClock uhr(kNow);
        TAuftragsdatenForm form(a, TAuftragsdatenEinstellungen{}, konfig, ini, msgs, uhr, true);
        QTimer::singleShot(0, &form, [&form, &msgs] {
            form.BTN_OKClick(); // no patient ID: stays open
            QCOMPARE(msgs.texts(), QStringList{u"Bitte geben Sie eine PatientenID ein."_s});
            QVERIFY(form.isVisible());
            // Setters write what typing and the leave-field check would refuse.
            form.GantrySetzen(180);
            form.PatIDSetzen(u"P-7"_s);
            form.BTN_OKClick();
        });
        const std::optional<TAuftragsdatenForm::Ergebnis> e = form.Zeigen();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(e);
        QVERIFY(form.Vollstaendig());
        // the dialog worked on its copy; the caller takes what it gives back
        QVERIFY(a.Auftragsdaten.PatientenID.isEmpty());
        QCOMPARE(e->Auftragsdaten.PatientenID, u"P-7"_s);
        QCOMPARE(e->Auftragsdaten.Gantrywinkel, u"180,00"_s);
        QCOMPARE(e->Auftragsdaten.FBA, u"65"_s);
        QCOMPARE(e->Auftragszeitpunkt, kNow);
    }

    void cancelKeepsTheRecord()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(u"e.ini"_s));
        const TKonfiguration konfig; // no product configuration file
        TAuftrag a = makeOrder();
        a.Auftragsdaten.Gueltig = true;
        a.Auftragsdaten.PatientenID = u"alt"_s;
        ScriptedMessages msgs;
        test::FixedClock uhr(kNow);
        TAuftragsdatenForm form(a, TAuftragsdatenEinstellungen{}, konfig, ini, msgs, uhr, true);
        QTimer::singleShot(0, &form, [&form] {
            QCOMPARE(form.PatID(), u"alt"_s);
            form.PatIDSetzen(u"neu"_s);
            form.reject();
        });
        QVERIFY(!form.Zeigen());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(a.Auftragsdaten.PatientenID, u"alt"_s);
    }

    void fbaOutOfRangeDisablesOkAndAnglesAreChecked()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(u"e.ini"_s));
        const TKonfiguration konfig; // no product configuration file
        TAuftrag a = makeOrder(u"90"_s);
        ScriptedMessages msgs;
        test::FixedClock uhr(kNow);
        TAuftragsdatenForm form(a, TAuftragsdatenEinstellungen{}, konfig, ini, msgs, uhr, true);
        form.Vorbelegen();
        QVERIFY(!form.Felder().OKAktiv);
        form.FBASetzen(650);
        QCOMPARE(form.Felder().FBA, u"65"_s);
        QVERIFY(form.Felder().OKAktiv);

        form.FeldEingeben(u"E_Kollimatorwinkel"_s, u"360"_s);
        QVERIFY(msgs.texts().isEmpty());
        form.FeldEingeben(u"E_Gantrywinkel"_s, u"12,5"_s);
        QCOMPARE(msgs.texts(), QStringList{u"Eingabe einer ganzen Zahl erforderlich.\rDer Gantrywinkel muß zwischen 0 und 360° liegen."_s});
    }
};

QTEST_MAIN(AuftragsdatenFormTest)
#include "AuftragsdatenFormTest.moc"
