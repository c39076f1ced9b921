#pragma once

#include "base/KeinPunkt.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

namespace qv {

// Workspace pixels <-> image-plane units. Halves round to even; without a scale
// (pixelProMM = 0) every result is (0, 0).
QPoint PixelZuMM(const QPoint &p, double pixelProMM);
QPoint PixelZuZehntelMM(const QPoint &p, double pixelProMM);
QPoint ZehntelMMZuPixel(const QPoint &v, double pixelProMM);

/// Place of the paint box inside the panel: the image's aspect ratio, as large as fits,
/// centred. An empty image or panel gives an empty rectangle.
QRect PaintBoxEinpassen(const QSize &panel, const QSize &bild);

/// The mapping between image pixels, page, workspace and device coordinates.
///
/// Page coordinates have their origin at image pixel (W div 2, H div 2), y up; workspace
/// coordinates are page coordinates relative to the isocentre. The device is the paint box
/// (PW x PH); one scale factor serves both axes (the smaller of the two ratios).
class Abbildung
{
public:
    Abbildung() = default;
    Abbildung(const QSize &bild, const QSize &geraet, const QPoint &isozentrum);

    double faktor() const { return m_faktor; }
    const QSize &bild() const { return m_bild; }
    const QSize &geraet() const { return m_geraet; }
    const QPoint &isozentrum() const { return m_iso; }

    QPointF seiteZuGeraet(const QPointF &seite) const;
    QPointF arbeitZuGeraet(const QPointF &arbeit) const { return seiteZuGeraet(arbeit + QPointF(m_iso)); }
    /// Device to page, rounded to the nearest pixel (halves to even).
    QPoint geraetZuSeite(const QPointF &geraet) const;
    QPoint geraetZuArbeit(const QPointF &geraet) const { return geraetZuSeite(geraet) - m_iso; }

    /// Workspace coordinates -> device, for a painter.
    QTransform arbeitZuGeraetTransform() const;

private:
    QSize m_bild;
    QSize m_geraet;
    QPoint m_iso;
    double m_faktor = 1.0;
};

} // namespace qv
