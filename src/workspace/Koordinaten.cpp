#include "workspace/Koordinaten.h"

#include "base/Numbers.h"

#include <algorithm>

namespace qv {

namespace {

qint32 runde(double v)
{
    // Far outside any image; clamp so that a wild value cannot overflow the point.
    return qint32(std::clamp<qint64>(roundHalfEven(v), -2'000'000'000, 2'000'000'000));
}

} // namespace

QPoint PixelZuMM(const QPoint &p, double pixelProMM)
{
    if (pixelProMM == 0)
        return {0, 0};
    return {runde(p.x() / pixelProMM), runde(p.y() / pixelProMM)};
}

QPoint PixelZuZehntelMM(const QPoint &p, double pixelProMM)
{
    if (pixelProMM == 0)
        return {0, 0};
    return {runde(p.x() * 10.0 / pixelProMM), runde(p.y() * 10.0 / pixelProMM)};
}

QPoint ZehntelMMZuPixel(const QPoint &v, double pixelProMM)
{
    if (pixelProMM == 0)
        return {0, 0};
    return {runde(pixelProMM * v.x() / 10.0), runde(pixelProMM * v.y() / 10.0)};
}

QRect PaintBoxEinpassen(const QSize &panel, const QSize &bild)
{
    if (bild.isEmpty() || panel.isEmpty())
        return {};
    const double s = std::min(double(panel.height()) / bild.height(), double(panel.width()) / bild.width());
    const int w = int(roundHalfEven(bild.width() * s));
    const int h = int(roundHalfEven(s * bild.height()));
    return {(panel.width() - w) / 2, (panel.height() - h) / 2, w, h};
}

Abbildung::Abbildung(const QSize &bild, const QSize &geraet, const QPoint &isozentrum)
    : m_bild(bild), m_geraet(geraet), m_iso(isozentrum)
{
    if (!bild.isEmpty() && !geraet.isEmpty())
        m_faktor = std::min(double(geraet.width()) / bild.width(), double(geraet.height()) / bild.height());
}

QPointF Abbildung::seiteZuGeraet(const QPointF &seite) const
{
    return {(seite.x() + m_bild.width() / 2) * m_faktor, (m_bild.height() / 2 - seite.y()) * m_faktor};
}

QPoint Abbildung::geraetZuSeite(const QPointF &geraet) const
{
    return {runde(geraet.x() / m_faktor - m_bild.width() / 2), runde(m_bild.height() / 2 - geraet.y() / m_faktor)};
}

QTransform Abbildung::arbeitZuGeraetTransform() const
{
    const double dx = (m_iso.x() + m_bild.width() / 2) * m_faktor;
    const double dy = (m_bild.height() / 2 - m_iso.y()) * m_faktor;
    return QTransform(m_faktor, 0, 0, -m_faktor, dx, dy);
}

} // namespace qv
