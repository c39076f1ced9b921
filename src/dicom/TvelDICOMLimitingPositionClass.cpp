#include "dicom/TvelDICOMLimitingPositionClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<QPoint> TvelDICOMLimitingPositionClass::Position(qsizetype index) const
{
    if (index < 0 || index >= Positions.size())
        return AccessError(QStringLiteral("Zugriff (Index: %1) auf eine nicht vorhandene Blenden/Leaf Position.\n\rBereich: %2..%3"),
                           index, Positions.size());
    return Positions[index];
}

Result<void> TvelDICOMLimitingPositionClass::Read(const DumpLines &lines, qsizetype &index)
{
    auto read = ReadDumpItem(lines, index, [&](qsizetype &i) -> Result<void> {
        const DumpLine &line = lines[i];
        if (line.tag == dicomTag(0x300a, 0x00b8))
            DeviceType = DumpText(lines, line);
        else if (line.tag == dicomTag(0x300a, 0x011c))
            return GetDumpPoints(line.text, Positions);
        return {};
    });
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden der LimitingPosition Sequence aus Dump.\n\r"), read.error());
    return {};
}

} // namespace qv
