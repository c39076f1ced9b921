#include "support/RtDateiBauer.h"
#include "support/CliRun.h"
#include "support/CompleteCustomer.h"
#include "support/TempProgramFolder.h"

#include "config/TKundenDaten.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using qv::test::CliRun;
using qv::test::RoiBau;
using qv::test::runCli;
using qv::test::StrahlBau;

const QString kStruktur = QStringLiteral("struktur");
const QString kAuftrag = QStringLiteral("struktur-auftrag");

class StrukturCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(qv::test::completeCustomer().SpeichereDatei(kunde));
        RoiBau ptv;
        ptv.nummer = 4;
        ptv.name = "PTV \xfc"; // Latin-1
        // 20 x 20 mm across, 2 mm slices, 30 mm toward the head from the isocentre at (5, 10, -15).
        ptv.konturen = qv::test::quader(5, 10, 15, 10, 10, 10, 2);
        RoiBau fremd = ptv;
        fremd.nummer = 5;
        fremd.name = "Fremd";
        fremd.bezug = "9.9.9";
        RoiBau schraeg = ptv;
        schraeg.nummer = 6;
        schraeg.name = "Schraeg";
        schraeg.konturen[0][1][2] += 3;
        RoiBau doppelt = ptv;
        doppelt.nummer = 8;
        doppelt.name = "Doppelt";
        RoiBau doppelt2 = doppelt;
        doppelt2.nummer = 9;
        ASSERT_TRUE(qv::test::strukturSetSchreiben(
            set, {ptv, fremd, schraeg, RoiBau{7, "Leer", {0, 0, 0}, "1.2.3.4", {}}, doppelt, doppelt2}));
        StrahlBau feld;
        feld.name = "Feld A";
        feld.iso = {5, 10, -15};
        feld.kollimator = 90;
        StrahlBau schief = feld;
        schief.nummer = 2;
        schief.exzenter = 5;
        ASSERT_TRUE(qv::test::planSchreiben(plan, {feld, schief}));
    }
    qv::test::TempProgramFolder folder;
    const QString kunde = folder.file(QStringLiteral("Kunde.cfg"));
    const QString plan = folder.file(QStringLiteral("plan a.dcm"));
    const QString set = folder.file(QStringLiteral("rs.dcm"));
    const QString aus = folder.file(QStringLiteral("aus.ORv"));
    const QString ptv = QStringLiteral("PTV ü");
};

