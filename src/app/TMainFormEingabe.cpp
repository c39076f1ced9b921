// Interactive input on the workspace: isocentre, scale, field, contours and the contour list.
#include "app/TMainForm.h"

#include "app/Ablauf.h"
#include "app/AblaufPanel.h"
#include "app/Application.h"
#include "app/KonturMeldungen.h"
#include "app/Texte.h"
#include "base/Messages.h"
#include "help/THelpForm.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/TScaleForm.h"

#include <QPainter>

using namespace qv;

namespace {

std::optional<QPoint> gesetzt(const QPoint &p)
{
    if (!istGesetzt(p))
        return std::nullopt;
    return p;
}

bool shift(Qt::KeyboardModifiers t)
{
    return t.testFlag(Qt::ShiftModifier);
}

bool strg(Qt::KeyboardModifiers t)
{
    return t.testFlag(Qt::ControlModifier);
}

} // namespace

bool TMainForm::KonturEingabeLaeuft() const
{
    if (m_modus == ModusOhneVorlage)
        return m_panel->knopfText(Befehl::KonturEingabeOhneVorlage) == texte::eingabeBeenden();
    return m_panel->knopfText(Befehl::KonturEingabe) == texte::eingabeBeenden();
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

    auftrag().Massstab.PunkteZuruecksetzen();
    auftrag().FeldEcke1 = KeinPunkt;
    auftrag().FeldEcke2 = KeinPunkt;
    auftrag().Konturen = TKonturen();
    SetGeaendert();
    BedienungFreigeben(false);
    auftrag().IsozentrumGesetzt = false;
    m_dok->IsoEingabe = true;
    m_steuerung->setZeiger(Qt::CrossCursor);
    m_einschubrichtungGewaehlt = false;
    m_steuerung->neuZeichnen();
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
        BedienungFreigeben(false);
        m_dok->MassstabEingabe = true;
        auftrag().Massstab.PunkteZuruecksetzen();
        m_steuerung->setZeiger(Qt::CrossCursor);
        SetGeaendert();
        m_steuerung->FFAAnzeigen();
        // field and contours stay: they are stored in pixels and keep their place on the image
        m_steuerung->neuZeichnen();
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
    m_dok->FeldEingabe = true;
    auftrag().FeldEcke1 = KeinPunkt;
    auftrag().FeldEcke2 = KeinPunkt;
    BedienungFreigeben(false);
    m_steuerung->setZeiger(Qt::CrossCursor);
    auftrag().Geaendert = true;
    m_steuerung->neuZeichnen();
}

void TMainForm::KonturEingabe()
{
    TKonturen &k = auftrag().Konturen;
    if (KonturEingabeLaeuft()) {
        bool geschlossen = k.AlleGeschlossen();
        if (!geschlossen
            && m_app.messages().question(texte::konturNichtGeschlossenFrage()) == Messages::Answer::Yes) {
            KonturMelden(m_app.messages(), k.AktuelleKontur().Schliessen());
            geschlossen = k.AktuelleKontur().IstGeschlossen();
        }
        if (geschlossen) {
            konturKnopfTexte(istElektronenAuftrag(auftrag().Auftragsart) ? QStringLiteral("Aperturen")
                                                                       : QStringLiteral("Konturen"));
            m_panel->konturListeAufklappen(false);
            m_panel->knopfGedrueckt(Befehl::KonturEingabe, false);
            SetGeaendert();
            BedienungFreigeben(true);
            m_dok->AblaufStatus |= ablauf::Kontur;
            m_steuerung->setZeiger(Qt::ArrowCursor);
            m_letzteMausPos = KeinPunkt;
            m_gummiband = {};
            m_hilfe->ModusHilfe(m_modus);
            RahmenPruefen();
        }
    } else if (m_dok->hatVorlage()) {
        m_hilfe->Kontexthilfe(texte::konturHilfeText(), texte::konturHilfeTitel());
        m_panel->knopfGedrueckt(Befehl::KonturEingabe, true);
        m_panel->konturListeAufklappen(true);
        m_steuerung->setZeiger(Qt::CrossCursor);
        m_panel->setKnopfText(Befehl::KonturEingabe, texte::eingabeBeenden());
        BedienungFreigeben(false);
        m_dok->AblaufStatus |= ablauf::Kontur;
        konturListeAktualisieren();
    } else {
        m_app.messages().information(texte::ohneBildKonturen());
    }
    // enables the running input's own button again, so that it can be ended
    AblaufAktualisieren();
}

