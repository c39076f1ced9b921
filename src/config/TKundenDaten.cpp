// The customer data and their departments (TAbteilung): defaults, the customer block of the
// files and orders, and the old INI format.
#include "config/TKundenDaten.h"

#include "base/AtomicWriter.h"
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/IniFile.h"
#include "base/Logging.h"
#include "base/Numbers.h"
#include "base/ProgramFolders.h"
#include "base/Zlib.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

const QString kHerkunftStandard = QStringLiteral("Leihgabe von Zarn e.K.");
// Bytes of a department block after its accelerators: four s[50] and two indexes.
constexpr qsizetype kAbteilungsRest = 4 * 51 + 2 * 4;

const QString kTransportStandard = QStringLiteral("am nächsten Werktag");

bool gefuellt(const QString &s)
{
    return !s.trimmed().isEmpty();
}

bool adresseKomplett(const TAdresse &a)
{
    return gefuellt(a.Institut) && gefuellt(a.Strasse) && gefuellt(a.PLZ) && gefuellt(a.Ort);
}

TAnP neuerAnP()
{
    TAnP a;
    a.Geschlecht = QStringLiteral("Herr");
    a.Name = QStringLiteral("Mustermann, Max");
    return a;
}

void leseAnP(ByteReader &r, TAnP &a)
{
    a.Geschlecht = r.shortString(50, "Ansprechpartner: Geschlecht");
    a.Titel = r.shortString(50, "Ansprechpartner: Titel");
    a.Name = r.shortString(50, "Ansprechpartner: Name");
    a.Telefon = r.shortString(50, "Ansprechpartner: Telefon");
    a.Fax = r.shortString(50, "Ansprechpartner: Fax");
    a.EMail = r.shortString(50, "Ansprechpartner: EMail");
}

void schreibeAnP(ByteWriter &w, const TAnP &a)
{
    w.shortString(a.Geschlecht, 50);
    w.shortString(a.Titel, 50);
    w.shortString(a.Name, 50);
    w.shortString(a.Telefon, 50);
    w.shortString(a.Fax, 50);
    w.shortString(a.EMail, 50);
}

void leseAdresse(ByteReader &r, TAdresse &a)
{
    a.AnP = r.shortString(200, "Adresse: AnP");
    a.Institut = r.shortString(50, "Adresse: Institut");
    a.Abteilung = r.shortString(50, "Adresse: Abteilung");
    a.Strasse = r.shortString(50, "Adresse: Strasse");
    a.PLZ = r.shortString(5, "Adresse: PLZ");
    a.Ort = r.shortString(50, "Adresse: Ort");
}

void schreibeAdresse(ByteWriter &w, const TAdresse &a)
{
    w.shortString(a.AnP, 200);
    w.shortString(a.Institut, 50);
    w.shortString(a.Abteilung, 50);
    w.shortString(a.Strasse, 50);
    w.shortString(a.PLZ, 5);
    w.shortString(a.Ort, 50);
}

void leseBeschl(ByteReader &r, TBeschl &b)
{
    b.Beschleuniger = r.shortString(50, "Beschleuniger: Hersteller");
    b.KBez = r.shortString(50, "Beschleuniger: KBez");
    b.Typ = r.shortString(50, "Beschleuniger: Typ");
    b.FBA = r.shortString(10, "Beschleuniger: FBA");
    b.EFBA = r.shortString(10, "Beschleuniger: EFBA");
    b.Gusshoehe = r.shortString(10, "Beschleuniger: Gusshoehe");
}

void schreibeBeschl(ByteWriter &w, const TBeschl &b)
{
    w.shortString(b.Beschleuniger, 50);
    w.shortString(b.KBez, 50);
    w.shortString(b.Typ, 50);
    w.shortString(b.FBA, 10);
    w.shortString(b.EFBA, 10);
    w.shortString(b.Gusshoehe, 10);
}

