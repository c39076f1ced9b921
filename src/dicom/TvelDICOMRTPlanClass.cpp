#include "dicom/TvelDICOMRTPlanClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<void> TvelDICOMRTPlanClass::LoadFromDump(const DumpLines &lines)
{
    *this = TvelDICOMRTPlanClass();
    // None of the top-level readers moves the start: each scans from the first line.
    Result<void> read = Patient.Read(lines, 0);
    if (read)
        read = Study.Read(lines, 0);
    if (read)
        read = Equipment.Read(lines, 0);
    if (read)
        read = Plan.Read(lines, 0);
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden von RTPlan aus Dump.\n\r"), read.error());
    m_empty = false;
    return {};
}

Result<void> TvelDICOMRTPlanClass::LoadFromDump(const QByteArray &dump)
{
    return LoadFromDump(DumpLines(dump));
}

} // namespace qv
