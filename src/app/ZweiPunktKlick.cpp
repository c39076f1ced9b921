#include "app/ZweiPunktKlick.h"

namespace qv {

ZweiPunktKlick massstabKlick(std::optional<QPoint> punkt1, std::optional<QPoint> punkt2, QPoint p,
                             bool shift, bool ctrl)
{
    if (!punkt1)
        return {1, p};
    if (!punkt2)
        return {2, zwangAnwenden(p, punkt1, shift, ctrl)};
    return {0, p};
}

ZweiPunktKlick feldKlick(std::optional<QPoint> ecke1, std::optional<QPoint> ecke2, QPoint p)
{
    if (!ecke1)
        return {1, p};
    if (!ecke2)
        return {2, p};
    return {0, p};
}

QPoint zwangAnwenden(QPoint p, std::optional<QPoint> bezug, bool shift, bool ctrl)
{
    if (!bezug)
        return p;
    if (shift)
        p.setY(bezug->y());
    if (ctrl)
        p.setX(bezug->x());
    return p;
}

} // namespace qv
