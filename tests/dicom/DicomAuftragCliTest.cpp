#include "DumpBuilder.h"
#include "HostilePlans.h"
#include "config/TKundenDaten.h"
#include "support/CliRun.h"
#include "support/CompleteCustomer.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

namespace {

using qv::test::buildDicom;
using qv::test::CliRun;
using qv::test::planHeader;
using qv::test::runCli;

QJsonObject info(const QString &auftrag)
{
    const CliRun r = runCli({QStringLiteral("info"), auftrag});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

// One photon beam with a shielding block at a tray distance of 95 cm (outside 30..90) and a
// second beam without blocks.
const QByteArray kPlan = planHeader("Muster^Max", "PAT-7") +
    "(300a,00b0) SQ (Sequence with undefined length)\n"
    "  (fffe,e000) na (Item with undefined length)\n"
    "    (300a,00c0) IS [1]\n"
    "    (300a,00c2) LO [Lunge li]\n"
    "    (300a,00c3) ST [ap]\n"
    "    (300a,00f0) IS [1]\n"
    "    (300a,00f4) SQ (Sequence with undefined length)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,00f6) DS [950]\n"
    "        (300a,00f8) CS [SHIELDING]\n"
    "        (300a,00fe) LO [Lunge]\n"
    "        (300a,0100) DS [75]\n"
    "        (300a,0104) IS [3]\n"
    "        (300a,0106) DS [0\\0\\100\\0\\100\\50]\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "    (300a,0111) SQ (Sequence with undefined length)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,0112) IS [0]\n"
    "        (300a,011a) SQ (Sequence with undefined length)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,00b8) CS [ASYMX]\n"
    "            (300a,011c) DS [-50\\60]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,00b8) CS [ASYMY]\n"
    "            (300a,011c) DS [-40\\70]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "        (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "        (300a,011e) DS [10.5]\n"
    "        (300a,0120) DS [270]\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "  (fffe,e00d) na (ItemDelimitationItem)\n"
    "  (fffe,e000) na (Item with undefined length)\n"
    "    (300a,00c0) IS [2]\n"
    "    (300a,00c2) LO [ohne]\n"
    "    (300a,00f4) SQ (Sequence with undefined length)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "  (fffe,e00d) na (ItemDelimitationItem)\n"
    "(fffe,e0dd) na (SequenceDelimitationItem)\n";

class DicomAuftragCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(qv::test::completeCustomer().SpeichereDatei(kunde));
        ASSERT_TRUE(buildDicom(kPlan, plan));
    }
    qv::test::TempProgramFolder folder;
    const QString kunde = folder.file(QStringLiteral("Kunde.cfg"));
    const QString plan = folder.file(QStringLiteral("plan \"a\"; $(x).dcm"));
    const QString aus = folder.file(QStringLiteral("aus.ORv"));
};

