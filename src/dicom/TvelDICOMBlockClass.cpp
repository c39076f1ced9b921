#include "dicom/TvelDICOMBlockClass.h"

#include "dicom/DumpFields.h"

namespace qv {

namespace {

QString millimetres(qint32 tenths)
{
    return QString::number(tenths / 10.0, 'f', 1).replace(u'.', u',');
}

} // namespace

std::optional<QString> TvelDICOMBlockClass::Unbrauchbar() const
{
    if (BlockNumberOfPoints != BlockData.size())
        return QStringLiteral("Die Anzahl der Punkte (%1) passt nicht zu den Blockdaten (%2 Punkte)")
            .arg(BlockNumberOfPoints)
            .arg(BlockData.size());
    if (BlockData.isEmpty())
        return QStringLiteral("Der Block hat keine Punkte");
    const qint32 grenze = MaxAchsabstandMM * 10;
    for (qsizetype i = 0; i < BlockData.size(); ++i) {
        const QPoint p = BlockData[i];
        if (p.x() < -grenze || p.x() > grenze || p.y() < -grenze || p.y() > grenze)
            return QStringLiteral("Der Punkt %1 (%2 mm, %3 mm) liegt mehr als %4 mm neben der Strahlachse")
                .arg(i + 1)
                .arg(millimetres(p.x()), millimetres(p.y()))
                .arg(MaxAchsabstandMM);
    }
    return std::nullopt;
}

Result<TPointArray> TvelDICOMBlockClass::Contour() const
{
    if (BlockData.isEmpty())
        return Error{QStringLiteral("Zugriff auf eine nicht vorhandene Blockkontur.\n\r")};
    return BlockData;
}

Result<QPoint> TvelDICOMBlockClass::Point(qsizetype index) const
{
    if (index < 0 || index >= BlockData.size())
        return AccessError(QStringLiteral("Zugriff (Index: %1) auf einen nicht vorhandenen Konturpunkt des Blocks.\n\rBereich: %2..%3"),
                           index, BlockData.size());
    return BlockData[index];
}

Result<void> TvelDICOMBlockClass::Read(const DumpLines &lines, qsizetype &index)
{
    auto read = ReadDumpItem(lines, index, [&](qsizetype &i) -> Result<void> {
        const DumpLine &line = lines[i];
        switch (line.tag) {
        case dicomTag(0x300a, 0x00f6):
            return StoreField(DumpSingle(line), SourceToBlockTrayDistance);
        case dicomTag(0x300a, 0x00f8):
            BlockType = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00fa):
            BlockDivergence = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00fc):
            return StoreField(DumpInt(line), BlockNumber);
        case dicomTag(0x300a, 0x00fe):
            BlockName = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00e1):
            MaterialID = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x0100):
            return StoreField(DumpSingle(line), BlockThickness);
        case dicomTag(0x300a, 0x0102):
            return StoreField(DumpSingle(line), BlockTransmission);
        case dicomTag(0x300a, 0x0104):
            return StoreField(DumpInt(line), BlockNumberOfPoints);
        case dicomTag(0x300a, 0x0106):
            return GetDumpPoints(line.text, BlockData);
        default:
            return {};
        }
    });
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden der Blocksequence aus Dump.\n\r"), read.error());
    return {};
}

} // namespace qv
