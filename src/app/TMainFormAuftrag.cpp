// The order on the main window: changed flag, new order, the work mode and the order type.
#include "app/TMainForm.h"

#include "app/AblaufPanel.h"
#include "app/Application.h"
#include "app/HauptMenue.h"
#include "app/MainWindowInput.h"
#include "app/MainWindowOrderType.h"
#include "app/MainWindowStart.h"
#include "app/Texte.h"
#include "base/Messages.h"
#include "base/UtilsUnit.h"
#include "help/THelpForm.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/LinealBild.h"

namespace qv {

namespace {
const QString kInit = QStringLiteral("Init");
} // namespace

void TMainForm::SetGeaendert()
{
    auftrag().Geaendert = true;
    // The order data's date and the order time follow the last change of an order being made.
    if (!auftrag().AusDatei)
        m_auftragsart->DatumNeu();
}

void TMainForm::neu1Click()
{
    // Fresh customer data, the start assistant, the mode (MainWindowStart).
    m_start->ablauf().NeuerAuftrag(m_kundenModus, m_modus);
}

bool TMainForm::ModusSetzen(int modus)
{
    if (modus < ModusBildVorlage || modus > ModusKompensator)
        return false;
    if (auftrag().Geaendert && m_app.messages().question(texte::modusWechselFrage()) != Messages::Answer::Yes) {
        if (m_modus != ModusKompensator)
            m_panel->seiteZeigen(m_modus);
        AblaufAktualisieren();
        m_auftragsart->InitialisierenBehalten();
        return false;
    }

    auftrag().Geaendert = false;
    m_modus = modus;
    m_dok->Modus = modus;
    NeuerAuftrag();

    m_menue->modusHaken(modus);
    m_hilfe->ModusHilfe(modus);

    auto lineal = [this] {
        m_steuerung->VorlageSetzen(LinealBild());
        m_steuerung->P_MainResize();
        auftrag().Massstab.MassstabAbstandSetzen(200);
        m_dok->MassstabPunktSetzen(1, QPoint(-300, 0));
        m_dok->MassstabPunktSetzen(2, QPoint(300, 0));
        auftrag().Isozentrum = QPoint(0, 0);
    };
    switch (modus) {
    case ModusBildVorlage:
        m_panel->knopfGedrueckt(Befehl::KonturEingabe, false);
        m_panel->konturListeAufklappen(false);
        m_panel->seiteZeigen(modus);
        m_panel->gemeinsameGruppenVerschieben(modus);
        break;
    case ModusOhneVorlage:
        m_panel->knopfGedrueckt(Befehl::KonturEingabeOhneVorlage, false);
        m_panel->geosAufklappen(false);
        m_panel->gemeinsameGruppenVerschieben(modus);
        m_panel->seiteZeigen(modus);
        lineal();
        m_input->FormwerkzeugZuruecksetzen();
        break;
    case ModusBPR:
        auftrag().BPRGeladen = false;
        m_panel->gemeinsameGruppenVerschieben(modus);
        m_panel->seiteZeigen(modus);
        lineal();
        break;
    case ModusDICOM:
        auftrag().DICOMGeladen = false;
        m_panel->gemeinsameGruppenVerschieben(modus);
        m_panel->seiteZeigen(modus);
        lineal();
        break;
    default:
        m_steuerung->P_MainResize();
        break;
    }
    // the compensator mode shows a fixed picture instead of the workspace
    m_steuerung->widget()->setBildSichtbar(modus != ModusKompensator);
    m_app.EinstellungenIni().writeInteger(kInit, QStringLiteral("ModusIndex"),
                                          modus >= ModusOhneVorlage && modus <= ModusDICOM ? modus : ModusBildVorlage);
    AblaufAktualisieren();
    m_auftragsart->Initialisieren();
    return true;
}

void TMainForm::PCModusChange(int index)
{
    if (index == m_modus || index < ModusBildVorlage || index > ModusDICOM)
        return;
    if (m_modus == ModusBildVorlage && m_input->KonturEingabeLaeuft()) {
        m_panel->seiteZeigen(ModusBildVorlage);
        m_app.messages().information(texte::kontureingabeLaeuftNochMeldung());
    } else {
        ModusSetzen(index);
    }
    m_steuerung->neuZeichnen();
}

bool TMainForm::NeuerAuftrag()
{
    BearbeitungErlauben(true);
    auftrag().AusDatei = false;
    if (auftrag().Geaendert
        && m_app.messages().warningQuestion(texte::neuInitialisierenFrage()) != Messages::Answer::Yes)
        return false;

    m_menue->setHaken(Befehl::HilfeAnzeigen, m_hilfe->hilfeAn());
    m_steuerung->StatusAnzeigen(KeinPunkt);
    m_steuerung->setZeiger(Qt::ArrowCursor);
    m_steuerung->widget()->Zuruecksetzen();

    m_dok->AblaufStatus = 0;
    // inversion from the settings, all layers on (the scale bar only in mode 0)
    m_steuerung->NeuerAuftrag();
    m_menue->setHaken(Befehl::Invertiert, m_dok->Invertiert);

    auftrag().Vorlage = QImage();
    auftrag().EinschubGesetzt = false;
    auftrag().Auftragsdaten = TAuftragsdatenRec();
    m_auftragsart->Zuruecksetzen();

    for (Ebene e : {Ebene::Bild, Ebene::Iso, Ebene::Scale, Ebene::Konturen, Ebene::Feld}) {
        m_panel->setBirneAn(e, m_dok->anzeige[e]);
        m_panel->birneZeigen(e, false);
    }

    auftrag().Massstab.PunkteZuruecksetzen();
    auftrag().IsozentrumGesetzt = false;
    auftrag().FeldEcke1 = KeinPunkt;
    auftrag().FeldEcke2 = KeinPunkt;
    auftrag().Auftragsart = TAuftragsart::NichtGewaehlt;
    // nothing runs, no rubber band, no shape tool; the move or rotate mode is off
    m_input->NeuerAuftrag();

    auftrag().Konturen = TKonturen();

    setWindowTitle(QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    auftrag().Geaendert = false;
    MenuesAnpassen();
    m_steuerung->neuZeichnen();
    return true;
}

void TMainForm::RahmenPruefen()
{
    m_auftragsart->RahmenPruefen();
}

} // namespace qv