// A count read from the file must be possible with the bytes that remain (and the fields that
// still follow in the same record), checked before anything is allocated for it.
bool anzahlPruefen(ByteReader &r, qint32 anzahl, qsizetype groesseJeEintrag, const char *was, qsizetype danach = 0)
{
    if (!r.ok())
        return false;
    if (anzahl < 0) {
        r.fail(QStringLiteral("Die Anzahl der %1 ist negativ (%2)").arg(QString::fromUtf8(was)).arg(anzahl));
        return false;
    }
    if (qsizetype(anzahl) * groesseJeEintrag + danach > r.remaining()) {
        r.fail(QStringLiteral("Die Anzahl der %1 (%2) passt nicht zu den vorhandenen Daten (noch %3 Bytes an Position %4)")
                   .arg(QString::fromUtf8(was))
                   .arg(anzahl)
                   .arg(r.remaining())
                   .arg(r.pos()));
        return false;
    }
    return true;
}

qint32 aufInt32(double v)
{
    if (!std::isfinite(v))
        return 0;
    const qint64 g = qv::roundHalfEven(std::clamp(v, double(std::numeric_limits<qint32>::min()),
                                                  double(std::numeric_limits<qint32>::max())));
    return qint32(g);
}

// x * faktor / FFA rather than x / FFA * faktor: mathematically the same, and an exact half
// (which must round to even) stays exact in binary floating point.
QPoint umrechnen(QPoint p, double faktor, double ffa)
{
    return QPoint(aufInt32(double(p.x()) * faktor / ffa), aufInt32(double(p.y()) * faktor / ffa));
}

