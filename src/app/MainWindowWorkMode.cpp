// The work mode of the main window and the new-order reset.
#include "app/MainWindowWorkMode.h"

#include "app/Application.h"
#include "app/MainWindowInput.h"
#include "app/MainWindowOrderType.h"
#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "app/Texte.h"
#include "order/AuftragsSitzung.h"
#include "base/Messages.h"
#include "base/UtilsUnit.h"
#include "help/THelpForm.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheSteuerung.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/LinealBild.h"
#include "workspace/StatusTexte.h"

namespace qv {

namespace {
const QString kInit = QStringLiteral("Init");
} // namespace

MainWindowWorkMode::MainWindowWorkMode(TMainForm &fenster, Application &app) : m_fenster(fenster), m_app(app) {}

int MainWindowWorkMode::Modus() const
{
    return m_fenster.dokument().Modus;
}

void MainWindowWorkMode::ModusVorgeben(int modus)
{
    m_fenster.dokument().Modus = modus;
}

bool MainWindowWorkMode::ModusSetzen(int modus)
{
    TAuftrag &auftrag = m_fenster.auftrag();
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    ArbeitsflaecheSteuerung &steuerung = m_fenster.steuerung();
    if (modus < ModusBildVorlage || modus > ModusKompensator)
        return false;
    if (auftrag.Geaendert && m_app.messages().question(texte::modusWechselFrage()) != Messages::Answer::Yes) {
        if (Modus() != ModusKompensator)
            panel.seiteZeigen(Modus());
        m_fenster.auftragsart().InitialisierenBehalten();
        return false;
    }

    auftrag.Geaendert = false;
    m_fenster.dokument().Modus = modus;
    NeuerAuftrag();

    m_fenster.menue().modusHaken(modus);
    m_fenster.hilfe().ModusHilfe(modus);

    auto lineal = [&] {
        m_app.Sitzung().LinealAuftrag();
        steuerung.P_MainResize();
    };
    switch (modus) {
    case ModusBildVorlage:
        panel.knopfGedrueckt(Befehl::KonturEingabe, false);
        panel.konturListeAufklappen(false);
        panel.seiteZeigen(modus);
        panel.gemeinsameGruppenVerschieben(modus);
        break;
    case ModusOhneVorlage:
        panel.knopfGedrueckt(Befehl::KonturEingabeOhneVorlage, false);
        panel.geosAufklappen(false);
        panel.gemeinsameGruppenVerschieben(modus);
        panel.seiteZeigen(modus);
        lineal();
        m_fenster.eingabeFenster().FormwerkzeugZuruecksetzen();
        break;
    case ModusBPR:
    case ModusDICOM:
        // the import page starts with nothing read
        (modus == ModusBPR ? auftrag.BPRGeladen : auftrag.DICOMGeladen) = false;
        panel.gemeinsameGruppenVerschieben(modus);
        panel.seiteZeigen(modus);
        lineal();
        break;
    default:
        steuerung.P_MainResize();
        break;
    }
    // the compensator mode shows a fixed picture instead of the workspace
    steuerung.widget()->setBildSichtbar(modus != ModusKompensator);
    m_app.EinstellungenIni().writeInteger(kInit, QStringLiteral("ModusIndex"),
                                          modus >= ModusOhneVorlage && modus <= ModusDICOM ? modus : ModusBildVorlage);
    // the proposal of the new order is announced, and the window follows
    m_fenster.auftragsart().Initialisieren();
    return true;
}

void MainWindowWorkMode::SeiteGewaehlt(int index)
{
    if (index == Modus() || index < ModusBildVorlage || index > ModusDICOM)
        return;
    if (Modus() == ModusBildVorlage && m_fenster.eingabeFenster().KonturEingabeLaeuft()) {
        m_fenster.ablaufPanel().seiteZeigen(ModusBildVorlage);
        m_app.messages().information(texte::kontureingabeLaeuftNochMeldung());
    } else {
        ModusSetzen(index);
    }
}

bool MainWindowWorkMode::NeuerAuftrag()
{
    TAuftrag &auftrag = m_fenster.auftrag();
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    ArbeitsflaecheSteuerung &steuerung = m_fenster.steuerung();
    m_fenster.BearbeitungErlauben(true);
    auftrag.AusDatei = false;
    if (auftrag.Geaendert
        && m_app.messages().warningQuestion(texte::neuInitialisierenFrage()) != Messages::Answer::Yes)
        return false;

    m_fenster.menue().setHaken(Befehl::HilfeAnzeigen, m_fenster.hilfe().hilfeAn());
    steuerung.StatusAnzeigen(KeinPunkt);
    steuerung.setZeiger(Qt::ArrowCursor);
    steuerung.widget()->Zuruecksetzen();

    m_app.Sitzung().NeuerAuftrag();
    // inversion from the settings, all layers on (the scale bar only in mode 0)
    steuerung.NeuerAuftrag();
    m_fenster.menue().setHaken(Befehl::Invertiert, m_fenster.dokument().Invertiert);

    for (Ebene e : {Ebene::Bild, Ebene::Iso, Ebene::Scale, Ebene::Konturen, Ebene::Feld}) {
        panel.setBirneAn(e, m_fenster.dokument().anzeige[e]);
        panel.birneZeigen(e, false);
    }

    // nothing runs, no rubber band, no shape tool; the move or rotate mode is off
    m_fenster.eingabeFenster().NeuerAuftrag();

    m_fenster.setWindowTitle(QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    m_fenster.MenuesAnpassen();
    return true;
}

} // namespace qv
