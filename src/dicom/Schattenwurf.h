#pragma once

#include "base/Result.h"
#include "dicom/RtPlanGeometrie.h"
#include "dicom/Strukturset.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace qv {

/// The outlines of a target's shadow: in the beam limiting device system at the isocentre
/// plane, tenths of a millimetre (the frame and unit of Block Data), largest area first.
struct TSchattenUmrisse
{
    QList<QList<QPoint>> Konturen; ///< each counter-clockwise, without a repeated first point
    QStringList Hinweise;          ///< what was left out or coarsened
};

/// The shadow of an ROI from the source of one beam onto the isocentre plane.
///
/// A point p (patient coordinates) goes to table coordinates by the patient position
/// (HFS (x, z, -y), HFP (-x, z, y), FFS (-x, -z, -y), FFP (x, -z, y) of p - iso), is turned by
/// the patient support angle (Rz(s)), into the gantry system (Ry(g) transposed) and into the
/// beam limiting device system (Rz(c) transposed), and is projected from the source at
/// (0, 0, SAD): (x, y) * SAD / (SAD - z). Each contour stands for a slab reaching half the
/// smallest distance between the ROI's planes to either side; the shadow is the union of the
/// shadows of all slabs (both caps and every side face), with holes filled.
///
/// Berechnen does the union once; Umrisse widens it by a margin, cheaply enough for a live
/// preview.
class Schattenwurf
{
public:
    static constexpr double MaxRand = 50; ///< mm
    /// No point of an outline is farther than this from the exact widened union (mm): arc steps,
    /// simplification and the rounding to tenths of a millimetre together.
    static constexpr double Genauigkeit = 0.1;

    /// The union of the slab shadows. Refused (a message naming the ROI): no contours, a contour
    /// that is not CLOSED_PLANAR in one axial plane, fewer than three points, a point at or behind
    /// the source, a shadow reaching more than a metre from the axis, or an empty shadow.
    static Result<Schattenwurf> Berechnen(const TStrahlGeometrie &strahl, const TStrukturROI &roi);

    /// The outlines widened by `randMM` (0 to 50) with round joins, holes filled, at most
    /// TKonturen::MaxKonturen parts (the largest; Hinweise names how many were left out), each
    /// simplified and within a contour's point capacity.
    Result<TSchattenUmrisse> Umrisse(double randMM) const;

    /// A patient point in the beam limiting device system (mm; z toward the source).
    static std::array<double, 3> InStrahlsystem(const TStrahlGeometrie &strahl, const TPatientPunkt &p);

    using Umriss = std::vector<std::array<qint64, 2>>; ///< micrometres

    /// The union before the margin (micrometres).
    const std::vector<Umriss> &Vereinigung() const { return m_vereinigung; }

private:
    QString m_roiName;
    std::vector<Umriss> m_vereinigung;
};

} // namespace qv
