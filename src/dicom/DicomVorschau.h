#pragma once

#include "dicom/TvelDICOMRTBeamClass.h"

#include <QColor>
#include <QSize>

class QPainter;

namespace qv {

/// Colours of the preview: blocks and the box around an aperture navy, the axis cross lime.
inline const QColor kVorschauBlock(0, 0, 128);
inline const QColor kVorschauKreuz(0, 255, 0);

/// Paints the blocks of one beam: 30 × 30 cm around the beam axis (tenths of a millimetre,
/// y upward) stretched over `size`. A shielding block is a navy polygon; any other block (an
/// aperture) is a white polygon in a navy box. A lime cross marks the axis. Reads only.
void ZeichneDicomVorschau(QPainter &painter, QSize size, const TvelDICOMRTBeamClass &beam);

} // namespace qv
