#pragma once

#include "DumpBuilder.h"

#include <QByteArray>
#include <QString>

namespace qv::test {

/// A value text for a dump with "~" for CR and "|" for LF, and the patch that puts the line
/// breaks into the built file.
struct ValueWithBreaks
{
    QByteArray placeholder;

    QByteArray bytes() const
    {
        QByteArray b = placeholder;
        return b.replace('~', '\r').replace('|', '\n');
    }
    BytePatch patch() const { return {placeholder, bytes()}; }
    QString latin1() const { return QString::fromLatin1(bytes()); }
};

/// A patient name that holds, after a line break, a whole beam sequence as dcmdump would print
/// it: a beam "INJECTED" at gantry 180 with a square block.
inline const ValueWithBreaks kFakeBeamName{
    "Muster^Max~|(300a,00b0) SQ (Sequence with undefined length)|  (fffe,e000) na (Item)|"
    "    (300a,00c2) LO [INJECTED]|    (300a,00f4) SQ (Sequence)|      (fffe,e000) na (Item)|"
    "        (300a,0104) IS [4]|        (300a,0106) DS [0\\0\\100\\0\\100\\100\\0\\100]|"
    "      (fffe,e00d) na (ItemDelimitationItem)|    (fffe,e0dd) na (SequenceDelimitationItem)|"
    "    (300a,0111) SQ (Sequence)|      (fffe,e000) na (Item)|        (300a,011e) DS [180]|"
    "      (fffe,e00d) na (ItemDelimitationItem)|    (fffe,e0dd) na (SequenceDelimitationItem)|"
    "  (fffe,e00d) na (ItemDelimitationItem)|(fffe,e0dd) na (SequenceDelimitationItem)|Ende"};
/// A beam description whose second line reads as the end of the beam item.
inline const ValueWithBreaks kItemEndDescription{"Oben~|(fffe,e00d) Unten"};
/// A beam name with brackets and an element at the start of its second line.
inline const ValueWithBreaks kBracketName{"Lunge [li]|(300a,00c2) LO [Fremd]|]"};
/// A patient ID holding the very texts dcmdump prints for quoted characters.
inline const QByteArray kEntityId = "PAT&#13;<7>&amp;";

/// A plan of one photon beam, number 1, gantry 10.5, collimator 270, jaws x -50..60 and
/// y -40..70 mm, a shielding block "Lunge" of three points (0,0 100,0 100,50 mm) at a tray
/// distance of 950 mm, with the given texts.
inline QByteArray oneBeamPlan(const QByteArray &patientName, const QByteArray &patientId, const QByteArray &beamName,
                              const QByteArray &description)
{
    return planHeader(patientName, patientId) +
        "(300a,00b0) SQ (Sequence with undefined length)\n"
        "  (fffe,e000) na (Item with undefined length)\n"
        "    (300a,00c0) IS [1]\n"
        "    (300a,00c2) LO [" + beamName + "]\n"
        "    (300a,00c3) ST [" + description + "]\n"
        "    (300a,00f0) IS [1]\n"
        "    (300a,00f4) SQ (Sequence with undefined length)\n"
        "      (fffe,e000) na (Item with undefined length)\n"
        "        (300a,00f6) DS [950]\n"
        "        (300a,00f8) CS [SHIELDING]\n"
        "        (300a,00fc) IS [1]\n"
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
        "(fffe,e0dd) na (SequenceDelimitationItem)\n";
}

/// The one-beam plan with every text value hostile.
inline bool buildPlanWithDumpLikeValues(const QString &target)
{
    return buildDicom(oneBeamPlan(kFakeBeamName.placeholder, kEntityId, kBracketName.placeholder, kItemEndDescription.placeholder),
                      target, {kFakeBeamName.patch(), kItemEndDescription.patch(), kBracketName.patch()});
}

/// 500 points (1000 values) of an outline within a few centimetres.
inline QByteArray fiveHundredPoints()
{
    QByteArray values;
    for (int i = 0; i < 500; ++i)
        values += (i ? "\\" : "") + QByteArray::number(i % 50) + "\\" + QByteArray::number(i / 50);
    return values;
}

/// Beam 1 "Gemischt": block 1 "Minus" states -5 points for three, block 2 "Gut" is sound.
/// Beam 2 "Kaputt": block 3 "Viele" states 135 points for 500, block 4 "Weit" lies 200 km off.
inline bool buildPlanWithImpossibleBlocks(const QString &target)
{
    const auto block = [](const char *number, const char *name, const char *points, const QByteArray &data) {
        return QByteArray("      (fffe,e000) na (Item with undefined length)\n"
                          "        (300a,00f6) DS [650]\n"
                          "        (300a,00f8) CS [SHIELDING]\n"
                          "        (300a,00fc) IS [") + number + "]\n"
                          "        (300a,00fe) LO [" + name + "]\n"
                          "        (300a,0104) IS [" + points + "]\n"
                          "        (300a,0106) DS [" + data + "]\n"
                          "      (fffe,e00d) na (ItemDelimitationItem)\n";
    };
    const auto beam = [](const char *number, const char *name, const QByteArray &blocks) {
        return QByteArray("  (fffe,e000) na (Item with undefined length)\n"
                          "    (300a,00c0) IS [") + number + "]\n"
                          "    (300a,00c2) LO [" + name + "]\n"
                          "    (300a,00f4) SQ (Sequence with undefined length)\n" + blocks +
               "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
               "    (300a,0111) SQ (Sequence with undefined length)\n"
               "      (fffe,e000) na (Item with undefined length)\n"
               "        (300a,0112) IS [0]\n"
               "        (300a,011e) DS [0]\n"
               "      (fffe,e00d) na (ItemDelimitationItem)\n"
               "    (fffe,e0dd) na (SequenceDelimitationItem)\n"
               "  (fffe,e00d) na (ItemDelimitationItem)\n";
    };
    const QByteArray dump = planHeader("Muster^Max", "PAT-8") + "(300a,00b0) SQ (Sequence with undefined length)\n" +
        beam("1", "Gemischt", block("1", "Minus", "-5", "0\\0\\10\\0\\10\\10") + block("2", "Gut", "3", "0\\0\\20\\0\\20\\20")) +
        beam("2", "Kaputt", block("3", "Viele", "135", fiveHundredPoints()) +
                                block("4", "Weit", "3", "0\\0\\-200000000\\0\\0\\10")) +
        "(fffe,e0dd) na (SequenceDelimitationItem)\n";
    return buildDicom(dump, target);
}

} // namespace qv::test
