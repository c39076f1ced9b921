#pragma once

#include "order/TEinschubrichtung.h"

#include <QString>

namespace qv {

/// The angle of the order picture on the tray or frame (0, 90, 180 or 270 degrees clockwise)
/// for the insertion direction: the confirmed one and the one shown while the dialog is open.
class Einschubwinkel
{
public:
    /// The confirmed angle.
    int Drehwinkel() const { return m_drehwinkel; }
    /// The angle shown while the dialog is open.
    int NeuerWinkel() const { return m_neuerWinkel; }

    /// 90 -> Oben, 180 -> Links, 270 -> Unten, any other angle -> Rechts.
    TEinschubrichtung GetEinschubrichtung() const;
    /// Links -> 180, Rechts -> 0, Oben -> 90, Unten -> 270; any other code keeps the angle.
    /// The shown angle follows the confirmed one in every case.
    void SetEinschubrichtung(TEinschubrichtung code);

    /// "CW drehen": a quarter turn clockwise, 270 followed by 0.
    void CwDrehen();
    /// OK: the shown angle becomes the confirmed one.
    void Uebernehmen() { m_drehwinkel = m_neuerWinkel; }
    /// Cancel: back to the confirmed angle.
    void Verwerfen() { m_neuerWinkel = m_drehwinkel; }

private:
    int m_drehwinkel = 0;
    int m_neuerWinkel = 0;
};

/// The settings text of a code: "Links", "Rechts", "Oben", "Unten"; empty for other codes.
QString EinschubrichtungText(TEinschubrichtung code);

} // namespace qv