// A free name beside the damaged file, so nothing is ever overwritten.
QString freierSicherungsName(const QString &pfad)
{
    const QString basis = pfad + QStringLiteral(".beschaedigt");
    if (!QFileInfo::exists(basis))
        return basis;
    for (int i = 2; i < 10000; ++i) {
        const QString kandidat = basis + QLatin1Char('-') + QString::number(i);
        if (!QFileInfo::exists(kandidat))
            return kandidat;
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------------------------------------

void TAbteilung::NeuerAnP()
{
    AnP.append(neuerAnP());
    AktAnP = qint32(AnP.size() - 1);
}

void TAbteilung::LoescheAnP(int index)
{
    if (index < 0 || index >= AnP.size())
        return;
    AnP.removeAt(index);
    if (AnP.isEmpty())
        NeuerAnP();
    if (AktAnP > 0)
        --AktAnP;
}

void TAbteilung::NeuerBeschl()
{
    TBeschl b;
    b.Beschleuniger = QStringLiteral("Siemens");
    b.KBez = QStringLiteral("Linac");
    b.Typ = QString::number(Beschl.size() + 1);
    b.FBA = QStringLiteral("0");
    b.EFBA = QStringLiteral("95");
    b.Gusshoehe = QStringLiteral("8,0 cm");
    Beschl.append(b);
    AktBeschl = qint32(Beschl.size() - 1);
}

void TAbteilung::LoescheBeschl(int index)
{
    if (index < 0 || index >= Beschl.size())
        return;
    Beschl.removeAt(index);
    if (Beschl.isEmpty())
        NeuerBeschl();
    if (AktBeschl > 0)
        --AktBeschl;
}

TAnP *TAbteilung::AktuellerAnP()
{
    return AktAnP >= 0 && AktAnP < AnP.size() ? &AnP[AktAnP] : nullptr;
}

const TAnP *TAbteilung::AktuellerAnP() const
{
    return AktAnP >= 0 && AktAnP < AnP.size() ? &AnP[AktAnP] : nullptr;
}

TBeschl *TAbteilung::AktuellerBeschl()
{
    return AktBeschl >= 0 && AktBeschl < Beschl.size() ? &Beschl[AktBeschl] : nullptr;
}

const TBeschl *TAbteilung::AktuellerBeschl() const
{
    return AktBeschl >= 0 && AktBeschl < Beschl.size() ? &Beschl[AktBeschl] : nullptr;
}

bool TAbteilung::Laden(ByteReader &r)
{
    Version = r.int32("Abteilung: Version");
    leseAdresse(r, Lieferanschrift);
    leseAdresse(r, Rechnungsanschrift);
    leseAdresse(r, Abholadresse);

    const qint32 n = r.int32("Abteilung: Anzahl der Ansprechpartner");
    if (!anzahlPruefen(r, n, TAnP::Groesse, "Ansprechpartner", 4 + kAbteilungsRest))
        return false;
    AnP.clear();
    AnP.reserve(n);
    for (qint32 i = 0; i < n; ++i) {
        TAnP a;
        leseAnP(r, a);
        AnP.append(a);
    }

    const qint32 m = r.int32("Abteilung: Anzahl der Beschleuniger");
    if (!anzahlPruefen(r, m, TBeschl::Groesse, "Beschleuniger", kAbteilungsRest))
        return false;
    Beschl.clear();
    Beschl.reserve(m);
    for (qint32 i = 0; i < m; ++i) {
        TBeschl b;
        leseBeschl(r, b);
        Beschl.append(b);
    }

    Transport = r.shortString(50, "Abteilung: Transport");
    Herkunft = r.shortString(50, "Abteilung: Herkunft");
    Legierung = r.shortString(50, "Abteilung: Legierung");
    Name = r.shortString(50, "Abteilung: Name");
    AktAnP = r.int32("Abteilung: AktAnP");
    AktBeschl = r.int32("Abteilung: AktBeschl");
    return r.ok();
}

void TAbteilung::Speichern(ByteWriter &w) const
{
    w.int32(Version);
    schreibeAdresse(w, Lieferanschrift);
    schreibeAdresse(w, Rechnungsanschrift);
    schreibeAdresse(w, Abholadresse);
    w.int32(qint32(AnP.size()));
    for (const TAnP &a : AnP)
        schreibeAnP(w, a);
    w.int32(qint32(Beschl.size()));
    for (const TBeschl &b : Beschl)
        schreibeBeschl(w, b);
    w.shortString(Transport, 50);
    w.shortString(Herkunft, 50);
    w.shortString(Legierung, 50);
    w.shortString(Name, 50);
    w.int32(AktAnP);
    w.int32(AktBeschl);
}

// ---------------------------------------------------------------------------------------------

bool TKundenDaten::Laden(ByteReader &r)
{
    // Read into a fresh object so damaged bytes leave this one as it was.
    TKundenDaten neu;
    neu.Demo = Demo;
    neu.AusAuftrag = AusAuftrag;
    neu.Version = r.int32("Kundendaten: Version");
    neu.FFA = r.extended("Kundendaten: FFA");
    leseAnP(r, neu.Vertragspartner);
    leseAdresse(r, neu.VertragsAdresse);
    const qint32 d = r.int32("Kundendaten: Anzahl der Abteilungen");
    neu.AktAbteilung = r.int32("Kundendaten: AktAbteilung");
    if (!anzahlPruefen(r, d, TAbteilung::GrundGroesse, "Abteilungen"))
        return false;
    neu.Abteilungen.reserve(d);
    for (qint32 i = 0; i < d; ++i) {
        TAbteilung abt;
        if (!abt.Laden(r))
            return false;
        neu.Abteilungen.append(std::move(abt));
    }
    if (!r.ok())
        return false;
    *this = std::move(neu);
    return true;
}

void TKundenDaten::Speichern(ByteWriter &w) const
{
    w.int32(Version);
    w.extended(FFA);
    schreibeAnP(w, Vertragspartner);
    schreibeAdresse(w, VertragsAdresse);
    w.int32(qint32(Abteilungen.size()));
    w.int32(AktAbteilung);
    for (const TAbteilung &a : Abteilungen)
        a.Speichern(w);
}

Result<void> TKundenDaten::LadeDatei(const QString &pfad)
{
    const QString name = QDir::toNativeSeparators(pfad);
    auto roh = qv::readWholeFile(pfad, MaxDateiGroesse);
    if (!roh)
        return Error{roh.error()};
    auto block = qv::inflateZlib(*roh, MaxBlockGroesse);
    if (!block)
        return Error{QStringLiteral("Die Kundendatei \"%1\" kann nicht gelesen werden: %2").arg(name, block.error())};
    ByteReader r(*block);
    if (!Laden(r))
        return Error{QStringLiteral("Die Kundendatei \"%1\" kann nicht gelesen werden: %2").arg(name, r.error())};
    return {};
}

Result<void> TKundenDaten::Laden(const KundenDateien &dateien)
{
    *this = TKundenDaten();
    if (QFileInfo::exists(dateien.kunde)) {
        auto ok = LadeDatei(dateien.kunde);
        if (!ok) {
            LadeStandard();
            return ok;
        }
        return {};
    }
    if (QFileInfo::exists(dateien.kundenDaten)) {
        const qv::IniFile ini(dateien.kundenDaten);
        LadeAlteIni(ini);
        return {};
    }
    LadeStandard();
    ErsterStart = true;
    return {};
}

Result<void> TKundenDaten::LadeDemo(const KundenDateien &dateien)
{
    TKundenDaten demo;
    auto ok = demo.LadeDatei(dateien.demoKunde);
    if (!ok)
        return ok;
    *this = std::move(demo);
    ErsterStart = false;
    AusAuftrag = false;
    Demo = true;
    return {};
}

void TKundenDaten::LadeAlteIni(const qv::IniFile &ini)
{
    auto lies = [&ini](const QString &section, const QString &key, const QString &standard, int max) {
        return ini.readString(section, key, standard).left(max);
    };
    const QString vertrag = QStringLiteral("Vertrag");

    ErsterStart = false;
    FFA = 100.0;
    AktAbteilung = 0;
    Vertragspartner = TAnP();
    Vertragspartner.Geschlecht = lies(vertrag, QStringLiteral("Geschlecht"), {}, 50);
    Vertragspartner.Titel = lies(vertrag, QStringLiteral("Titel"), {}, 50);
    Vertragspartner.Name = lies(vertrag, QStringLiteral("Name"), {}, 50);
    VertragsAdresse = TAdresse();
    VertragsAdresse.AnP =
        (Vertragspartner.Geschlecht + u' ' + Vertragspartner.Titel + u' ' + Vertragspartner.Name).left(200);
    VertragsAdresse.Institut = lies(vertrag, QStringLiteral("Institut"), {}, 50);
    VertragsAdresse.Abteilung = lies(vertrag, QStringLiteral("Abteilung"), {}, 50);
    VertragsAdresse.Strasse = lies(vertrag, QStringLiteral("Strasse"), {}, 50);
    VertragsAdresse.PLZ = lies(vertrag, QStringLiteral("PLZ"), {}, 5);
    VertragsAdresse.Ort = lies(vertrag, QStringLiteral("Ort"), {}, 50);

    auto adresse = [&lies](const QString &section) {
        TAdresse a;
        a.AnP = lies(section, QStringLiteral("AnP"), {}, 200);
        a.Institut = lies(section, QStringLiteral("Institut"), {}, 50);
        a.Abteilung = lies(section, QStringLiteral("Abteilung"), {}, 50);
        a.Strasse = lies(section, QStringLiteral("Strasse"), {}, 50);
        a.PLZ = lies(section, QStringLiteral("PLZ"), {}, 5);
        a.Ort = lies(section, QStringLiteral("Ort"), {}, 50);
        return a;
    };

    TAbteilung abt;
    abt.Lieferanschrift = adresse(QStringLiteral("Lieferanschrift"));
    abt.Rechnungsanschrift = adresse(QStringLiteral("Rechnungsanschrift"));
    abt.Abholadresse = adresse(QStringLiteral("Abholadresse"));
    for (int i = 1; i <= 5; ++i) {
        const QString s = QStringLiteral("AnP%1").arg(i);
        TAnP a;
        a.Geschlecht = lies(s, QStringLiteral("Geschlecht"), QStringLiteral("Herr"), 50);
        a.Titel = lies(s, QStringLiteral("Titel"), {}, 50);
        a.Name = lies(s, QStringLiteral("Name"), {}, 50);
        a.Telefon = lies(s, QStringLiteral("Telefon"), {}, 50);
        a.Fax = lies(s, QStringLiteral("Fax"), {}, 50);
        a.EMail = lies(s, QStringLiteral("EMail"), {}, 50);
        abt.AnP.append(a);
    }
    const QString bs = QStringLiteral("Beschleuniger");
    TBeschl b;
    b.Beschleuniger = lies(bs, QStringLiteral("Beschleuniger"), QStringLiteral("Varian"), 50);
    b.KBez = lies(bs, QStringLiteral("KBez"), QStringLiteral("z.B. Linac1"), 50);
    b.Typ = lies(bs, QStringLiteral("Typ"), QStringLiteral("z.B. Primus"), 50);
    b.FBA = lies(bs, QStringLiteral("FBA"), QStringLiteral("0"), 10);
    b.EFBA = lies(bs, QStringLiteral("EFBA"), QStringLiteral("95"), 10);
    b.Gusshoehe = lies(bs, QStringLiteral("Gusshoehe"), QStringLiteral("7,0 cm"), 10);
    abt.Beschl.append(b);
    const QString auftrag = QStringLiteral("Auftrag");
    abt.Transport = lies(auftrag, QStringLiteral("Transport"), kTransportStandard, 50);
    abt.Herkunft = lies(auftrag, QStringLiteral("Herkunft"), kHerkunftStandard, 50);
    abt.Legierung = lies(auftrag, QStringLiteral("Legierung"), kHerkunftStandard, 50);
    abt.Name = QStringLiteral("Strahlentherapie");
    Abteilungen = {abt};
}

void TKundenDaten::LadeStandard()
{
    FFA = 100.0;
    AktAbteilung = 0;
    Vertragspartner = TAnP();
    VertragsAdresse = TAdresse();
    TAbteilung abt;
    abt.AnP.append(neuerAnP());
    TBeschl b;
    b.Beschleuniger = QStringLiteral("Varian");
    b.KBez = QStringLiteral("z.B. Linac1");
    b.Typ = QStringLiteral("z.B. Primus");
    b.FBA = QStringLiteral("0");
    b.EFBA = QStringLiteral("95");
    b.Gusshoehe = QStringLiteral("8,0 cm");
    abt.Beschl.append(b);
    abt.Transport = kTransportStandard;
    abt.Herkunft = kHerkunftStandard;
    abt.Legierung = kHerkunftStandard;
    abt.Name = QStringLiteral("Radioonkologie");
    Abteilungen = {abt};
}

Result<void> TKundenDaten::SpeichereDatei(const QString &kundePfad) const
{
    const QString fehlerText =
        QStringLiteral("Daten wurden nicht gespeichert.\rBitte Überprüfen Sie den Pfad ") + QDir::toNativeSeparators(kundePfad);
    if (Demo || AusAuftrag) {
        qCWarning(lcDatei) << "Kundendaten eines Demo-Kunden oder aus einem Auftrag werden nicht gespeichert";
        return Error{fehlerText};
    }
    // A customer file that cannot be read is somebody's whole configuration: keep a copy
    // before it is replaced, so it can still be mended by hand.
    if (QFileInfo::exists(kundePfad)) {
        TKundenDaten vorhanden;
        auto lesbar = vorhanden.LadeDatei(kundePfad);
        if (!lesbar) {
            const QString sicherung = freierSicherungsName(kundePfad);
            if (sicherung.isEmpty() || !QFile::copy(kundePfad, sicherung)) {
                qCWarning(lcDatei) << "Beschädigte Kundendatei konnte nicht gesichert werden:" << kundePfad;
                return Error{fehlerText};
            }
            qCWarning(lcDatei) << "Beschädigte Kundendatei gesichert als" << sicherung << ":" << lesbar.error();
        }
    }
    ByteWriter w;
    Speichern(w);
    // A failed deflate gives no bytes: never replace the file with an empty one.
    const QByteArray datei = qv::deflateZlib(w.data(), 1);
    auto ok = datei.isEmpty() ? qv::Result<void>(qv::Error{QStringLiteral("Die Kundendaten konnten nicht komprimiert werden.")})
                              : qv::writeFileAtomically(kundePfad, datei);
    if (!ok) {
        qCWarning(lcDatei) << ok.error();
        return Error{fehlerText};
    }
    return {};
}

QString TKundenDaten::PruefText() const
{
    static const TAbteilung leer;
    const TAbteilung *abt = AktuelleAbteilung();
    if (!abt)
        abt = &leer;
    QStringList teile;
    const TBeschl *b = abt->Beschl.isEmpty() ? nullptr : &abt->Beschl.first();
    if (!b || !gefuellt(b->KBez) || !gefuellt(b->Typ) || !gefuellt(b->FBA))
        teile << QStringLiteral("- die Angaben des Beschleunigers sind nicht komplett.");
    if (!adresseKomplett(VertragsAdresse))
        teile << QStringLiteral("- die Angaben des Vertragspartners sind nicht komplett.");
    const TAnP *a = abt->AnP.isEmpty() ? nullptr : &abt->AnP.first();
    if (!a || !gefuellt(a->Name) || !gefuellt(a->Telefon) || !gefuellt(a->EMail))
        teile << QStringLiteral("- die Angaben des ersten Ansprechpartners sind nicht komplett.");
    if (!adresseKomplett(abt->Lieferanschrift))
        teile << QStringLiteral("- die Angaben der Lieferanschrift sind nicht komplett.");
    if (!adresseKomplett(abt->Rechnungsanschrift))
        teile << QStringLiteral("- die Angaben der Rechnungsanschrift sind nicht komplett.");
    if (!adresseKomplett(abt->Abholadresse))
        teile << QStringLiteral("- die Angaben der Abholadresse sind nicht komplett.");
    const std::optional<double> fba = b ? qv::parseDecimal(b->FBA) : std::nullopt;
    if (!fba || *fba < 30.0 || *fba > 90.0)
        teile << QStringLiteral("- der FBA muß zwischen 30 und 90 cm liegen. (Beschleunigerkonfiguration)");
    return teile.join(u'\r');
}

QString TKundenDaten::PruefMeldung() const
{
    const QString text = PruefText();
    if (text.isEmpty())
        return {};
    const TAbteilung *abt = AktuelleAbteilung();
    return QStringLiteral("Es fehlen einige Angaben in Ihrer Konfiguration.\r"
                          "Bitte ergänzen Sie die folgenden Angaben* der Abteilung \"")
           + (abt ? abt->Name : QString()) + QStringLiteral("\" : \r") + text
           + QStringLiteral("\r\r(*Es sind Angaben in allen hellblau hinterlegten Feldern erforderlich.)");
}

void TKundenDaten::NeueAbteilung()
{
    TAbteilung abt;
    const qsizetype index = Abteilungen.size();
    if (index == 0) {
        abt.Name = QStringLiteral("Strahlentherapie");
    } else {
        const TAbteilung &vorige = Abteilungen.last();
        abt.Name = vorige.Name + QString::number(index);
        abt.Transport = vorige.Transport;
        abt.Herkunft = vorige.Herkunft;
        abt.Legierung = vorige.Legierung;
    }
    abt.NeuerAnP();
    abt.NeuerBeschl();
    abt.AktAnP = 0;
    abt.AktBeschl = 0;
    Abteilungen.append(abt);
    AktAbteilung = qint32(index);
}

void TKundenDaten::LoescheAbteilung(int index)
{
    if (index < 0 || index >= Abteilungen.size())
        return;
    Abteilungen.removeAt(index);
    if (Abteilungen.isEmpty())
        NeueAbteilung();
    if (AktAbteilung > 0)
        --AktAbteilung;
}

void TKundenDaten::WaehleAnP(const QString &anzeigeName)
{
    TAbteilung *abt = AktuelleAbteilung();
    if (!abt)
        return;
    const QString gesucht = anzeigeName.trimmed();
    for (qsizetype i = 0; i < abt->AnP.size(); ++i) {
        if (abt->AnP[i].AnzeigeName() == gesucht)
            abt->AktAnP = qint32(i);
    }
}

TAbteilung *TKundenDaten::AktuelleAbteilung()
{
    return AktAbteilung >= 0 && AktAbteilung < Abteilungen.size() ? &Abteilungen[AktAbteilung] : nullptr;
}

const TAbteilung *TKundenDaten::AktuelleAbteilung() const
{
    return AktAbteilung >= 0 && AktAbteilung < Abteilungen.size() ? &Abteilungen[AktAbteilung] : nullptr;
}

const TAnP *TKundenDaten::AktuellerAnP() const
{
    const TAbteilung *abt = AktuelleAbteilung();
    return abt ? abt->AktuellerAnP() : nullptr;
}

const TBeschl *TKundenDaten::AktuellerBeschl() const
{
    const TAbteilung *abt = AktuelleAbteilung();
    return abt ? abt->AktuellerBeschl() : nullptr;
}

QPoint TKundenDaten::BildZuIsoebene(QPoint p) const
{
    return umrechnen(p, 100.0, FFA);
}

std::optional<QPoint> TKundenDaten::BildZuBlockebene(QPoint p) const
{
    const TBeschl *b = AktuellerBeschl();
    if (!b)
        return std::nullopt;
    const std::optional<double> fba = qv::parseDecimal(b->FBA);
    if (!fba)
        return std::nullopt;
    return umrechnen(p, double(qv::roundHalfEven(*fba)), FFA);
}

std::optional<QPoint> TKundenDaten::BildZuBlendenebene(QPoint p)
{
    TAbteilung *abt = AktuelleAbteilung();
    TBeschl *b = abt ? abt->AktuellerBeschl() : nullptr;
    if (!b)
        return std::nullopt;
    std::optional<double> efba = qv::parseDecimal(b->EFBA);
    if (!efba) {
        b->EFBA = QStringLiteral("95");
        efba = 95.0;
    }
    return umrechnen(p, double(qv::roundHalfEven(*efba)), FFA);
}

std::optional<QPoint> TKundenDaten::BildZuBlendenebeneAnzeige(QPoint p) const
{
    const TBeschl *b = AktuellerBeschl();
    if (!b)
        return std::nullopt;
    const double efba = qv::parseDecimal(b->EFBA).value_or(95.0);
    return umrechnen(p, double(qv::roundHalfEven(efba)), FFA);
}

QString TKundenDaten::EFBAAnzeige(const TBeschl &b)
{
    return qv::parseDecimal(b.EFBA) ? b.EFBA : QStringLiteral("95");
}

QString TKundenDaten::SavePath(const qv::IniFile &einstellungen)
{
    // An installed program folder is not writable; the archive lies below the home folder.
    return einstellungen.readString(QStringLiteral("Init"), QStringLiteral("SavePath"),
                                    QDir::homePath() + QStringLiteral("/Quellvantar/Auftraege/"));
}

bool TKundenDaten::Help(const qv::IniFile &einstellungen)
{
    return einstellungen.readBool(QStringLiteral("Init"), QStringLiteral("Help"), true);
}

bool TKundenDaten::SetHelp(qv::IniFile &einstellungen, bool an)
{
    return einstellungen.writeBool(QStringLiteral("Init"), QStringLiteral("Help"), an);
}

} // namespace qv
