#pragma once

#include "order/TEinschubrichtung.h"

#include <QImage>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>

#include <array>

namespace qv {

/// One element of a tray or frame drawing in 1/100 mm (origin at the central beam axis,
/// y upward): a polyline (closed when its last point is its first) or a circle.
struct Zeichenelement
{
    enum class Art { Linienzug, Kreis };
    Art art = Art::Linienzug;
    int stift = 150; // pen width in drawing units
    QList<QPoint> punkte;
    QPoint mitte;
    int radius = 0;
};

/// The tray (photon order) or frame (electron order) of an accelerator maker ("Varian",
/// "Elekta", "Siemens", "GE", compared exactly), in drawing order. Any other maker: empty.
QList<Zeichenelement> TraegerZeichnung(const QString &hersteller, bool elektronen);

/// The part of the drawing plane that the drawing box shows (x and y from its left/bottom
/// corner; the box maps it isotropically).
QRect ZeichnungsBereich(bool elektronen);

/// The arrow of the main window in its 60 x 60 box (y downward): two head and two shaft
/// lines per direction; no lines for an unknown code.
QList<QLine> EinschubPfeil(TEinschubrichtung code);

/// The fixed arrow beside the dialog's drawing, pointing left, for a box of w x h.
std::array<QLine, 4> DialogPfeil(int w, int h);

/// The order picture and its three clockwise quarter turns, in that order. A picture larger
/// than about twice the box it is shown in is scaled down first, so four copies of a large
/// screenshot never sit in memory. Empty when there is no picture.
QList<QImage> EinschubBilder(const QImage &bild, const QSize &anzeige);

} // namespace qv
