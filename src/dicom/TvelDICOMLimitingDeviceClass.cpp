#include "dicom/TvelDICOMLimitingDeviceClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<void> TvelDICOMLimitingDeviceClass::Read(const DumpLines &lines, qsizetype &index)
{
    auto read = ReadDumpItem(lines, index, [&](qsizetype &i) -> Result<void> {
        const DumpLine &line = lines[i];
        switch (line.tag) {
        case dicomTag(0x300a, 0x00b8):
            DeviceType = DumpText(lines, line);
            break;
        case dicomTag(0x300a, 0x00bc): {
            auto v = DumpInt(line);
            if (!v)
                return Error{v.error()};
            NumberOfLeafJawPairs = *v;
            break;
        }
        case dicomTag(0x300a, 0x00be):
            return GetDumpIntegers(line.text, LeafPositionBoundaries);
        default:
            break;
        }
        return {};
    });
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden der LimitingDevice Sequence aus Dump.\n\r"), read.error());
    return {};
}

} // namespace qv
