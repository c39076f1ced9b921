// Interactive input on the workspace: the buttons that start an input, the mouse events
// (the input controller decides, the window shows what it says) and the contour list.
#include "app/TMainForm.h"

#include "app/Ablauf.h"
#include "app/AblaufPanel.h"
#include "app/FormenPanel.h"
#include "app/Application.h"
#include "app/Eingabesteuerung.h"
#include "app/KonturMeldungen.h"
#include "app/MainWindowMove.h"
#include "app/Texte.h"
#include "base/Messages.h"
#include "contour/Formen.h"
#include "app/FormenEingabe.h"
#include "help/THelpForm.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/TScaleForm.h"

#include <QPainter>

namespace qv {

namespace {

Befehl knopfDerEingabe(Eingabeart art)
{
    switch (art) {
    case Eingabeart::Isozentrum: return Befehl::IsozentrumEingeben;
    case Eingabeart::Massstab: return Befehl::MassstabEingeben;
    case Eingabeart::Feld: return Befehl::FeldEingabe;
    case Eingabeart::Form: return Befehl::KonturEingabeOhneVorlage;
    case Eingabeart::Kontur:
    case Eingabeart::Keine:
    case Eingabeart::Auswahl: break;
    }
    return Befehl::KonturEingabe;
}

MausTaste mausTaste(Qt::MouseButton taste)
{
    return taste == Qt::LeftButton ? MausTaste::Links : taste == Qt::RightButton ? MausTaste::Rechts : MausTaste::Andere;
}

} // namespace

bool TMainForm::KonturEingabeLaeuft() const
{
    return m_eingabe->konturEingabeLaeuft();
}

void TMainForm::EingabeAnwenden(const EingabeAntwort &a)
{
    for (KonturErgebnis e : a.meldungen)
        KonturMelden(m_app.messages(), e);
    if (a.zeiger)
        m_steuerung->setZeiger(*a.zeiger);
    if (a.hilfe == EingabeAntwort::Hilfe::Modus)
        m_hilfe->ModusHilfe(m_modus);
    else if (a.hilfe == EingabeAntwort::Hilfe::Kontext)
        m_hilfe->Kontexthilfe(a.hilfeText, a.hilfeTitel);
    if (a.konturKnopfText)
        konturKnopfTexte(*a.konturKnopfText);
    if (a.konturListeOffen)
        m_panel->konturListeAufklappen(*a.konturListeOffen);
    if (a.knopfGedrueckt)
        m_panel->knopfGedrueckt(knopfDerEingabe(a.knopfGedrueckt->first), a.knopfGedrueckt->second);
    if (a.konturmodus)
        m_bewegen->ModusZeigen(*a.konturmodus);
    if (a.geaendert)
        SetGeaendert();
    if (a.bedienung)
        BedienungFreigeben(*a.bedienung);
    if (a.einschubrichtungZuruecksetzen)
        auftrag().EinschubGesetzt = false;
    if (a.ffaAnzeigen)
        m_steuerung->FFAAnzeigen();
    if (a.rahmenPruefen)
        RahmenPruefen();
    if (a.formenOffen)
        m_panel->geosAufklappen(*a.formenOffen);
    if (a.formwerkzeugZeigen)
        m_formen->werkzeugZeigen(*a.formwerkzeugZeigen);
    if (!a.formMeldung.isEmpty())
        m_app.messages().warning(a.formMeldung);
    if (a.ablaufAktualisieren)
        AblaufAktualisieren();
    if (a.neuZeichnen)
        m_steuerung->neuZeichnen();
    else if (a.gummibandNeuZeichnen)
        m_steuerung->eingabeNeuZeichnen();
    // the second point of a dragged shape: the shape is generated after the click is shown
    if (a.formFertig)
        EingabeAnwenden(m_eingabe->FormErzeugen());
}

void TMainForm::FormenEingabe()
{
    if (m_eingabe->laeuft(Eingabeart::Form)) {
        EingabeAnwenden(m_eingabe->FormenBeenden());
        return;
    }
    konturKnopfTexte(texte::eingabeBeenden());
    m_panel->knopfGedrueckt(Befehl::KonturEingabeOhneVorlage, true);
    const FormenStart start = FormenEingabeBeginnen(auftrag().Konturen, m_app.messages(), [this] {
        return m_steuerung->scaleForm().Zeigen(1) == QDialog::Accepted;
    });
    EingabeAnwenden(m_eingabe->FormenStarten(start));
}

void TMainForm::FormGenerieren(int werkzeug)
{
    const auto groesse = m_formen->groesse(werkzeug);
    if (!groesse) {
        m_app.messages().information(QStringLiteral("Bitte geben Sie eine Zahl ein."));
        return;
    }
    EingabeAnwenden(m_eingabe->FormAusGroesse(werkzeug, groesse->first, groesse->second));
}

void TMainForm::konturKnopfTexte(const QString &text)
{
    m_panel->setKnopfText(Befehl::KonturEingabe, text);
    m_panel->setKnopfText(Befehl::KonturEingabeOhneVorlage, text);
}

void TMainForm::IsozentrumEingeben()
{
    if (!m_dok->hatVorlage()) {
        m_app.messages().information(texte::ohneBildIsozentrum());
        return;
    }
    m_panel->knopfGedrueckt(Befehl::IsozentrumEingeben, true);
    // anything beyond image, isocentre, direction and order type would be lost
    const std::uint16_t rest = m_dok->AblaufStatus & ~(ablauf::Bild | ablauf::Isozentrum | ablauf::Einschubrichtung);
    if (rest != ablauf::Auftragsart
        && m_app.messages().warningQuestion(texte::isozentrumNeuFrage()) != Messages::Answer::Yes) {
        m_panel->knopfGedrueckt(Befehl::IsozentrumEingeben, false);
        return;
    }
    m_hilfe->Kontexthilfe(texte::isozentrumHilfeText(), texte::isozentrumHilfeTitel());
    m_dok->AblaufStatus = ablauf::Bild | ablauf::Isozentrum | ablauf::Auftragsart;
    AblaufAktualisieren();
    EingabeAnwenden(m_eingabe->IsozentrumStarten());
}

void TMainForm::MassstabEingeben()
{
    if (!m_dok->hatVorlage()) {
        m_app.messages().information(texte::ohneBildMassstab());
        return;
    }
    m_panel->knopfGedrueckt(Befehl::MassstabEingeben, true);
    m_hilfe->Kontexthilfe(texte::massstabHilfeText(), texte::massstabHilfeTitel());
    if (m_steuerung->scaleForm().Zeigen(0) == QDialog::Accepted) {
        EingabeAnwenden(m_eingabe->MassstabStarten());
    } else {
        m_hilfe->ModusHilfe(m_modus);
        m_panel->knopfGedrueckt(Befehl::MassstabEingeben, false);
    }
}

void TMainForm::FeldEingeben()
{
    if (!m_dok->hatVorlage()) {
        m_app.messages().information(texte::ohneBildFeld());
        return;
    }
    m_panel->knopfGedrueckt(Befehl::FeldEingabe, true);
    m_hilfe->Kontexthilfe(texte::feldHilfeText(), texte::feldHilfeTitel());
    // the field input sets the flag itself, without the order-data refresh of SetGeaendert
    auftrag().Geaendert = true;
    EingabeAnwenden(m_eingabe->FeldStarten());
}

void TMainForm::KonturEingabe()
{
    if (KonturEingabeLaeuft()) {
        if (!auftrag().Konturen.AlleGeschlossen()
            && m_app.messages().question(texte::konturNichtGeschlossenFrage()) == Messages::Answer::Yes)
            EingabeAnwenden(m_eingabe->KonturSchliessen());
        // ends only when every contour is closed now; the workflow update runs either way
        EingabeAnwenden(m_eingabe->KonturBeenden());
    } else if (m_dok->hatVorlage()) {
        EingabeAnwenden(m_eingabe->KonturStarten());
    } else {
        m_app.messages().information(texte::ohneBildKonturen());
        AblaufAktualisieren();
    }
}

void TMainForm::PaintBoxMouseDown(const QPoint &geraet, Qt::MouseButton taste, Qt::KeyboardModifiers tasten)
{
    EingabeAnwenden(m_eingabe->MausGedrueckt(m_steuerung->abbildung(), geraet, mausTaste(taste),
                                             tasten.testFlag(Qt::ShiftModifier),
                                             tasten.testFlag(Qt::ControlModifier)));
}

void TMainForm::PaintBoxMouseMove(const QPoint &geraet, Qt::MouseButtons tasten, Qt::KeyboardModifiers modifier)
{
    (void)tasten;
    m_steuerung->StatusAnzeigen(geraet);
    EingabeAnwenden(m_eingabe->MausBewegt(m_steuerung->abbildung(), geraet, modifier.testFlag(Qt::ShiftModifier),
                                          modifier.testFlag(Qt::ControlModifier)));
    // the live size of a dragged shape
    const Gummiband &g = m_eingabe->gummiband();
    if (g.wartet && g.formVon)
        m_formen->groesseZeigen(g.formwerkzeug,
                                FormVorschauGroesse(g.formwerkzeug, *g.formVon, g.punkt, auftrag().PixelProMM()));
}

void TMainForm::PaintBoxMouseUp(const QPoint &geraet, Qt::MouseButton taste)
{
    (void)geraet;
    (void)taste;
    EingabeAnwenden(m_eingabe->MausLosgelassen());
}

void TMainForm::konturListeAktualisieren()
{
    const TKonturen &k = auftrag().Konturen;
    const TKontur &aktuell = k.AktuelleKontur();
    m_panel->konturListeZeigen(k.Anzahl(), k.Aktuell(), aktuell.Anzahl(), aktuell.RedoAnzahl());
}

void TMainForm::P_KClick(int n)
{
    // refused with its message while the current contour is open
    KonturMelden(m_app.messages(), auftrag().Konturen.Auswaehlen(n));
    m_steuerung->neuZeichnen();
}

void TMainForm::ButtonXClick(int n)
{
    // select first; the deletion is asked for whether or not the selection was refused
    KonturMelden(m_app.messages(), auftrag().Konturen.Auswaehlen(n));
    if (KonturLoeschen(auftrag().Konturen, n, true, m_app.messages()) == KonturErgebnis::Angenommen) {
        SetGeaendert();
        AblaufAktualisieren();
    }
    m_steuerung->neuZeichnen();
}

void TMainForm::BTN_KonturRueckClick()
{
    EingabeAnwenden(m_eingabe->Rueckgaengig());
}

void TMainForm::BTN_KonturVorClick()
{
    EingabeAnwenden(m_eingabe->Wiederherstellen());
}

} // namespace qv
