#include "app/MainWindowInput.h"

#include "app/Ablauf.h"
#include "app/Application.h"
#include "app/FormenEingabe.h"
#include "app/FormenPanel.h"
#include "app/Gummiband.h"
#include "app/KonturMeldungen.h"
#include "app/MainWindowMove.h"
#include "app/MainWindowOrderType.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "app/Texte.h"
#include "base/Messages.h"
#include "contour/Formen.h"
#include "help/THelpForm.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheSteuerung.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/StatusTexte.h"
#include "workspace/TScaleForm.h"
#include "order/AuftragsSitzung.h"

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

MainWindowInput::MainWindowInput(TMainForm &fenster, Application &app)
    : m_fenster(fenster)
    , m_app(app)
    , m_eingabe(std::make_unique<Eingabesteuerung>(fenster.dokument()))
    , m_bewegen(std::make_unique<MainWindowMove>(fenster, *m_eingabe, fenster.hilfe(),
                                                 [this](const EingabeAntwort &a) { anwenden(a); }))
{
    verbinden();
}

MainWindowInput::~MainWindowInput() = default;

void MainWindowInput::verbinden()
{
    TAblaufPanel *panel = &m_fenster.ablaufPanel();
    FormenPanel *formen = &m_fenster.formenPanel();
    // contour lists of modes 0 and 1
    QObject::connect(panel, &TAblaufPanel::konturAuswaehlen, &m_fenster, [this](int n) { P_KClick(n); });
    QObject::connect(panel, &TAblaufPanel::konturLoeschen, &m_fenster, [this](int n) { ButtonXClick(n); });
    QObject::connect(panel, &TAblaufPanel::konturRueckgaengig, &m_fenster,
                     [this] { anwenden(m_eingabe->Rueckgaengig()); });
    QObject::connect(panel, &TAblaufPanel::konturWiederherstellen, &m_fenster,
                     [this] { anwenden(m_eingabe->Wiederherstellen()); });

    // the shape tools of mode 1
    QObject::connect(formen, &FormenPanel::werkzeugGeklickt, &m_fenster,
                     [this](int t) { anwenden(m_eingabe->FormwerkzeugKlick(t)); });
    QObject::connect(formen, &FormenPanel::seiteGewaehlt, &m_fenster,
                     [this](int t) { anwenden(m_eingabe->FormwerkzeugSetzen(t)); });
    QObject::connect(formen, &FormenPanel::generieren, &m_fenster, [this](int t) { FormGenerieren(t); });

    // the workspace's mouse; painting the rubber band only reads
    ArbeitsflaecheWidget *w = m_fenster.steuerung().widget();
    QObject::connect(w, &ArbeitsflaecheWidget::mausGedrueckt, &m_fenster,
                     [this](const QPoint &p, Qt::MouseButton taste, Qt::KeyboardModifiers mod) {
                         PaintBoxMouseDown(p, taste, mod);
                     });
    QObject::connect(w, &ArbeitsflaecheWidget::mausBewegt, &m_fenster,
                     [this](const QPoint &p, Qt::MouseButtons, Qt::KeyboardModifiers mod) { PaintBoxMouseMove(p, mod); });
    QObject::connect(w, &ArbeitsflaecheWidget::mausLosgelassen, &m_fenster,
                     [this](const QPoint &, Qt::MouseButton) { anwenden(m_eingabe->MausLosgelassen()); });
    w->setEingabeZeichnen(
        [this](QPainter &painter, const Abbildung &abb) { GummibandZeichnen(painter, m_eingabe->gummiband(), abb); });
}

