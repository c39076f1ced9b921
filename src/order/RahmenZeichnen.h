#pragma once

#include "order/Auftragsart.h"

class QPainter;

namespace qv {

class Abbildung;

/// Draws the frame around the aperture, its label below the lower-left corner and, when the
/// aperture does not fit, the warning one line below the label. Only reads.
void RahmenZeichnen(QPainter &painter, const Abbildung &abbildung, const TRahmenUeberlagerung &rahmen);

} // namespace qv
