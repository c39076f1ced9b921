#pragma once

#include <QImage>
#include <QSize>

namespace qv {

/// Size of the image that Gedreht returns for a source of this size.
QSize GedrehtGroesse(const QSize &quelle, double winkelGrad);

/// Turns an image by an angle in degrees (positive = counter-clockwise on the screen) onto a
/// white 24-bit image whose size is the bounding box of the turned corners. Nearest pixel,
/// no interpolation; 0 degrees gives an exact copy. A null result means the target image
/// could not be allocated (or the source was empty).
QImage Gedreht(const QImage &quelle, double winkelGrad);

/// A quarter turn clockwise, as a 32-bit image (H wide, W high).
QImage Drehen90(const QImage &bild);

} // namespace qv
