#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"

#include <QString>

namespace qv {

/// The patient of the plan.
class TvelDICOMPatientClass
{
public:
    QString PatientName;
    QString PatientID;
    QString PatientBirthDate;
    QString PatientSex;
    QString ReferencedSOPClassUID;
    QString ReferencedSOPInstanceUID;

    /// Takes each tag from the top level of the data set, first occurrence: the same tags inside
    /// sequences (Other Patient IDs, referenced studies) belong to other records.
    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype index);
};

} // namespace qv
