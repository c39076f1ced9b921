#include "order/TAuftrag.h"

namespace qv {

void TAuftrag::MassstabPunktSetzen(int index, const QPoint &p)
{
    Massstab.PunktSetzen(index, p);
    Konturen.setMinPunktAbstand(Massstab.MinPunktAbstand);
}

void TAuftrag::UeberlagerungenLoeschen()
{
    IsozentrumGesetzt = false;
    Massstab.PunkteZuruecksetzen();
    FeldEcke1 = KeinPunkt;
    FeldEcke2 = KeinPunkt;
    Konturen = TKonturen();
    Konturen.setMinPunktAbstand(Massstab.MinPunktAbstand);
}

} // namespace qv
