#pragma once

#include "base/Result.h"
#include "dicom/RtPlanGeometrie.h"
#include "dicom/Schattenwurf.h"
#include "dicom/Strukturset.h"
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

/// The target chosen in the import dialog: the ROI of a structure set and the margin.
struct TZielstrukturWahl
{
    QString Strukturset; ///< path of the structure set
    QString ROIName;
    double Rand = 0; ///< mm
};

/// An ROI of a structure set cast through a beam of a plan: the beam's geometry and the union
/// of the shadow, ready to be widened by a margin.
struct TZielstruktur
{
    TStrahlGeometrie Strahl;
    qint32 ROINumber = 0;
    QString ROIName;
    Schattenwurf Schatten;
};

/// Casts the ROI of exactly this name through the beam. Refused, with a German message naming
/// the value: a beam the shadow cannot be cast through, an unknown ROI or a name several ROIs
/// carry, a plan without or with another frame of reference, and what Schattenwurf refuses.
Result<TZielstruktur> ZielstrukturWerfen(const RtPlanGeometrie &plan, qsizetype beamIndex, const Strukturset &set,
                                         const QString &roiName);
/// The same, both files read first.
Result<TZielstruktur> ZielstrukturLesen(const QString &plan, qsizetype beamIndex, const QString &strukturset,
                                        const QString &roiName);

} // namespace qv
