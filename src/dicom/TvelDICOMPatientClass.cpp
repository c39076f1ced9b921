#include "dicom/TvelDICOMPatientClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<void> TvelDICOMPatientClass::Read(const DumpLines &lines, qsizetype index)
{
    const TagField fields[] = {
        {dicomTag(0x0010, 0x0010), &PatientName},
        {dicomTag(0x0010, 0x0020), &PatientID},
        {dicomTag(0x0010, 0x0030), &PatientBirthDate},
        {dicomTag(0x0010, 0x0040), &PatientSex},
        {dicomTag(0x0008, 0x1150), &ReferencedSOPClassUID},
        {dicomTag(0x0008, 0x1155), &ReferencedSOPInstanceUID},
    };
    ReadFirstTopLevel(lines, index, fields);
    return {};
}

} // namespace qv
