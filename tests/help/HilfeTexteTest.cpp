#include "help/HilfeTexte.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(HilfeTexte, FrameLines)
{
    const QString rahmen = hilfeRahmenZeile();
    EXPECT_EQ(rahmen.size(), 86);
    EXPECT_EQ(rahmen, u' ' + QString(85, u'-'));
    EXPECT_EQ(hilfeGerahmt(QStringLiteral("a\r\nb")), rahmen + QStringLiteral("\r\na\r\nb\r\n") + rahmen);
}

TEST(HilfeTexte, MemoHeightRule)
{
    struct F
    {
        int zeilen, hoehe, breite;
        bool rollbalken;
    };
    const F faelle[] = {
        {1, 16, 265, false},   // 13.2 -> 13
        {5, 69, 265, false},   // 66
        {10, 135, 265, false}, // 132
        {45, 597, 265, false}, // 594
        {46, 600, 285, true},  // 607.2 -> 610 would pass the limit
        {200, 600, 285, true},
    };
    for (const F &f : faelle) {
        const HilfeMemoGroesse g = hilfeMemoGroesse(f.zeilen);
        EXPECT_EQ(g.hoehe, f.hoehe) << f.zeilen;
        EXPECT_EQ(g.breite, f.breite) << f.zeilen;
        EXPECT_EQ(g.rollbalken, f.rollbalken) << f.zeilen;
    }
    EXPECT_EQ(hinweisMemoHoehe(3), 45);
}

TEST(HilfeTexte, ImageModeTextLosesFiveLinesAtExactly34)
{
    QStringList l;
    for (int i = 0; i < 34; ++i)
        l.append(QString::number(i));
    EXPECT_EQ(modusTextZeilenKuerzen(l, true), l.mid(0, 29));
    EXPECT_EQ(modusTextZeilenKuerzen(l, false), l);
    l.append(QStringLiteral("34"));
    EXPECT_EQ(modusTextZeilenKuerzen(l, true), l) << "35 lines stay";
}

TEST(HilfeTexte, PositionsAndPanels)
{
    EXPECT_EQ(hilfePosY(3000), 0);
    EXPECT_EQ(hilfePosY(2999), 2999);
    EXPECT_EQ(hilfePosY(-5), -5);
    EXPECT_EQ(hilfeStandardPosition(QPoint(100, 50), 900, 265), QPoint(735, 90));
    EXPECT_EQ(linkPanelPosition(QSize(265, 400), QSize(200, 60)), QPoint(32, 320));
    EXPECT_EQ(linkPanelPosition(QSize(285, 600), QSize(200, 60)), QPoint(32, 520)) << "scroll bar: 10 to the left";
}

TEST(HilfeTexte, ModeTextsAndGuides)
{
    EXPECT_EQ(modusHilfeTitel(0), u"Bild-Modus");
    EXPECT_EQ(modusHilfeTitel(1), u"Zeichen-Modus");
    EXPECT_EQ(modusHilfeTitel(2), u"BPR-Modus");
    EXPECT_EQ(modusHilfeTitel(3), u"DICOM-Modus");
    EXPECT_TRUE(modusHilfeText(0).startsWith(
        u"Sie können die Hilfe jederzeit im Hauptformular mit \"F1\" aktivieren bzw. deaktivieren!\r\n\r\nIn diesem"));
    EXPECT_TRUE(modusHilfeText(0).endsWith(u"das eingelesene Bild invertieren.\r\n\r\n\r\n\r\n"));
    EXPECT_TRUE(modusHilfeText(1).endsWith(u"Diese Formen können Sie hier generieren."));
    EXPECT_TRUE(modusHilfeText(3).endsWith(u"auf.\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_FALSE(modusHilfeText(3).endsWith(u"\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));

    EXPECT_EQ(hilfeLinkText(HilfeLink::BildHome), modusHilfeText(0));
    EXPECT_EQ(hilfeLinkText(HilfeLink::DicomHome), modusHilfeText(3));
    EXPECT_EQ(hilfeLinkTitel(HilfeLink::DicomHome), u"Dicom-Modus");
    EXPECT_EQ(hilfeLinkText(HilfeLink::Weitere),
              QStringLiteral("Die Beschreibung für weitere Planungssysteme ist in Vorbereitung.")
                  + QStringLiteral("\r\n").repeated(6));
    for (HilfeLink l : {HilfeLink::Plato, HilfeLink::Xio, HilfeLink::Helax, HilfeLink::Pinnacle,
                        HilfeLink::Eclipse, HilfeLink::PrecisePlan, HilfeLink::Masterplan}) {
        EXPECT_FALSE(hilfeLinkTitel(l).isEmpty());
        EXPECT_GT(hilfeLinkText(l).count(u"\r\n"), 3);
        EXPECT_FALSE(hilfeLinkText(l).contains(u'\n' + QString(u'\n'))) << "line breaks are CR LF";
    }
}
