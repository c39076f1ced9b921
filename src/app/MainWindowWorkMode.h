#pragma once

namespace qv {

class Application;
class TMainForm;

/// The work mode of the main window (0 image template, 1 without template, 2 and 3 the imports,
/// 4 the hidden compensator page) and the new-order reset that every switch runs: the pages,
/// the menus' check marks, the ruler of modes 1-3 and the mode's help.
class MainWindowWorkMode
{
public:
    MainWindowWorkMode(TMainForm &fenster, Application &app);

    /// The mode is the workspace's (Arbeitsflaeche::Modus); this class only switches it.
    int Modus() const;
    /// The mode the first order of the run begins in (start-up), without switching.
    void ModusVorgeben(int modus);
    /// Switches the work mode and begins a new order; false when nothing changed (the person
    /// kept the changed order, or no such mode).
    bool ModusSetzen(int modus);
    /// Begins a new order in the current mode; false when the person kept the old one.
    bool NeuerAuftrag();
    /// The person picked the page of a mode.
    void SeiteGewaehlt(int index);

private:
    TMainForm &m_fenster;
    Application &m_app;
};

} // namespace qv
