#include "dicom/TvelDICOMRTPlanClass.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <iterator>
#include <optional>

namespace {

using namespace qv;

// Dumps are written as dcmdump prints them; the comments after the values are left out where
// they do not matter.
const QByteArray kItem = "(fffe,e000) na (Item with undefined length #=1)\n";
const QByteArray kItemEnd = "(fffe,e00d) na (ItemDelimitationItem)\n";
const QByteArray kSeqEnd = "(fffe,e0dd) na (SequenceDelimitationItem)\n";

QByteArray element(const char *tag, const char *vr, const QByteArray &value)
{
    return QByteArray(tag) + ' ' + vr + " [" + value + "]   #  4, 1 Keyword\n";
}

QByteArray empty(const char *tag, const char *vr)
{
    return QByteArray(tag) + ' ' + vr + " (no value available)   #  0, 0 Keyword\n";
}

QByteArray sequence(const char *tag, const QList<QByteArray> &items)
{
    QByteArray s = QByteArray(tag) + " SQ (Sequence with undefined length #=" + QByteArray::number(items.size()) + ")\n";
    for (const QByteArray &item : items)
        s += kItem + item + kItemEnd;
    return s + kSeqEnd;
}

QByteArray jaws(const char *type, const char *positions)
{
    return element("(300a,00b8)", "CS", type) + element("(300a,011c)", "DS", positions);
}

/// A block whose stated number of points is that of its data unless `points` says otherwise.
QByteArray block(const char *name, const char *type, const QByteArray &data, std::optional<int> points = {})
{
    const int values = data.isEmpty() ? 0 : int(data.count('\\')) + 1;
    return element("(300a,00f6)", "DS", "650") + element("(300a,00f8)", "CS", type) +
           element("(300a,00fe)", "LO", name) + element("(300a,0100)", "DS", "80") +
           element("(300a,0104)", "IS", QByteArray::number(points.value_or(values / 2))) + element("(300a,0106)", "DS", data);
}

QByteArray beam(const char *number, const QByteArray &inner)
{
    return element("(300a,00c0)", "IS", number) + inner;
}

QByteArray planDump(const QByteArray &beams)
{
    return element("(0008,0005)", "CS", "ISO_IR 100") + element("(0008,0060)", "CS", "RTPLAN") +
           element("(0008,0070)", "LO", "Hersteller") + element("(0010,0010)", "PN", "Muster^Max") +
           element("(0010,0020)", "LO", "ID-1") + element("(300a,0002)", "SH", "Plan A") + beams;
}

TvelDICOMRTPlanClass load(const QByteArray &dump)
{
    TvelDICOMRTPlanClass plan;
    auto loaded = plan.LoadFromDump(dump);
    EXPECT_TRUE(loaded.ok()) << loaded.error().toStdString();
    return plan;
}

TEST(RTPlan, ReadsBeamsBlocksAndControlPointsInFileOrder)
{
    const QByteArray cp0 = element("(300a,0112)", "IS", "0") +
                           sequence("(300a,011a)", {jaws("X", "-50\\60"), jaws("Y", "-40\\70")}) +
                           element("(300a,011e)", "DS", "180.5") + element("(300a,0120)", "DS", " 90") +
                           element("(300a,0128)", "DS", "-2.5");
    const QByteArray beam1 =
        beam("1", element("(300a,00c2)", "LO", "Feld 1") + element("(300a,00f0)", "IS", "2") +
                      sequence("(300a,00f4)", {block("B1", "SHIELDING", "0\\0\\100\\0\\100\\50"),
                                               block("B2", "SHIELDING", "1\\1\\2\\2\\3\\1\\4\\4")}) +
                      element("(300a,00e0)", "IS", "1") +
                      sequence("(300a,00e3)", {element("(300a,00e4)", "IS", "7") +
                                               element("(300a,00e6)", "DS", "950.5") +
                                               element("(300a,00e9)", "DS", "1.5\\2.5")}) +
                      element("(300a,0110)", "IS", "1") + sequence("(300a,0111)", {cp0}));
    const QByteArray beam2 = beam("2", element("(300a,00c2)", "LO", "Feld 2"));
    const TvelDICOMRTPlanClass plan = load(planDump(sequence("(300a,00b0)", {beam1, beam2})));

    EXPECT_FALSE(plan.IsEmpty());
    EXPECT_EQ(plan.Equipment.Manufacturer, QStringLiteral("Hersteller"));
    EXPECT_EQ(plan.Plan.RTPlanLabel, QStringLiteral("Plan A"));
    ASSERT_EQ(plan.Plan.BeamCount(), 2);
    const TvelDICOMRTBeamClass &b = plan.Plan.Beams[0];
    EXPECT_EQ(b.BeamName, QStringLiteral("Feld 1"));
    EXPECT_EQ(b.NumberOfBlocks, 2);
    ASSERT_EQ(b.Blocks.size(), 2);
    EXPECT_EQ(b.Blocks[0].BlockName, QStringLiteral("B1"));
    EXPECT_EQ(b.Blocks[0].BlockData, (TPointArray{{0, 0}, {1000, 0}, {1000, 500}}));
    EXPECT_EQ(b.Blocks[0].SourceToBlockTrayDistance, 650.0f);
    EXPECT_EQ(b.Blocks[1].BlockName, QStringLiteral("B2"));
    ASSERT_EQ(b.Compensators.size(), 1);
    EXPECT_EQ(b.Compensators[0].CompensatorNumber, 7);
    EXPECT_EQ(b.Compensators[0].SourceToCompensatorTrayDistance, 950.5f) << "a decimal distance keeps its fraction";
    EXPECT_EQ(b.Compensators[0].CompensatorPixelSpacing, QPoint(15, 25));
    ASSERT_EQ(b.ControlPoints.size(), 1);
    const TvelDICOMControlPointClass &cp = b.ControlPoints[0];
    EXPECT_EQ(cp.GantryAngle, 180.5f);
    EXPECT_EQ(cp.BeamLimitingDeviceAngle, 90.0f);
    EXPECT_EQ(cp.TableTopVerticalPosition, -2);
    ASSERT_EQ(cp.LimitingPositions.size(), 2);
    EXPECT_EQ(cp.LimitingPositions[0].Positions, (TPointArray{{-500, 600}}));
    EXPECT_EQ(cp.FieldCorner1(), QPoint(-500, 700));
    EXPECT_EQ(cp.FieldCorner2(), QPoint(600, -400));
    EXPECT_EQ(plan.Plan.Beams[1].BeamName, QStringLiteral("Feld 2"));
}

TEST(RTPlan, NestedSequencesOfAnyKindDoNotSwallowTheNextBeam)
{
    // Applicator with a geometry sequence of two items (known skipped sequence), an unknown
    // sequence in the beam and one in the control point.
    const QByteArray applicator = sequence("(300a,0107)", {element("(300a,0108)", "SH", "A10") +
                                                           sequence("(300a,0431)", {element("(300a,0432)", "CS", "SYM"),
                                                                                    element("(300a,0432)", "CS", "RECT")})});
    const QByteArray unknown = sequence("(300a,0180)", {element("(300a,0182)", "IS", "1") +
                                                        sequence("(300a,0184)", {element("(300a,00c2)", "LO", "innen")}),
                                                        element("(300a,0182)", "IS", "2")});
    const QByteArray cp = element("(300a,0112)", "IS", "0") + sequence("(300a,0190)", {element("(300a,0192)", "CS", "X")}) +
                          element("(300a,011e)", "DS", "45");
    const QByteArray beam1 = beam("1", applicator + unknown + element("(300a,00c2)", "LO", "erster") +
                                           sequence("(300a,0111)", {cp}));
    const QByteArray beam2 = beam("2", element("(300a,00c2)", "LO", "zweiter"));
    const TvelDICOMRTPlanClass plan = load(planDump(sequence("(300a,00b0)", {beam1, beam2})));
    ASSERT_EQ(plan.Plan.BeamCount(), 2);
    EXPECT_EQ(plan.Plan.Beams[0].BeamName, QStringLiteral("erster"));
    EXPECT_EQ(plan.Plan.Beams[0].ControlPoints.at(0).GantryAngle, 45.0f);
    EXPECT_EQ(plan.Plan.Beams[1].BeamName, QStringLiteral("zweiter"));
}

TEST(RTPlan, PatientFieldsComeFromTheTopLevelFirstOccurrence)
{
    const QByteArray dump = sequence("(0008,1110)", {element("(0008,1150)", "UI", "1.2") + element("(0008,1155)", "UI", "1.3")}) +
                            element("(0010,0010)", "PN", "Echt^Anna") + element("(0010,0020)", "LO", "REAL-7") +
                            sequence("(0010,1002)", {element("(0010,0020)", "LO", "OTHER-9")}) +
                            element("(0010,0030)", "DA", "19700101") + element("(0010,0040)", "CS", "F") +
                            element("(0010,0020)", "LO", "LATER") + element("(0020,0010)", "SH", "S1") +
                            sequence("(300a,00b0)", {beam("1", element("(0010,0020)", "LO", "IN-BEAM"))});
    const TvelDICOMRTPlanClass plan = load(dump);
    EXPECT_EQ(plan.Patient.PatientName, QStringLiteral("Echt^Anna"));
    EXPECT_EQ(plan.Patient.PatientID, QStringLiteral("REAL-7"));
    EXPECT_EQ(plan.Patient.PatientBirthDate, QStringLiteral("19700101"));
    EXPECT_EQ(plan.Patient.PatientSex, QStringLiteral("F"));
    EXPECT_EQ(plan.Study.StudyID, QStringLiteral("S1"));
}

TEST(RTPlan, FieldCornersAreChosenByDeviceType)
{
    struct Case
    {
        QList<QByteArray> devices;
        std::optional<QPoint> corner1;
        std::optional<QPoint> corner2;
    } const cases[] = {
        {{jaws("ASYMX", "-50\\60"), jaws("ASYMY", "-40\\70")}, QPoint(-500, 700), QPoint(600, -400)},
        {{jaws("MLCX", "-5\\-5\\5\\5"), jaws("ASYMY", "-40\\70"), jaws("X", "-50\\60")}, QPoint(-500, 700), QPoint(600, -400)},
        {{jaws("ASYMY", "-10\\10"), jaws("MLCX", "-5\\-5\\5\\5")}, std::nullopt, std::nullopt},
        {{jaws("X", "-50\\60")}, std::nullopt, std::nullopt},
        {{}, std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        const QByteArray cp = sequence("(300a,011a)", c.devices);
        const TvelDICOMRTPlanClass plan = load(planDump(sequence("(300a,00b0)", {beam("1", sequence("(300a,0111)", {cp}))})));
        const TvelDICOMControlPointClass &point = plan.Plan.Beams.at(0).ControlPoints.at(0);
        EXPECT_EQ(point.FieldCorner1(), c.corner1) << c.devices.join().toStdString();
        EXPECT_EQ(point.FieldCorner2(), c.corner2) << c.devices.join().toStdString();
    }
}

TEST(RTPlan, EmptyValuesStayEmpty)
{
    const QByteArray dump = planDump(sequence(
        "(300a,00b0)", {empty("(300a,00c0)", "IS") + empty("(300a,00c2)", "LO") + empty("(300a,00f0)", "IS") +
                        sequence("(300a,00f4)", {empty("(300a,00f6)", "DS") + empty("(300a,00fe)", "LO") +
                                                 element("(300a,0104)", "IS", "3") +
                                                 element("(300a,0106)", "DS", "0\\0\\1\\0\\1\\1")})}));
    const TvelDICOMRTPlanClass plan = load(dump);
    const TvelDICOMRTBeamClass &b = plan.Plan.Beams.at(0);
    EXPECT_EQ(b.BeamNumber, 0);
    EXPECT_EQ(b.BeamName, QString());
    EXPECT_EQ(b.NumberOfBlocks, 0);
    EXPECT_EQ(b.Blocks.at(0).SourceToBlockTrayDistance, 0.0f);
    EXPECT_EQ(b.Blocks.at(0).BlockName, QString());
}

TEST(RTPlan, AccessorsNameTheIndexAndTheRange)
{
    const QByteArray beam1 = beam("1", sequence("(300a,00f4)", {block("A", "SHIELDING", "0\\0\\1\\0\\1\\1\\0\\1"),
                                                                block("B", "APERTURE", "0\\0\\2\\0\\2\\2")}) +
                                           sequence("(300a,0111)", {sequence("(300a,011a)", {jaws("X", "1\\2")})}));
    const TvelDICOMRTPlanClass plan = load(planDump(sequence("(300a,00b0)", {beam1})));
    const TvelDICOMRTBeamClass &b = plan.Plan.Beams.at(0);
    const TvelDICOMBlockClass &a = b.Blocks.at(0);
    const TvelDICOMLimitingPositionClass &x = b.ControlPoints.at(0).LimitingPositions.at(0);

    EXPECT_EQ(b.Block(2).error(), QStringLiteral("Zugriff (Index: 2) auf ein nicht vorhandenen Block.\n\rBereich: 0..1"));
    EXPECT_EQ(b.Compensator(0).error(), QStringLiteral("Zugriff (Index: 0) auf ein nicht vorhandenen Block.\n\rBereich: 0..0"));
    EXPECT_EQ(b.ControlPoint(-1).error(),
              QStringLiteral("Zugriff (Index: -1) auf eine nicht vorhandene Maschinenkonfiguration.\n\rBereich: 0..0"));
    EXPECT_EQ(a.Point(5).error(),
              QStringLiteral("Zugriff (Index: 5) auf einen nicht vorhandenen Konturpunkt des Blocks.\n\rBereich: 0..3"));
    EXPECT_EQ(x.Position(1).error(),
              QStringLiteral("Zugriff (Index: 1) auf eine nicht vorhandene Blenden/Leaf Position.\n\rBereich: 0..0"));
    EXPECT_EQ(plan.Plan.Beam(1).error(), QStringLiteral("Zugriff (Index: 1) auf ein nicht vorhandenen Beam.\n\rBereich: 0..0"));
    EXPECT_EQ(TvelDICOMPlanClass().Beam(0).error(),
              QStringLiteral("Zugriff (Index: 0) auf ein nicht vorhandenen Beam.\n\rBereich: 0..0"));
    EXPECT_EQ(TvelDICOMBlockClass().Contour().error(), QStringLiteral("Zugriff auf eine nicht vorhandene Blockkontur.\n\r"));

    ASSERT_TRUE(b.Block(1).ok());
    EXPECT_EQ((*b.Block(1))->BlockName, QStringLiteral("B"));
    EXPECT_EQ(*a.Point(3), QPoint(0, 10));
    EXPECT_EQ(a.Contour()->size(), 4);
}

TEST(RTPlan, BlocksWhoseCountOrCoordinatesCannotBeTrueAreLeftOutAndNamed)
{
    QByteArray tausend; // 1000 values: 500 points
    for (int i = 0; i < 500; ++i)
        tausend += (i ? "\\" : "") + QByteArray::number(i % 7) + "\\" + QByteArray::number(i % 5);
    const struct
    {
        QByteArray data;
        std::optional<int> points;
        const char *reason; ///< nullptr: the block is kept
    } cases[] = {
        {"0\\0\\10\\0\\10\\10", -5, "Die Anzahl der Punkte (-5) passt nicht zu den Blockdaten (3 Punkte)"},
        {tausend, 135, "Die Anzahl der Punkte (135) passt nicht zu den Blockdaten (500 Punkte)"},
        {"0\\0\\10\\0\\10\\10", 0, "Die Anzahl der Punkte (0) passt nicht zu den Blockdaten (3 Punkte)"},
        {"", 0, "Der Block hat keine Punkte"},
        {"0\\0\\200000000\\0\\0\\10", {}, "Der Punkt 2 (200000000,0 mm, 0,0 mm) liegt mehr als 500 mm neben der Strahlachse"},
        {"0\\-500.1\\10\\0\\10\\10", {}, "Der Punkt 1 (0,0 mm, -500,1 mm) liegt mehr als 500 mm neben der Strahlachse"},
        {"-500\\-500\\500\\-500\\500\\500", {}, nullptr},
        {tausend, {}, nullptr},
    };
    QList<QByteArray> bloecke;
    for (qsizetype k = 0; k < qsizetype(std::size(cases)); ++k) {
        const QByteArray name = "B" + QByteArray::number(k);
        bloecke << element("(300a,00fc)", "IS", QByteArray::number(k + 1)) + block(name.constData(), "SHIELDING", cases[k].data, cases[k].points);
    }
    const QByteArray beam1 = beam("7", element("(300a,00c2)", "LO", "Feld \"li\"") + sequence("(300a,00f4)", bloecke));
    const TvelDICOMRTPlanClass plan = load(planDump(sequence("(300a,00b0)", {beam1})));
    const TvelDICOMRTBeamClass &b = plan.Plan.Beams.at(0);
    QStringList kept, reasons;
    for (qsizetype k = 0; k < qsizetype(std::size(cases)); ++k) {
        if (!cases[k].reason)
            kept << QStringLiteral("B%1").arg(k);
        else
            reasons << QStringLiteral("Beam 7 \"Feld \"li\"\", Block %1 \"B%2\": %3; der Block wird nicht übernommen.")
                           .arg(k + 1)
                           .arg(k)
                           .arg(QString::fromUtf8(cases[k].reason));
    }
    QStringList names;
    for (const TvelDICOMBlockClass &block : b.Blocks)
        names << block.BlockName;
    EXPECT_EQ(names, kept);
    EXPECT_EQ(b.AusgelasseneBloecke, reasons);
}

TEST(RTPlan, ReaderErrorsChainOutermostFirstAndLeaveThePlanEmpty)
{
    struct Case
    {
        QByteArray beams;
        QString message;
    } const cases[] = {
        {sequence("(300a,00b0)", {beam("1", sequence("(300a,00f4)", {block("A", "SHIELDING", "1\\2\\3")}))}),
         QStringLiteral("Fehler beim laden von RTPlan aus Dump.\n\r"
                        "Fehler beim laden von Planinformationen aus Dump.\n\r"
                        "Fehler beim laden der BeamSequence aus Dump.\n\r"
                        "Fehler beim laden der Blocksequence aus Dump.\n\r"
                        "Ungerade Anzahl von Koordinaten (3): zum letzten Wert fehlt der zweite.")},
        {sequence("(300a,00b0)", {beam("1", sequence("(300a,0111)", {sequence("(300a,011a)", {jaws("X", "1\\a")})}))}),
         QStringLiteral("Fehler beim laden von RTPlan aus Dump.\n\r"
                        "Fehler beim laden von Planinformationen aus Dump.\n\r"
                        "Fehler beim laden der BeamSequence aus Dump.\n\r"
                        "Fehler beim laden der ControlPoint Sequence aus Dump.\n\r"
                        "Fehler beim laden der LimitingPosition Sequence aus Dump.\n\r"
                        "\"a\" ist keine gültige Zahl.")},
        {sequence("(300a,00b0)", {beam("x1", {})}),
         QStringLiteral("Fehler beim laden von RTPlan aus Dump.\n\r"
                        "Fehler beim laden von Planinformationen aus Dump.\n\r"
                        "Fehler beim laden der BeamSequence aus Dump.\n\r"
                        "\"x1\" ist keine gültige ganze Zahl.")},
        // A beam item that never ends is a format error, not an endless loop.
        {"(300a,00b0) SQ (Sequence)\n" + kItem + element("(300a,00c0)", "IS", "1"),
         QStringLiteral("Fehler beim laden von RTPlan aus Dump.\n\r"
                        "Fehler beim laden von Planinformationen aus Dump.\n\r"
                        "Fehler beim laden der BeamSequence aus Dump.\n\r"
                        "Der Dump endet innerhalb eines Sequenz-Eintrags (Zeile 8).")},
    };
    for (const Case &c : cases) {
        TvelDICOMRTPlanClass plan;
        auto loaded = plan.LoadFromDump(planDump(c.beams));
        ASSERT_FALSE(loaded.ok());
        EXPECT_EQ(loaded.error(), c.message);
        EXPECT_TRUE(plan.IsEmpty());
    }
}

} // namespace
