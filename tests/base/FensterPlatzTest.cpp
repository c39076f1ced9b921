#include "base/FensterPlatz.h"

#include <gtest/gtest.h>

using qv::DateiDialogPlatz;
using qv::FensterPlatz;

namespace {

const QRect kScreen(0, 0, 1024, 768);

} // namespace

TEST(FensterPlatz, StaysOnTheScreen)
{
    struct Case
    {
        QPoint vorschlag;
        QSize groesse;
        QPoint erwartet;
    } faelle[] = {
        {{100, 100}, {300, 200}, {100, 100}},    // already fine
        {{900, 700}, {300, 200}, {724, 568}},    // past the bottom right corner
        {{-50, 3000}, {300, 200}, {0, 568}},     // a stored position off the screen
        {{500, 500}, {1200, 900}, {0, 0}},       // larger than the screen: top left visible
    };
    for (const Case &f : faelle)
        EXPECT_EQ(FensterPlatz(kScreen, f.groesse, f.vorschlag), f.erwartet) << f.vorschlag.x() << ',' << f.vorschlag.y();
}

TEST(FensterPlatz, BesideTheImageWhereTheScreenAllows)
{
    const QRect bild(0, 40, 630, 355); // a wide screenshot at the top of the workspace
    const QRect knoepfe(634, 0, 390, 768);
    const QSize hilfe(265, 300);
    // Over the image's right part: right beside the image, the nearest free place.
    EXPECT_EQ(FensterPlatz(kScreen, hilfe, QPoint(365, 40), {bild}), QPoint(638, 40));
    // With the buttons there as well: below the image.
    EXPECT_EQ(FensterPlatz(kScreen, hilfe, QPoint(365, 40), {bild, knoepfe}), QPoint(365, 403));
    // Not covering anything: left where it is.
    EXPECT_EQ(FensterPlatz(kScreen, hilfe, QPoint(300, 420), {bild, knoepfe}), QPoint(300, 420));
    // On a wide screen beside a large image.
    EXPECT_EQ(FensterPlatz(QRect(0, 0, 1920, 1080), hilfe, QPoint(365, 40), {QRect(0, 40, 1200, 1000)}), QPoint(1208, 40));
}

TEST(FensterPlatz, CoversAsLittleAsPossibleWhenNothingIsFree)
{
    const QRect bild(0, 0, 640, 700);
    const QRect knoepfe(640, 0, 384, 700);
    const QSize hilfe(265, 420);
    const QPoint p = FensterPlatz(kScreen, hilfe, QPoint(375, 40), {bild, knoepfe});
    // Nothing is free: the image, the first area, is covered least (not at all, over the
    // buttons); then the buttons as little as possible.
    EXPECT_EQ(QRect(p, hilfe).intersected(bild), QRect());
    EXPECT_EQ(p.y(), 768 - 420);
}

TEST(FensterPlatz, FileDialogsBesideTheHelpWindow)
{
    const QRect haupt(10, 20, 1000, 740);
    const QSize dialog(600, 400);
    EXPECT_EQ(DateiDialogPlatz(haupt, QRect(700, 60, 265, 400), dialog, QPoint(200, 200)), QPoint(100, 60));
    // Never left of the main window.
    EXPECT_EQ(DateiDialogPlatz(haupt, QRect(300, 60, 265, 400), dialog, QPoint(200, 200)), QPoint(10, 60));
    // No help window: where Qt put it.
    EXPECT_EQ(DateiDialogPlatz(haupt, QRect(), dialog, QPoint(200, 200)), QPoint(200, 200));
}
