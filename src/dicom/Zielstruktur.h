#pragma once

#include "base/Result.h"
#include "dicom/TvelDICOMRTPlanClass.h"

#include <QList>
#include <QPoint>
#include <QString>

namespace qv {

/// The plan as it would be if beam `beamIndex` held these outlines (tenths of a millimetre in the
/// isocentre plane, the frame of Block Data) as its APERTURE blocks, in this order, in place of
/// the blocks it has. The tray distance, thickness, material and transmission stay those of the
/// beam's first block, where it has one. DICOMBeamUebernehmen then takes them over exactly as it
/// takes over the blocks of a plan.
Result<TvelDICOMRTPlanClass> MitZielstrukturBloecken(TvelDICOMRTPlanClass plan, qsizetype beamIndex,
                                                     const QList<QList<QPoint>> &umrisse, const QString &roiName);

} // namespace qv
