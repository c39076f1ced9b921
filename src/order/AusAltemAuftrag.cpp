#include "config/TKundenDaten.h"

#include "base/ByteReader.h"
#include "order/TAuftragsdatenRec.h"

namespace qv {

namespace {

// The old customer record: five contacts, then four to six addresses.
constexpr int kAnzahlAnP = 5;
constexpr int kAdressenBeginn = kAnzahlAnP * TAnP::Groesse; // 1530
constexpr int kLieferSlot = 0;
constexpr int kRechnungSlot = 1;
constexpr int kVertragSlot = 3;

TAnP leseAnP(qv::ByteReader &r)
{
    TAnP a;
    a.Geschlecht = r.shortString(50);
    a.Titel = r.shortString(50);
    a.Name = r.shortString(50);
    a.Telefon = r.shortString(50);
    a.Fax = r.shortString(50);
    a.EMail = r.shortString(50);
    return a;
}

TAdresse leseAdresse(QByteArrayView record, int slot)
{
    qv::ByteReader r(record.sliced(kAdressenBeginn + slot * TAdresse::Groesse, TAdresse::Groesse));
    TAdresse a;
    a.AnP = r.shortString(200);
    a.Institut = r.shortString(50);
    a.Abteilung = r.shortString(50);
    a.Strasse = r.shortString(50);
    a.PLZ = r.shortString(5);
    a.Ort = r.shortString(50);
    return a;
}

} // namespace

bool TKundenDaten::AusAltemAuftrag(QByteArrayView altRecord, const TAuftragsdatenRec &auftragsdaten)
{
    const qsizetype groesse = altRecord.size();
    if (groesse != kAdressenBeginn + 4 * TAdresse::Groesse && groesse != kAdressenBeginn + 5 * TAdresse::Groesse
        && groesse != kAdressenBeginn + 6 * TAdresse::Groesse)
        return false;

    *this = TKundenDaten();
    NeueAbteilung();
    TAbteilung &abt = Abteilungen[AktAbteilung];
    VertragsAdresse = leseAdresse(altRecord, kVertragSlot);
    abt.Lieferanschrift = leseAdresse(altRecord, kLieferSlot);
    abt.Rechnungsanschrift = leseAdresse(altRecord, kRechnungSlot);

    qv::ByteReader r(altRecord.first(kAdressenBeginn));
    for (int i = 0; i < kAnzahlAnP; ++i) {
        const TAnP anp = leseAnP(r);
        if (anp.Name.trimmed().isEmpty())
            continue;
        if (i > 0)
            abt.NeuerAnP();
        abt.AnP[abt.AktAnP] = anp;
    }
    AusAuftrag = true;

    TBeschl &beschl = abt.Beschl[0];
    beschl.KBez = auftragsdaten.Beschleuniger;
    abt.Herkunft = auftragsdaten.Herkunft;
    abt.Legierung = auftragsdaten.Legierung;
    abt.Transport = auftragsdaten.Transport;
    WaehleAnP(auftragsdaten.Bearbeiter);
    // The maker is the first word of the accelerator text; a text without a blank names none.
    const qsizetype blank = auftragsdaten.Beschleuniger.indexOf(u' ');
    beschl.Beschleuniger = blank < 0 ? QString() : auftragsdaten.Beschleuniger.left(blank);
    // Old orders with equal FBA and EFBA texts carried no real block distance.
    beschl.FBA = auftragsdaten.FBA == auftragsdaten.EFBA ? QStringLiteral("42,0") : auftragsdaten.FBA;
    beschl.EFBA = auftragsdaten.EFBA;
    FFA = 100.0;
    return true;
}

} // namespace qv
