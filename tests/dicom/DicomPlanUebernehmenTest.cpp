#include "DumpBuilder.h"
#include "app/ImportBefehle.h"
#include "config/TKonfiguration.h"
#include "dicom/DcmdumpRunner.h"
#include "dicom/ProcessProgram.h"
#include "support/CompleteCustomer.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

using namespace qv;

struct WindowDouble final : ImportFenster
{
    TAuftrag a;
    int uebernommen = 0;
    bool feld = false;
    TAuftrag &auftrag() override { return a; }
    void ImportUebernommen(bool feldGesetzt) override
    {
        ++uebernommen;
        feld = feldGesetzt;
    }
};

TEST(DicomPlanUebernehmen, TheChosenFileIsReadAgainAndItsBeamApplied)
{
    ProcessProgram programm;
    DcmdumpRunner runner(programm, FindDcmdump(QString()));
    const TKonfiguration konfig;
    const ImportKontext kontext{konfig, {}, true, QDateTime(QDate(2026, 12, 10), QTime(18, 0))};
    test::ScriptedMessages messages;
    WindowDouble f;
    f.a.Kundendaten = test::completeCustomer();
    f.a.Massstab.MassstabAbstandSetzen(200);
    f.a.MassstabPunktSetzen(1, QPoint(-300, 0));
    f.a.MassstabPunktSetzen(2, QPoint(300, 0));
    f.a.Auftragsart = TAuftragsart::Elektronen;
    f.a.DICOMGeladen = true;

    // A file that is gone: said, and the order keeps its state (but no longer counts as imported).
    EXPECT_FALSE(DicomPlanUebernehmen(runner, test::dicomData(QStringLiteral("fehlt.dcm")), 0, kontext, f, messages));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Die Datei ist nicht vorhanden.")});
    EXPECT_EQ(f.uebernommen, 0);
    EXPECT_FALSE(f.a.DICOMGeladen);
    messages.clear();

    ASSERT_TRUE(DicomPlanUebernehmen(runner, test::dicomData(QStringLiteral("rtplan_electron_aperture_scalp.dcm")), 0,
                                     kontext, f, messages))
        << messages.texts().join(u'|').toStdString();
    EXPECT_EQ(f.uebernommen, 1);
    EXPECT_EQ(f.a.Konturen.Anzahl(), 1);
    EXPECT_TRUE(f.a.Konturen.Kontur(1).IstGeschlossen());
    EXPECT_TRUE(f.a.DICOMGeladen);
    EXPECT_TRUE(f.a.Geaendert);
    EXPECT_EQ(f.a.Kundendaten.AktuellerBeschl()->FBA, QStringLiteral("60"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

} // namespace