void MainWindowInput::anwenden(const EingabeAntwort &a)
{
    TAblaufPanel &panel = m_fenster.ablaufPanel();
    ArbeitsflaecheSteuerung &steuerung = m_fenster.steuerung();
    for (KonturErgebnis e : a.meldungen)
        KonturMelden(m_app.messages(), e);
    if (a.zeiger)
        steuerung.setZeiger(*a.zeiger);
    if (a.hilfe == EingabeAntwort::Hilfe::Modus)
        m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
    else if (a.hilfe == EingabeAntwort::Hilfe::Kontext)
        m_fenster.hilfe().Kontexthilfe(a.hilfeText, a.hilfeTitel);
    if (a.konturKnopfText)
        konturKnopfTexte(*a.konturKnopfText);
    if (a.konturListeOffen)
        panel.konturListeAufklappen(*a.konturListeOffen);
    if (a.knopfGedrueckt)
        panel.knopfGedrueckt(knopfDerEingabe(a.knopfGedrueckt->first), a.knopfGedrueckt->second);
    if (a.konturmodus)
        m_bewegen->ModusZeigen(*a.konturmodus);
    if (a.geaendert)
        m_fenster.SetGeaendert();
    if (a.bedienung)
        m_fenster.BedienungFreigeben(*a.bedienung);
    if (a.einschubrichtungZuruecksetzen)
        m_fenster.auftrag().EinschubGesetzt = false;
    if (a.ffaAnzeigen)
        steuerung.FFAAnzeigen();
    if (a.rahmenPruefen)
        m_fenster.auftragsart().RahmenPruefen();
    if (a.formenOffen)
        panel.geosAufklappen(*a.formenOffen);
    if (a.formwerkzeugZeigen)
        m_fenster.formenPanel().werkzeugZeigen(*a.formwerkzeugZeigen);
    if (!a.formMeldung.isEmpty())
        m_app.messages().warning(a.formMeldung);
    // The input changed the order in place (isocentre, scale points, field, contours): the
    // session says so, and the window follows.
    if (a.ablaufAktualisieren)
        m_app.Sitzung().Geaendert(AuftragsSitzung::Konturen | AuftragsSitzung::Feld | AuftragsSitzung::Massstab);
    else if (a.neuZeichnen)
        m_app.Sitzung().Geaendert(AuftragsSitzung::Ansicht);
    else if (a.gummibandNeuZeichnen)
        steuerung.eingabeNeuZeichnen();
    // the second point of a dragged shape: the shape is generated after the click is shown
    if (a.formFertig)
        anwenden(m_eingabe->FormErzeugen());
}

void MainWindowInput::FormenEingabe()
{
    if (m_eingabe->laeuft(Eingabeart::Form)) {
        anwenden(m_eingabe->FormenBeenden());
        return;
    }
    konturKnopfTexte(texte::eingabeBeenden());
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::KonturEingabeOhneVorlage, true);
    const FormenStart start = FormenEingabeBeginnen(m_fenster.auftrag().Konturen, m_app.messages(), [this] {
        return MassstabDialog(1);
    });
    anwenden(m_eingabe->FormenStarten(start));
}

bool MainWindowInput::MassstabDialog(int form)
{
    const TAuftrag &auftrag = m_app.Sitzung().auftrag();
    TScaleForm dialog(auftrag.Kundendaten.FFA, auftrag.Massstab.MassstabAbstand, m_app.EinstellungenIni(), m_app.messages(),
                      &m_fenster);
    QObject::connect(&dialog, &TScaleForm::hilfeUmschalten, &m_fenster, [this] { m_fenster.HilfeUmschalten(); });
    const std::optional<TScaleForm::Ergebnis> e = dialog.Zeigen(form);
    if (!e)
        return false;
    m_app.Sitzung().MassstabVorgabeSetzen(e->FFA, form == 0 ? e->Abstand : auftrag.Massstab.MassstabAbstand);
    return true;
}

void MainWindowInput::FormGenerieren(int werkzeug)
{
    const auto groesse = m_fenster.formenPanel().groesse(werkzeug);
    if (!groesse) {
        m_app.messages().information(QStringLiteral("Bitte geben Sie eine Zahl ein."));
        return;
    }
    anwenden(m_eingabe->FormAusGroesse(werkzeug, groesse->first, groesse->second));
}

void MainWindowInput::konturKnopfTexte(const QString &text)
{
    m_fenster.ablaufPanel().setKnopfText(Befehl::KonturEingabe, text);
    m_fenster.ablaufPanel().setKnopfText(Befehl::KonturEingabeOhneVorlage, text);
}

void MainWindowInput::IsozentrumEingeben()
{
    Arbeitsflaeche &dok = m_fenster.dokument();
    if (!dok.hatVorlage()) {
        m_app.messages().information(texte::ohneBildIsozentrum());
        return;
    }
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::IsozentrumEingeben, true);
    // anything beyond image, isocentre, direction and order type would be lost
    const std::uint16_t rest = dok.AblaufStatus & ~(ablauf::Bild | ablauf::Isozentrum | ablauf::Einschubrichtung);
    if (rest != ablauf::Auftragsart
        && m_app.messages().warningQuestion(texte::isozentrumNeuFrage()) != Messages::Answer::Yes) {
        m_fenster.ablaufPanel().knopfGedrueckt(Befehl::IsozentrumEingeben, false);
        return;
    }
    m_fenster.hilfe().Kontexthilfe(texte::isozentrumHilfeText(), texte::isozentrumHilfeTitel());
    m_app.Sitzung().StatusSetzen(ablauf::Bild | ablauf::Isozentrum | ablauf::Auftragsart);
    anwenden(m_eingabe->IsozentrumStarten());
}

