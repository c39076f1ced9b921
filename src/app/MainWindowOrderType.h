#pragma once

#include "order/Auftragsart.h"

#include <optional>

namespace qv {

class TMainForm;
class Application;
class TAuftragsArtForm;
class TAuftragsdatenForm;

/// "Auftragsart" and "Auftragsdaten" on the main window: the two dialogs, the frame check after
/// contour changes, the frame drawn around the aperture and the order data's date that follows
/// every change. The order-type dialog is made when it opens and gives back a choice the order
/// session takes; the choice itself, the fit and the frame drawn are the session's.
class MainWindowOrderType
{
public:
    MainWindowOrderType(TMainForm &fenster, Application &app);
    ~MainWindowOrderType();

    /// The order-type dialog from the menu or the workflow button.
    void AuftragsartDialog();
    /// The order-data dialog from the menu or the workflow button.
    void AuftragsdatenDialog();
    /// Re-initialisation of the order type after every mode change and new order: the last
    /// kind, the department's origin, the lists of the current accelerator.
    void Initialisieren();
    /// The same when the person kept the order (a declined mode change): the order keeps its
    /// kind and its frame.
    void InitialisierenBehalten();
    /// After contour input, shapes and imports: an electron aperture that does not fit its
    /// frame offers the best fit.
    void RahmenPruefen();
    /// The fit check of the chosen frame (always true but for electron orders). Asks only.
    bool RahmenPasst() const;
    /// The frame to draw around the aperture, nullopt when none is drawn. Asks only.
    std::optional<TRahmenUeberlagerung> Ueberlagerung() const;

    /// The order changed (not one opened from a file): date and order time follow.
    void DatumNeu();
    /// An order was read from a file: the order data refill from it, and an electron order's
    /// frame is selected in the frame list of its maker.
    void AuftragUebernommen();

private:
    TMainForm &m_fenster;
    Application &m_app;
};

} // namespace qv
