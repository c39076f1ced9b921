#pragma once

#include "app/Befehl.h"
#include "app/Eingabesteuerung.h"

#include <functional>

namespace qv {

class TMainForm;
class TDrehenForm;
class THelpForm;
class TVerschiebeForm;

/// "verschieben" and "drehen" on the main window: the two modes of the input controller with
/// their dialogs, the check marks of the menu items and the held mode pages. What a dialog's
/// button does goes to the controller; its answer is shown like any other input's.
class MainWindowMove
{
public:
    using Anwenden = std::function<void(const EingabeAntwort &)>;

    MainWindowMove(TMainForm &fenster, Eingabesteuerung &eingabe, THelpForm &hilfe, Anwenden anwender);
    ~MainWindowMove();

    /// The menu item and the button: switches the mode on, or off keeping the changes.
    void VerschiebenUmschalten();
    void DrehenUmschalten();
    /// Shows the mode that is on: its dialog (the other one hidden), the check marks, and the
    /// work-mode pages held while a mode is on.
    void ModusZeigen(Konturmodus modus);

private:
    void umschalten(Konturmodus modus, Befehl knopf);
    void anwenden(const EingabeAntwort &a);
    /// Over the locked workflow pages (Fensterplatzierer then keeps it inside the screen and
    /// beside the image).
    void platzieren(QWidget &dialog);

    TMainForm &m_fenster;
    Eingabesteuerung &m_eingabe;
    Anwenden m_anwenden;
    TVerschiebeForm *m_verschieben; // children of the main window
    TDrehenForm *m_drehen;
};

} // namespace qv