void MainWindowInput::MassstabEingeben()
{
    if (!m_fenster.dokument().hatVorlage()) {
        m_app.messages().information(texte::ohneBildMassstab());
        return;
    }
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::MassstabEingeben, true);
    m_fenster.hilfe().Kontexthilfe(texte::massstabHilfeText(), texte::massstabHilfeTitel());
    if (MassstabDialog(0)) {
        anwenden(m_eingabe->MassstabStarten());
    } else {
        m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
        m_fenster.ablaufPanel().knopfGedrueckt(Befehl::MassstabEingeben, false);
    }
}

void MainWindowInput::FeldEingeben()
{
    if (!m_fenster.dokument().hatVorlage()) {
        m_app.messages().information(texte::ohneBildFeld());
        return;
    }
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::FeldEingabe, true);
    m_fenster.hilfe().Kontexthilfe(texte::feldHilfeText(), texte::feldHilfeTitel());
    // the field input sets the flag itself, without the order-data refresh of SetGeaendert
    m_fenster.auftrag().Geaendert = true;
    anwenden(m_eingabe->FeldStarten());
}

void MainWindowInput::KonturEingabe()
{
    if (KonturEingabeLaeuft()) {
        if (!m_fenster.auftrag().Konturen.AlleGeschlossen()
            && m_app.messages().question(texte::konturNichtGeschlossenFrage()) == Messages::Answer::Yes)
            anwenden(m_eingabe->KonturSchliessen());
        // ends only when every contour is closed now; the workflow update runs either way
        anwenden(m_eingabe->KonturBeenden());
    } else if (m_fenster.dokument().hatVorlage()) {
        anwenden(m_eingabe->KonturStarten());
    } else {
        m_app.messages().information(texte::ohneBildKonturen());
    }
}

void MainWindowInput::NeuerAuftrag()
{
    m_eingabe->neuerAuftrag();
    m_bewegen->ModusZeigen(Konturmodus::Aus);
    konturKnopfTexte(QStringLiteral("Konturen"));
}

void MainWindowInput::PaintBoxMouseDown(const QPoint &geraet, Qt::MouseButton taste, Qt::KeyboardModifiers tasten)
{
    anwenden(m_eingabe->MausGedrueckt(m_fenster.steuerung().abbildung(), geraet, mausTaste(taste),
                                      tasten.testFlag(Qt::ShiftModifier), tasten.testFlag(Qt::ControlModifier)));
}

void MainWindowInput::PaintBoxMouseMove(const QPoint &geraet, Qt::KeyboardModifiers modifier)
{
    m_fenster.steuerung().StatusAnzeigen(geraet);
    anwenden(m_eingabe->MausBewegt(m_fenster.steuerung().abbildung(), geraet, modifier.testFlag(Qt::ShiftModifier),
                                   modifier.testFlag(Qt::ControlModifier)));
    // the live size of a dragged shape
    const Gummiband &g = m_eingabe->gummiband();
    if (g.wartet && g.formVon)
        m_fenster.formenPanel().groesseZeigen(
            g.formwerkzeug, FormVorschauGroesse(g.formwerkzeug, *g.formVon, g.punkt, m_fenster.auftrag().PixelProMM()));
}

void MainWindowInput::konturListeAktualisieren()
{
    const TKonturen &k = m_fenster.auftrag().Konturen;
    const TKontur &aktuell = k.AktuelleKontur();
    m_fenster.ablaufPanel().konturListeZeigen(k.Anzahl(), k.Aktuell(), aktuell.Anzahl(), aktuell.RedoAnzahl());
}

void MainWindowInput::P_KClick(int n)
{
    // refused with its message while the current contour is open
    KonturMelden(m_app.messages(), m_fenster.auftrag().Konturen.Auswaehlen(n));
    m_app.Sitzung().KonturenGeaendert();
}

void MainWindowInput::ButtonXClick(int n)
{
    // select first; the deletion is asked for whether or not the selection was refused
    TKonturen &konturen = m_fenster.auftrag().Konturen;
    KonturMelden(m_app.messages(), konturen.Auswaehlen(n));
    if (KonturLoeschen(konturen, n, true, m_app.messages()) == KonturErgebnis::Angenommen)
        m_fenster.SetGeaendert();
    m_app.Sitzung().KonturenGeaendert();
}

} // namespace qv
