#pragma once

#include "base/Result.h"
#include "order/TAuftrag.h"
#include "workspace/AblaufStatus.h"
#include "workspace/Arbeitsmodus.h"
#include "workspace/Koordinaten.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

class QPainter;

namespace qv {
class TKundenDaten;

/// The five layers the person can switch off with the light bulbs.
enum class Ebene { Bild, Iso, Scale, Konturen, Feld };

struct Anzeige
{
    bool Bild = true;
    bool Iso = true;
    bool Scale = true;
    bool Konturen = true;
    bool Feld = true;

    bool &operator[](Ebene e);
    bool operator[](Ebene e) const { return const_cast<Anzeige &>(*this)[e]; }
};

/// The workspace's view of the order it shows (and edits): inversion, layers, work mode,
/// workflow status, and which input runs. The order itself belongs to the application.
class Arbeitsflaeche
{
public:
    explicit Arbeitsflaeche(TAuftrag &auftrag) : m_auftrag(&auftrag) {}

    TAuftrag &auftrag() { return *m_auftrag; }
    const TAuftrag &auftrag() const { return *m_auftrag; }

    bool Invertiert = false;
    std::uint16_t AblaufStatus = 0;
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

/// One frame of the workspace in the paint box: the template already scaled to the box (see
/// VorlageSkaliert; null when the image layer is off), then the overlays.
void ArbeitsflaecheZeichnen(QPainter &p, const Arbeitsflaeche &a, const Abbildung &abb, const QImage &skaliert);

/// Text of the scale label beside the workspace.
QString MassstabText(const Arbeitsflaeche &a);

/// The layers over the template image, in their order: field, contours, isocentre cross,
/// scale bar. The painter is in device coordinates; the mapping is put on it here.
void UeberlagerungZeichnen(QPainter &p, const Arbeitsflaeche &a, const Abbildung &abb);

// Drawing helpers; the painter carries the workspace mapping.
void IsozentrumZeichnen(QPainter &p, const Arbeitsflaeche &a);
/// The field rectangle, tinted by inverting (drawn twice, it vanishes).
void FeldZeichnen(QPainter &p, const QPoint &c1, const QPoint &c2);
/// Scale bar with ticks at both ends and half-way, with the painter's current pen.
void MassstabZeichnen(const QPoint &p1, const QPoint &p2, QPainter &p, int t);

/// The template scaled for the paint box as the workspace shows it: smooth and (when asked)
/// inverted in mode 0, unsmoothed and never inverted in the generated modes.
QImage VorlageSkaliert(const QImage &vorlage, const QSize &geraet, int modus, bool invertiert);

/// The order rendered at image size (one pixel per image pixel): the template or a white
/// image, inverted when asked, with contours, field and isocentre cross. The error "Kein
/// Aufnahmebild vorhanden..." when a template is wanted but there is none; without a template
/// and without wanting one, a null image.
Result<QImage> AuftragsBild(const Arbeitsflaeche &a, bool MitVorlage);

/// The four texts of the status bar; panels 2 and 3 are left as they are when empty.
struct StatusTexte
{
    QString panel0;
    QString panel1;
    std::optional<QString> panel2;
    std::optional<QString> panel3;
};

/// Status bar for a device point of the paint box (KeinPunkt when the order is reset).
StatusTexte StatusAnzeigen(const QPoint &geraet, const Arbeitsflaeche &a, const Abbildung &abb,
                          const TKundenDaten &kunde);

/// The FFA as the FFA panel shows it; `hervorgehoben` when Round(FFA) is not 100.
struct FFAAnzeige
{
    QString text;
    bool hervorgehoben;
};
FFAAnzeige FFAAnzeigeFuer(double ffa);

} // namespace qv
