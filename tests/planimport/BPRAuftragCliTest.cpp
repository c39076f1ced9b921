#include "base/Numbers.h"
#include "support/CliRun.h"
#include "support/CompleteCustomer.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace qv;
using test::CliRun;
using test::runCli;

namespace {

QString example(const char *name)
{
    return qv::test::buildDir() + QStringLiteral("/DemoBPR/") + QString::fromUtf8(name);
}

// What the order holds for a contour of "bpr": each point at 3 pixels per millimetre, closed.
QJsonArray inPixels(const QJsonArray &kontur)
{
    QJsonArray punkte;
    for (const QJsonValue &p : kontur) {
        const QJsonArray xy = p.toArray();
        punkte.append(QJsonArray{qint64(roundHalfEven(3.0 * xy[0].toInt() / 10)), qint64(roundHalfEven(3.0 * xy[1].toInt() / 10))});
    }
    punkte.append(punkte.first());
    return punkte;
}

class BPRAuftragCli : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(qv::test::completeCustomer().SpeichereDatei(kunde)); }
    qv::test::TempProgramFolder folder;
    const QString kunde = folder.file(QStringLiteral("Kunde.cfg"));
    const QString aus = folder.file(QStringLiteral("aus.ORv"));
};

TEST_F(BPRAuftragCli, EverySampleFileBecomesAnOrderAsBprReadsIt)
{
    for (const char *name : {"HEK_Demo.hek", "Huestis_Demo.DAT", "Multidata_Demo.cif", "Parcientific_Demo.A1",
                             "Plato_Demo.pla", "Target_Demo.txt"}) {
        SCOPED_TRACE(name);
        const CliRun gelesen = runCli({QStringLiteral("bpr"), example(name), QStringLiteral("--kunde"), kunde});
        ASSERT_EQ(gelesen.exitCode, 0) << gelesen.err.toStdString();
        const QJsonArray beams = gelesen.json()[QStringLiteral("Beams")].toArray();
        bool einGueltiger = false;
        for (const QJsonValue &b : beams) {
            const QJsonObject beam = b.toObject();
            const QString position = QString::number(beam[QStringLiteral("Position")].toInt());
            const CliRun r = runCli({QStringLiteral("bpr-auftrag"), example(name), position, aus, QStringLiteral("--kunde"), kunde});
            if (!beam[QStringLiteral("Gueltig")].toBool()) {
                EXPECT_EQ(r.exitCode, 1) << position.toStdString();
                continue;
            }
            einGueltiger = true;
            ASSERT_EQ(r.exitCode, 0) << position.toStdString() << r.err.toStdString();
            const CliRun info = runCli({QStringLiteral("info"), aus});
            ASSERT_EQ(info.exitCode, 0);
            const QJsonObject o = info.json();
            const QJsonArray erwartet = beam[QStringLiteral("Konturen")].toArray();
            const QJsonArray konturen = o[QStringLiteral("Konturen")].toArray();
            ASSERT_EQ(konturen.size(), erwartet.size());
            for (qsizetype k = 0; k < konturen.size(); ++k) {
                EXPECT_TRUE(konturen[k][QStringLiteral("Geschlossen")].toBool());
                EXPECT_EQ(konturen[k][QStringLiteral("Punkte")].toArray(), inPixels(erwartet[k].toArray())) << k;
            }
            const QJsonObject daten = o[QStringLiteral("Auftragsdaten")].toObject();
            EXPECT_EQ(daten[QStringLiteral("PatientenID")].toString(), beam[QStringLiteral("PatientenID")].toString());
            EXPECT_EQ(daten[QStringLiteral("Zielvolumen")].toString(), beam[QStringLiteral("Zielvolumen")].toString());
            EXPECT_EQ(o[QStringLiteral("Auftragsart")].toInt(), 1);
        }
        EXPECT_TRUE(einGueltiger);
    }
}

TEST_F(BPRAuftragCli, ErrorsLeaveTheTargetUnchanged)
{
    folder.write(QStringLiteral("aus.ORv"), "alt");
    const QString plato = example("Plato_Demo.pla");
    const struct
    {
        QStringList args;
        int rc;
        const char *meldung;
    } faelle[] = {
        {{plato, QStringLiteral("1")}, 2, "Aufruf:"},
        {{plato, QStringLiteral("1"), aus, QStringLiteral("--bpr-konfig"), QStringLiteral("9")}, 2, "Aufruf:"},
        {{plato, QStringLiteral("1"), aus, QStringLiteral("--art"), QStringLiteral("x")}, 2, "Aufruf:"},
        {{plato, QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde}, 1, "Position 0"},
        {{plato, QStringLiteral("1"), aus, QStringLiteral("--kunde"), folder.file(QStringLiteral("fehlt"))}, 1, "Kundendatei"},
        {{folder.write(QStringLiteral("x.unbekannt"), "1 2 3\n"), QStringLiteral("1"), aus, QStringLiteral("--kunde"), kunde},
         1, "keine Datei eines bekannten Planungssystems"},
    };
    for (const auto &f : faelle) {
        const CliRun r = runCli(QStringList{QStringLiteral("bpr-auftrag")} + f.args);
        EXPECT_EQ(r.exitCode, f.rc) << f.args.join(u' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.errText().contains(QString::fromUtf8(f.meldung))) << r.err.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("aus.ORv")), "alt");
    }
}

} // namespace
