#include "config/KundenEinstellungen.h"

#include "base/Numbers.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace qv {

namespace {

constexpr int kFeld = 50;
constexpr int kPLZ = 5;
constexpr int kAdressat = 200;
constexpr int kBeschlWert = 10;

TAdresse gekuerzt(const TAdresse &a)
{
    TAdresse r;
    r.AnP = a.AnP.left(kAdressat);
    r.Institut = a.Institut.left(kFeld);
    r.Abteilung = a.Abteilung.left(kFeld);
    r.Strasse = a.Strasse.left(kFeld);
    r.PLZ = a.PLZ.left(kPLZ);
    r.Ort = a.Ort.left(kFeld);
    return r;
}

} // namespace

const QStringList &KundenEinstellungen::GusshoeheListe()
{
    static const QStringList liste = [] {
        QStringList l;
        for (int mm = 40; mm <= 95; mm += 5)
            l << QStringLiteral("%1,%2 cm").arg(mm / 10).arg(mm % 10);
        return l;
    }();
    return liste;
}

const QStringList &KundenEinstellungen::HerkunftListe()
{
    static const QStringList liste{QStringLiteral("Leihgabe von Zarn e.K."), QStringLiteral("Kauf von Zarn e.K."),
                                   QStringLiteral("aus meinem Bestand bei Zarn e.K."),
                                   QStringLiteral("ich liefere vorab an Zarn e.K.")};
    return liste;
}

KundenEinstellungen::KundenEinstellungen(TKundenDaten &daten) : m_daten(daten) {}

KundenEinstellungen::Modus KundenEinstellungen::modus() const
{
    if (m_daten.AusAuftrag)
        return Modus::AusAuftrag;
    if (m_daten.Demo)
        return Modus::Demo;
    return Modus::Normal;
}

Result<void> KundenEinstellungen::SicherungLaden(const KundenDateien &dateien)
{
    m_geaendert = false;
    m_hatSicherung = false;
    if (lesemodus())
        return Result<void>();
    TKundenDaten sicherung;
    Result<void> r = sicherung.Laden(dateien);
    // A damaged Kunde.cfg leaves the built-in defaults in the object; a backup of those would
    // replace the data in memory by defaults on cancel, so the current data are kept instead.
    m_sicherung = r.ok() ? sicherung : m_daten;
    m_sicherung.ErsterStart = m_daten.ErsterStart;
    m_hatSicherung = true;
    return r;
}

void KundenEinstellungen::Wiederherstellen()
{
    if (m_hatSicherung)
        m_daten = m_sicherung;
    m_geaendert = false;
}

void KundenEinstellungen::VertragspartnerSchreiben(const VertragspartnerFelder &f)
{
    if (!schreibbar())
        return;
    TAnP &v = m_daten.Vertragspartner;
    v.Geschlecht = f.Geschlecht.left(kFeld);
    v.Titel = f.Titel.left(kFeld);
    v.Name = f.Name.left(kFeld);
    TAdresse &a = m_daten.VertragsAdresse;
    a.AnP = (v.Geschlecht + u' ' + v.Titel + u' ' + v.Name).left(kAdressat);
    a.Institut = f.Institut.left(kFeld);
    a.Abteilung = f.Abteilung.left(kFeld);
    a.Strasse = f.Strasse.left(kFeld);
    a.PLZ = f.PLZ.left(kPLZ);
    a.Ort = f.Ort.left(kFeld);
    m_geaendert = true;
}

bool KundenEinstellungen::AnPSchreiben(const TAnP &f)
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    TAnP *a = abt ? abt->AktuellerAnP() : nullptr;
    if (!schreibbar() || !a)
        return false;
    a->Geschlecht = f.Geschlecht.left(kFeld);
    a->Titel = f.Titel.left(kFeld);
    a->Name = f.Name.left(kFeld);
    a->Telefon = f.Telefon.left(kFeld);
    a->Fax = f.Fax.left(kFeld);
    a->EMail = f.EMail.left(kFeld);
    m_geaendert = true;
    return true;
}

bool KundenEinstellungen::AdresseSchreiben(Tab tab, const TAdresse &f)
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (!schreibbar() || !abt)
        return false;
    Adresse(*abt, tab) = gekuerzt(f);
    m_geaendert = true;
    return true;
}

bool KundenEinstellungen::BeschlSchreiben(const TBeschl &f)
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    TBeschl *b = abt ? abt->AktuellerBeschl() : nullptr;
    if (!schreibbar() || !b)
        return false;
    b->Beschleuniger = f.Beschleuniger.left(kFeld);
    b->KBez = f.KBez.left(kFeld);
    b->Typ = f.Typ.left(kFeld);
    b->FBA = f.FBA.left(kBeschlWert);
    b->EFBA = f.EFBA.left(kBeschlWert);
    b->Gusshoehe = f.Gusshoehe.left(kBeschlWert);
    m_geaendert = true;
    return true;
}

bool KundenEinstellungen::LieferartSchreiben(const QString &transport, const QString &legierung,
                                             const QString &herkunft)
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (!schreibbar() || !abt)
        return false;
    abt->Transport = transport.left(kFeld);
    abt->Legierung = legierung.left(kFeld);
    abt->Herkunft = herkunft.left(kFeld);
    m_geaendert = true;
    return true;
}

bool KundenEinstellungen::AbteilungsNameSchreiben(const QString &name)
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (!schreibbar() || !abt)
        return false;
    abt->Name = name.left(kFeld);
    m_geaendert = true;
    return true;
}

