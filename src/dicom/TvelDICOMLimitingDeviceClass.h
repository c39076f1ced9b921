#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDICOMTypes.h"

#include <QString>

namespace qv {

/// One beam limiting device of a beam (item of the Beam Limiting Device Sequence).
class TvelDICOMLimitingDeviceClass
{
public:
    QString DeviceType;
    qint32 NumberOfLeafJawPairs = 0;
    TIntegerArray LeafPositionBoundaries; ///< tenths of a millimetre

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);
};

} // namespace qv
