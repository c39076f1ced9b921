#pragma once

#include "order/TAuftragsart.h"
#include "workspace/AblaufStatus.h"
#include "workspace/Arbeitsmodus.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace qv {

/// Lamp colours of the workflow panel.
enum class LampenFarbe { Rot, Gelb, Gruen };
QColor lampenRgb(LampenFarbe farbe);


/// The document state the workflow update looks at.
struct AblaufZustand
{
    int modus = ModusBildVorlage;
    std::uint16_t status = 0;            // current AblaufStatus; $04, $08, $20 are kept as they are
    bool vorlageVorhanden = false;
    bool isozentrumGesetzt = false;
    bool massstabGesetzt = false;        // both scale points set
    bool konturEingabeLaeuft = false;    // C: the contour button shows "Eingabe beenden"
    bool massstabEingabe = false;        // S
    TAuftragsart auftragsart = TAuftragsart::NichtGewaehlt;
    bool einschubrichtungGewaehlt = false;
    QString beschleunigerHersteller;     // maker of the current accelerator of the current department
    bool auftragsdatenKomplett = false;
    bool rahmenPasst = true;             // fit check of the electron frame (photon orders always fit)
    bool demoKunde = false;
    bool geaendert = false;
    bool ausDatei = false;
    bool bprGeladen = false;
    bool dicomGeladen = false;
    bool konturenVorhanden = false;
    bool kundenModus = true;
};

/// What the window shows and enables after a workflow update. An enabling that is empty
/// (std::nullopt) is left as it is: the row does not exist in that mode, or the order was
/// opened from a file and keeps the view lock's enabling.
struct AblaufErgebnis
{
    std::uint16_t status = 0;
    /// Why the order cannot be saved although its steps are done; empty when nothing stands
    /// against it. The order-type lamp is red then.
    QString speichernGrund;

    LampenFarbe lampeBild = LampenFarbe::Rot;
    LampenFarbe lampeIsozentrum = LampenFarbe::Rot;
    LampenFarbe lampeMassstab = LampenFarbe::Rot;
    LampenFarbe lampeFeld = LampenFarbe::Gelb;
    LampenFarbe lampeKontur = LampenFarbe::Rot;
    LampenFarbe lampeAuftragsart = LampenFarbe::Rot;
    LampenFarbe lampeEinschubrichtung = LampenFarbe::Rot;
    LampenFarbe lampeAuftragsdaten = LampenFarbe::Rot;
    LampenFarbe lampeBprImport = LampenFarbe::Rot;
    LampenFarbe lampeDicomImport = LampenFarbe::Rot;

    // light bulbs next to the lamps and the insertion-direction preview
    bool bildBirne = false;
    bool isoBirne = false;
    bool massstabBirne = false;
    bool feldBirne = false;
    bool konturenBirne = false;
    bool einschubVorschau = false;

    // group "Konturen/Aperturen" and menu "Bearbeiten"
    bool bearbeitenSichtbar = false;

    // false: an order opened from a file, the enablings below are all empty
    bool freigabeAngewendet = false;

    // buttons; their menu items take the same state unless listed separately
    std::optional<bool> auftragsartKnopf;
    std::optional<bool> auftragsartMenue;   // always enabled
    std::optional<bool> bildEinlesen;
    std::optional<bool> bildDrehen;
    std::optional<bool> isozentrumEingabe;
    std::optional<bool> massstabEingabe;
    std::optional<bool> konturEingabe;       // mode 0: P_KonturBtn / KonturEingabe1
    std::optional<bool> konturEingabeOhneVorlage; // mode 1: P_KonturBtn_ohneVorlage
    std::optional<bool> bprEinlesen;
    std::optional<bool> dicomEinlesen;
    std::optional<bool> feldEingabe;
    std::optional<bool> einschubrichtung;
    std::optional<bool> auftragsdaten;
    std::optional<bool> speichern;
    std::optional<bool> speichernUnter;
    // internal mode only: "KundenDaten" and the menu "Drucken" follow "Auftragsdaten"
    std::optional<bool> kundenDaten;
    std::optional<bool> druckenMenue;
};

/// The insertion direction counts as chosen when it was chosen, or when it is not needed:
/// an electron order on an accelerator whose maker is "SIEMENS" (in any case) once the
/// order type is chosen.
bool einschubrichtungErledigt(const AblaufZustand &z);

/// The workflow update: status bits, lamp colours and the enabling of every workflow
/// button and its menu item for the current mode.
AblaufErgebnis ablaufBerechnen(const AblaufZustand &z);

} // namespace qv
