#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/TvelDICOMLimitingPositionClass.h"

#include <QList>
#include <QString>

#include <optional>

namespace qv {

/// One control point of a beam (item of the Control Point Sequence): the machine setting.
class TvelDICOMControlPointClass
{
public:
    qint32 ControlPointIndex = 0;
    float CumulativeMetersetWeight = 0;
    QList<TvelDICOMLimitingPositionClass> LimitingPositions;
    float GantryAngle = 0; ///< degrees
    QString GantryRotationDirection;
    float BeamLimitingDeviceAngle = 0; ///< degrees, the collimator angle
    QString BeamLimitingDeviceRotationDirection;
    float PatientSupportAngle = 0;
    QString PatientSupportRotationDirection;
    float TableTopEccentricAngle = 0;
    QString TableTopEccentricRotationDirection;
    qint32 TableTopVerticalPosition = 0;     ///< whole mm
    qint32 TableTopLongitudinalPosition = 0; ///< whole mm
    qint32 TableTopLateralPosition = 0;      ///< whole mm

    /// Field corner (X1, Y2) from the X jaws (type X or ASYMX) and the Y jaws (Y or ASYMY);
    /// unset when either pair is missing. Leaf collimators are never taken for jaws.
    std::optional<QPoint> FieldCorner1() const;
    /// Field corner (X2, Y1); unset as FieldCorner1.
    std::optional<QPoint> FieldCorner2() const;

    [[nodiscard]] Result<void> Read(const DumpLines &lines, qsizetype &index);

private:
    std::optional<QPoint> jaws(QStringView type, QStringView asymmetricType) const;
};

} // namespace qv
