#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/TvelDICOMBlockClass.h"
#include "dicom/TvelDICOMCompensatorClass.h"
#include "dicom/TvelDICOMControlPointClass.h"
#include "dicom/TvelDICOMLimitingDeviceClass.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qv {

/// One beam of the plan (item of the Beam Sequence). Counts and lists are independent: a count
/// is the value the plan states, a list holds the items found. Blocks holds the usable blocks
/// only; each block left out is said in AusgelasseneBloecke.
class TvelDICOMRTBeamClass
{
public:
    qint32 BeamNumber = 0;
    QString BeamName;
    QString BeamDescription;
    QString BeamType;
    QString RadiationType;
    QString HighDoseTechniqueType;
    QString TreatmentMachineName;
    float SourceAxisDistance = 0; ///< mm
    QList<TvelDICOMLimitingDeviceClass> LimitingDevices;
    qint32 NumberOfCompensators = 0;
    QList<TvelDICOMCompensatorClass> Compensators;
    qint32 NumberOfBoli = 0;
    qint32 NumberOfBlocks = 0;
    QList<TvelDICOMBlockClass> Blocks;
    /// One message per block left out, naming beam and block and the reason.
    QStringList AusgelasseneBloecke;
    qint32 NumberOfControlPoints = 0;
    QList<TvelDICOMControlPointClass> ControlPoints;

    Result<const TvelDICOMBlockClass *> Block(qsizetype index) const;
    Result<const TvelDICOMCompensatorClass *> Compensator(qsizetype index) const;
    Result<const TvelDICOMControlPointClass *> ControlPoint(qsizetype index) const;

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);
};

} // namespace qv
