#include "contour/Formen.h"
#include "app/FormenEingabe.h"
#include "contour/TKonturen.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Answer = Messages::Answer;

TKonturen twoShapes()
{
    TKonturen k;
    k.setMinPunktAbstand(4);
    EXPECT_EQ(FormErzeugen(k, FormRechteck, {-75, -75}, {75, 75}), FormErgebnis::Angenommen);
    EXPECT_EQ(FormErzeugen(k, FormKreis, {0, 0}, {30, 0}), FormErgebnis::Angenommen);
    return k;
}

TEST(FormenEingabeTest, AnswersToTheQuestionWhenShapesExist)
{
    struct Case { Answer antwort; bool ffaOk; FormenStart start; int konturen; bool ffaGefragt; };
    const Case faelle[] = {
        {Answer::Yes, true, FormenStart::Weitere, 2, false},
        {Answer::Cancel, true, FormenStart::Abgebrochen, 2, false},
        {Answer::No, true, FormenStart::NeuesFFA, 0, true},
        // The FFA dialog cancelled: the shapes stay.
        {Answer::No, false, FormenStart::Abgebrochen, 2, true},
    };
    for (const Case &f : faelle) {
        TKonturen k = twoShapes();
        test::ScriptedMessages m;
        m.expectAnswer(f.antwort);
        bool gefragt = false;
        const FormenStart s = FormenEingabeBeginnen(k, m, [&] { gefragt = true; return f.ffaOk; });
        EXPECT_EQ(s, f.start) << int(f.antwort);
        EXPECT_EQ(k.Anzahl(), f.konturen) << int(f.antwort);
        EXPECT_EQ(gefragt, f.ffaGefragt) << int(f.antwort);
        EXPECT_EQ(k.MinPunktAbstand(), 4);
        ASSERT_EQ(m.shown().size(), 1);
        EXPECT_EQ(m.shown()[0].buttons, Messages::Buttons::YesNoCancel);
        EXPECT_TRUE(m.shown()[0].text.startsWith(QStringLiteral("Es wurde bereits eine geometrische Form generiert.\r\n")));
    }
}

TEST(FormenEingabeTest, WithoutShapesTheFfaIsAskedAtOnce)
{
    for (bool ok : {true, false}) {
        TKonturen k;
        test::ScriptedMessages m;
        const FormenStart s = FormenEingabeBeginnen(k, m, [&] { return ok; });
        EXPECT_EQ(s, ok ? FormenStart::NeuesFFA : FormenStart::Abgebrochen);
        EXPECT_TRUE(m.shown().isEmpty());
    }
}

TEST(FormenEingabeTest, SizesAcceptPointOrComma)
{
    EXPECT_EQ(FormGroesseLesen(QStringLiteral("5,0")), 5.0);
    EXPECT_EQ(FormGroesseLesen(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(FormGroesseText(QStringLiteral("2.5")), QStringLiteral("2,5"));
    for (const char *kein : {"", "abc", "1,2,3", "1.2.3", "5 cm"})
        EXPECT_FALSE(FormGroesseLesen(QString::fromUtf8(kein)).has_value()) << kein;
}

} // namespace
} // namespace qv
