#pragma once

namespace qv {

/// The commands of the main window. A workflow button and its menu item run the same
/// command; the window reacts to a command without knowing which control gave it.
enum class Befehl {
    // "&Datei"
    Neu,
    Oeffnen,
    Speichern,
    SpeichernUnter,
    BPRExport,
    LAPExport,
    Drucken,
    Export,
    Beenden,
    // order menu and workflow buttons
    Auftragsart,
    BildEinlesen,
    BildDrehen,
    BPREinlesen,     // menu: switches to the planning-system mode, then imports
    DicomEinlesen,   // menu: switches to the DICOM mode, then imports
    BPRImport,       // button of the planning-system page
    DicomImport,     // button of the DICOM page
    IsozentrumEingeben,
    MassstabEingeben,
    KonturEingabe,
    KonturEingabeOhneVorlage, // the contour button of the page without template
    FeldEingabe,
    Einschubrichtung,
    Auftragsdaten,
    KundenDaten,
    // "Bearbeiten" and the group "Konturen/Aperturen"
    Verschieben,
    Drehen,
    // "Ansicht"
    Invertiert,
    // "Modus"
    ModusBildVorlage,
    ModusOhneVorlage,
    ModusBPR,
    ModusDICOM,
    ModusKompensator,
    // "&Konfiguration", "&Tesserakon intern", "&Drucken", "&?"
    Kundeneinstellungen,
    Kundenmodus,
    ConfigIntern,
    DruckenAuftragsdaten,
    DruckenKundendaten,
    DruckenAlles,
    AGB,
    Preisliste,
    HilfeAnzeigen,
};

/// The menus of the menu bar.
enum class Menue { Datei, Auftrag, Bearbeiten, Anzeige, Modus, Konfiguration, TesserakonIntern, Drucken, Info };

/// The status lamps of the workflow panel.
enum class Lampe { Auftragsart, Bild, Isozentrum, Massstab, Kontur, Feld, Einschubrichtung, Auftragsdaten, BPRImport, DicomImport };

} // namespace qv