TEST_F(DicomAuftragCli, WritesTheBeamAsAnOrderOnTheRuler)
{
    const CliRun r = runCli({QStringLiteral("dicom-auftrag"), plan, QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.errText().contains(u"Der FBA aus dem Plan liegt nicht zwischen 30 und 90 cm")) << r.err.toStdString();

    const QJsonObject o = info(aus);
    EXPECT_EQ(o[QStringLiteral("Version")].toInt(), 6);
    EXPECT_EQ(o[QStringLiteral("Auftragsart")].toInt(), 1);
    EXPECT_EQ(o[QStringLiteral("PixelProMM")].toDouble(), 3.0);
    EXPECT_EQ(o[QStringLiteral("Einschubrichtung")].toInt(), 2);
    const QJsonArray konturen = o[QStringLiteral("Konturen")].toArray();
    ASSERT_EQ(konturen.size(), 1);
    EXPECT_TRUE(konturen[0][QStringLiteral("Geschlossen")].toBool());
    EXPECT_EQ(konturen[0][QStringLiteral("Punkte")].toArray(),
              (QJsonArray{QJsonArray{0, 0}, QJsonArray{300, 0}, QJsonArray{300, 150}, QJsonArray{0, 0}}));
    EXPECT_EQ(o[QStringLiteral("FeldEcke1")].toArray(), (QJsonArray{-150, 210}));
    EXPECT_EQ(o[QStringLiteral("FeldEcke2")].toArray(), (QJsonArray{180, -120}));
    const QJsonObject daten = o[QStringLiteral("Auftragsdaten")].toObject();
    EXPECT_EQ(daten[QStringLiteral("PatientenID")].toString(), QStringLiteral("PAT-7"));
    EXPECT_EQ(daten[QStringLiteral("Zielvolumen")].toString(), QStringLiteral("Lunge li"));
    EXPECT_EQ(daten[QStringLiteral("KurzKommentar")].toString(), QStringLiteral("ap"));
    EXPECT_EQ(daten[QStringLiteral("Gantrywinkel")].toString(), QStringLiteral("10,50"));
    EXPECT_EQ(daten[QStringLiteral("Kollimatorwinkel")].toString(), QStringLiteral("270,00"));
    EXPECT_EQ(daten[QStringLiteral("FBA")].toString(), QStringLiteral("60")) << "the customer's FBA stays";
    EXPECT_EQ(daten[QStringLiteral("Gusshoehe")].toString(), QStringLiteral("7,5 cm"));
}

TEST_F(DicomAuftragCli, TheRealElectronPlansBecomeElectronOrders)
{
    const QString nase = qv::test::dicomData(QStringLiteral("rtplan_electron_aperture_nose.dcm"));
    const CliRun r = runCli({QStringLiteral("dicom-auftrag"), QStringLiteral("--art"), QStringLiteral("elektronen"), nase,
                          QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = info(aus);
    EXPECT_EQ(o[QStringLiteral("Auftragsart")].toInt(), 0);
    const QJsonArray konturen = o[QStringLiteral("Konturen")].toArray();
    ASSERT_EQ(konturen.size(), 1);
    EXPECT_TRUE(konturen[0][QStringLiteral("Geschlossen")].toBool());
    EXPECT_GE(konturen[0][QStringLiteral("Punkte")].toArray().size(), 136);
    // The plan's 950 mm tray distance belongs to the applicator: the accelerator's FBA stays.
    const QJsonArray abteilungen = o[QStringLiteral("Kundendaten")][QStringLiteral("Abteilungen")].toArray();
    EXPECT_EQ(abteilungen[0][QStringLiteral("Beschl")][0][QStringLiteral("FBA")].toString(), QStringLiteral("60"));
}

TEST_F(DicomAuftragCli, RefusalsLeaveTheTargetAsItWas)
{
    folder.write(QStringLiteral("aus.ORv"), "alt");
    const struct
    {
        QStringList args;
        int rc;
        const char *meldung;
    } faelle[] = {
        {{plan, QStringLiteral("0")}, 2, "Aufruf:"},
        {{plan, QStringLiteral("x"), aus}, 2, "Aufruf:"},
        {{plan, QStringLiteral("0"), aus, QStringLiteral("--art"), QStringLiteral("gamma")}, 2, "Aufruf:"},
        {{plan, QStringLiteral("0"), aus, QStringLiteral("--kunde"), folder.file(QStringLiteral("fehlt.cfg"))}, 1, "Kundendatei"},
        {{plan, QStringLiteral("1"), aus, QStringLiteral("--kunde"), kunde}, 1, "Index: 0"}, // a beam without blocks
        {{plan, QStringLiteral("2"), aus, QStringLiteral("--kunde"), kunde}, 1, "Index: 2"},
        {{qv::test::dicomData(QStringLiteral("ct_image_small.dcm")), QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde}, 1, "kein RT-Plan"},
        {{folder.path(), QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde}, 1, "keine gewöhnliche Datei"},
    };
    for (const auto &f : faelle) {
        const CliRun r = runCli(QStringList{QStringLiteral("dicom-auftrag")} + f.args);
        EXPECT_EQ(r.exitCode, f.rc) << f.args.join(u' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.errText().contains(QString::fromUtf8(f.meldung))) << r.err.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("aus.ORv")), "alt");
    }
}

TEST_F(DicomAuftragCli, AValueNeverMakesOrEndsABeam)
{
    const QString hostile = folder.file(QStringLiteral("hostile.dcm"));
    ASSERT_TRUE(qv::test::buildPlanWithDumpLikeValues(hostile));
    const QByteArray before = folder.read(QStringLiteral("hostile.dcm"));

    CliRun r = runCli({QStringLiteral("dicom-auftrag"), hostile, QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = info(aus);
    const QJsonObject daten = o[QStringLiteral("Auftragsdaten")].toObject();
    EXPECT_EQ(daten[QStringLiteral("PatientenID")].toString(), QString::fromLatin1(qv::test::kEntityId));
    EXPECT_TRUE(daten[QStringLiteral("Zielvolumen")].toString().startsWith(u"Lunge [li]")) << "not the INJECTED beam";
    EXPECT_EQ(daten[QStringLiteral("Gantrywinkel")].toString(), QStringLiteral("10,50")) << "not 180";
    EXPECT_EQ(daten[QStringLiteral("Kollimatorwinkel")].toString(), QStringLiteral("270,00"));
    EXPECT_EQ(o[QStringLiteral("FeldEcke1")].toArray(), (QJsonArray{-150, 210}));
    const QJsonArray konturen = o[QStringLiteral("Konturen")].toArray();
    ASSERT_EQ(konturen.size(), 1);
    EXPECT_EQ(konturen[0][QStringLiteral("Punkte")].toArray(),
              (QJsonArray{QJsonArray{0, 0}, QJsonArray{300, 0}, QJsonArray{300, 150}, QJsonArray{0, 0}}));

    // The plan has that one beam only.
    QFile::remove(aus);
    r = runCli({QStringLiteral("dicom-auftrag"), hostile, QStringLiteral("1"), aus, QStringLiteral("--kunde"), kunde});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errText().contains(u"Zugriff (Index: 1) auf ein nicht vorhandenen Beam")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(aus));
    EXPECT_EQ(folder.read(QStringLiteral("hostile.dcm")), before);
}

TEST_F(DicomAuftragCli, BlocksThatCannotBeTrueAreLeftOutAndABeamWithoutUsableBlocksIsRefused)
{
    const QString bloecke = folder.file(QStringLiteral("bloecke.dcm"));
    ASSERT_TRUE(qv::test::buildPlanWithImpossibleBlocks(bloecke));
    const QByteArray before = folder.read(QStringLiteral("bloecke.dcm"));

    CliRun r = runCli({QStringLiteral("dicom-auftrag"), bloecke, QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.errText().contains(QStringLiteral("Beam 1 \"Gemischt\", Block 1 \"Minus\": Die Anzahl der Punkte (-5) passt "
                                                    "nicht zu den Blockdaten (3 Punkte); der Block wird nicht übernommen.\n")))
        << r.err.toStdString();
    const QJsonArray konturen = info(aus)[QStringLiteral("Konturen")].toArray();
    ASSERT_EQ(konturen.size(), 1);
    EXPECT_EQ(konturen[0][QStringLiteral("Punkte")].toArray().size(), 4);

    folder.write(QStringLiteral("aus.ORv"), "alt");
    r = runCli({QStringLiteral("dicom-auftrag"), bloecke, QStringLiteral("1"), aus, QStringLiteral("--kunde"), kunde});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.errText(),
              QStringLiteral("Beam 2 \"Kaputt\", Block 3 \"Viele\": Die Anzahl der Punkte (135) passt nicht zu den Blockdaten "
                             "(500 Punkte); der Block wird nicht übernommen.\n"
                             "Beam 2 \"Kaputt\", Block 4 \"Weit\": Der Punkt 2 (-200000000,0 mm, 0,0 mm) liegt mehr als 500 mm "
                             "neben der Strahlachse; der Block wird nicht übernommen.\n"
                             "Der Beam 2 \"Kaputt\" enthält keinen verwendbaren Block und wird nicht übernommen.\n"));
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("aus.ORv")), "alt");
    EXPECT_EQ(folder.read(QStringLiteral("bloecke.dcm")), before);
}

// The plan given as the output (by its name, "..", a hard link): refused, the plan intact.
TEST_F(DicomAuftragCli, OutputThatIsThePlanIsRefused)
{
    QFile f(plan);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    const QString hart = folder.file(QStringLiteral("hart.ORv"));
    ASSERT_EQ(::link(QFile::encodeName(plan).constData(), QFile::encodeName(hart).constData()), 0);
    for (const QString &ziel : {plan, folder.file(QStringLiteral("sub/../")) + QFileInfo(plan).fileName(), hart}) {
        const CliRun r = runCli({QStringLiteral("dicom-auftrag"), plan, QStringLiteral("0"), ziel, QStringLiteral("--kunde"), kunde});
        EXPECT_EQ(r.exitCode, 1) << ziel.toStdString();
        EXPECT_TRUE(r.errText().contains(QStringLiteral("ist die Eingabedatei"))) << r.err.toStdString();
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), vorher);
        f.close();
    }
}

} // namespace
