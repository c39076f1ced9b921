#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/TvelDICOMEquipmentClass.h"
#include "dicom/TvelDICOMPatientClass.h"
#include "dicom/TvelDICOMPlanClass.h"
#include "dicom/TvelDICOMRTSeriesClass.h"
#include "dicom/TvelDICOMStudyClass.h"

namespace qv {

/// What the import takes from the text dump of a DICOM RT Plan.
class TvelDICOMRTPlanClass
{
public:
    TvelDICOMPatientClass Patient;
    TvelDICOMStudyClass Study;
    TvelDICOMRTSeriesClass Series;
    TvelDICOMEquipmentClass Equipment;
    TvelDICOMPlanClass Plan;

    /// True until LoadFromDump has run all readers without error.
    bool IsEmpty() const { return m_empty; }

    /// Reads a whole dump (dcmdump +L of one file). On error the message chains the message
    /// of every reader involved, outermost first, and the plan stays empty.
    [[nodiscard]] Result<void> LoadFromDump(const DumpLines &lines);
    [[nodiscard]] Result<void> LoadFromDump(const QByteArray &dump);

private:
    bool m_empty = true;
};

} // namespace qv
