#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDICOMTypes.h"

#include <QString>

namespace qv {

/// One compensator of a beam (item of the Compensator Sequence).
class TvelDICOMCompensatorClass
{
public:
    qint32 CompensatorNumber = 0;
    QString MaterialID;
    float SourceToCompensatorTrayDistance = 0; ///< mm (a decimal string in the plan)
    qint32 CompensatorRows = 0;
    qint32 CompensatorColumns = 0;
    QPoint CompensatorPixelSpacing; ///< tenths of a millimetre
    QPoint CompensatorPosition;     ///< tenths of a millimetre
    TIntegerArray TransmissionData; ///< each value × 10, rounded
    TIntegerArray ThicknessData;    ///< tenths of a millimetre
    float SourceToCompensatorDistance = 0; ///< mm (a decimal string in the plan)

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);
};

} // namespace qv
