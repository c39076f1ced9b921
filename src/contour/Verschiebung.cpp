#include "contour/Verschiebung.h"

#include "workspace/Koordinaten.h"

#include <algorithm>
#include <numbers>

namespace qv {

QChar SchrittZeichen(QChar c)
{
    return (c >= u'0' && c <= u'9') ? c : QChar(u'0');
}

int SchrittWert(QStringView text)
{
    int v = 0;
    for (QChar c : text.left(SchrittStellen))
        v = v * 10 + (SchrittZeichen(c).unicode() - u'0');
    return v;
}

QPoint SchrittInPixel(Schrittrichtung richtung, int mm, double pixelProMM)
{
    // At most four digits, so ten times the step fits easily; clamp for any other caller.
    const int z = std::clamp(mm, 0, 9999) * 10;
    QPoint zehntel;
    switch (richtung) {
    case Schrittrichtung::Links: zehntel = {-z, 0}; break;
    case Schrittrichtung::Oben: zehntel = {0, z}; break;
    case Schrittrichtung::Rechts: zehntel = {z, 0}; break;
    case Schrittrichtung::Unten: zehntel = {0, -z}; break;
    }
    return ZehntelMMZuPixel(zehntel, pixelProMM);
}

double GradZuBogen(int grad)
{
    return grad * std::numbers::pi / 180;
}

} // namespace qv
