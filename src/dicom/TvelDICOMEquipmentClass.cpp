#include "dicom/TvelDICOMEquipmentClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<void> TvelDICOMEquipmentClass::Read(const DumpLines &lines, qsizetype index)
{
    const TagField fields[] = {{dicomTag(0x0008, 0x0070), &Manufacturer}};
    ReadFirstTopLevel(lines, index, fields);
    return {};
}

} // namespace qv
