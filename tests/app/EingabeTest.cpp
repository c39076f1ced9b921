#include "app/Gummiband.h"
#include "app/MausZweig.h"
#include "app/ZweiPunktKlick.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Eingabe, ConstraintKeys)
{
    const QPoint ref(10, -20);
    const QPoint p(37, 55);
    EXPECT_EQ(zwangAnwenden(p, ref, false, false), p);
    EXPECT_EQ(zwangAnwenden(p, ref, true, false), QPoint(37, -20)) << "Shift: horizontal line";
    EXPECT_EQ(zwangAnwenden(p, ref, false, true), QPoint(10, 55)) << "Ctrl: vertical line";
    EXPECT_EQ(zwangAnwenden(p, ref, true, true), ref);
    EXPECT_EQ(zwangAnwenden(p, std::nullopt, true, true), p) << "no reference, no effect";
}

TEST(Eingabe, MouseDownBranches)
{
    struct F
    {
        const char *name;
        MausZustand z;
        MausTaste taste;
        MausZweig zweig;
    };
    MausZustand leer;
    leer.vorlage = true;
    auto mit = [&](auto setze) {
        MausZustand z = leer;
        setze(z);
        return z;
    };
    const F faelle[] = {
        {"no image", MausZustand{}, MausTaste::Links, MausZweig::NurNeuzeichnen},
        {"no image during isocentre input", mit([](MausZustand &z) { z.vorlage = false, z.isoEingabe = true; }),
         MausTaste::Links, MausZweig::NurNeuzeichnen},
        {"idle", leer, MausTaste::Links, MausZweig::NurNeuzeichnen},
        {"isocentre right button", mit([](MausZustand &z) { z.isoEingabe = true; }), MausTaste::Rechts,
         MausZweig::Isozentrum},
        {"contour left", mit([](MausZustand &z) { z.konturEingabeLaeuft = true; }), MausTaste::Links,
         MausZweig::KonturPunkt},
        {"contour right, open", mit([](MausZustand &z) { z.konturEingabeLaeuft = z.aktuelleKonturOffen = true; }),
         MausTaste::Rechts, MausZweig::KonturSchliessen},
        {"contour right, closed", mit([](MausZustand &z) { z.konturEingabeLaeuft = true; }), MausTaste::Rechts,
         MausZweig::KonturEingabeBeenden},
        {"contour middle button", mit([](MausZustand &z) { z.konturEingabeLaeuft = true; }), MausTaste::Andere,
         MausZweig::NurNeuzeichnen},
        {"scale right", mit([](MausZustand &z) { z.massstabEingabe = true; }), MausTaste::Rechts,
         MausZweig::Massstab},
        {"field", mit([](MausZustand &z) { z.feldEingabe = true; }), MausTaste::Links, MausZweig::Feld},
        {"shape", mit([](MausZustand &z) { z.formwerkzeug = true; }), MausTaste::Rechts, MausZweig::Form},
        {"move mode", mit([](MausZustand &z) { z.verschiebenOderDrehen = true; }), MausTaste::Links,
         MausZweig::Auswahl},
        {"isocentre wins over contour", mit([](MausZustand &z) { z.isoEingabe = z.konturEingabeLaeuft = true; }),
         MausTaste::Links, MausZweig::Isozentrum},
    };
    for (const F &f : faelle)
        EXPECT_EQ(mausZweig(f.z, f.taste), f.zweig) << f.name;
}

TEST(Eingabe, TwoClickInputs)
{
    // Shift at the second scale click gives a bar exactly parallel to the x axis
    ZweiPunktKlick k = massstabKlick(std::nullopt, std::nullopt, QPoint(5, 7), true, false);
    EXPECT_EQ(k.punkt, 1);
    EXPECT_EQ(k.wert, QPoint(5, 7)) << "the first point is never constrained";
    k = massstabKlick(QPoint(5, 7), std::nullopt, QPoint(200, 31), true, false);
    EXPECT_EQ(k.punkt, 2);
    EXPECT_EQ(k.wert, QPoint(200, 7));
    k = massstabKlick(QPoint(5, 7), std::nullopt, QPoint(200, 31), false, true);
    EXPECT_EQ(k.wert, QPoint(5, 31));
    EXPECT_EQ(massstabKlick(QPoint(5, 7), QPoint(9, 9), QPoint(1, 1), false, false).punkt, 0);

    EXPECT_EQ(feldKlick(std::nullopt, std::nullopt, QPoint(1, 2)).punkt, 1);
    k = feldKlick(QPoint(1, 2), std::nullopt, QPoint(-4, 9));
    EXPECT_EQ(k.punkt, 2);
    EXPECT_EQ(k.wert, QPoint(-4, 9));
    EXPECT_EQ(feldKlick(QPoint(1, 2), QPoint(3, 4), QPoint(0, 0)).punkt, 0);
}

TEST(Eingabe, RubberBandFigures)
{
    const QPoint p(40, 30);
    Gummiband g = gummiband({}, p, true, true);
    EXPECT_FALSE(g.wartet);
    EXPECT_FALSE(g.fadenkreuz);

    GummibandZustand z;
    z.isoEingabe = true;
    g = gummiband(z, p, false, false);
    EXPECT_TRUE(g.wartet && g.fadenkreuz);
    EXPECT_EQ(g.punkt, p);

    // contour input: a line from the last point, constrained, without crosshair
    z = {};
    z.konturEingabe = true;
    g = gummiband(z, p, true, false);
    EXPECT_TRUE(g.fadenkreuz) << "no open contour yet: crosshair only";
    EXPECT_EQ(g.punkt, p) << "no reference point: keys do nothing";
    z.letzterKonturPunkt = QPoint(0, 10);
    g = gummiband(z, p, true, false);
    EXPECT_FALSE(g.fadenkreuz);
    EXPECT_EQ(g.konturLinieVon, QPoint(0, 10));
    EXPECT_EQ(g.punkt, QPoint(40, 10));

    // scale: crosshair until point 1, then the constrained bar alone
    z = {};
    z.massstabEingabe = true;
    g = gummiband(z, p, false, true);
    EXPECT_TRUE(g.fadenkreuz);
    EXPECT_FALSE(g.massstabVon);
    z.massstabPunkt1 = QPoint(-5, -5);
    g = gummiband(z, p, false, true);
    EXPECT_FALSE(g.fadenkreuz);
    EXPECT_EQ(g.massstabVon, QPoint(-5, -5));
    EXPECT_EQ(g.punkt, QPoint(-5, 30));

    // field and shape: the figure and the crosshair, never constrained
    z = {};
    z.feldEingabe = true;
    z.feldEcke1 = QPoint(1, 1);
    g = gummiband(z, p, true, true);
    EXPECT_TRUE(g.fadenkreuz);
    EXPECT_EQ(g.feldVon, QPoint(1, 1));
    EXPECT_EQ(g.punkt, p);
    z = {};
    z.formwerkzeug = true;
    z.formPunkt1 = QPoint(2, 2);
    g = gummiband(z, p, true, true);
    EXPECT_TRUE(g.fadenkreuz);
    EXPECT_EQ(g.formVon, QPoint(2, 2));
    EXPECT_EQ(g.punkt, p);
}
