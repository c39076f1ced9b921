// The workflow of the main window: status bits, lamps, enabling, the locks and the menus.
#include "app/TMainForm.h"

#include "app/Ablauf.h"
#include "app/Application.h"
#include "help/THelpForm.h"
#include "order/AuftragsSitzung.h"
#include "app/AblaufAnwenden.h"
#include "app/MainWindowDirection.h"
#include "app/MainWindowInput.h"
#include "app/MainWindowOrderType.h"
#include "app/Menues.h"
#include "app/THauptMenue.h"
#include "order/TAuftragsdatenFelder.h"
#include "workspace/Arbeitsflaeche.h"

#include <QLabel>
#include <QTextEdit>

namespace qv {

void TMainForm::AblaufAktualisieren()
{
    const AblaufErgebnis e = ablaufBerechnen(ablaufZustand());
    m_dok->AblaufStatus = e.status;
    ablaufAnwenden(e, *m_panel, *m_menue);
    // What stands against saving is said in the status bar and the help text for as long as it
    // stands (a later step's help gives way to it at the next update).
    const bool neu = e.speichernGrund != m_speichernGrund;
    m_speichernGrund = e.speichernGrund;
    if (!m_speichernGrund.isEmpty()) {
        if (neu)
            m_status[3]->setText(m_speichernGrund);
        if (!m_hilfe->memo()->toPlainText().contains(m_speichernGrund.left(30)))
            m_hilfe->Kontexthilfe(m_speichernGrund, QStringLiteral("Auftragsart"));
    }
    if (m_einschub)
        m_einschub->PfeilAktualisieren();
}

AblaufZustand TMainForm::ablaufZustand() const
{
    AblaufZustand z;
    z.modus = Modus();
    z.status = m_dok->AblaufStatus;
    z.vorlageVorhanden = m_dok->hatVorlage();
    z.isozentrumGesetzt = auftrag().IsozentrumGesetzt;
    z.massstabGesetzt = m_dok->MassstabGesetzt();
    z.konturEingabeLaeuft = m_input->KonturEingabeLaeuft();
    z.massstabEingabe = m_input->eingabe().laeuft(Eingabeart::Massstab);
    z.auftragsart = auftrag().Auftragsart;
    z.einschubrichtungGewaehlt = auftrag().EinschubGesetzt;
    if (const TBeschl *b = auftrag().Kundendaten.AktuellerBeschl())
        z.beschleunigerHersteller = b->Beschleuniger;
    // silent checks: a repaint never shows a message
    z.auftragsdatenKomplett = Vollstaendig(auftrag());
    z.rahmenPasst = m_app.Sitzung().RahmenPasst();
    z.demoKunde = auftrag().Kundendaten.Demo;
    z.geaendert = auftrag().Geaendert;
    z.ausDatei = auftrag().AusDatei;
    z.bprGeladen = auftrag().BPRGeladen;
    z.dicomGeladen = auftrag().DICOMGeladen;
    z.konturenVorhanden = auftrag().Konturen.Anzahl() > 0;
    z.kundenModus = m_kundenModus;
    return z;
}

void TMainForm::BedienungFreigeben(bool freigegeben)
{
    bedienungAnwenden(freigegeben, *m_panel, *m_menue);
}

void TMainForm::BearbeitungErlauben(bool erlaubt)
{
    bearbeitungAnwenden(erlaubt, *m_panel, *m_menue);
}

void TMainForm::MenuesAnpassen()
{
    m_menue->sichtbarkeitAnwenden(menueSichtbarkeit(m_kundenModus, Modus()));
}

void TMainForm::Kundenmodus1Click()
{
    // The menu item flips its check mark itself; the setting is not saved.
    m_kundenModus = m_menue->hatHaken(Befehl::Kundenmodus);
    m_app.Sitzung().KundenModusSetzen(m_kundenModus);
    MenuesAnpassen();
}

} // namespace qv
