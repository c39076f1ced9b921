#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDICOMTypes.h"

#include <QString>

namespace qv {

/// The positions of one limiting device in a control point. A pair of jaws gives one point
/// (first jaw, second jaw): the X jaws (X1, X2), the Y jaws (Y1, Y2).
class TvelDICOMLimitingPositionClass
{
public:
    QString DeviceType;
    TPointArray Positions; ///< tenths of a millimetre

    Result<QPoint> Position(qsizetype index) const;

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);
};

} // namespace qv
