#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"

#include <QString>

namespace qv {

/// The equipment that wrote the plan.
class TvelDICOMEquipmentClass
{
public:
    QString Manufacturer;

    /// Top level of the data set, first occurrence (beams name their own machine's maker).
    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype index);
};

} // namespace qv
