#include "DumpBuilder.h"
#include "HostilePlans.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>

namespace {

using qv::test::buildDicom;
using qv::test::CliRun;
using qv::test::planHeader;
using qv::test::runCli;

CliRun dicom(const QStringList &args, const CliRun::Options &options = {})
{
    return runCli(QStringList{QStringLiteral("dicom")} + args, options);
}

// A photon plan as a planning system writes it: two beams, the first with two shielding blocks,
// an applicator with a nested geometry sequence of two items and ASYMX/ASYMY jaws after an MLC;
// the second with a compensator and no control points. Latin-1 patient name.
const QByteArray kPhotonPlan = planHeader("M\xfcller^J\xf6rg", "PAT-42") +
    "(0010,1002) SQ (Sequence with undefined length)\n"
    "  (fffe,e000) na (Item with undefined length)\n"
    "    (0010,0020) LO [OTHER-ID]\n"
    "  (fffe,e00d) na (ItemDelimitationItem)\n"
    "(fffe,e0dd) na (SequenceDelimitationItem)\n"
    "(300a,00b0) SQ (Sequence with undefined length)\n"
    "  (fffe,e000) na (Item with undefined length)\n"
    "    (300a,00c0) IS [3]\n"
    "    (300a,00c2) LO [Lunge li]\n"
    "    (300a,00c3) ST [ap \"Feld\"]\n"
    "    (300a,00f0) IS [2]\n"
    "    (300a,00f4) SQ (Sequence with undefined length)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,00f6) DS [650.5]\n"
    "        (300a,00f8) CS [SHIELDING]\n"
    "        (300a,00fe) LO [Lunge]\n"
    "        (300a,0100) DS [0.1]\n"
    "        (300a,0104) IS [3]\n"
    "        (300a,0106) DS [0\\0\\100\\0\\100\\50.05]\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,00f6) DS [650.5]\n"
    "        (300a,00f8) CS [SHIELDING]\n"
    "        (300a,00fe) LO [Herz]\n"
    "        (300a,0100) DS [80]\n"
    "        (300a,0104) IS [4]\n"
    "        (300a,0106) DS [-1.25\\-1.35\\1\\-1\\1\\1\\-1\\1]\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "    (300a,0107) SQ (Sequence with undefined length)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,0108) SH [A10]\n"
    "        (300a,0431) SQ (Sequence with undefined length)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,0432) CS [SYM_SQUARE]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,0432) CS [SYM_RECTANGLE]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "        (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "    (300a,0111) SQ (Sequence with undefined length)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,0112) IS [0]\n"
    "        (300a,011a) SQ (Sequence with undefined length)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,00b8) CS [MLCX]\n"
    "            (300a,011c) DS [-5\\-5\\5\\5]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,00b8) CS [ASYMY]\n"
    "            (300a,011c) DS [-40\\70]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "          (fffe,e000) na (Item with undefined length)\n"
    "            (300a,00b8) CS [ASYMX]\n"
    "            (300a,011c) DS [-50\\60]\n"
    "          (fffe,e00d) na (ItemDelimitationItem)\n"
    "        (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "        (300a,011e) DS [359.9]\n"
    "        (300a,0120) DS [7.0867745e-10]\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "  (fffe,e00d) na (ItemDelimitationItem)\n"
    "  (fffe,e000) na (Item with undefined length)\n"
    "    (300a,00c0) IS [4]\n"
    "    (300a,00c2) LO (no value available)\n"
    "    (300a,00e0) IS [1]\n"
    "    (300a,00e3) SQ (Sequence with undefined length)\n"
    "      (fffe,e000) na (Item with undefined length)\n"
    "        (300a,00e4) IS [5]\n"
    "        (300a,00e6) DS [500.5]\n"
    "      (fffe,e00d) na (ItemDelimitationItem)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "    (300a,00f4) SQ (Sequence with undefined length)\n"
    "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
    "  (fffe,e00d) na (ItemDelimitationItem)\n"
    "(fffe,e0dd) na (SequenceDelimitationItem)\n";

TEST(DicomCli, PrintsTheOverviewAsJson)
{
    qv::test::TempProgramFolder folder;
    ASSERT_TRUE(buildDicom(kPhotonPlan, folder.file(QStringLiteral("photon.dcm"))));
    ASSERT_TRUE(QFile::copy(qv::test::dicomData(QStringLiteral("rtplan_electron_aperture_nose.dcm")), folder.file(QStringLiteral("B_nose"))));
    ASSERT_TRUE(QFile::copy(qv::test::dicomData(QStringLiteral("ct_image_small.dcm")), folder.file(QStringLiteral("a_ct.dcm"))));
    ASSERT_TRUE(QFile::copy(qv::test::dicomData(QStringLiteral("rtplan_noblocks_imrt_4beams.dcm")), folder.file(QStringLiteral("imrt.dcm"))));

    // Relative to the working folder, with a trailing slash.
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    const CliRun r = dicom({QStringLiteral("../")}, CliRun::Options::inFolder(folder.path() + QStringLiteral("/sub")));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    EXPECT_EQ(json.value(QStringLiteral("Verzeichnis")).toString(), QDir(folder.path()).absolutePath());
    const QJsonArray plaene = json.value(QStringLiteral("Plaene")).toArray();
    ASSERT_EQ(plaene.size(), 2);
    EXPECT_EQ(plaene[0][QStringLiteral("Datei")].toString(), QStringLiteral("B_nose")) << "sorted by bytes: upper case first";

    const QJsonObject photon = plaene[1].toObject();
    EXPECT_EQ(photon[QStringLiteral("Datei")].toString(), QStringLiteral("photon.dcm"));
    EXPECT_EQ(photon[QStringLiteral("PatientName")].toString(), QStringLiteral("Müller^Jörg"));
    EXPECT_EQ(photon[QStringLiteral("PatientID")].toString(), QStringLiteral("PAT-42"));
    const QJsonArray beams = photon[QStringLiteral("Beams")].toArray();
    ASSERT_EQ(beams.size(), 2);
    const QJsonObject b0 = beams[0].toObject();
    EXPECT_EQ(b0[QStringLiteral("Index")].toInt(), 0);
    EXPECT_EQ(b0[QStringLiteral("BeamNumber")].toInt(), 3);
    EXPECT_EQ(b0[QStringLiteral("BeamName")].toString(), QStringLiteral("Lunge li"));
    EXPECT_EQ(b0[QStringLiteral("BeamDescription")].toString(), QStringLiteral("ap \"Feld\""));
    EXPECT_EQ(b0[QStringLiteral("FieldCorner1")].toArray(), (QJsonArray{-500, 700}));
    EXPECT_EQ(b0[QStringLiteral("FieldCorner2")].toArray(), (QJsonArray{600, -400}));
    const QJsonArray bloecke = b0[QStringLiteral("Bloecke")].toArray();
    ASSERT_EQ(bloecke.size(), 2);
    EXPECT_EQ(bloecke[0][QStringLiteral("BlockName")].toString(), QStringLiteral("Lunge"));
    EXPECT_EQ(bloecke[0][QStringLiteral("BlockType")].toString(), QStringLiteral("SHIELDING"));
    EXPECT_EQ(bloecke[0][QStringLiteral("Punkte")].toArray(),
              (QJsonArray{QJsonArray{0, 0}, QJsonArray{1000, 0}, QJsonArray{1000, 500}}));
    EXPECT_EQ(bloecke[1][QStringLiteral("Punkte")].toArray().at(0).toArray(), (QJsonArray{-12, -14}));
    EXPECT_EQ(b0[QStringLiteral("Kompensatoren")].toArray(), QJsonArray());

    const QJsonObject b1 = beams[1].toObject();
    EXPECT_EQ(b1[QStringLiteral("BeamName")].toString(), QString());
    EXPECT_TRUE(b1[QStringLiteral("GantryAngle")].isNull());
    EXPECT_TRUE(b1[QStringLiteral("BeamLimitingDeviceAngle")].isNull());
    EXPECT_TRUE(b1[QStringLiteral("FieldCorner1")].isNull());
    EXPECT_TRUE(b1[QStringLiteral("FieldCorner2")].isNull());
    EXPECT_EQ(b1[QStringLiteral("Bloecke")].toArray(), QJsonArray());
    EXPECT_EQ(b1[QStringLiteral("Kompensatoren")].toArray(), (QJsonArray{5}));

    // 32-bit floats in their shortest form, keys in the documented order.
    const QByteArray text = r.out;
    for (const char *literal : {"\"SourceToBlockTrayDistance\": 650.5,", "\"BlockThickness\": 0.1,",
                                "\"GantryAngle\": 359.9,", "\"BeamLimitingDeviceAngle\": 7.0867745e-10,"})
        EXPECT_TRUE(text.contains(literal)) << literal;
    qsizetype at = 0;
    for (const char *key : {"\"Index\"", "\"BeamNumber\"", "\"BeamName\"", "\"BeamDescription\"", "\"GantryAngle\"",
                            "\"BeamLimitingDeviceAngle\"", "\"FieldCorner1\"", "\"FieldCorner2\"", "\"Bloecke\"",
                            "\"BlockName\"", "\"BlockType\"", "\"SourceToBlockTrayDistance\"", "\"BlockThickness\"",
                            "\"Punkte\"", "\"Kompensatoren\""}) {
        const qsizetype next = text.indexOf(key, at);
        EXPECT_GT(next, at) << key;
        at = next;
    }
    EXPECT_LT(text.indexOf("\"Verzeichnis\""), text.indexOf("\"Plaene\""));

    // Every file left out is named with its reason.
    const QString dir = QDir(folder.path()).absolutePath();
    EXPECT_EQ(r.errText(), QStringLiteral("Die Datei %1/a_ct.dcm ist kein RT-Plan mit Blöcken.\n"
                                          "Die Datei %1/imrt.dcm ist kein RT-Plan mit Blöcken.\n")
                               .arg(dir));
}

QJsonArray plaeneOf(const CliRun &r)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(r.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return json.object().value(QStringLiteral("Plaene")).toArray();
}

TEST(DicomCli, ValuesThatReadLikeDumpLinesStayValues)
{
    qv::test::TempProgramFolder folder;
    ASSERT_TRUE(qv::test::buildPlanWithDumpLikeValues(folder.file(QStringLiteral("plan.dcm"))));
    const QByteArray before = folder.read(QStringLiteral("plan.dcm"));
    const CliRun r = dicom({folder.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QJsonArray plaene = plaeneOf(r);
    ASSERT_EQ(plaene.size(), 1);
    const QJsonObject plan = plaene[0].toObject();
    EXPECT_EQ(plan[QStringLiteral("PatientName")].toString(), qv::test::kFakeBeamName.latin1());
    EXPECT_EQ(plan[QStringLiteral("PatientID")].toString(), QString::fromLatin1(qv::test::kEntityId));
    const QJsonArray beams = plan[QStringLiteral("Beams")].toArray();
    ASSERT_EQ(beams.size(), 1) << "no beam from a value";
    const QJsonObject beam = beams[0].toObject();
    EXPECT_EQ(beam[QStringLiteral("BeamName")].toString(), qv::test::kBracketName.latin1());
    EXPECT_EQ(beam[QStringLiteral("BeamDescription")].toString(), qv::test::kItemEndDescription.latin1());
    EXPECT_EQ(beam[QStringLiteral("GantryAngle")].toDouble(), 10.5) << "the item goes on after the description";
    EXPECT_EQ(beam[QStringLiteral("BeamLimitingDeviceAngle")].toDouble(), 270.0);
    EXPECT_EQ(beam[QStringLiteral("FieldCorner1")].toArray(), (QJsonArray{-500, 700}));
    const QJsonArray bloecke = beam[QStringLiteral("Bloecke")].toArray();
    ASSERT_EQ(bloecke.size(), 1);
    EXPECT_EQ(bloecke[0][QStringLiteral("Punkte")].toArray(),
              (QJsonArray{QJsonArray{0, 0}, QJsonArray{1000, 0}, QJsonArray{1000, 500}}));
    EXPECT_EQ(folder.read(QStringLiteral("plan.dcm")), before);
}

TEST(DicomCli, EachPlanIsReadFromItsOwnFileWhateverItsValuesHold)
{
    // The first file's patient name holds the header dcmdump prints before the second file and
    // a patient after it.
    qv::test::TempProgramFolder folder;
    const QString b = QDir(folder.path()).absoluteFilePath(QStringLiteral("b.dcm"));
    const qv::test::ValueWithBreaks name{"Erster^A~|# dcmdump (2/2): " + QFile::encodeName(b) +
                                         "|(0010,0010) PN [Fremd^X]|(0010,0020) LO [FREMD]|"};
    ASSERT_TRUE(buildDicom(qv::test::oneBeamPlan(name.placeholder, "ID-A", "Feld", "ap"), folder.file(QStringLiteral("a.dcm")),
                           {name.patch()}));
    ASSERT_TRUE(buildDicom(kPhotonPlan, b));
    const CliRun r = dicom({folder.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray plaene = plaeneOf(r);
    ASSERT_EQ(plaene.size(), 2);
    EXPECT_EQ(plaene[0][QStringLiteral("PatientName")].toString(), name.latin1());
    EXPECT_EQ(plaene[0][QStringLiteral("PatientID")].toString(), QStringLiteral("ID-A"));
    EXPECT_EQ(plaene[0][QStringLiteral("Beams")].toArray().size(), 1);
    EXPECT_EQ(plaene[1][QStringLiteral("PatientName")].toString(), QStringLiteral("Müller^Jörg"));
    EXPECT_EQ(plaene[1][QStringLiteral("PatientID")].toString(), QStringLiteral("PAT-42"));
    const QJsonArray beams = plaene[1][QStringLiteral("Beams")].toArray();
    ASSERT_EQ(beams.size(), 2);
    EXPECT_EQ(beams[0][QStringLiteral("Bloecke")].toArray().size(), 2);
    EXPECT_EQ(beams[0][QStringLiteral("Bloecke")][0][QStringLiteral("BlockName")].toString(), QStringLiteral("Lunge"));
}

TEST(DicomCli, BlocksThatCannotBeTrueAreLeftOutAndNamed)
{
    qv::test::TempProgramFolder folder;
    const QString plan = folder.file(QStringLiteral("bloecke.dcm"));
    ASSERT_TRUE(qv::test::buildPlanWithImpossibleBlocks(plan));
    const CliRun r = dicom({folder.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray plaene = plaeneOf(r);
    ASSERT_EQ(plaene.size(), 1);
    const QJsonArray beams = plaene[0][QStringLiteral("Beams")].toArray();
    ASSERT_EQ(beams.size(), 2);
    const QJsonArray gemischt = beams[0][QStringLiteral("Bloecke")].toArray();
    ASSERT_EQ(gemischt.size(), 1);
    EXPECT_EQ(gemischt[0][QStringLiteral("BlockName")].toString(), QStringLiteral("Gut"));
    EXPECT_EQ(beams[1][QStringLiteral("Bloecke")].toArray(), QJsonArray());
    const QString datei = QDir(folder.path()).absoluteFilePath(QStringLiteral("bloecke.dcm"));
    EXPECT_EQ(r.errText(),
              QStringLiteral("Datei %1, Beam 1 \"Gemischt\", Block 1 \"Minus\": Die Anzahl der Punkte (-5) passt nicht zu "
                             "den Blockdaten (3 Punkte); der Block wird nicht übernommen.\n"
                             "Datei %1, Beam 2 \"Kaputt\", Block 3 \"Viele\": Die Anzahl der Punkte (135) passt nicht zu "
                             "den Blockdaten (500 Punkte); der Block wird nicht übernommen.\n"
                             "Datei %1, Beam 2 \"Kaputt\", Block 4 \"Weit\": Der Punkt 2 (-200000000,0 mm, 0,0 mm) liegt "
                             "mehr als 500 mm neben der Strahlachse; der Block wird nicht übernommen.\n")
                  .arg(datei));
}

TEST(DicomCli, TheDemonstrationFolderBesideTheProgramHoldsThreePlans)
{
    const CliRun r = dicom({qv::test::buildDir() + QStringLiteral("/DemoDICOM")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(r.out).object().value(QStringLiteral("Plaene")).toArray().size(), 3);
}

TEST(DicomCli, FailsClearlyWithoutFolderOrDcmdump)
{
    qv::test::TempProgramFolder folder;
    CliRun r = dicom({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.errText().startsWith(u"Aufruf: quellvantar-cli dicom VERZEICHNIS")) << r.err.toStdString();

    r = dicom({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Aufruf:"));

    r = dicom({folder.file(QStringLiteral("fehlt"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errText().contains(u"ist nicht vorhanden")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    const QString datei = folder.write(QStringLiteral("datei.dcm"), "x");
    r = dicom({datei});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errText().contains(u"ist kein Verzeichnis")) << r.err.toStdString();

    QProcessEnvironment withoutPath = QProcessEnvironment::systemEnvironment();
    withoutPath.insert(QStringLiteral("PATH"), folder.path());
    r = dicom({folder.path()}, CliRun::Options::withEnvironment(withoutPath));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errText().contains(u"dcmdump")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

} // namespace
