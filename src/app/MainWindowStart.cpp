#include "app/MainWindowStart.h"

#include "app/Application.h"
#include "app/TMainForm.h"
#include "config/TKonfigForm.h"
#include "help/THelpForm.h"
#include "order/TFirstStartForm.h"
#include "order/TStartAssistentForm.h"
#include "workspace/ArbeitsflaecheSteuerung.h"

namespace qv {

MainWindowStart::MainWindowStart(TMainForm &fenster, Application &app)
    : m_fenster(fenster), m_app(app),
      m_ablauf(*this, app.Auftrag().Kundendaten, app.kundenDateien(), app.EinstellungenIni(),
               app.messages())
{
}

ErsterStartWahl MainWindowStart::ErsterStartFragen()
{
    // Made for one use, like the other start dialogs.
    TFirstStartForm form(&m_fenster);
    return ErsterStartWahl(form.Ausfuehren());
}

bool MainWindowStart::KundenEinstellungenZeigen()
{
    const bool weiter = TKonfigForm::Ausfuehren(m_app, &m_fenster, [this] { m_fenster.hilfe().ZeigenBei(QPoint(100, 100)); });
    m_fenster.steuerung().FFAAnzeigen();
    return weiter;
}

int MainWindowStart::StartAssistentFragen(int modus)
{
    TStartAssistentForm form(m_app.EinstellungenIni(), &m_fenster);
    return form.Ausfuehren(modus);
}

bool MainWindowStart::ModusSetzen(int modus)
{
    return m_fenster.ModusSetzen(modus);
}

} // namespace qv
