#include "order/Einschubwinkel.h"

namespace qv {

TEinschubrichtung Einschubwinkel::GetEinschubrichtung() const
{
    switch (m_drehwinkel) {
    case 90: return TEinschubrichtung::Oben;
    case 180: return TEinschubrichtung::Links;
    case 270: return TEinschubrichtung::Unten;
    default: return TEinschubrichtung::Rechts;
    }
}

void Einschubwinkel::SetEinschubrichtung(TEinschubrichtung code)
{
    switch (code) {
    case TEinschubrichtung::Links: m_drehwinkel = 180; break;
    case TEinschubrichtung::Rechts: m_drehwinkel = 0; break;
    case TEinschubrichtung::Oben: m_drehwinkel = 90; break;
    case TEinschubrichtung::Unten: m_drehwinkel = 270; break;
    }
    m_neuerWinkel = m_drehwinkel;
}

void Einschubwinkel::CwDrehen()
{
    m_neuerWinkel = m_neuerWinkel >= 270 ? 0 : m_neuerWinkel + 90;
}

QString EinschubrichtungText(TEinschubrichtung code)
{
    switch (code) {
    case TEinschubrichtung::Links: return QStringLiteral("Links");
    case TEinschubrichtung::Rechts: return QStringLiteral("Rechts");
    case TEinschubrichtung::Oben: return QStringLiteral("Oben");
    case TEinschubrichtung::Unten: return QStringLiteral("Unten");
    }
    return {};
}

} // namespace qv
