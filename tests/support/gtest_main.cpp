#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Core tests may draw into images and use fonts, which needs a QGuiApplication;
// the offscreen platform keeps them independent of a display.
int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
