// Start-up of the main window: the steps of the first show (first start or the completeness
// check of the customer data, last mode and direction, the first order) and the customer
// settings dialog.
#include "app/TMainForm.h"

#include "app/Application.h"
#include "app/MainWindowOrderFiles.h"
#include "app/MainWindowStart.h"
#include "app/MainWindowWorkMode.h"
#include "app/StartRegeln.h"

#include <QTimer>

namespace qv {

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
    switch (m_start->ablauf().Starten()) {
    case StartAblauf::Start::Abbruch:
        m_startAbbruch = true;
        AnwendungBeenden();
        return;
    case StartAblauf::Start::Konfiguriert:
        // Configured at first start: the main window waits for "Neu..." (an order file named
        // at start is still opened).
        if (m_startDatei.isEmpty()) {
            AblaufAktualisieren();
            return;
        }
        break;
    case StartAblauf::Start::Demo:
        m_arbeitsmodus->ModusVorgeben(ModusBildVorlage);
        EinschubrichtungSetzen(TEinschubrichtung::Links);
        break;
    case StartAblauf::Start::Normal:
        m_arbeitsmodus->ModusVorgeben(ModusIndexLesen(m_app.EinstellungenIni(), Modus()));
        EinschubrichtungSetzen(EinschubrichtungLesen(m_app.EinstellungenIni(), Einschubrichtung()));
        break;
    }
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

bool TMainForm::DemoModus() const
{
    return m_start->ablauf().DemoModus();
}

void TMainForm::KundenEinstellungenDialog()
{
    if (!m_start->KundenEinstellungenZeigen())
        m_startAbbruch = true;
}

void TMainForm::Kundeneinstellungen1Click()
{
    // The data of an opened order are only shown; otherwise the current work is settled first.
    if (!auftrag().Kundendaten.AusAuftrag && !ModusSetzen(Modus()))
        return;
    KundenEinstellungenDialog();
    if (m_startAbbruch) {
        AnwendungBeenden();
        return;
    }
    AblaufAktualisieren();
}

void TMainForm::EinschubrichtungSetzen(TEinschubrichtung richtung)
{
    // The order holds the direction; the direction dialog starts from it.
    auftrag().Einschubrichtung = richtung;
}

} // namespace qv
