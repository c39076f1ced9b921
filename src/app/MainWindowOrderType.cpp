#include "app/MainWindowOrderType.h"

#include "app/Application.h"
#include "app/KundenDatenMeldungen.h"
#include "base/Clock.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "help/THelpForm.h"
#include "order/AuftragsSitzung.h"
#include "order/ImportUebernahme.h"
#include "order/TAuftragsArtForm.h"
#include "order/TAuftragsdatenFelder.h"
#include "order/TAuftragsdatenForm.h"
#include "workspace/AblaufStatus.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheSteuerung.h"

namespace qv {

namespace {

const QString kCRLF = QStringLiteral("\r\n");

QString auftragsartHilfe()
{
    return QStringLiteral("Bei der Auftragsart entscheiden Sie sich für ") + kCRLF +
           QStringLiteral("Photonen (Blöcke) oder Elektronen (Blenden).") + kCRLF + kCRLF +
           QStringLiteral("Außerdem müssen Sie die Herkunft der Tragplatte / des Rahmens bestimmen.") + kCRLF +
           QStringLiteral("Diese Wahl treffen Sie durch Klick auf die entsprechenden Buttons.") + kCRLF + kCRLF +
           QStringLiteral("Sollte es sich um einen Elektronen Auftrag handeln, so haben Sie die Möglichkeit, eine "
                          "Rahmengröße zu wählen. Diese Wahl hat ein Zeichnen des entsprechenden Rahmens im "
                          "Hauptfenster zur Folge. Die Apertur muß in diesen Rahmen passen, damit der Auftrag "
                          "gespeichert werden kann. Es wird standardmäßig ein passender Rahmen gewählt, so es einen "
                          "gibt.") +
           kCRLF + kCRLF +
           QStringLiteral("Sollte es keinen passenden Rahmen geben, so müssen Sie Ihre Apertur entsprechend "
                          "verschieben. Das ist über das entsprechende Menue oder Buttons möglich.");
}


} // namespace

MainWindowOrderType::MainWindowOrderType(TMainForm &fenster, Application &app)
    : m_fenster(fenster)
    , m_app(app)
{
    m_app.Sitzung().AuftragszeitSetzen(app.clock().now());
}

MainWindowOrderType::~MainWindowOrderType() = default;

void MainWindowOrderType::AuftragsartDialog()
{
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    panel.knopfGedrueckt(Befehl::Auftragsart, true);
    m_fenster.hilfe().Kontexthilfe(auftragsartHilfe(), QStringLiteral("AuftragsArt"));

    AuftragsSitzung &sitzung = m_app.Sitzung();
    std::optional<TAuftragsArtForm::Ergebnis> ergebnis;
    {
        TAuftragsArtForm dialog(sitzung.auftrag(), sitzung.Wahl(), m_app.Konfiguration(), m_app.messages(), &m_fenster);
        ergebnis = dialog.Zeigen();
    }
    if (ergebnis) {
        sitzung.AuftragsartUebernehmen(ergebnis->Wahl, ergebnis->Kundendaten);
        // The demo customer and the customer data of an opened order are never written.
        const TKundenDaten &k = sitzung.auftrag().Kundendaten;
        if (m_fenster.KundenModus() && !k.Demo && !k.AusAuftrag)
            KundenDatenSpeichern(k, m_app.KundePfad(), m_app.messages());
        m_fenster.SetGeaendert();
    }
    const bool elektronen = istElektronenAuftrag(m_app.Auftrag().Auftragsart);
    panel.feldZeigen(!elektronen);
    m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
    const QString text = elektronen ? QStringLiteral("Aperturen") : QStringLiteral("Konturen");
    panel.setKnopfText(Befehl::KonturEingabe, text);
    panel.setKnopfText(Befehl::KonturEingabeOhneVorlage, text);
    panel.knopfGedrueckt(Befehl::Auftragsart, false);
}

void MainWindowOrderType::AuftragsdatenDialog()
{
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    panel.knopfGedrueckt(Befehl::Auftragsdaten, true);
    AuftragsSitzung &sitzung = m_app.Sitzung();
    std::optional<TAuftragsdatenForm::Ergebnis> ergebnis;
    {
        // Zeigen fills the lists and defaults before it shows the record.
        TAuftragsdatenForm dialog(sitzung.auftrag(), sitzung.AuftragsdatenVorgaben(), m_app.Konfiguration(),
                                  m_app.EinstellungenIni(), m_app.messages(), m_app.clock(), m_fenster.KundenModus(),
                                  &m_fenster);
        ergebnis = dialog.Zeigen();
    }
    if (ergebnis) {
        sitzung.AuftragsdatenUebernehmen(ergebnis->Auftragsdaten, ergebnis->Auftragszeitpunkt, ergebnis->Kundendaten);
        m_fenster.SetGeaendert();
    }
    panel.knopfGedrueckt(Befehl::Auftragsdaten, false);
}

void MainWindowOrderType::Initialisieren()
{
    m_app.Sitzung().Vorschlagen();
}

void MainWindowOrderType::InitialisierenBehalten()
{
    // The kept order keeps its kind, its frame and its order data: nothing is proposed anew.
    m_app.Sitzung().WahlBehalten(m_app.Sitzung().Wahl());
}

void MainWindowOrderType::RahmenPruefen()
{
    AuftragsSitzung &sitzung = m_app.Sitzung();
    if (!istElektronenAuftrag(sitzung.auftrag().Auftragsart) || sitzung.RahmenPasst())
        return;
    if (m_app.messages().question(RahmenPasstNichtFrage()) == Messages::Answer::Yes)
        sitzung.BestFitUebernehmen();
}

bool MainWindowOrderType::RahmenPasst() const
{
    return m_app.Sitzung().RahmenPasst();
}

std::optional<TRahmenUeberlagerung> MainWindowOrderType::Ueberlagerung() const
{
    return m_app.Sitzung().Ueberlagerung(m_fenster.Modus());
}

void MainWindowOrderType::DatumNeu()
{
    m_app.Sitzung().DatumNeu(m_app.clock().now());
}

void MainWindowOrderType::AuftragUebernommen()
{
    m_app.Sitzung().Oeffnen(m_app.Auftrag());
}

} // namespace qv
