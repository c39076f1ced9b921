#pragma once

namespace qv {

/// The first-start dialog's answer.
enum class ErsterStartWahl { Demo = 0, Konfigurieren = 1, Abgebrochen = 2 };

/// What the start-up and "Neu..." need from the windows: the three dialogs and the main
/// window's mode switch.
class StartFenster
{
public:
    virtual ~StartFenster() = default;
    /// The first-start dialog.
    virtual ErsterStartWahl ErsterStartFragen() = 0;
    /// The customer settings dialog, modally; false when the person left it with incomplete
    /// data and chose to end the program.
    virtual bool KundenEinstellungenZeigen() = 0;
    /// The start assistant, opened on the current mode: the chosen mode 0..3, or
    /// kAssistentAbgebrochen.
    virtual int StartAssistentFragen(int modus) = 0;
    /// The main window switches to the mode and begins a new order (it may ask first).
    virtual bool ModusSetzen(int modus) = 0;
};

} // namespace qv
