#include "app/MainWindowDirection.h"

#include "app/Application.h"
#include "app/MainWindowOrderType.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "base/Messages.h"
#include "order/TEinschubrichtungsForm.h"
#include "workspace/ArbeitsflaecheZeichnen.h"

#include <QApplication>

namespace qv {

MainWindowDirection::MainWindowDirection(TMainForm &fenster, Application &app)
    : m_fenster(fenster), m_app(app), m_form(new TEinschubrichtungsForm(app.EinstellungenIni(), &fenster))
{
}

MainWindowDirection::~MainWindowDirection() = default;

void MainWindowDirection::PfeilAktualisieren()
{
    m_fenster.ablaufPanel().einschubPfeilSetzen(m_app.Auftrag().Einschubrichtung);
}

void MainWindowDirection::EinschubrichtungDialog()
{
    TAuftrag &auftrag = m_app.Auftrag();
    // The order's direction is the one the dialog starts from (a code it does not know keeps
    // the dialog's last one).
    m_form->SetEinschubrichtung(auftrag.Einschubrichtung);
    m_form->AuftragsartSetzen(auftrag.Auftragsart);
    const TBeschl *beschl = auftrag.Kundendaten.AktuellerBeschl();
    m_form->HerstellerSetzen(beschl ? beschl->Beschleuniger : QString());
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::Einschubrichtung, true);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    Result<QImage> auftragsBild = AuftragsBild(m_fenster.dokument(), true);
    if (!auftragsBild)
        m_app.messages().information(auftragsBild.error());
    const bool bild = m_form->BilderVorbereiten(auftragsBild ? *auftragsBild : QImage());
    QApplication::restoreOverrideCursor();
    if (!bild) {
        m_app.messages().information(QStringLiteral("Es existiert noch kein AufnahmeBild.\rOhne kann die "
                                                    "Einschubrichtung nicht festgelegt werden.\rBitte lesen Sie "
                                                    "zunächst ein Bild ein."));
    } else {
        if (m_form->Ausfuehren()) {
            auftrag.Einschubrichtung = m_form->GetEinschubrichtung();
            auftrag.EinschubGesetzt = true;
        }
        // Also after Cancel: the order counts as changed and the arrow is shown.
        m_fenster.SetGeaendert();
        PfeilAktualisieren();
        m_fenster.ablaufPanel().einschubVorschauZeigen(true);
    }
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::Einschubrichtung, false);
    m_fenster.AblaufAktualisieren();
}

} // namespace qv
