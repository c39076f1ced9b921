#pragma once

#include "order/TAuftrag.h"
#include "workspace/AblaufStatus.h"
#include "workspace/Anzeige.h"
#include "workspace/Arbeitsmodus.h"
#include "workspace/Koordinaten.h"

#include <QImage>
#include <QPoint>

#include <cstdint>

namespace qv {

/// The workspace's view of the order it shows (and edits): inversion, layers, work mode and
/// workflow status. The order itself belongs to the application, the running input to the
/// input controller (Eingabesteuerung).
class Arbeitsflaeche
{
public:
    explicit Arbeitsflaeche(TAuftrag &auftrag) : AblaufStatus(m_eigenerStatus), m_auftrag(&auftrag) {}
    /// The workflow status bits held elsewhere (the order session's).
    Arbeitsflaeche(TAuftrag &auftrag, std::uint16_t &ablaufStatus) : AblaufStatus(ablaufStatus), m_auftrag(&auftrag) {}
    Arbeitsflaeche(const Arbeitsflaeche &) = delete;
    Arbeitsflaeche &operator=(const Arbeitsflaeche &) = delete;

    TAuftrag &auftrag() { return *m_auftrag; }
    const TAuftrag &auftrag() const { return *m_auftrag; }

private:
    std::uint16_t m_eigenerStatus = 0;

public:
    bool Invertiert = false;
    std::uint16_t &AblaufStatus;
    int Modus = ModusBildVorlage;
    Anzeige anzeige;

    bool hatVorlage() const { return m_auftrag->hatVorlage(); }
    /// Both scale points set.
    bool MassstabGesetzt() const { return m_auftrag->MassstabGesetzt(); }

    void VorlageSetzen(const QImage &bild) { m_auftrag->Vorlage = bild; }
    /// The isocentre of an opened order: image and isocentre done.
    void IsozentrumSetzen(const QPoint &seite);
    /// Sets a scale point; the second one also hands the minimum point distance to the contours.
    void MassstabPunktSetzen(int index, const QPoint &p);
    /// Layers shown at the start of every order: all, the scale bar only in mode 0.
    void AnzeigeZuruecksetzen();
    /// Isocentre, scale, field and contours gone, as before a rotation of the image.
    void UeberlagerungenLoeschen();

    /// The mapping for a paint box of the given size (or the image itself when empty).
    Abbildung abbildung(const QSize &geraet = {}) const;

private:
    TAuftrag *m_auftrag;
};

} // namespace qv