void TMainForm::KonturPunkt(const QPoint &geraet, Qt::KeyboardModifiers tasten)
{
    TKonturen &k = auftrag().Konturen;
    const QPoint roh = m_steuerung->abbildung().geraetZuArbeit(geraet);
    const QPoint p = zwangAnwenden(roh, gesetzt(k.LetzterPunktAktuell()), shift(tasten), strg(tasten));
    if (!m_mausGedrueckt)
        return;
    if (k.AktuelleKontur().IstGeschlossen()) {
        // at the limit of eleven nothing is added
        if (KonturMelden(m_app.messages(), k.NeueKontur()) != KonturErgebnis::Angenommen)
            return;
        KonturMelden(m_app.messages(), k.PunktHinzufuegen(p));
    } else if (KonturMelden(m_app.messages(), k.PunktHinzufuegen(p)) != KonturErgebnis::Angenommen) {
        m_steuerung->neuZeichnen();
    }
}

void TMainForm::PaintBoxMouseDown(const QPoint &geraet, Qt::MouseButton taste, Qt::KeyboardModifiers tasten)
{
    if (taste == Qt::LeftButton)
        m_mausGedrueckt = true;

    TKonturen &k = auftrag().Konturen;
    MausZustand z;
    z.vorlage = m_dok->hatVorlage();
    z.isoEingabe = m_dok->IsoEingabe;
    z.konturEingabeLaeuft = m_modus == ModusBildVorlage && KonturEingabeLaeuft();
    z.aktuelleKonturOffen = !k.AktuelleKontur().IstGeschlossen();
    z.massstabEingabe = m_dok->MassstabEingabe;
    z.feldEingabe = m_dok->FeldEingabe;
    z.formwerkzeug = m_modus == ModusOhneVorlage && m_formwerkzeug != 0;
    z.verschiebenOderDrehen = m_verschiebenOderDrehen;
    const MausTaste t = taste == Qt::LeftButton ? MausTaste::Links
        : taste == Qt::RightButton              ? MausTaste::Rechts
                                                : MausTaste::Andere;
    const Abbildung abb = m_steuerung->abbildung();

    switch (mausZweig(z, t)) {
    case MausZweig::NurNeuzeichnen:
        break;
    case MausZweig::Isozentrum:
        auftrag().Isozentrum = abb.geraetZuSeite(geraet);
        m_dok->IsoEingabe = false;
        auftrag().IsozentrumGesetzt = true;
        m_steuerung->setZeiger(Qt::ArrowCursor);
        m_hilfe->ModusHilfe(m_modus);
        BedienungFreigeben(true);
        m_panel->knopfGedrueckt(Befehl::IsozentrumEingeben, false);
        m_letzteMausPos = KeinPunkt;
        m_gummiband = {};
        break;
    case MausZweig::KonturPunkt:
        KonturPunkt(geraet, tasten);
        break;
    case MausZweig::KonturSchliessen:
        KonturMelden(m_app.messages(), k.AktuelleKontur().Schliessen());
        m_letzteMausPos = KeinPunkt;
        m_gummiband = {};
        break;
    case MausZweig::KonturEingabeBeenden:
        KonturEingabe();
        m_letzteMausPos = KeinPunkt;
        m_gummiband = {};
        break;
    case MausZweig::Massstab: {
        const ZweiPunktKlick klick = massstabKlick(gesetzt(auftrag().Massstab.MassstabPunkt1),
                                                   gesetzt(auftrag().Massstab.MassstabPunkt2),
                                                   abb.geraetZuArbeit(geraet), shift(tasten), strg(tasten));
        if (klick.punkt == 1) {
            m_dok->MassstabPunktSetzen(1, klick.wert);
        } else if (klick.punkt == 2) {
            m_dok->MassstabPunktSetzen(2, klick.wert);
            m_dok->MassstabEingabe = false;
            m_steuerung->setZeiger(Qt::ArrowCursor);
            BedienungFreigeben(true);
            m_panel->knopfGedrueckt(Befehl::MassstabEingeben, false);
            m_hilfe->ModusHilfe(m_modus);
            m_letzteMausPos = KeinPunkt;
            m_gummiband = {};
        }
        break;
    }
    case MausZweig::Feld: {
        const ZweiPunktKlick klick = feldKlick(gesetzt(auftrag().FeldEcke1), gesetzt(auftrag().FeldEcke2),
                                               abb.geraetZuArbeit(geraet));
        if (klick.punkt == 1) {
            auftrag().FeldEcke1 = klick.wert;
        } else if (klick.punkt == 2) {
            auftrag().FeldEcke2 = klick.wert;
            m_dok->FeldEingabe = false;
            m_dok->AblaufStatus |= ablauf::Feld;
            m_steuerung->setZeiger(Qt::ArrowCursor);
            BedienungFreigeben(true);
            m_panel->knopfGedrueckt(Befehl::FeldEingabe, false);
            m_hilfe->ModusHilfe(m_modus);
            m_letzteMausPos = KeinPunkt;
            m_gummiband = {};
        }
        break;
    }
    case MausZweig::Form: {
        const QPoint p = abb.geraetZuArbeit(geraet);
        if (!istGesetzt(m_formPunkt1)) {
            m_formPunkt1 = p;
            BedienungFreigeben(false);
        } else {
            m_formPunkt2 = p;
            nochNichtVerfuegbar(QStringLiteral("Form generieren"));
            BedienungFreigeben(true);
        }
        break;
    }
    case MausZweig::Auswahl:
        if (t == MausTaste::Rechts && k.IrgendeineMarkiert()) {
            k.AlleDemarkieren();
        } else if (t == MausTaste::Links) {
            const QPoint p = abb.geraetZuArbeit(geraet);
            k.MarkierungUmschalten(p);
            m_ziehPos = p;
        }
        break;
    }
    m_steuerung->neuZeichnen();
}

