#pragma once

namespace qv {

/// Visibility of the menu items and separators that depend on customer or internal mode and
/// on the work mode. Items not listed here are always visible (or follow the workflow update).
struct MenueSichtbarkeit
{
    // "&Datei"
    bool neu = false;
    bool speichern = false;          // also "Speichern unter..."
    bool bprExport = false;
    bool lapExport = false;
    bool trennerVorDrucken = false;  // the two separators around "Drucken ..."
    bool drucken = false;
    bool exportieren = false;        // "Exportieren" is never shown
    // "Auftrag/Eingaben" (customer mode) or "Auftrag/Daten" (internal mode)
    bool auftragDatenTitel = false;  // caption "Auftrag/Daten"
    bool bildEinlesen = false;       // also "Bild drehen"
    bool bprEinlesen = false;
    bool dicomEinlesen = false;
    bool trennerVorIsozentrum = false;
    bool isozentrumUndMassstab = false;
    bool trennerVorKontur = false;
    bool konturEingabe = false;
    bool feldEingabe = false;
    bool trennerVorEinschubrichtung = false;
    bool einschubrichtung = false;
    bool auftragsdaten = false;
    bool trennerVorKundenDaten = false;
    bool kundenDaten = false;
    // "Ansicht"
    bool invertiert = false;
    // "Modus", "Konfiguration", internal menus
    bool modusMenue = false;
    bool kundeneinstellungen = false;
    bool trennerNachKundeneinstellungen = false;
    bool kundenmodus = false;
    bool tesserakonIntern = false;
    bool druckenMenue = false;
};

MenueSichtbarkeit menueSichtbarkeit(bool kundenModus, int modus);

} // namespace qv
