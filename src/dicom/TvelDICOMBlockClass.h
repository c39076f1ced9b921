#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDICOMTypes.h"

#include <QString>

namespace qv {

/// One block of a beam (item of the Block Sequence). Its outline lies in the isocentre plane,
/// relative to the beam axis, as the plan states it.
class TvelDICOMBlockClass
{
public:
    float SourceToBlockTrayDistance = 0; ///< mm
    QString BlockType;                   ///< "SHIELDING", "APERTURE", ...
    QString BlockDivergence;
    qint32 BlockNumber = 0;
    QString BlockName;
    QString MaterialID;
    float BlockThickness = 0; ///< mm
    float BlockTransmission = 0;
    qint32 BlockNumberOfPoints = 0;
    TPointArray BlockData; ///< tenths of a millimetre

    /// The whole outline; a block without points has none to give.
    Result<TPointArray> Contour() const;
    Result<QPoint> Point(qsizetype index) const;

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);
};

} // namespace qv
