#pragma once

#include <memory>

namespace qv {

class TMainForm;
class Application;
class TEinschubrichtungsForm;

/// "Einschubrichtung" on the main window: the dialog with the order picture, the direction
/// taken into the order, the arrow beside the workflow.
class MainWindowDirection
{
public:
    MainWindowDirection(TMainForm &fenster, Application &app);
    ~MainWindowDirection();

    void EinschubrichtungDialog();
    /// The arrow follows the order's direction.
    void PfeilAktualisieren();
    TEinschubrichtungsForm &form() { return *m_form; }

private:
    TMainForm &m_fenster;
    Application &m_app;
    TEinschubrichtungsForm *m_form; // a child of the main window
};

} // namespace qv
