#include "order/AuftragsSitzung.h"

#include "base/DelphiDateTime.h"
#include "base/IniFile.h"
#include "config/TKonfiguration.h"
#include "workspace/AblaufStatus.h"
#include "workspace/LinealBild.h"

namespace qv {

namespace {

const QString kAbschnitt = QStringLiteral("Beschleuniger");
const QString kTragplatte = QStringLiteral("Tragplatte");
const QString kElektronenblende = QStringLiteral("Elektronenblende");
const QString kAktHerkunft = QStringLiteral("AktHerkunft");
const QString kLetzteAuftragsArt = QStringLiteral("LetzteAuftragsArt");

/// The text when it is listed, else the first item (nothing for an empty list).
QString gelistetOderErstes(const QStringList &liste, const QString &text)
{
    if (liste.contains(text))
        return text;
    return liste.isEmpty() ? QString() : liste.first();
}

bool eigeneTragplatte(int seite)
{
    return seite == 1 || seite == 3;
}

} // namespace

RahmenPruefung RahmenPruefen(const TAuftrag &auftrag, const TKonfiguration &konfig)
{
    RahmenPruefung p;
    p.Liste = RahmenListeFuellen(konfig, Hersteller(auftrag.Kundendaten));
    for (qsizetype i = 0; i < p.Liste.Rahmen.size(); ++i) {
        const bool passt = RahmenPasst(auftrag, p.Liste.BlendenGroessen[i]);
        p.Passt << passt;
        if (passt && p.BestFit < 0)
            p.BestFit = int(i);
    }
    if (!p.Liste.Rahmen.isEmpty())
        p.Gewaehlt = std::max(0, ListenIndex(p.Liste.Rahmen, auftrag.Auftragsdaten.TragplatteRahmen));
    p.GewaehlterPasst = p.Gewaehlt >= 0 ? p.Passt[p.Gewaehlt] : RahmenPasst(auftrag, std::nullopt);
    return p;
}

AuftragsSitzung::AuftragsSitzung(const TKonfiguration &konfiguration, QObject *parent)
    : QObject(parent), m_konfig(konfiguration)
{
}

void AuftragsSitzung::StatusSetzen(std::uint16_t status)
{
    m_ablauf = status;
    emit geaendert(Ablauf);
}

void AuftragsSitzung::KundenModusSetzen(bool kundenModus)
{
    if (kundenModus == m_kundenModus)
        return;
    m_kundenModus = kundenModus;
    emit geaendert(Dokument);
}

void AuftragsSitzung::NeuerAuftrag()
{
    TAuftrag &a = m_auftrag;
    a.AusDatei = false;
    a.OhneAbholadresse = false;
    a.Vorlage = QImage();
    a.EinschubGesetzt = false;
    a.Auftragsdaten = TAuftragsdatenRec();
    a.Massstab.PunkteZuruecksetzen();
    a.IsozentrumGesetzt = false;
    a.FeldEcke1 = KeinPunkt;
    a.FeldEcke2 = KeinPunkt;
    a.Auftragsart = TAuftragsart::NichtGewaehlt;
    a.Konturen = TKonturen();
    a.Geaendert = false;
    m_ablauf = 0;
    m_bestFit = -1;
    emit geaendert(Alles);
}

void LinealSetzen(TAuftrag &a)
{
    a.Vorlage = LinealBild();
    a.Massstab.MassstabAbstandSetzen(200);
    a.MassstabPunktSetzen(1, QPoint(-300, 0));
    a.MassstabPunktSetzen(2, QPoint(300, 0));
    a.Isozentrum = QPoint(0, 0);
}

void AuftragsSitzung::LinealAuftrag()
{
    LinealSetzen(m_auftrag);
    emit geaendert(Vorlage | Massstab);
}

void AuftragsSitzung::Oeffnen(const TAuftrag &auftrag)
{
    if (&auftrag != &m_auftrag)
        m_auftrag = auftrag;
    const TAuftragsdatenRec &r = m_auftrag.Auftragsdaten;
    if (const int seite = HerkunftSeite(r.Herkunft); seite >= 0)
        m_wahl.Seite = seite;
    m_wahl.Auftragsart = m_auftrag.Auftragsart;
    m_wahl.MitCodierung = r.MitCodierung;
    m_wahl.Codierung = r.Codierung;
    if (istElektronenAuftrag(m_auftrag.Auftragsart)) {
        // The frame the file names (the first listed one when it names none); the record keeps
        // what the file holds.
        m_wahl.Rahmen = gelistetOderErstes(Rahmenliste().Rahmen, r.TragplatteRahmen);
        if (IstSiemensRahmen(r.TragplatteRahmen)) {
            m_wahl.Seite = 1;
            m_auftrag.Auftragsdaten.Herkunft = HerkunftTexte()[2];
        }
    } else if (!r.TragplatteRahmen.isEmpty()) {
        m_wahl.Tragplatte = r.TragplatteRahmen;
    }
    m_bestFit = -1;
    emit geaendert(Alles);
}

void AuftragsSitzung::ImportUebernehmen(const ImportErgebnis &ergebnis)
{
    m_auftrag = ergebnis.Auftrag;
    ImportUebernommen(ergebnis.FeldGesetzt);
}

void AuftragsSitzung::ImportUebernommen(bool feldGesetzt)
{
    if (feldGesetzt)
        m_ablauf |= ablauf::Feld;
    WahlInAuftragsdaten();
    emit geaendert(Alles);
}

void AuftragsSitzung::AuftragsdatenUebernehmen(const TAuftragsdatenRec &daten)
{
    m_auftrag.Auftragsdaten = daten;
    if (!m_auftrag.AusDatei)
        WahlInAuftragsdaten();
    emit geaendert(Auftragsdaten);
}

void AuftragsSitzung::AuftragsdatenUebernehmen(const TAuftragsdatenRec &daten, const QDateTime &zeit, const TKundenDaten &kunde)
{
    m_auftrag.Auftragszeitpunkt = zeit;
    m_auftrag.Kundendaten = kunde;
    AuftragsdatenUebernehmen(daten);
}

void AuftragsSitzung::DatumNeu(const QDateTime &jetzt)
{
    m_auftrag.Auftragsdaten.Datum = toTDateTime(jetzt);
    m_auftrag.Auftragszeitpunkt = jetzt;
    emit geaendert(Auftragsdaten);
}

void AuftragsSitzung::EinschubrichtungSetzen(TEinschubrichtung richtung)
{
    m_auftrag.Einschubrichtung = richtung;
    m_auftrag.EinschubGesetzt = true;
    emit geaendert(Einschubrichtung);
}

void AuftragsSitzung::KundendatenUebernehmen(const TKundenDaten &kunde)
{
    if (kunde == m_auftrag.Kundendaten)
        return;
    m_auftrag.Kundendaten = kunde;
    emit geaendert(Dokument | ArtUndRahmen);
}

void AuftragsSitzung::MassstabVorgabeSetzen(double ffa, qint32 abstandMM)
{
    m_auftrag.Kundendaten.FFA = ffa;
    m_auftrag.Massstab.MassstabAbstand = abstandMM;
    emit geaendert(Massstab | Dokument | ArtUndRahmen);
}

void AuftragsSitzung::FFASetzen(double ffa)
{
    m_auftrag.Kundendaten.FFA = ffa;
    emit geaendert(Dokument | ArtUndRahmen);
}

void AuftragsSitzung::KonturenGeaendert()
{
    emit geaendert(Konturen | ArtUndRahmen);
}

void AuftragsSitzung::Gespeichert(const QString &datei)
{
    m_auftrag.LetzteAuftragsdatei = datei;
    m_auftrag.Geaendert = false;
    emit geaendert(Dokument);
}

void AuftragsSitzung::Vorschlagen()
{
    const TKundenDaten &k = m_auftrag.Kundendaten;
    AuftragsartWahl w;
    w.Seite = m_wahl.Seite;
    const QString gemerkteHerkunft =
        m_gedaechtnis ? m_gedaechtnis->readString(kAbschnitt, kAktHerkunft) : QString();
    if (const int seite = HerkunftSeite(gemerkteHerkunft); seite >= 0)
        w.Seite = seite;
    if (const TAbteilung *a = k.AktuelleAbteilung()) {
        if (const int seite = HerkunftSeite(a->Herkunft); seite >= 0)
            w.Seite = seite;
    }
    w.Auftragsart = LetzteAuftragsart(m_gedaechtnis ? m_gedaechtnis->readString(kAbschnitt, kLetzteAuftragsArt, kTragplattenAuftrag)
                                                    : kTragplattenAuftrag);
    const QStringList tragplatten = Tragplattenliste();
    w.Tragplatte = istPhotonenAuftrag(w.Auftragsart) && eigeneTragplatte(w.Seite)
                       ? kEigeneTragplatte
                       : gelistetOderErstes(tragplatten, m_gedaechtnis ? m_gedaechtnis->readString(kAbschnitt, kTragplatte) : QString());
    w.MitCodierung = m_auftrag.Auftragsdaten.MitCodierung;
    w.Codierung = m_auftrag.Auftragsdaten.Codierung;
    const TRahmenListe rahmen = Rahmenliste();
    w.Rahmen = rahmen.Rahmen.value(0);
    m_wahl = w;
    m_auftrag.Auftragsart = w.Auftragsart;
    m_bestFit = -1;
    if (istElektronenAuftrag(w.Auftragsart))
        BestFitUebernehmen();
    WahlInAuftragsdaten();
    emit geaendert(ArtUndRahmen | Auftragsdaten);
}

void AuftragsSitzung::AuftragsartUebernehmen(const AuftragsartWahl &wahl, const TKundenDaten &kunde)
{
    m_auftrag.Kundendaten = kunde;
    AuftragsartWahl w = wahl;
    w.Seite = std::clamp(w.Seite, 0, 3);
    const bool elektronen = istElektronenAuftrag(w.Auftragsart);
    if (elektronen || !eigeneTragplatte(w.Seite)) {
        w.MitCodierung = false;
        w.Codierung.clear();
    } else {
        w.Tragplatte = kEigeneTragplatte;
        if (!w.MitCodierung)
            w.Codierung.clear();
    }
    m_wahl = w;
    m_auftrag.Auftragsart = w.Auftragsart;
    // Only what follows from the kind: the distance of the accelerator for the kind.
    if (const TBeschl *b = m_auftrag.Kundendaten.AktuellerBeschl())
        m_auftrag.Auftragsdaten.FBA = elektronen ? b->EFBA : b->FBA;
    WahlInAuftragsdaten();
    m_ablauf |= ablauf::Auftragsart;
    WahlMerken();
    emit geaendert(ArtUndRahmen | Auftragsdaten | Ablauf | Dokument);
}

void AuftragsSitzung::WahlBehalten(const AuftragsartWahl &wahl)
{
    m_wahl = wahl;
    m_auftrag.Auftragsart = wahl.Auftragsart;
    WahlInAuftragsdaten();
    emit geaendert(ArtUndRahmen | Auftragsdaten);
}

void AuftragsSitzung::RahmenWaehlen(const QString &rahmen)
{
    m_wahl.Rahmen = gelistetOderErstes(Rahmenliste().Rahmen, rahmen);
    if (IstSiemensRahmen(rahmen))
        m_wahl.Seite = 1;
    WahlInAuftragsdaten();
    emit geaendert(ArtUndRahmen | Auftragsdaten);
}

int AuftragsSitzung::BestFitUebernehmen()
{
    const TRahmenListe liste = Rahmenliste();
    m_bestFit = RahmenSuchen(m_auftrag, liste.BlendenGroessen);
    m_wahl.Rahmen = liste.Rahmen.value(std::max(0, m_bestFit));
    if (m_bestFit >= 0 && m_gedaechtnis)
        m_gedaechtnis->writeString(kAbschnitt, kElektronenblende, m_wahl.Rahmen);
    WahlInAuftragsdaten();
    emit geaendert(ArtUndRahmen | Auftragsdaten);
    return m_bestFit;
}

QString AuftragsSitzung::Hersteller() const
{
    return qv::Hersteller(m_auftrag.Kundendaten);
}

TRahmenListe AuftragsSitzung::Rahmenliste() const
{
    return RahmenListeFuellen(m_konfig, Hersteller());
}

QStringList AuftragsSitzung::Tragplattenliste() const
{
    return TragplattenListe(m_konfig, Hersteller());
}

bool AuftragsSitzung::RahmenPasst() const
{
    if (!istElektronenAuftrag(m_auftrag.Auftragsart))
        return true;
    const TRahmenListe liste = Rahmenliste();
    const int i = ListenIndex(liste.Rahmen, m_wahl.Rahmen);
    return qv::RahmenPasst(m_auftrag, i >= 0 ? std::optional<QPoint>(liste.BlendenGroessen[i]) : std::nullopt);
}

std::optional<TRahmenUeberlagerung> AuftragsSitzung::Ueberlagerung(int modus) const
{
    std::optional<TRahmenUeberlagerung> u =
        RahmenUeberlagerung(m_auftrag, m_konfig, m_wahl.Rahmen, modus, (m_ablauf & ablauf::Auftragsart) != 0);
    // The overlay says what the fit check of the chosen frame says (the list's size of a frame).
    if (u)
        u->Passt = RahmenPasst();
    return u;
}

std::optional<QString> AuftragsSitzung::SpeichernVerhindert() const
{
    if (!RahmenPasst())
        return RahmenPasstNichtGrund();
    return std::nullopt;
}

TAuftragsdatenEinstellungen AuftragsSitzung::AuftragsdatenVorgaben() const
{
    TAuftragsdatenEinstellungen e;
    e.Tragplatte = m_wahl.Tragplatte;
    e.Elektronenblende = m_wahl.Rahmen;
    e.AktHerkunft = HerkunftDerSeite(m_wahl.Seite);
    return e;
}

void AuftragsSitzung::WahlInAuftragsdaten()
{
    TAuftragsdatenRec &r = m_auftrag.Auftragsdaten;
    const bool elektronen = istElektronenAuftrag(m_auftrag.Auftragsart);
    r.TragplatteRahmen = elektronen ? m_wahl.Rahmen : m_wahl.Tragplatte;
    r.Herkunft = HerkunftDerSeite(m_wahl.Seite);
    r.Modus = ModusTexte()[elektronen ? 1 : 0];
    r.MitCodierung = m_wahl.MitCodierung;
    r.Codierung = m_wahl.Codierung;
}

void AuftragsSitzung::WahlMerken()
{
    if (!m_gedaechtnis)
        return;
    IniFile &ini = *m_gedaechtnis;
    ini.writeString(kAbschnitt, kAktHerkunft, HerkunftDerSeite(m_wahl.Seite));
    if (istPhotonenAuftrag(m_wahl.Auftragsart)) {
        ini.writeString(kAbschnitt, kLetzteAuftragsArt, kTragplattenAuftrag);
        ini.writeString(kAbschnitt, kTragplatte, m_wahl.Tragplatte);
    } else {
        ini.writeString(kAbschnitt, kElektronenblende, m_wahl.Rahmen);
        ini.writeString(kAbschnitt, kLetzteAuftragsArt, kRahmenAuftrag);
    }
}

} // namespace qv
