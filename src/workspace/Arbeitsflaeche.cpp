#include "workspace/Arbeitsflaeche.h"

namespace qv {

void Arbeitsflaeche::IsozentrumSetzen(const QPoint &seite)
{
    m_auftrag->Isozentrum = seite;
    m_auftrag->IsozentrumGesetzt = true;
    AblaufStatus = ablauf::Bild | ablauf::Isozentrum;
}

void Arbeitsflaeche::MassstabPunktSetzen(int index, const QPoint &p)
{
    m_auftrag->MassstabPunktSetzen(index, p);
}

void Arbeitsflaeche::AnzeigeZuruecksetzen()
{
    anzeige = Anzeige{};
    anzeige.Scale = Modus == ModusBildVorlage;
}

void Arbeitsflaeche::UeberlagerungenLoeschen()
{
    m_auftrag->UeberlagerungenLoeschen();
}

Abbildung Arbeitsflaeche::abbildung(const QSize &geraet) const
{
    const QSize bild = m_auftrag->Vorlage.size();
    return Abbildung(bild, geraet.isEmpty() ? bild : geraet, m_auftrag->Isozentrum);
}

} // namespace qv
