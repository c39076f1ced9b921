#include "dicom/TvelDICOMStudyClass.h"

#include "dicom/DumpFields.h"

namespace qv {

Result<void> TvelDICOMStudyClass::Read(const DumpLines &lines, qsizetype index)
{
    const TagField fields[] = {
        {dicomTag(0x0020, 0x000d), &StudyInstanceUID},
        {dicomTag(0x0008, 0x0020), &StudyDate},
        {dicomTag(0x0008, 0x0030), &StudyTime},
        {dicomTag(0x0008, 0x0090), &ReferringPhysicianName},
        {dicomTag(0x0020, 0x0010), &StudyID},
        {dicomTag(0x0008, 0x0050), &AccessionNumber},
        {dicomTag(0x0008, 0x1150), &ReferencedSOPClassUID},
        {dicomTag(0x0008, 0x1155), &ReferencedSOPInstanceUID},
    };
    ReadFirstTopLevel(lines, index, fields);
    return {};
}

} // namespace qv
