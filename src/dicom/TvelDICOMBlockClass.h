#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDICOMTypes.h"

#include <QString>

#include <optional>

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

    /// Largest distance of a block point from the beam axis, in millimetres in the isocentre
    /// plane, along x and along y: well beyond any field an accelerator gives there (40 × 40 cm,
    /// 200 mm from the axis). A point farther out is a unit or data fault, not a block.
    static constexpr qint32 MaxAchsabstandMM = 500;

    /// Why the block cannot be used, or nothing: the stated number of points must be that of
    /// the block data, there must be points, and every point must lie within MaxAchsabstandMM
    /// of the axis.
    std::optional<QString> Unbrauchbar() const;

    /// The whole outline; a block without points has none to give.
    Result<TPointArray> Contour() const;
    Result<QPoint> Point(qsizetype index) const;

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);
};

} // namespace qv