void TMainForm::PaintBoxMouseMove(const QPoint &geraet, Qt::MouseButtons tasten, Qt::KeyboardModifiers modifier)
{
    (void)tasten;
    m_steuerung->StatusAnzeigen(geraet);
    const bool kontur = m_modus == ModusBildVorlage && KonturEingabeLaeuft();
    bool geaendert = false;
    if (kontur) {
        const TKonturen &k = auftrag().Konturen;
        const int vorher = k.Anzahl() * (TKontur::MaxPunkte + 1) + k.AktuelleKontur().Anzahl();
        KonturPunkt(geraet, modifier);
        geaendert = k.Anzahl() * (TKontur::MaxPunkte + 1) + k.AktuelleKontur().Anzahl() != vorher;
    }

    const Abbildung abb = m_steuerung->abbildung();
    const QPoint p = abb.geraetZuArbeit(geraet);
    GummibandZustand gz;
    gz.isoEingabe = m_dok->IsoEingabe;
    gz.konturEingabe = kontur;
    gz.letzterKonturPunkt = gesetzt(auftrag().Konturen.LetzterPunktAktuell());
    gz.feldEingabe = m_dok->FeldEingabe;
    gz.feldEcke1 = gesetzt(auftrag().FeldEcke1);
    gz.massstabEingabe = m_dok->MassstabEingabe;
    gz.massstabPunkt1 = gesetzt(auftrag().Massstab.MassstabPunkt1);
    gz.formwerkzeug = m_modus == ModusOhneVorlage && m_formwerkzeug != 0;
    gz.formPunkt1 = gesetzt(m_formPunkt1);
    const Gummiband g = m_dok->hatVorlage() ? gummiband(gz, p, shift(modifier), strg(modifier)) : Gummiband{};
    bool neuZeichnen = g.wartet || m_gummiband.wartet;
    m_gummiband = g;
    m_letzteMausPos = g.wartet ? g.punkt : KeinPunkt;

    if (m_verschiebenOderDrehen && m_mausGedrueckt) {
        if (auftrag().Konturen.MarkierteVerschieben(p - m_ziehPos))
            geaendert = true;
        m_ziehPos = p;
    }
    if (geaendert)
        m_steuerung->neuZeichnen();
    else if (neuZeichnen)
        m_steuerung->eingabeNeuZeichnen();
}

void TMainForm::PaintBoxMouseUp(const QPoint &geraet, Qt::MouseButton taste)
{
    (void)geraet;
    (void)taste;
    m_mausGedrueckt = false;
    m_steuerung->neuZeichnen();
    if (!(m_dok->FeldEingabe && !m_dok->MassstabEingabe))
        AblaufAktualisieren();
}

void TMainForm::gummibandZeichnen(QPainter &p, const Abbildung &abb)
{
    const Gummiband &g = m_gummiband;
    if (!g.wartet || !istGesetzt(m_letzteMausPos))
        return;
    p.save();
    p.setTransform(abb.arbeitZuGeraetTransform());
    QPen stift(QColor(47, 63, 255));
    stift.setCosmetic(true);
    stift.setWidth(1);
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    if (g.konturLinieVon)
        p.drawLine(*g.konturLinieVon, g.punkt);
    if (g.feldVon)
        FeldZeichnen(p, *g.feldVon, g.punkt);
    if (g.massstabVon) {
        p.setPen(stift);
        MassstabZeichnen(*g.massstabVon, g.punkt, p, 15);
    }
    if (g.fadenkreuz) {
        // across the whole paint box, in device pixels
        const QPointF d = abb.arbeitZuGeraet(QPointF(g.punkt));
        p.resetTransform();
        p.setPen(QPen(QColor(47, 63, 255), 1));
        p.drawLine(QPointF(d.x(), 0), QPointF(d.x(), p.device()->height()));
        p.drawLine(QPointF(0, d.y()), QPointF(p.device()->width(), d.y()));
    }
    p.restore();
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
    auftrag().Konturen.AktuelleKontur().Rueckgaengig();
    m_letzteMausPos = KeinPunkt;
    m_gummiband = {};
    m_steuerung->neuZeichnen();
}

void TMainForm::BTN_KonturVorClick()
{
    auftrag().Konturen.AktuelleKontur().Wiederherstellen();
    m_letzteMausPos = KeinPunkt;
    m_gummiband = {};
    m_steuerung->neuZeichnen();
}
