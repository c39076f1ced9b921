#include "dicom/TvelDICOMCompensatorClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<void> TvelDICOMCompensatorClass::Read(const DumpLines &lines, qsizetype &index)
{
    auto read = ReadDumpItem(lines, index, [&](qsizetype &i) -> Result<void> {
        const DumpLine &line = lines[i];
        switch (line.tag) {
        case dicomTag(0x300a, 0x00e4):
            return StoreField(DumpInt(line), CompensatorNumber);
        case dicomTag(0x300a, 0x00e1):
            MaterialID = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00e6):
            return StoreField(DumpSingle(line), SourceToCompensatorTrayDistance);
        case dicomTag(0x300a, 0x00e7):
            return StoreField(DumpInt(line), CompensatorRows);
        case dicomTag(0x300a, 0x00e8):
            return StoreField(DumpInt(line), CompensatorColumns);
        case dicomTag(0x300a, 0x00e9):
            return StoreField(GetDumpPoint(line.text), CompensatorPixelSpacing);
        case dicomTag(0x300a, 0x00ea):
            return StoreField(GetDumpPoint(line.text), CompensatorPosition);
        case dicomTag(0x300a, 0x00eb):
            return GetDumpIntegers(line.text, TransmissionData);
        case dicomTag(0x300a, 0x00ec):
            return GetDumpIntegers(line.text, ThicknessData);
        case dicomTag(0x300a, 0x02e2):
            return StoreField(DumpSingle(line), SourceToCompensatorDistance);
        default:
            return {};
        }
    });
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden der Kompensator Sequence aus Dump.\n\r"), read.error());
    return {};
}

} // namespace qv
