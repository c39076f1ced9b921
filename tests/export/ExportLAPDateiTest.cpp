#include "export/ExportLAPDatei.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv;

TEST(ExportLAPDatei, Layout)
{
    struct Case
    {
        const char *was;
        QList<QList<QPoint>> konturen;
        double ppmm;
        QByteArray zwischen; // the lines between "C 1" and "END PLY"
    };
    const Case faelle[] = {
        {"no contours", {}, 3.0, ""},
        {"closed triangle", {{{0, 0}, {30, 0}, {0, 30}, {0, 0}}}, 3.0,
         "P 3\r\n0.00 0.00 0\r\n10.00 0.00 0\r\n0.00 10.00 0\r\n0.00 0.00 0\r\n"},
        {"contour without points", {{}}, 3.0, "P -1\r\n"},
        {"3.5 px/mm: 7 px = 2 mm, 5 px = 1.43 mm", {{{7, 5}, {-7, -5}}}, 3.5, "P 1\r\n2.00 1.00 0\r\n-2.00 -1.00 0\r\n"},
        {"halves to even, no negative zero", {{{3, -3}, {9, -1}}}, 2.0, "P 1\r\n2.00 -2.00 0\r\n4.00 0.00 0\r\n"},
        {"no scale", {{{100, -100}}}, 0.0, "P 0\r\n0.00 0.00 0\r\n"},
        {"two contours in order", {{{3, 3}}, {{6, 6}}}, 3.0, "P 0\r\n1.00 1.00 0\r\nP 0\r\n2.00 2.00 0\r\n"},
    };
    for (const Case &f : faelle) {
        ExportQuelle q;
        q.Konturen = f.konturen;
        q.PixelProMM = f.ppmm;
        q.FFA = 0; // not used: the layer file stays in the picture plane
        EXPECT_EQ(LAPDateiInhalt(q), "LAYER START\r\nSTART PLY A9988770\r\nC 1\r\n" + f.zwischen +
                                         "END PLY A9988770\r\nLAYER END\r\n")
            << f.was;
    }
}

TEST(ExportLAPDatei, WriteFailureLeavesNoFile)
{
    QTemporaryDir dir;
    ExportQuelle q;
    q.Konturen = {{{3, 3}}};
    q.PixelProMM = 3;
    EXPECT_TRUE(ExportLAPDatei(q, dir.filePath(QStringLiteral("a.ply"))).ok());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("a.ply"))));
    EXPECT_FALSE(ExportLAPDatei(q, dir.filePath(QStringLiteral("fehlt/a.ply"))).ok());
    EXPECT_FALSE(ExportLAPDatei(q, dir.path()).ok());
}
