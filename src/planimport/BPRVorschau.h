#pragma once

#include <QColor>
#include <QSize>

class QPainter;

namespace qv {

struct BPRBeam;

/// The colour of contour m (1..11) in the preview.
QColor BPRKonturFarbe(int m);

/// Paints the preview of a beam: 40 × 40 cm around the beam axis (tenths of a millimetre, y
/// upward) over `size`: the background, the field (the jaws, or 30 × 30 cm when the file gives
/// none), the axes, the contours filled in their colours and the jaw labels. Without a beam
/// only the background, the standard field, the axes and the labels. Reads only.
void ZeichneBPRVorschau(QPainter &painter, QSize size, const BPRBeam *beam);

} // namespace qv
