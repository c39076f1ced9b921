#include "app/Menues.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Menues, CustomerModePerWorkMode)
{
    for (int modus = 0; modus <= 4; ++modus) {
        SCOPED_TRACE(modus);
        const MenueSichtbarkeit m = menueSichtbarkeit(true, modus);
        EXPECT_TRUE(m.neu && m.speichern && m.drucken && m.trennerVorDrucken && m.modusMenue
                    && m.kundeneinstellungen);
        EXPECT_FALSE(m.bprExport || m.lapExport || m.exportieren || m.kundenDaten || m.kundenmodus
                     || m.tesserakonIntern || m.druckenMenue || m.auftragDatenTitel
                     || m.trennerNachKundeneinstellungen);
        EXPECT_EQ(m.bildEinlesen, modus == 0);
        EXPECT_EQ(m.isozentrumUndMassstab, modus == 0);
        EXPECT_EQ(m.konturEingabe, modus == 0);
        EXPECT_EQ(m.trennerVorIsozentrum, modus == 0);
        EXPECT_EQ(m.trennerVorKontur, modus == 0);
        EXPECT_EQ(m.bprEinlesen, modus == 2);
        EXPECT_EQ(m.dicomEinlesen, modus == 3);
        EXPECT_EQ(m.feldEingabe, modus < 4);
        EXPECT_EQ(m.einschubrichtung, modus < 4);
        EXPECT_EQ(m.trennerVorEinschubrichtung, modus < 4);
        EXPECT_EQ(m.auftragsdaten, modus < 4);
        EXPECT_EQ(m.trennerVorKundenDaten, modus <= 1);
        EXPECT_EQ(m.invertiert, modus <= 1);
    }
}

TEST(Menues, InternalModeShowsExportsAndHidesOrderBuilding)
{
    for (int modus = 0; modus <= 4; ++modus) {
        SCOPED_TRACE(modus);
        const MenueSichtbarkeit m = menueSichtbarkeit(false, modus);
        EXPECT_TRUE(m.bprExport && m.lapExport && m.tesserakonIntern && m.druckenMenue && m.kundenmodus
                    && m.kundenDaten && m.auftragsdaten && m.trennerVorKundenDaten && m.auftragDatenTitel);
        EXPECT_FALSE(m.neu || m.speichern || m.drucken || m.trennerVorDrucken || m.modusMenue || m.bildEinlesen
                     || m.bprEinlesen || m.dicomEinlesen || m.isozentrumUndMassstab || m.konturEingabe
                     || m.feldEingabe || m.einschubrichtung || m.invertiert || m.kundeneinstellungen);
    }
}
