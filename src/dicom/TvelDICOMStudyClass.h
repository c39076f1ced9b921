#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"

#include <QString>

namespace qv {

/// The study the plan belongs to.
class TvelDICOMStudyClass
{
public:
    QString StudyInstanceUID;
    QString StudyDate;
    QString StudyTime;
    QString ReferringPhysicianName;
    QString StudyID;
    QString AccessionNumber;
    QString ReferencedSOPClassUID;
    QString ReferencedSOPInstanceUID;

    /// Top level of the data set, first occurrence of each tag.
    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype index);
};

} // namespace qv
