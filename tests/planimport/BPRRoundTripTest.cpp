// Block files written by the export from order files built byte by byte, read back by the
// planning-system import.
#include "base/Numbers.h"

#include "order/OrderFixture.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include <cstdlib>

using namespace qv::test;

namespace {

// The fixture's customer block: FFA 80 cm, FBA 65,5 cm; its scale is 3 pixels per millimetre.
qint32 iso(qint32 v)
{
    const qint64 p = qv::roundHalfEven(v / 80.0 * 100);
    return qint32(qv::roundHalfEven(double(p) * 10 / 3));
}

} // namespace

TEST(BPRRoundTrip, TheExportsBlockFileGivesTheContoursBack)
{
    FixtureOrder eckig; // direction 3 ("Oben"): the "[Rotation]" line must not turn the contours
    eckig.contours = {{{0, 0}, {100, 0}, {100, 100}, {0, 100}},
                      {{-200, -150}, {-120, -150}, {-120, -60}, {-170, -30}, {-201, -90}},
                      {{300, 10}, {301, 11}, {340, 10}, {320, 60}}}; // neighbouring pixels stay apart
    eckig.field1 = {-250, 180};
    eckig.field2 = {260, -170};

    FixtureOrder gedreht = eckig;
    gedreht.direction = 1;
    gedreht.gantry = "12,5";
    gedreht.kollimator = "355";
    gedreht.patientenId = "R-77";
    gedreht.kurzKommentar = "zweite";
    gedreht.zielvolumen = "Boost";
    gedreht.contours = {{{-40, -40}, {40, -40}, {0, 50}}};

    TempProgramFolder ordner;
    for (const FixtureOrder *o : {&eckig, &gedreht}) {
        const QString auftrag = ordner.write(QStringLiteral("a.ORv"), compressed(orderBody(6, *o)));
        const QString cif = ordner.file(QStringLiteral("a.cif"));
        const CliRun exportiert = runCli({QStringLiteral("export-cif"), auftrag, cif});
        ASSERT_EQ(exportiert.exitCode, 0) << exportiert.err.toStdString();
        const CliRun gelesen = runCli({QStringLiteral("bpr"), cif});
        ASSERT_EQ(gelesen.exitCode, 0) << gelesen.err.toStdString();
        const QJsonObject json = gelesen.json();
        EXPECT_EQ(json[QStringLiteral("Format")][QStringLiteral("Name")].toString(), QStringLiteral("Multidata"));
        const QJsonArray beams = json[QStringLiteral("Beams")].toArray();
        ASSERT_EQ(beams.size(), 1);
        const QJsonObject b = beams[0].toObject();
        EXPECT_TRUE(b[QStringLiteral("Gueltig")].toBool());

        QJsonArray soll;
        for (const QList<QPoint> &kontur : o->contours) {
            QJsonArray punkte;
            for (const QPoint &p : kontur) {
                const QJsonArray t{iso(p.x()), iso(p.y())};
                if (punkte.size() == 1 && punkte[0].toArray() == t)
                    continue;
                punkte.append(t);
            }
            soll.append(punkte);
        }
        EXPECT_EQ(b[QStringLiteral("Konturen")].toArray(), soll);
        EXPECT_EQ(b[QStringLiteral("Gantrywinkel")].toDouble(), qv::parseDecimal(QString::fromLatin1(o->gantry)).value());
        EXPECT_EQ(b[QStringLiteral("Kollimatorwinkel")].toDouble(), qv::parseDecimal(QString::fromLatin1(o->kollimator)).value());
        EXPECT_EQ(b[QStringLiteral("FBA")].toDouble(), 65.5);
        EXPECT_EQ(b[QStringLiteral("PatientenID")].toString(), QString::fromLatin1(o->patientenId));
        EXPECT_EQ(b[QStringLiteral("Kommentar")].toString(), QString::fromLatin1(o->kurzKommentar));
        EXPECT_EQ(b[QStringLiteral("Zielvolumen")].toString(), QString::fromLatin1(o->zielvolumen));

        // The jaws pass through two decimals of centimetres in the block plane: within a tenth.
        const QJsonArray blende = b[QStringLiteral("Blende")].toArray();
        const qint32 soll4[] = {iso(o->field1.x()), iso(o->field2.x()), iso(o->field2.y()), iso(o->field1.y())};
        ASSERT_EQ(blende.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_LE(std::abs(blende[i].toInt() - soll4[i]), 1) << i;
    }
}
