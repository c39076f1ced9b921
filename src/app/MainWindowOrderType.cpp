#include "app/MainWindowOrderType.h"

#include "app/Application.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "help/THelpForm.h"
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
    , m_art(new TAuftragsArtForm(app.Auftrag(), app.Konfiguration(), app.EinstellungenIni(), app.messages(),
                                 &fenster))
    , m_daten(new TAuftragsdatenForm(app.Auftrag(), app.Konfiguration(), app.EinstellungenIni(), app.messages(),
                                     app.clock(), &fenster))
{
    m_art->setKundePfad(app.KundePfad());
    // A frame chosen or found in the dialog is drawn at once.
    QObject::connect(m_art, &TAuftragsArtForm::neuZeichnen, &fenster, [this] { m_fenster.steuerung().neuZeichnen(); });
    QObject::connect(m_daten, &TAuftragsdatenForm::geaendert, &fenster, [this] { m_fenster.SetGeaendert(); });
}

MainWindowOrderType::~MainWindowOrderType() = default;

void MainWindowOrderType::AuftragsartDialog()
{
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    panel.knopfGedrueckt(Befehl::Auftragsart, true);
    m_fenster.hilfe().Kontexthilfe(auftragsartHilfe(), QStringLiteral("AuftragsArt"));

    m_art->setKundenModus(m_fenster.KundenModus());
    if (m_art->Zeigen() == QDialog::Accepted) {
        m_fenster.dokument().AblaufStatus |= ablauf::Auftragsart;
        m_fenster.SetGeaendert();
    }
    // The order data show the coding and the kind the dialog left.
    const TAuftragsdatenRec &daten = m_app.Auftrag().Auftragsdaten;
    m_daten->CodierungSetzen(daten.MitCodierung, daten.Codierung);

    const bool elektronen = istElektronenAuftrag(m_app.Auftrag().Auftragsart);
    panel.feldZeigen(!elektronen);
    m_fenster.AblaufAktualisieren();
    m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
    const QString text = elektronen ? QStringLiteral("Aperturen") : QStringLiteral("Konturen");
    panel.setKnopfText(Befehl::KonturEingabe, text);
    panel.setKnopfText(Befehl::KonturEingabeOhneVorlage, text);
    m_fenster.steuerung().neuZeichnen();
    panel.knopfGedrueckt(Befehl::Auftragsart, false);
}

void MainWindowOrderType::AuftragsdatenDialog()
{
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    panel.knopfGedrueckt(Befehl::Auftragsdaten, true);
    m_daten->setKundenModus(m_fenster.KundenModus());
    // Zeigen fills the lists and defaults before it shows the record.
    m_daten->Zeigen();
    panel.knopfGedrueckt(Befehl::Auftragsdaten, false);
    m_fenster.AblaufAktualisieren();
}

void MainWindowOrderType::Initialisieren()
{
    m_art->Initialisieren();
}

void MainWindowOrderType::InitialisierenBehalten()
{
    // Re-initialising alone would give the kept order the last confirmed kind and the frame a
    // best fit finds: what is drawn, checked and saved would silently change.
    // The remembered frame, which the order data propose, stays as well.
    TAuftrag &auftrag = m_app.Auftrag();
    IniFile &ini = m_app.EinstellungenIni();
    const QString abschnitt = QStringLiteral("Beschleuniger");
    const QString schluessel = QStringLiteral("Elektronenblende");
    const TAuftragsart art = auftrag.Auftragsart;
    const QString rahmen = m_art->GewaehlterRahmen();
    const bool gemerkt = ini.valueExists(abschnitt, schluessel);
    const QString gemerkterRahmen = ini.readString(abschnitt, schluessel);
    Initialisieren();
    auftrag.Auftragsart = art;
    const int i = ListenIndex(m_art->Rahmenliste(), rahmen);
    if (i >= 0)
        m_art->RahmenWaehlen(i);
    if (gemerkt)
        ini.writeString(abschnitt, schluessel, gemerkterRahmen);
    else
        ini.deleteKey(abschnitt, schluessel);
}

void MainWindowOrderType::RahmenPruefen()
{
    if (!istElektronenAuftrag(m_app.Auftrag().Auftragsart) || m_art->RahmenPasst())
        return;
    if (m_app.messages().question(RahmenPasstNichtFrage()) == Messages::Answer::Yes)
        m_art->RahmenSuchen();
}

bool MainWindowOrderType::RahmenPasst() const
{
    return m_art->RahmenPasst();
}

std::optional<TRahmenUeberlagerung> MainWindowOrderType::Ueberlagerung() const
{
    const bool gewaehlt = (m_fenster.dokument().AblaufStatus & ablauf::Auftragsart) != 0;
    std::optional<TRahmenUeberlagerung> u =
        RahmenUeberlagerung(m_app.Auftrag(), m_app.Konfiguration(), m_art->GewaehlterRahmen(), m_fenster.Modus(), gewaehlt);
    // The overlay says what the fit check of the chosen frame says (the list's size of a frame).
    if (u)
        u->Passt = m_art->RahmenPasst();
    return u;
}

void MainWindowOrderType::DatumNeu()
{
    m_daten->DatumNeu();
}

void MainWindowOrderType::Zuruecksetzen()
{
    m_daten->Zuruecksetzen();
}

void MainWindowOrderType::AuftragUebernommen()
{
    TAuftrag &auftrag = m_app.Auftrag();
    m_daten->setKundenModus(m_fenster.KundenModus());
    m_daten->Vorbelegen();
    if (istElektronenAuftrag(auftrag.Auftragsart)) {
            const TBeschl *b = auftrag.Kundendaten.AktuellerBeschl();
        m_art->HerstellerSetzen(b ? b->Beschleuniger : QString());
        m_art->RahmenSetzen(auftrag.Auftragsdaten.TragplatteRahmen);
    }
}

void MainWindowOrderType::AuftragsartUebernehmen()
{
    m_daten->AuftragsartSetzen();
}

} // namespace qv
