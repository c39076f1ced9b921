#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/TvelDICOMRTBeamClass.h"

#include <QList>
#include <QString>

namespace qv {

/// The plan itself: its label, date and beams.
class TvelDICOMPlanClass
{
public:
    QString RTPlanLabel;
    QString OperatorsName;
    QString RTPlanDate;
    QString RTPlanTime;
    QString RTPlanGeometry;
    QString ReferencedSOPClassUID;
    QString ReferencedSOPInstanceUID;
    QList<TvelDICOMRTBeamClass> Beams;

    qsizetype BeamCount() const { return Beams.size(); }
    Result<const TvelDICOMRTBeamClass *> Beam(qsizetype index) const;

    /// Scans the top level of the data set from `index` (a later occurrence of a tag wins) and
    /// reads the items of the Beam Sequence.
    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype index);
};

} // namespace qv
