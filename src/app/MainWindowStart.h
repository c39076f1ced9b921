#pragma once

#include "app/StartAblauf.h"

namespace qv {

class TMainForm;
class Application;

/// The start-up and "Neu..." of the main window: the first-start dialog, the customer settings
/// dialog and the start assistant around the start-up rules.
class MainWindowStart final : public StartFenster
{
public:
    MainWindowStart(TMainForm &fenster, Application &app);

    StartAblauf &ablauf() { return m_ablauf; }
    const StartAblauf &ablauf() const { return m_ablauf; }

    ErsterStartWahl ErsterStartFragen() override;
    bool KundenEinstellungenZeigen() override;
    int StartAssistentFragen(int modus) override;
    bool ModusSetzen(int modus) override;

private:
    TMainForm &m_fenster;
    Application &m_app;
    StartAblauf m_ablauf;
};

} // namespace qv
