#include "app/Ablauf.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

using namespace qv;

namespace {

using Enabling = std::map<std::string, std::optional<bool>>;

Enabling enablingOf(const AblaufErgebnis &e)
{
    return {
        {"auftragsart", e.auftragsartKnopf},
        {"auftragsartMenue", e.auftragsartMenue},
        {"bildEinlesen", e.bildEinlesen},
        {"bildDrehen", e.bildDrehen},
        {"isozentrum", e.isozentrumEingabe},
        {"massstab", e.massstabEingabe},
        {"kontur", e.konturEingabe},
        {"konturOhneVorlage", e.konturEingabeOhneVorlage},
        {"bpr", e.bprEinlesen},
        {"dicom", e.dicomEinlesen},
        {"feld", e.feldEingabe},
        {"einschub", e.einschubrichtung},
        {"daten", e.auftragsdaten},
        {"speichern", e.speichern},
        {"speichernUnter", e.speichernUnter},
        {"kundenDaten", e.kundenDaten},
        {"drucken", e.druckenMenue},
    };
}

// Every step of the mode done: all rows of the mode are enabled.
AblaufZustand allDone(int modus)
{
    AblaufZustand z;
    z.modus = modus;
    z.status = ablauf::Feld | ablauf::Kontur | ablauf::Auftragsart;
    z.vorlageVorhanden = true;
    z.isozentrumGesetzt = true;
    z.massstabGesetzt = true;
    z.auftragsart = TAuftragsart::Photonen;
    z.einschubrichtungGewaehlt = true;
    z.auftragsdatenKomplett = true;
    z.geaendert = true;
    z.bprGeladen = true;
    z.dicomGeladen = true;
    z.konturenVorhanden = true;
    return z;
}

const std::map<int, std::set<std::string>> zeilenProModus = {
    {0, {"auftragsart", "auftragsartMenue", "bildEinlesen", "bildDrehen", "isozentrum", "massstab", "kontur",
         "feld", "einschub", "daten", "speichern", "speichernUnter"}},
    {1, {"auftragsart", "auftragsartMenue", "konturOhneVorlage", "feld", "einschub", "daten", "speichern",
         "speichernUnter"}},
    {2, {"auftragsart", "auftragsartMenue", "bpr", "feld", "einschub", "daten", "speichern", "speichernUnter"}},
    {3, {"auftragsart", "auftragsartMenue", "dicom", "feld", "einschub", "daten", "speichern", "speichernUnter"}},
};

struct Case
{
    const char *name;
    int modus;
    std::function<void(AblaufZustand &)> aendern;
    std::set<std::string> gesperrt; // rows that turn disabled; every other row of the mode stays enabled
};

void check(const Case &f)
{
    SCOPED_TRACE(f.name);
    AblaufZustand z = allDone(f.modus);
    f.aendern(z);
    const Enabling ist = enablingOf(ablaufBerechnen(z));
    const std::set<std::string> &zeilen = zeilenProModus.at(f.modus);
    for (const auto &[name, wert] : ist) {
        SCOPED_TRACE(name);
        if (!zeilen.count(name)) {
            EXPECT_FALSE(wert.has_value()) << "row does not exist in this mode and must be left alone";
            continue;
        }
        ASSERT_TRUE(wert.has_value());
        EXPECT_EQ(*wert, !f.gesperrt.count(name));
    }
}

} // namespace

TEST(Ablauf, EnablingTableModeImage)
{
    const std::set<std::string> speichern = {"speichern", "speichernUnter"};
    const Case faelle[] = {
        {"all done", 0, [](AblaufZustand &) {}, {}},
        {"contour input running", 0, [](AblaufZustand &z) { z.konturEingabeLaeuft = true; },
         {"auftragsart", "bildEinlesen", "bildDrehen", "isozentrum", "massstab", "feld", "einschub", "daten",
          "speichern", "speichernUnter"}},
        {"scale input running", 0, [](AblaufZustand &z) { z.massstabEingabe = true; },
         {"auftragsart", "bildEinlesen", "bildDrehen", "isozentrum"}},
        {"no order type", 0, [](AblaufZustand &z) { z.status &= ~ablauf::Auftragsart; }, {"bildEinlesen"}},
        {"no image", 0, [](AblaufZustand &z) { z.vorlageVorhanden = false; }, {"bildDrehen", "isozentrum"}},
        {"no isocentre", 0, [](AblaufZustand &z) { z.isozentrumGesetzt = false; },
         {"massstab", "kontur", "feld", "einschub", "daten"}},
        {"no scale", 0, [](AblaufZustand &z) { z.massstabGesetzt = false; },
         {"kontur", "feld", "einschub", "speichern", "speichernUnter"}},
        {"contours not done", 0, [](AblaufZustand &z) { z.status &= ~ablauf::Kontur; },
         {"daten", "speichern", "speichernUnter"}},
        {"field missing changes nothing", 0, [](AblaufZustand &z) { z.status &= ~ablauf::Feld; }, {}},
        {"direction not chosen", 0, [](AblaufZustand &z) { z.einschubrichtungGewaehlt = false; }, {"daten"}},
        {"order data incomplete", 0, [](AblaufZustand &z) { z.auftragsdatenKomplett = false; }, speichern},
        {"electron frame does not fit", 0,
         [](AblaufZustand &z) {
             z.auftragsart = TAuftragsart::Elektronen;
             z.rahmenPasst = false;
         },
         speichern},
        {"electron frame fits", 0, [](AblaufZustand &z) { z.auftragsart = TAuftragsart::Elektronen; }, {}},
        {"kind not chosen counts as photon: fit ignored", 0,
         [](AblaufZustand &z) {
             z.auftragsart = TAuftragsart::NichtGewaehlt;
             z.rahmenPasst = false;
         },
         {}},
        {"demo customer", 0, [](AblaufZustand &z) { z.demoKunde = true; }, speichern},
        {"no changes", 0, [](AblaufZustand &z) { z.geaendert = false; }, speichern},
    };
    for (const Case &f : faelle)
        check(f);
}

