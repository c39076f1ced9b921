#pragma once

#include <QPoint>
#include <QString>
#include <QStringView>

namespace qv {

/// The step fields of the move and rotate dialogs hold a non-negative whole number of at most
/// this many digits (millimetres or degrees).
inline constexpr int SchrittStellen = 4;

/// A key typed into a step field: digits pass, anything else becomes the digit 0.
QChar SchrittZeichen(QChar c);

/// The value of a step field: its first SchrittStellen characters, each non-digit read as 0;
/// an empty field is 0.
int SchrittWert(QStringView text);

enum class Schrittrichtung { Links, Oben, Rechts, Unten };

/// A step of mm millimetres in the image plane as a workspace offset through the scale
/// (pixelProMM; 0 while no scale is set gives (0, 0)).
QPoint SchrittInPixel(Schrittrichtung richtung, int mm, double pixelProMM);

/// Whole degrees as radians for turning contours.
double GradZuBogen(int grad);

} // namespace qv
