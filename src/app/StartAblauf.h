#pragma once

#include "app/StartFenster.h"
#include "config/TKundenDaten.h"

namespace qv {

class IniFile;
class Messages;

/// The start assistant's result when the person cancelled it.
inline constexpr int kAssistentAbgebrochen = 5;

/// The start-up after the main window is first shown, and the beginning of every new order:
/// first start (demonstration data, configure or end), the completeness check of the customer
/// data, the start assistant and the demonstration mode. The customer data are the ones of the
/// current order; messages go through the seam, dialogs through the window.
class StartAblauf
{
public:
    /// How the start-up goes on.
    enum class Start {
        Normal,       // last mode and direction from the settings, then a new order
        Demo,         // demonstration data loaded: image mode, direction "Links", a new order
        Konfiguriert, // first start configured: the main window waits for "Neu..."
        Abbruch,      // the program ends
    };

    StartAblauf(StartFenster &fenster, TKundenDaten &daten, KundenDateien dateien, IniFile &einstellungen,
                Messages &messages);

    /// The first show's decisions on the loaded customer data.
    Start Starten();

    /// "Neu...": fresh customer data (the demonstration customer while the demonstration mode
    /// is on), the start assistant in customer mode when it is switched on, then the mode.
    /// False when the main window kept the old order.
    bool NeuerAuftrag(bool kundenModus, int modus);

    /// The demonstration customer was chosen at first start; it stays until the program ends.
    bool DemoModus() const { return m_demoModus; }

    /// The text shown at start when the customer data are incomplete.
    static QString UnvollstaendigMeldung();

private:
    /// Loads the demonstration customer; when that fails, says so and keeps saving disabled.
    void DemoLaden();

    StartFenster &m_fenster;
    TKundenDaten &m_daten;
    KundenDateien m_dateien;
    IniFile &m_einstellungen;
    Messages &m_messages;
    bool m_demoModus = false;
};

/// Init/StartAssistent: show the start assistant for a new order (default on).
bool StartAssistentAn(const IniFile &einstellungen);
void StartAssistentSetzen(IniFile &einstellungen, bool an);

} // namespace qv