QJsonObject info(const QString &auftrag)
{
    const CliRun r = runCli({QStringLiteral("info"), auftrag});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

TEST_F(StrukturCli, PrintsTheShadowInTheFrameOfTheBlocks)
{
    const CliRun r = runCli({kStruktur, plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand"), QStringLiteral("2,5")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("Plan")].toString(), plan);
    EXPECT_EQ(o[QStringLiteral("BeamIndex")].toInt(), 0);
    EXPECT_EQ(o[QStringLiteral("BeamNumber")].toInt(), 1);
    EXPECT_EQ(o[QStringLiteral("BeamName")].toString(), QStringLiteral("Feld A"));
    const QJsonObject g = o[QStringLiteral("Geometrie")].toObject();
    EXPECT_EQ(g[QStringLiteral("PatientPosition")].toString(), QStringLiteral("HFS"));
    EXPECT_EQ(g[QStringLiteral("GantryAngle")].toDouble(), 0);
    EXPECT_EQ(g[QStringLiteral("BeamLimitingDeviceAngle")].toDouble(), 90);
    EXPECT_EQ(g[QStringLiteral("PatientSupportAngle")].toDouble(), 0);
    EXPECT_EQ(g[QStringLiteral("IsocenterPosition")].toArray(), (QJsonArray{5, 10, -15}));
    EXPECT_EQ(g[QStringLiteral("SourceAxisDistance")].toDouble(), 1000);
    const QJsonObject s = o[QStringLiteral("Struktur")].toObject();
    EXPECT_EQ(s[QStringLiteral("Datei")].toString(), set);
    EXPECT_EQ(s[QStringLiteral("ROINumber")].toInt(), 4);
    EXPECT_EQ(s[QStringLiteral("ROIName")].toString(), ptv);
    EXPECT_EQ(o[QStringLiteral("Rand")].toDouble(), 2.5);
    const QJsonArray konturen = o[QStringLiteral("Konturen")].toArray();
    ASSERT_EQ(konturen.size(), 1);
    // The box lies 30 mm toward the head (+Y at the table); the collimator at 90° turns that to
    // +X. Across: 20 mm at 990 mm from the source, plus the margin.
    int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
    for (const QJsonValue &p : konturen[0].toArray()) {
        const QJsonArray xy = p.toArray();
        ASSERT_EQ(xy.size(), 2);
        ASSERT_TRUE(xy[0].isDouble() && xy[0].toDouble() == xy[0].toInt()) << "whole tenths of a millimetre";
        minX = std::min(minX, xy[0].toInt());
        maxX = std::max(maxX, xy[0].toInt());
        minY = std::min(minY, xy[1].toInt());
        maxY = std::max(maxY, xy[1].toInt());
    }
    EXPECT_NEAR(maxX, (41 * 1000.0 / 990 + 2.5) * 10, 0.6);
    EXPECT_NEAR(minX, (19 * 1000.0 / 1010 - 2.5) * 10, 0.6); // the near edge seen at the far face
    EXPECT_NEAR(maxY, (10 * 1000.0 / 990 + 2.5) * 10, 0.6);
    EXPECT_NEAR(minY, -(10 * 1000.0 / 990 + 2.5) * 10, 0.6);

    // A point as the decimal separator, options first.
    const CliRun punkt = runCli({kStruktur, QStringLiteral("--rand"), QStringLiteral("2.5"), plan, QStringLiteral("0"), set, ptv});
    ASSERT_EQ(punkt.exitCode, 0) << punkt.err.toStdString();
    EXPECT_EQ(punkt.out, r.out);
}

TEST_F(StrukturCli, WrongArgumentsAndMarginsOutsideTheRangeGiveTheUsage)
{
    const QStringList faelle[] = {
        {plan, QStringLiteral("0"), set},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("mehr")},
        {plan, QStringLiteral("x"), set, ptv},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand")},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand"), QStringLiteral("50,1")},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand"), QStringLiteral("-1")},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand"), QStringLiteral("1,5.0")},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand"), QStringLiteral("1"), QStringLiteral("--rand"),
         QStringLiteral("2")},
        {plan, QStringLiteral("0"), set, ptv, QStringLiteral("--unbekannt")},
    };
    for (const QStringList &args : faelle) {
        const CliRun r = runCli(QStringList{kStruktur} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.errText().startsWith(u"Aufruf: quellvantar-cli struktur ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        const CliRun a = runCli(QStringList{kAuftrag} + args.mid(0, 4) + QStringList{aus} + args.mid(4));
        EXPECT_EQ(a.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(aus));
    }
    const CliRun rand50 = runCli({kStruktur, plan, QStringLiteral("0"), set, ptv, QStringLiteral("--rand"), QStringLiteral("50")});
    EXPECT_EQ(rand50.exitCode, 0) << rand50.err.toStdString();
}

TEST_F(StrukturCli, RefusalsSayWhyAndWriteNothing)
{
    folder.write(QStringLiteral("aus.ORv"), "alt");
    const QString fremdePlan = folder.file(QStringLiteral("fremd.dcm"));
    ASSERT_TRUE(qv::test::planSchreiben(fremdePlan, {StrahlBau{}}, "HFS", "7.7.7"));
    const QString liegend = folder.file(QStringLiteral("liegend.dcm"));
    ASSERT_TRUE(qv::test::planSchreiben(liegend, {StrahlBau{}}, "HFDL"));
    const struct
    {
        QStringList args;
        const char *meldung;
    } faelle[] = {
        {{plan, QStringLiteral("0"), set, QStringLiteral("CTV")}, "Die Struktur \"CTV\" ist im RT-Strukturset"},
        {{plan, QStringLiteral("0"), set, QStringLiteral("Leer")}, "Die Struktur \"Leer\" hat keine Konturen."},
        {{plan, QStringLiteral("0"), set, QStringLiteral("Doppelt")}, "2 Strukturen; welche gemeint ist, bleibt offen"},
        {{plan, QStringLiteral("0"), set, QStringLiteral("Fremd")}, "anderen Bezugssystem (Frame of Reference \"9.9.9\")"},
        {{fremdePlan, QStringLiteral("0"), set, ptv}, "anderen Bezugssystem"},
        {{plan, QStringLiteral("2"), set, ptv}, "keinen Strahl mit dem Index 2"},
        {{plan, QStringLiteral("-1"), set, ptv}, "keinen Strahl mit dem Index -1"},
        {{set, QStringLiteral("0"), set, ptv}, "ist kein RT-Plan"},
        {{plan, QStringLiteral("0"), plan, ptv}, "ist kein RT-Strukturset"},
        {{liegend, QStringLiteral("0"), set, ptv}, "Die Patientenlage \"HFDL\""},
        {{plan, QStringLiteral("1"), set, ptv}, "Exzenterwinkel der Tischplatte von 5°"},
        {{plan, QStringLiteral("0"), set, QStringLiteral("Schraeg")}, "Die Struktur \"Schraeg\" hat Konturen, die nicht in einer axialen"},
        {{folder.file(QStringLiteral("fehlt.dcm")), QStringLiteral("0"), set, ptv}, "ist nicht vorhanden"},
    };
    for (const auto &f : faelle) {
        const CliRun r = runCli(QStringList{kStruktur} + f.args);
        EXPECT_EQ(r.exitCode, 1) << f.meldung;
        EXPECT_TRUE(r.errText().contains(QString::fromUtf8(f.meldung))) << r.err.toStdString();
        EXPECT_EQ(r.errText().count(u'\n'), 1) << "one message: " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        const CliRun a = runCli(QStringList{kAuftrag} + f.args + QStringList{aus, QStringLiteral("--kunde"), kunde});
        EXPECT_EQ(a.exitCode, 1) << f.meldung;
        EXPECT_TRUE(a.errText().contains(QString::fromUtf8(f.meldung))) << a.err.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("aus.ORv")), QByteArray("alt"));
    }
}

