#include "app/Eingabesteuerung.h"

#include "app/KonturmodusTexte.h"
#include "app/Texte.h"
#include "app/ZweiPunktKlick.h"
#include "contour/Formen.h"
#include "order/TAuftrag.h"
#include "workspace/Arbeitsflaeche.h"

namespace qv {

namespace {

std::optional<QPoint> gesetzt(const QPoint &p)
{
    if (!istGesetzt(p))
        return std::nullopt;
    return p;
}

} // namespace

Eingabesteuerung::Eingabesteuerung(Arbeitsflaeche &a)
    : m_a(a), m_letzteMausPos(KeinPunkt), m_ziehPos(KeinPunkt), m_formPunkt1(KeinPunkt), m_formPunkt2(KeinPunkt)
{
}

Eingabeart Eingabesteuerung::laufend() const
{
    if (m_art == Eingabeart::Keine && m_konturmodus != Konturmodus::Aus)
        return Eingabeart::Auswahl;
    return m_art;
}

void Eingabesteuerung::neuerAuftrag()
{
    m_art = Eingabeart::Keine;
    m_konturmodus = Konturmodus::Aus;
    m_konturmodusStart.clear();
    m_formwerkzeug = 0;
    m_formPunkt1 = m_formPunkt2 = KeinPunkt;
    gummibandWeg();
}

void Eingabesteuerung::setFormwerkzeug(int werkzeug)
{
    m_formwerkzeug = werkzeug;
}

void Eingabesteuerung::gummibandWeg()
{
    m_letzteMausPos = KeinPunkt;
    m_gummiband = {};
}

void Eingabesteuerung::melden(EingabeAntwort &a, KonturErgebnis e)
{
    if (KonturMeldung(e).isEmpty())
        return;
    a.meldungen.append(e);
    // the message box takes the release of the button: the press ends here
    m_mausGedrueckt = false;
}

void Eingabesteuerung::eingabeEnde(EingabeAntwort &a, Eingabeart art)
{
    m_art = Eingabeart::Keine;
    a.zeiger = Qt::ArrowCursor;
    a.hilfe = EingabeAntwort::Hilfe::Modus;
    a.bedienung = true;
    a.knopfGedrueckt = std::make_pair(art, false);
    gummibandWeg();
}

EingabeAntwort Eingabesteuerung::IsozentrumStarten()
{
    EingabeAntwort a;
    m_a.auftrag().Massstab.PunkteZuruecksetzen();
    m_a.auftrag().FeldEcke1 = KeinPunkt;
    m_a.auftrag().FeldEcke2 = KeinPunkt;
    m_a.auftrag().Konturen = TKonturen();
    a.geaendert = true;
    a.bedienung = false;
    m_a.auftrag().IsozentrumGesetzt = false;
    m_art = Eingabeart::Isozentrum;
    a.zeiger = Qt::CrossCursor;
    a.einschubrichtungZuruecksetzen = true;
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::MassstabStarten()
{
    EingabeAntwort a;
    a.bedienung = false;
    m_art = Eingabeart::Massstab;
    m_a.auftrag().Massstab.PunkteZuruecksetzen();
    a.zeiger = Qt::CrossCursor;
    a.geaendert = true;
    a.ffaAnzeigen = true;
    // field and contours stay: they are stored in pixels and keep their place on the image
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::FeldStarten()
{
    EingabeAntwort a;
    m_art = Eingabeart::Feld;
    m_a.auftrag().FeldEcke1 = KeinPunkt;
    m_a.auftrag().FeldEcke2 = KeinPunkt;
    a.bedienung = false;
    a.zeiger = Qt::CrossCursor;
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::KonturStarten()
{
    EingabeAntwort a;
    a.hilfe = EingabeAntwort::Hilfe::Kontext;
    a.hilfeText = texte::konturHilfeText();
    a.hilfeTitel = texte::konturHilfeTitel();
    a.knopfGedrueckt = std::make_pair(Eingabeart::Kontur, true);
    a.konturListeOffen = true;
    a.zeiger = Qt::CrossCursor;
    m_art = Eingabeart::Kontur;
    a.konturKnopfText = texte::eingabeBeenden();
    a.bedienung = false;
    m_a.AblaufStatus |= ablauf::Kontur;
    a.neuZeichnen = true;
    // enables the running input's own button again, so that it can be ended
    a.ablaufAktualisieren = true;
    return a;
}

EingabeAntwort Eingabesteuerung::KonturSchliessen()
{
    EingabeAntwort a;
    melden(a, m_a.auftrag().Konturen.AktuelleKontur().Schliessen(true));
    gummibandWeg();
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::KonturBeenden()
{
    EingabeAntwort a;
    a.ablaufAktualisieren = true;
    if (!m_a.auftrag().Konturen.AlleGeschlossen())
        return a;
    a.konturKnopfText = istElektronenAuftrag(m_a.auftrag().Auftragsart) ? QStringLiteral("Aperturen") : QStringLiteral("Konturen");
    a.konturListeOffen = false;
    a.geaendert = true;
    m_a.AblaufStatus |= ablauf::Kontur;
    eingabeEnde(a, Eingabeart::Kontur);
    a.rahmenPruefen = true;
    a.neuZeichnen = true;
    return a;
}

void Eingabesteuerung::konturPunkt(EingabeAntwort &a, QPoint p)
{
    if (!m_mausGedrueckt)
        return;
    TKonturen &k = m_a.auftrag().Konturen;
    a.neuZeichnen = true;
    if (k.AktuelleKontur().IstGeschlossen()) {
        // at the limit of eleven nothing is added
        const KonturErgebnis neu = k.NeueKontur();
        melden(a, neu);
        if (neu != KonturErgebnis::Angenommen)
            return;
    }
    melden(a, k.PunktHinzufuegen(p));
}

EingabeAntwort Eingabesteuerung::MausGedrueckt(const Abbildung &abb, QPoint geraet, MausTaste taste, bool shift,
                                               bool strg)
{
    EingabeAntwort a;
    if (taste == MausTaste::Links)
        m_mausGedrueckt = true;

    TKonturen &k = m_a.auftrag().Konturen;
    MausZustand z;
    z.vorlage = m_a.hatVorlage();
    z.isoEingabe = m_art == Eingabeart::Isozentrum;
    z.konturEingabeLaeuft = m_art == Eingabeart::Kontur;
    z.aktuelleKonturOffen = !k.AktuelleKontur().IstGeschlossen();
    z.massstabEingabe = m_art == Eingabeart::Massstab;
    z.feldEingabe = m_art == Eingabeart::Feld;
    z.formwerkzeug = m_a.Modus == ModusOhneVorlage && m_formwerkzeug != 0;
    z.verschiebenOderDrehen = m_art == Eingabeart::Keine && m_konturmodus != Konturmodus::Aus;
    const QPoint p = abb.geraetZuArbeit(geraet);

    switch (mausZweig(z, taste)) {
    case MausZweig::NurNeuzeichnen:
        break;
    case MausZweig::Isozentrum:
        m_a.auftrag().Isozentrum = abb.geraetZuSeite(geraet);
        m_a.auftrag().IsozentrumGesetzt = true;
        eingabeEnde(a, Eingabeart::Isozentrum);
        break;
    case MausZweig::KonturPunkt:
        konturPunkt(a, zwangAnwenden(p, gesetzt(k.LetzterPunktAktuell()), shift, strg));
        break;
    case MausZweig::KonturSchliessen:
        a = KonturSchliessen();
        break;
    case MausZweig::KonturEingabeBeenden:
        a = KonturBeenden();
        gummibandWeg();
        break;
    case MausZweig::Massstab: {
        const ZweiPunktKlick klick = massstabKlick(gesetzt(m_a.auftrag().Massstab.MassstabPunkt1),
                                                   gesetzt(m_a.auftrag().Massstab.MassstabPunkt2), p, shift, strg);
        if (klick.punkt == 1) {
            m_a.MassstabPunktSetzen(1, klick.wert);
        } else if (klick.punkt == 2) {
            m_a.MassstabPunktSetzen(2, klick.wert);
            eingabeEnde(a, Eingabeart::Massstab);
        }
        break;
    }
    case MausZweig::Feld: {
        const ZweiPunktKlick klick = feldKlick(gesetzt(m_a.auftrag().FeldEcke1), gesetzt(m_a.auftrag().FeldEcke2), p);
        if (klick.punkt == 1) {
            m_a.auftrag().FeldEcke1 = klick.wert;
        } else if (klick.punkt == 2) {
            m_a.auftrag().FeldEcke2 = klick.wert;
            m_a.AblaufStatus |= ablauf::Feld;
            eingabeEnde(a, Eingabeart::Feld);
        }
        break;
    }
    case MausZweig::Form:
        if (!istGesetzt(m_formPunkt1)) {
            m_formPunkt1 = p;
            a.bedienung = false;
        } else {
            m_formPunkt2 = p;
            a.formFertig = true;
            a.bedienung = true;
        }
        break;
    case MausZweig::Auswahl:
        if (taste == MausTaste::Rechts && k.IrgendeineMarkiert()) {
            k.AlleDemarkieren();
        } else if (taste == MausTaste::Links) {
            k.MarkierungUmschalten(p);
            m_ziehPos = p;
        }
        break;
    }
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::MausBewegt(const Abbildung &abb, QPoint geraet, bool shift, bool strg)
{
    EingabeAntwort a;
    const QPoint p = abb.geraetZuArbeit(geraet);
    const bool kontur = m_art == Eingabeart::Kontur;
    if (kontur)
        konturPunkt(a, zwangAnwenden(p, gesetzt(m_a.auftrag().Konturen.LetzterPunktAktuell()), shift, strg));

    GummibandZustand gz;
    gz.isoEingabe = m_art == Eingabeart::Isozentrum;
    gz.konturEingabe = kontur;
    gz.letzterKonturPunkt = gesetzt(m_a.auftrag().Konturen.LetzterPunktAktuell());
    gz.feldEingabe = m_art == Eingabeart::Feld;
    gz.feldEcke1 = gesetzt(m_a.auftrag().FeldEcke1);
    gz.massstabEingabe = m_art == Eingabeart::Massstab;
    gz.massstabPunkt1 = gesetzt(m_a.auftrag().Massstab.MassstabPunkt1);
    gz.formwerkzeug = m_a.Modus == ModusOhneVorlage && m_formwerkzeug != 0;
    gz.formPunkt1 = gesetzt(m_formPunkt1);
    Gummiband g = m_a.hatVorlage() ? qv::gummiband(gz, p, shift, strg) : Gummiband{};
    g.formwerkzeug = m_formwerkzeug;
    a.gummibandNeuZeichnen = g.wartet || m_gummiband.wartet;
    m_gummiband = g;
    m_letzteMausPos = g.wartet ? g.punkt : KeinPunkt;

    // dragging moves the selected contours in the move mode only
    if (m_art == Eingabeart::Keine && m_konturmodus == Konturmodus::Verschieben && m_mausGedrueckt) {
        if (m_a.auftrag().Konturen.MarkierteVerschieben(p - m_ziehPos))
            a.neuZeichnen = true;
        m_ziehPos = p;
    }
    return a;
}

EingabeAntwort Eingabesteuerung::MausLosgelassen()
{
    EingabeAntwort a;
    m_mausGedrueckt = false;
    a.neuZeichnen = true;
    // the field input keeps the workflow as it is until its second corner; the move and rotate
    // modes keep their lock until they end
    a.ablaufAktualisieren = m_art != Eingabeart::Feld && laufend() != Eingabeart::Auswahl;
    return a;
}

EingabeAntwort Eingabesteuerung::FormenStarten(FormenStart start)
{
    EingabeAntwort a;
    if (start == FormenStart::Abgebrochen) {
        a.konturKnopfText = konturenText();
        a.knopfGedrueckt = std::make_pair(Eingabeart::Form, false);
    } else {
        if (start == FormenStart::NeuesFFA)
            a.geaendert = true;
        m_art = Eingabeart::Form;
        a.konturKnopfText = texte::eingabeBeenden();
        a.knopfGedrueckt = std::make_pair(Eingabeart::Form, true);
        a.formenOffen = true;
        a.bedienung = false;
        const EingabeAntwort w = FormwerkzeugSetzen(FormRechteck);
        a.formwerkzeugZeigen = w.formwerkzeugZeigen;
    }
    a.ffaAnzeigen = true;
    a.neuZeichnen = true;
    a.ablaufAktualisieren = true;
    return a;
}

QString Eingabesteuerung::konturenText() const
{
    return istElektronenAuftrag(m_a.auftrag().Auftragsart) ? QStringLiteral("Aperturen") : QStringLiteral("Konturen");
}

EingabeAntwort Eingabesteuerung::FormenBeenden()
{
    EingabeAntwort a;
    m_art = Eingabeart::Keine;
    m_formwerkzeug = FormKeine;
    m_formPunkt1 = m_formPunkt2 = KeinPunkt;
    gummibandWeg();
    a.formwerkzeugZeigen = FormKeine;
    a.knopfGedrueckt = std::make_pair(Eingabeart::Form, false);
    a.formenOffen = false;
    a.konturKnopfText = konturenText();
    a.bedienung = true;
    a.neuZeichnen = true;
    a.ablaufAktualisieren = true;
    return a;
}

EingabeAntwort Eingabesteuerung::FormwerkzeugSetzen(int werkzeug)
{
    EingabeAntwort a;
    m_formwerkzeug = (werkzeug >= FormRechteck && werkzeug <= FormEllipse) ? werkzeug : FormKeine;
    m_formPunkt1 = m_formPunkt2 = KeinPunkt;
    gummibandWeg();
    a.formwerkzeugZeigen = m_formwerkzeug;
    a.ablaufAktualisieren = true;
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::FormwerkzeugKlick(int werkzeug)
{
    return FormwerkzeugSetzen(werkzeug == m_formwerkzeug ? FormKeine : werkzeug);
}

EingabeAntwort Eingabesteuerung::FormAusGroesse(int werkzeug, double x, double y)
{
    const auto punkte = FormPunkteAusGroesse(werkzeug, x, y);
    if (!punkte) {
        EingabeAntwort a;
        a.formMeldung = FormMeldung(FormErgebnis::ZuGross);
        return a;
    }
    m_formwerkzeug = werkzeug;
    m_formPunkt1 = punkte->first;
    m_formPunkt2 = punkte->second;
    return FormErzeugen();
}

EingabeAntwort Eingabesteuerung::FormErzeugen()
{
    const FormErgebnis e = qv::FormErzeugen(m_a.auftrag().Konturen, m_formwerkzeug, m_formPunkt1, m_formPunkt2);
    if (e != FormErgebnis::Angenommen) {
        EingabeAntwort a;
        a.formMeldung = FormMeldung(e);
        // the message box takes the release of the button
        m_mausGedrueckt = false;
        m_formPunkt1 = m_formPunkt2 = KeinPunkt;
        gummibandWeg();
        // generation goes on: the user interface stays locked
        a.bedienung = false;
        a.neuZeichnen = true;
        return a;
    }
    m_a.AblaufStatus |= ablauf::Kontur;
    EingabeAntwort a = FormenBeenden();
    a.geaendert = true;
    a.rahmenPruefen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::KonturmodusStarten(Konturmodus modus)
{
    EingabeAntwort a;
    if (modus == Konturmodus::Aus || modus == m_konturmodus)
        return a;
    if (m_konturmodus != Konturmodus::Aus)
        a.geaendert = konturmodusEnde(true);
    TKonturen &k = m_a.auftrag().Konturen;
    m_konturmodus = modus;
    m_ziehPos = KeinPunkt;
    k.AlleMarkieren();
    k.AlleUebernehmen();
    m_konturmodusStart.clear();
    for (int n = 1; n <= k.Anzahl(); ++n)
        m_konturmodusStart.append(k.Kontur(n).Punkte());
    a.konturmodus = modus;
    a.bedienung = false;
    a.hilfe = EingabeAntwort::Hilfe::Kontext;
    const bool schieben = modus == Konturmodus::Verschieben;
    a.hilfeTitel = schieben ? texte::verschiebenHilfeTitel() : texte::drehenHilfeTitel();
    a.hilfeText = schieben ? texte::verschiebenHilfeText() : texte::drehenHilfeText();
    a.neuZeichnen = true;
    return a;
}

bool Eingabesteuerung::konturmodusEnde(bool uebernehmen)
{
    TKonturen &k = m_a.auftrag().Konturen;
    if (!uebernehmen)
        k.AlleVerwerfen();
    k.AlleDemarkieren();
    bool geaendert = k.Anzahl() != m_konturmodusStart.size();
    for (int n = 1; n <= k.Anzahl() && !geaendert; ++n)
        geaendert = k.Kontur(n).Punkte() != m_konturmodusStart[n - 1];
    m_konturmodus = Konturmodus::Aus;
    m_konturmodusStart.clear();
    m_mausGedrueckt = false;
    return geaendert;
}

EingabeAntwort Eingabesteuerung::KonturmodusBeenden(bool uebernehmen)
{
    EingabeAntwort a;
    if (m_konturmodus == Konturmodus::Aus)
        return a;
    a.geaendert = konturmodusEnde(uebernehmen);
    a.konturmodus = Konturmodus::Aus;
    a.bedienung = true;
    a.hilfe = EingabeAntwort::Hilfe::Modus;
    // after the lock the workflow decides again what may be used (saving among it)
    a.ablaufAktualisieren = true;
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::KonturenSchieben(Schrittrichtung richtung, int mm)
{
    EingabeAntwort a;
    if (m_konturmodus != Konturmodus::Verschieben)
        return a;
    const QPoint d = SchrittInPixel(richtung, mm, m_a.auftrag().PixelProMM());
    a.neuZeichnen = m_a.auftrag().Konturen.MarkierteVerschieben(d);
    return a;
}

EingabeAntwort Eingabesteuerung::KonturenDrehen(int grad, bool rechts)
{
    EingabeAntwort a;
    if (m_konturmodus != Konturmodus::Drehen)
        return a;
    const double w = GradZuBogen(grad);
    a.neuZeichnen = m_a.auftrag().Konturen.MarkierteDrehen(rechts ? w : -w);
    return a;
}

EingabeAntwort Eingabesteuerung::Rueckgaengig()
{
    EingabeAntwort a;
    m_a.auftrag().Konturen.AktuelleKontur().Rueckgaengig();
    gummibandWeg();
    a.neuZeichnen = true;
    return a;
}

EingabeAntwort Eingabesteuerung::Wiederherstellen()
{
    EingabeAntwort a;
    m_a.auftrag().Konturen.AktuelleKontur().Wiederherstellen();
    gummibandWeg();
    a.neuZeichnen = true;
    return a;
}

} // namespace qv
