#pragma once

#include "base/KeinPunkt.h"

#include <QPoint>

namespace qv {

/// The scale of the template image: two points of known distance and what follows from them.
class TMassstab
{
public:
    QPoint MassstabPunkt1 = KeinPunkt;
    QPoint MassstabPunkt2 = KeinPunkt;
    /// Real distance between the two points in millimetres.
    qint32 MassstabAbstand = 10;
    /// Workspace pixels per millimetre in the image plane; 0 while no scale is computed.
    double PixelProMM = 0;
    /// Traced contour points must lie farther apart than this many pixels.
    qint32 MinPunktAbstand = 0;

    /// Point 2 computes the scale; any other index sets point 1 and invalidates it.
    void PunktSetzen(int index, const QPoint &p);
    void MassstabAbstandSetzen(qint32 millimeter) { MassstabAbstand = millimeter; }
    /// Both points set.
    bool MassstabGesetzt() const { return istGesetzt(MassstabPunkt1) && istGesetzt(MassstabPunkt2); }
    /// Both points unset; the scale is gone until two new points are set.
    void PunkteZuruecksetzen();
};

} // namespace qv
