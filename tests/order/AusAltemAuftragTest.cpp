#include "config/TKundenDaten.h"
#include "order/TAuftragsdatenRec.h"

#include "order/OrderFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

TAuftragsdatenRec record(const QString &beschleuniger, const QString &bearbeiter, const QString &fba,
                         const QString &efba)
{
    TAuftragsdatenRec r;
    r.Beschleuniger = beschleuniger;
    r.Bearbeiter = bearbeiter;
    r.FBA = fba;
    r.EFBA = efba;
    r.Herkunft = QStringLiteral("vom Kunden");
    r.Legierung = QStringLiteral("Leihgabe von Zarn e.K.");
    r.Transport = QStringLiteral("Kurier");
    return r;
}

} // namespace

TEST(AusAltemAuftrag, ConvertsTheOldCustomerRecord)
{
    FixtureOrder o;
    for (int slotCount : {4, 5, 6}) {
        SCOPED_TRACE(slotCount);
        TKundenDaten k;
        k.LadeStandard();
        k.FFA = 70.0;
        ASSERT_TRUE(k.AusAltemAuftrag(oldCustomerRecord(o, slotCount),
                                      record(QStringLiteral("Varian Clinac 2100"), QStringLiteral(" Frau Dr. Muster, Erika "),
                                             QStringLiteral("60,0"), QStringLiteral("95"))));
        EXPECT_TRUE(k.AusAuftrag);
        EXPECT_DOUBLE_EQ(k.FFA, 100.0);
        EXPECT_EQ(k.VertragsAdresse.Ort, u"Vertragsstadt");
        EXPECT_TRUE(k.Vertragspartner.Name.isEmpty());
        ASSERT_EQ(k.Abteilungen.size(), 1);
        const TAbteilung &abt = k.Abteilungen[0];
        EXPECT_EQ(abt.Name, u"Strahlentherapie");
        EXPECT_EQ(abt.Lieferanschrift.PLZ, u"11111");
        EXPECT_EQ(abt.Rechnungsanschrift.Strasse, u"Rechnungsweg 2");
        EXPECT_EQ(abt.Abholadresse, TAdresse());
        // Contacts 0, 1 and 3 (2 has a blank name, 4 none).
        ASSERT_EQ(abt.AnP.size(), 3);
        EXPECT_EQ(abt.AnP[0].EMail, u"anton@example.org");
        EXPECT_EQ(abt.AnP[2].Name, u"Zweit, Zeno");
        EXPECT_EQ(abt.AktAnP, 1); // the editor "Frau Dr. Muster, Erika"
        ASSERT_EQ(abt.Beschl.size(), 1);
        EXPECT_EQ(abt.Beschl[0].Beschleuniger, u"Varian");
        EXPECT_EQ(abt.Beschl[0].KBez, u"Varian Clinac 2100");
        EXPECT_EQ(abt.Beschl[0].FBA, u"60,0");
        EXPECT_EQ(abt.Beschl[0].EFBA, u"95");
        EXPECT_EQ(abt.Herkunft, u"vom Kunden");
        EXPECT_EQ(abt.Legierung, u"Leihgabe von Zarn e.K.");
        EXPECT_EQ(abt.Transport, u"Kurier");
    }
}

TEST(AusAltemAuftrag, RulesOfTheConversion)
{
    struct Case
    {
        const char *name;
        QList<QByteArray> names; // contact names 0..4
        const char *beschleuniger, *bearbeiter, *fba, *efba;
        int contacts;
        int current;
        const char *maker, *fbaOut;
    };
    const Case cases[] = {
        {"only the first contact", {"Erster", "", "", "", ""}, "Elekta Synergy", "Herr Erster", "60", "95", 1, 0,
         "Elekta", "60"},
        {"first empty keeps the default contact", {"", "", "Dritter", "", ""}, "X Y", "nobody", "60", "95", 2, 1, "X",
         "60"},
        {"last matching editor wins", {"Gleich", "Gleich", "Anders", "Gleich", ""}, "A B", "Herr Gleich", "60", "95",
         4, 3, "A", "60"},
        {"no blank: no maker", {"Erster", "", "", "", ""}, "Clinac", "", "60", "95", 1, 0, "", "60"},
        {"FBA equal to EFBA", {"Erster", "", "", "", ""}, "A B", "", "95", "95", 1, 0, "A", "42,0"},
        {"FBA equal only after trimming", {"Erster", "", "", "", ""}, "A B", "", "95 ", "95", 1, 0, "A", "95 "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FixtureOrder o;
        for (int i = 0; i < 5; ++i)
            o.contacts[i] = {"Herr", "", c.names[i], "", "", ""};
        TKundenDaten k;
        ASSERT_TRUE(k.AusAltemAuftrag(oldCustomerRecord(o, 6), record(QString::fromUtf8(c.beschleuniger), QString::fromUtf8(c.bearbeiter), QString::fromUtf8(c.fba), QString::fromUtf8(c.efba))));
        const TAbteilung &abt = k.Abteilungen[0];
        EXPECT_EQ(abt.AnP.size(), c.contacts);
        EXPECT_EQ(abt.AktAnP, c.current);
        EXPECT_EQ(abt.Beschl[0].Beschleuniger, QString::fromUtf8(c.maker));
        EXPECT_EQ(abt.Beschl[0].FBA, QString::fromUtf8(c.fbaOut));
    }
}

TEST(AusAltemAuftrag, RefusesOtherSizes)
{
    TKundenDaten k;
    k.LadeStandard();
    const TKundenDaten before = k;
    for (int size : {0, 3173, 3175, 3996 + 411}) {
        EXPECT_FALSE(k.AusAltemAuftrag(QByteArray(size, '\0'), TAuftragsdatenRec{}));
        EXPECT_EQ(k, before);
    }
}