TEST(Ablauf, EnablingTableOtherModes)
{
    const std::set<std::string> speichern = {"speichern", "speichernUnter"};
    const Case faelle[] = {
        {"m1 all done", 1, [](AblaufZustand &) {}, {}},
        {"m1 contour input running", 1, [](AblaufZustand &z) { z.konturEingabeLaeuft = true; },
         {"auftragsart", "feld", "einschub", "daten", "speichern", "speichernUnter"}},
        {"m1 scale flag ignored", 1, [](AblaufZustand &z) { z.massstabEingabe = true; }, {}},
        {"m1 no order type", 1, [](AblaufZustand &z) { z.status &= ~ablauf::Auftragsart; },
         {"konturOhneVorlage", "feld", "einschub", "daten"}},
        {"m1 direction missing", 1, [](AblaufZustand &z) { z.einschubrichtungGewaehlt = false; }, speichern},
        {"m1 data incomplete", 1, [](AblaufZustand &z) { z.auftragsdatenKomplett = false; }, speichern},
        {"m1 no changes", 1, [](AblaufZustand &z) { z.geaendert = false; }, speichern},
        {"m1 demo", 1, [](AblaufZustand &z) { z.demoKunde = true; }, speichern},
        {"m1 image, isocentre, scale, contours irrelevant", 1,
         [](AblaufZustand &z) {
             z.vorlageVorhanden = z.isozentrumGesetzt = z.massstabGesetzt = false;
             z.status &= ~ablauf::Kontur;
         },
         {}},
        {"m2 all done", 2, [](AblaufZustand &) {}, {}},
        {"m2 contour flag", 2, [](AblaufZustand &z) { z.konturEingabeLaeuft = true; }, {"bpr"}},
        {"m2 scale flag", 2, [](AblaufZustand &z) { z.massstabEingabe = true; }, {"bpr"}},
        {"m2 no order type", 2, [](AblaufZustand &z) { z.status &= ~ablauf::Auftragsart; },
         {"bpr", "einschub", "daten"}},
        {"m2 nothing imported", 2, [](AblaufZustand &z) { z.bprGeladen = false; }, {"feld", "einschub", "daten"}},
        {"m2 DICOM flag irrelevant", 2, [](AblaufZustand &z) { z.dicomGeladen = false; }, {}},
        {"m2 direction missing", 2, [](AblaufZustand &z) { z.einschubrichtungGewaehlt = false; }, speichern},
        {"m2 demo", 2, [](AblaufZustand &z) { z.demoKunde = true; }, speichern},
        {"m2 no changes", 2, [](AblaufZustand &z) { z.geaendert = false; }, speichern},
        {"m3 all done", 3, [](AblaufZustand &) {}, {}},
        {"m3 contour flag", 3, [](AblaufZustand &z) { z.konturEingabeLaeuft = true; }, {"dicom"}},
        {"m3 no order type", 3, [](AblaufZustand &z) { z.status &= ~ablauf::Auftragsart; },
         {"dicom", "einschub", "daten"}},
        {"m3 nothing imported", 3, [](AblaufZustand &z) { z.dicomGeladen = false; },
         {"feld", "einschub", "daten"}},
        {"m3 data incomplete", 3, [](AblaufZustand &z) { z.auftragsdatenKomplett = false; }, speichern},
        {"m3 demo", 3, [](AblaufZustand &z) { z.demoKunde = true; }, speichern},
    };
    for (const Case &f : faelle)
        check(f);
}