KundenEinstellungen::Ffa KundenEinstellungen::FfaSchreiben(const QString &text)
{
    QString t = text;
    const qsizetype punkt = t.indexOf(u'.');
    if (punkt >= 0)
        t[punkt] = u',';
    const std::optional<double> wert = parseDecimal(t);
    if (!wert)
        return Ffa::KeineZahl;
    if (*wert < 20.0 || *wert > 200.0)
        return Ffa::AusserhalbBereich;
    if (schreibbar()) {
        m_daten.FFA = *wert;
        m_geaendert = true;
    }
    return Ffa::Gesetzt;
}

KundenEinstellungen::AbteilungNeu KundenEinstellungen::NeueAbteilung()
{
    if (m_daten.Abteilungen.size() >= MaxAbteilungen)
        return AbteilungNeu::ZehnErreicht;
    if (schreibbar())
        m_daten.NeueAbteilung();
    return AbteilungNeu::Angelegt;
}

void KundenEinstellungen::LoescheAbteilung()
{
    if (!schreibbar())
        return;
    const int alt = m_daten.AktAbteilung;
    m_daten.LoescheAbteilung(std::max(alt, 0));
    m_daten.AktAbteilung = std::clamp(alt - 1, 0, int(m_daten.Abteilungen.size()) - 1);
}

void KundenEinstellungen::WaehleAbteilung(int index)
{
    if (index >= 0 && index < m_daten.Abteilungen.size())
        m_daten.AktAbteilung = index;
}

void KundenEinstellungen::NeuerAnP()
{
    if (TAbteilung *abt = m_daten.AktuelleAbteilung(); abt && schreibbar())
        abt->NeuerAnP();
}

void KundenEinstellungen::LoescheAnP()
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (!abt || !schreibbar())
        return;
    const int alt = abt->AktAnP;
    abt->LoescheAnP(alt);
    abt->AktAnP = std::clamp(alt - 1, 0, int(abt->AnP.size()) - 1);
}

void KundenEinstellungen::WaehleAnP(int index)
{
    if (TAbteilung *abt = m_daten.AktuelleAbteilung(); abt && index >= 0 && index < abt->AnP.size())
        abt->AktAnP = index;
}

void KundenEinstellungen::NeuerBeschl()
{
    if (TAbteilung *abt = m_daten.AktuelleAbteilung(); abt && schreibbar())
        abt->NeuerBeschl();
}

void KundenEinstellungen::LoescheBeschl()
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (!abt || !schreibbar())
        return;
    const int alt = abt->AktBeschl;
    abt->LoescheBeschl(alt);
    abt->AktBeschl = std::clamp(alt - 1, 0, int(abt->Beschl.size()) - 1);
}

void KundenEinstellungen::WaehleBeschl(int index)
{
    if (TAbteilung *abt = m_daten.AktuelleAbteilung(); abt && index >= 0 && index < abt->Beschl.size())
        abt->AktBeschl = index;
}

void KundenEinstellungen::AdresseUebernehmen(Tab tab)
{
    TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (!abt || !schreibbar())
        return;
    if (tab == Tab::Lieferanschrift)
        abt->Lieferanschrift = m_daten.VertragsAdresse;
    else
        Adresse(*abt, tab) = abt->Lieferanschrift;
    m_geaendert = true;
}

TAdresse &KundenEinstellungen::Adresse(TAbteilung &abt, Tab tab)
{
    switch (tab) {
    case Tab::Rechnungsanschrift: return abt.Rechnungsanschrift;
    case Tab::Abholadresse: return abt.Abholadresse;
    case Tab::Lieferanschrift: break;
    }
    return abt.Lieferanschrift;
}

const TAdresse &KundenEinstellungen::Adresse(const TAbteilung &abt, Tab tab)
{
    return Adresse(const_cast<TAbteilung &>(abt), tab);
}

QString KundenEinstellungen::FbaAnzeige(const QString &fba)
{
    // Only a whole number of one or two digits gets its decimal place; "100", "7,5" or a text
    // that is no number are shown as stored, so that leaving the group writes nothing new.
    static const QRegularExpression ganz(QStringLiteral("^[0-9]{1,2}$"));
    return ganz.match(fba).hasMatch() ? fba + QStringLiteral(",0") : fba;
}

QString KundenEinstellungen::BeschlAnzeige(const TBeschl &b)
{
    return (b.Beschleuniger + u' ' + b.KBez + u' ' + b.Typ).trimmed();
}

int KundenEinstellungen::ListenIndex(const QStringList &liste, const QString &text)
{
    return int(liste.indexOf(text));
}

QStringList KundenEinstellungen::AdressatenListe(const TKundenDaten &daten, const TAdresse &adresse, int *auswahl)
{
    QStringList liste;
    if (const TAbteilung *abt = daten.AktuelleAbteilung())
        for (const TAnP &a : abt->AnP)
            liste << a.AnzeigeName();
    liste << daten.Vertragspartner.AnzeigeName();
    int index = int(liste.indexOf(adresse.AnP));
    if (index < 0 && !adresse.AnP.isEmpty()) {
        // Migrated data or a renamed contact: the stored addressee stays selectable and selected.
        liste << adresse.AnP;
        index = int(liste.size() - 1);
    }
    if (auswahl)
        *auswahl = index;
    return liste;
}

QString KundenEinstellungen::MitVerzeichnisTrenner(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(u'/'))
        return ordner;
    return ordner + u'/';
}

QString KundenEinstellungen::FfaAnzeige(double ffa)
{
    return formatDecimal(ffa);
}

} // namespace qv
