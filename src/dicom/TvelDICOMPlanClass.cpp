#include "dicom/TvelDICOMPlanClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<const TvelDICOMRTBeamClass *> TvelDICOMPlanClass::Beam(qsizetype index) const
{
    if (index < 0 || index >= Beams.size())
        return AccessError(QStringLiteral("Zugriff (Index: %1) auf ein nicht vorhandenen Beam.\n\rBereich: %2..%3"), index,
                           Beams.size());
    return &Beams[index];
}

Result<void> TvelDICOMPlanClass::Read(const DumpLines &lines, qsizetype index)
{
    for (qsizetype i = index; i < lines.size(); ++i) {
        const DumpLine &line = lines[i];
        if (line.depth != 0)
            continue;
        switch (line.tag) {
        case dicomTag(0x300a, 0x0002):
            RTPlanLabel = DumpText(lines, line);
            break;
        case dicomTag(0x0008, 0x1070):
            OperatorsName = DumpText(lines, line);
            break;
        case dicomTag(0x300a, 0x0006):
            RTPlanDate = DumpText(lines, line);
            break;
        case dicomTag(0x300a, 0x0007):
            RTPlanTime = DumpText(lines, line);
            break;
        case dicomTag(0x300a, 0x000c):
            RTPlanGeometry = DumpText(lines, line);
            break;
        case dicomTag(0x0008, 0x1150):
            ReferencedSOPClassUID = DumpText(lines, line);
            break;
        case dicomTag(0x0008, 0x1155):
            ReferencedSOPInstanceUID = DumpText(lines, line);
            break;
        case dicomTag(0x300a, 0x00b0): {
            auto read = ReadDumpSequence(lines, i, Beams);
            if (!read)
                return Chained(QStringLiteral("Fehler beim laden von Planinformationen aus Dump.\n\r"), read.error());
            break;
        }
        default:
            break;
        }
    }
    return {};
}

} // namespace qv