TEST(Ablauf, InternalModeFollowsOrderDataAndOpenedOrderKeepsEnabling)
{
    AblaufZustand z = allDone(0);
    z.kundenModus = false;
    EXPECT_EQ(ablaufBerechnen(z).kundenDaten, std::optional<bool>(true));
    EXPECT_EQ(ablaufBerechnen(z).druckenMenue, std::optional<bool>(true));
    z.isozentrumGesetzt = false;
    EXPECT_EQ(ablaufBerechnen(z).kundenDaten, std::optional<bool>(false));
    EXPECT_EQ(ablaufBerechnen(z).druckenMenue, std::optional<bool>(false));

    // opened from a file: lamps are computed, enabling is not touched
    z = allDone(0);
    z.ausDatei = true;
    const AblaufErgebnis e = ablaufBerechnen(z);
    EXPECT_FALSE(e.freigabeAngewendet);
    for (const auto &[name, wert] : enablingOf(e))
        EXPECT_FALSE(wert.has_value()) << name;
    EXPECT_EQ(e.lampeBild, LampenFarbe::Gruen);
    EXPECT_EQ(e.status, 0xFF);

    // the compensator mode has no rows
    z = allDone(4);
    for (const auto &[name, wert] : enablingOf(ablaufBerechnen(z)))
        EXPECT_FALSE(wert.has_value()) << name;
}

TEST(Ablauf, StatusBitsLampsAndBulbs)
{
    AblaufZustand z;
    z.status = 0xFF; // stale recomputed bits are cleared, $04/$08/$20 are kept
    AblaufErgebnis e = ablaufBerechnen(z);
    EXPECT_EQ(e.status, ablauf::Feld | ablauf::Kontur | ablauf::Auftragsart);
    EXPECT_EQ(e.lampeBild, LampenFarbe::Rot);
    EXPECT_FALSE(e.bildBirne);
    EXPECT_EQ(e.lampeFeld, LampenFarbe::Gruen);
    EXPECT_TRUE(e.feldBirne);
    EXPECT_EQ(e.lampeKontur, LampenFarbe::Gruen);
    EXPECT_EQ(e.lampeAuftragsart, LampenFarbe::Gruen);
    EXPECT_EQ(e.lampeEinschubrichtung, LampenFarbe::Rot);
    EXPECT_FALSE(e.einschubVorschau);

    z = {};
    e = ablaufBerechnen(z);
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.lampeFeld, LampenFarbe::Gelb) << "the field is optional";
    EXPECT_EQ(e.lampeKontur, LampenFarbe::Rot);
    EXPECT_FALSE(e.bearbeitenSichtbar);

    z.vorlageVorhanden = z.isozentrumGesetzt = z.massstabGesetzt = true;
    z.auftragsdatenKomplett = true;
    z.bprGeladen = true;
    z.konturenVorhanden = true;
    e = ablaufBerechnen(z);
    EXPECT_EQ(e.status, ablauf::Bild | ablauf::Isozentrum | ablauf::Massstab | ablauf::Auftragsdaten);
    EXPECT_TRUE(e.bildBirne && e.isoBirne && e.massstabBirne);
    EXPECT_EQ(e.lampeMassstab, LampenFarbe::Gruen);
    EXPECT_EQ(e.lampeAuftragsdaten, LampenFarbe::Gruen);
    EXPECT_EQ(e.lampeBprImport, LampenFarbe::Gruen);
    EXPECT_EQ(e.lampeDicomImport, LampenFarbe::Rot);
    EXPECT_TRUE(e.bearbeitenSichtbar);

    EXPECT_EQ(lampenRgb(LampenFarbe::Gruen), QColor(0, 255, 0));
    EXPECT_EQ(lampenRgb(LampenFarbe::Rot), QColor(255, 0, 0));
    EXPECT_EQ(lampenRgb(LampenFarbe::Gelb), QColor(255, 255, 0));
}

TEST(Ablauf, InsertionDirectionNotNeededForSiemensElectronOrders)
{
    struct F
    {
        const char *hersteller;
        int art;
        bool typGewaehlt;
        bool gewaehlt;
        bool erledigt;
    };
    const F faelle[] = {
        {"Siemens", 0, true, false, true},
        {"SIEMENS", 0, true, false, true},
        {"siemens", 0, true, false, true},
        {"Siemens", 0, false, false, false}, // order type not chosen yet
        {"Siemens", 1, true, false, false},  // photon order
        {"Siemens", 2, true, false, false},  // kind not chosen counts as photon
        {"Siemens AG", 0, true, false, false},
        {"Elekta", 0, true, false, false},
        {"Elekta", 1, true, true, true},
    };
    for (const F &f : faelle) {
        SCOPED_TRACE(std::string(f.hersteller) + " art " + std::to_string(f.art));
        AblaufZustand z;
        z.beschleunigerHersteller = QString::fromUtf8(f.hersteller);
        z.auftragsart = TAuftragsart(f.art);
        z.status = f.typGewaehlt ? ablauf::Auftragsart : 0;
        z.einschubrichtungGewaehlt = f.gewaehlt;
        const AblaufErgebnis e = ablaufBerechnen(z);
        EXPECT_EQ(bool(e.status & ablauf::Einschubrichtung), f.erledigt);
        EXPECT_EQ(e.lampeEinschubrichtung, f.erledigt ? LampenFarbe::Gruen : LampenFarbe::Rot);
        EXPECT_EQ(e.einschubVorschau, f.erledigt);
    }
}