// The order of struktur-auftrag is the order dicom-auftrag makes of the same plan whose beam
// holds the printed outlines as APERTURE blocks.
TEST_F(StrukturCli, TheOrderAgreesWithThePlanThatHoldsTheOutlinesAsBlocks)
{
    // Two targets, so that the order of the blocks counts; the beam has a block of its own,
    // whose tray and thickness stay.
    RoiBau zwei;
    zwei.name = "Zwei";
    zwei.konturen = qv::test::quader(-40, 10, -15, 10, 10, 10, 2) + qv::test::quader(45, 10, -15, 15, 12, 10, 2);
    ASSERT_TRUE(qv::test::strukturSetSchreiben(set, {zwei}));
    StrahlBau feld;
    feld.name = "Feld A";
    feld.iso = {5, 10, -15};
    feld.gantry = 20;
    feld.kollimator = 10;
    feld.bloecke = {{{0, 0}, {100, 0}, {100, 100}}};
    feld.blockTyp = "SHIELDING";
    ASSERT_TRUE(qv::test::planSchreiben(plan, {feld}));

    const CliRun json = runCli({kStruktur, plan, QStringLiteral("0"), set, QStringLiteral("Zwei"), QStringLiteral("--rand"),
                                QStringLiteral("3")});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray konturen = json.json()[QStringLiteral("Konturen")].toArray();
    ASSERT_EQ(konturen.size(), 2);
    StrahlBau mitBloecken = feld;
    mitBloecken.bloecke.clear();
    mitBloecken.blockTyp = "APERTURE";
    for (const QJsonValue &k : konturen) {
        QList<std::array<int, 2>> punkte;
        for (const QJsonValue &p : k.toArray())
            punkte.append({p.toArray()[0].toInt(), p.toArray()[1].toInt()});
        mitBloecken.bloecke.append(punkte);
    }
    const QString vergleich = folder.file(QStringLiteral("mit-bloecken.dcm"));
    ASSERT_TRUE(qv::test::planSchreiben(vergleich, {mitBloecken}));

    const QString aus2 = folder.file(QStringLiteral("aus2.ORv"));
    const CliRun a = runCli({kAuftrag, plan, QStringLiteral("0"), set, QStringLiteral("Zwei"), aus, QStringLiteral("--rand"),
                             QStringLiteral("3"), QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    const CliRun b = runCli({QStringLiteral("dicom-auftrag"), vergleich, QStringLiteral("0"), aus2, QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
    EXPECT_EQ(a.err, b.err);

    QJsonObject oa = info(aus), ob = info(aus2);
    ASSERT_EQ(oa[QStringLiteral("Konturen")].toArray().size(), 2);
    EXPECT_EQ(oa[QStringLiteral("Konturen")], ob[QStringLiteral("Konturen")]);
    EXPECT_EQ(oa[QStringLiteral("FeldEcke1")], ob[QStringLiteral("FeldEcke1")]);
    QJsonObject da = oa[QStringLiteral("Auftragsdaten")].toObject(), db = ob[QStringLiteral("Auftragsdaten")].toObject();
    EXPECT_EQ(da[QStringLiteral("Gusshoehe")].toString(), QStringLiteral("7,5 cm"));
    EXPECT_EQ(da[QStringLiteral("FBA")].toString(), QStringLiteral("65"));
    // Only the moment of the order may differ.
    for (QJsonObject *d : {&da, &db}) {
        for (const QString &k : d->keys()) {
            if (k.contains(u"Datum") || k.contains(u"Zeit"))
                d->remove(k);
        }
    }
    EXPECT_EQ(da, db);
}

} // namespace
