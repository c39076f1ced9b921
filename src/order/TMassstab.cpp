#include "order/TMassstab.h"

#include "base/Numbers.h"

#include <cmath>

namespace qv {

void TMassstab::PunktSetzen(int index, const QPoint &p)
{
    PixelProMM = 0;
    if (index != 2) {
        MassstabPunkt1 = p;
        return;
    }
    MassstabPunkt2 = p;
    // Without a first point the distance would be measured from the unset marker.
    if (MassstabAbstand != 0 && istGesetzt(MassstabPunkt1)) {
        const double dx = double(MassstabPunkt1.x()) - MassstabPunkt2.x();
        const double dy = double(MassstabPunkt1.y()) - MassstabPunkt2.y();
        PixelProMM = std::sqrt(dx * dx + dy * dy) / MassstabAbstand;
        MinPunktAbstand = qint32(roundHalfEven(PixelProMM / 10 * 5 + 0.5));
    }
}

void TMassstab::PunkteZuruecksetzen()
{
    MassstabPunkt1 = KeinPunkt;
    MassstabPunkt2 = KeinPunkt;
}

} // namespace qv
