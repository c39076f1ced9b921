// Start-up of the main window: the steps of the first show, the first-start and customer-data
// stand-ins, the customer settings dialog and the start assistant.
#include "app/TMainForm.h"

#include "app/Application.h"
#include "app/MainWindowOrderFiles.h"
#include "app/StartRegeln.h"
#include "base/Messages.h"
#include "config/TKonfigForm.h"
#include "workspace/ArbeitsflaecheSteuerung.h"

#include <QTimer>

using namespace qv;

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_formShowDone)
        // After the window is on screen, so dialogs opened by the first steps sit above it.
        QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow()
{
    if (m_formShowDone)
        return;
    m_formShowDone = true;

    if (m_startAbbruch) {
        AnwendungBeenden();
        return;
    }
    if (ErsterStartPlatzhalter()) {
        ErsterStartDialog();
        if (m_startAbbruch)
            AnwendungBeenden();
        return;
    }
    if (!KundenDatenVollstaendigPlatzhalter()) {
        m_app.messages().information(
            QStringLiteral("Mit der neuen Version von Quellvantar haben sich die Kundendaten\rerweitert. "
                           "Sie können nun direkt Ihre Konfiguration anpassen.\rQuellvantar benötigt eine "
                           "komplette Konfiguration."));
        KundenEinstellungenDialog();
        if (m_startAbbruch) {
            AnwendungBeenden();
            return;
        }
    }
    m_modus = ModusIndexLesen(m_app.EinstellungenIni(), m_modus);
    EinschubrichtungSetzen(EinschubrichtungLesen(m_app.EinstellungenIni(), Einschubrichtung()));
    if (m_startDatei.isEmpty())
        neu1Click();
    else
        m_auftragsdateien->befehle().AuftragOeffnenVonAussen(m_startDatei);
}

void TMainForm::AnwendungBeenden()
{
    // The owner of the event loop ends it after the current event.
    emit StartAbgebrochen();
}

bool TMainForm::ErsterStartPlatzhalter() const
{
    // The first-start dialog comes with the assistants; until then a first start goes on
    // with the built-in customer defaults.
    return false;
}

void TMainForm::ErsterStartDialog()
{
    // The first-start dialog: demo customer (then a new order in mode 0, direction "Links"),
    // configure (customer settings dialog, no new order) or cancel (m_startAbbruch).
}

bool TMainForm::KundenDatenVollstaendigPlatzhalter() const
{
    // The start-up check goes with the first-start dialog: until the test folders of the main
    // window carry a complete Kunde.cfg, the program goes on with the data as they are.
    return true;
}

void TMainForm::KundenEinstellungenDialog()
{
    if (!TKonfigForm::Ausfuehren(m_app, this))
        m_startAbbruch = true;
    m_steuerung->FFAAnzeigen();
}

void TMainForm::Kundeneinstellungen1Click()
{
    // The data of an opened order are only shown; otherwise the current work is settled first.
    if (!auftrag().Kundendaten.AusAuftrag && !ModusSetzen(m_modus))
        return;
    KundenEinstellungenDialog();
    if (m_startAbbruch) {
        AnwendungBeenden();
        return;
    }
    AblaufAktualisieren();
}

void TMainForm::EinschubrichtungSetzen(int code)
{
    // The order holds the direction; the direction dialog starts from it.
    auftrag().Einschubrichtung = TEinschubrichtung(code);
}

int TMainForm::StartAssistent(int modus)
{
    nochNichtVerfuegbar(QStringLiteral("Start-Assistent"));
    return modus;
}
