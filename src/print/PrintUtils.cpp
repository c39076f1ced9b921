#include "print/PrintUtils.h"

#include "base/DelphiDateTime.h"
#include "config/TKundenDaten.h"
#include "order/TAuftragsdatenRec.h"
#include "print/BlattSchreiber.h"

namespace qv {

namespace {

// Columns in 1/600 inch.
constexpr int kTitelX = 320;
constexpr int kUeberschriftX = 420;
constexpr int kDatenX = 520;
constexpr int kDatumX = 1020;

const QString kDatumsFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

// Data of an index that an opened file may not have: printed empty.
const TAdresse kKeineAdresse;
const TAnP kKeinAnP;

const TAbteilung *abteilung(const TKundenDaten &k)
{
    return k.AktuelleAbteilung();
}

void titel(BlattSchreiber &s, const QString &text)
{
    s.schrift(16, true, true);
    s.text(kTitelX, text);
}

void adressBlock(BlattSchreiber &s, const QString &ueberschrift, const TAdresse &a, bool hervorgehoben)
{
    const int punkte = hervorgehoben ? 13 : 10;
    s.zusammenhalten(180 + 4 * 100 + BlattSchreiber::zeilenHoehe(punkte));
    s.schrift(14, true, true);
    s.text(kUeberschriftX, ueberschrift);
    s.weiter(180);
    s.schrift(punkte, hervorgehoben);
    s.text(kDatenX, QStringLiteral("Ansprechpartner      : ") + a.AnP);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Institut             : ") + a.Institut);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Abteilung            : ") + a.Abteilung);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Strasse              : ") + a.Strasse);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("PLZ, Ort             : ") + a.PLZ + u' ' + a.Ort);
    s.weiter(160);
}

void kontaktBlock(BlattSchreiber &s, const TAnP &anp)
{
    s.zusammenhalten(200 + BlattSchreiber::zeilenHoehe(10));
    s.schrift(10);
    s.text(kDatenX, QStringLiteral("Ansprechpartner            : ") + anp.Geschlecht + u' ' + anp.Titel + u' ' + anp.Name);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Telefon                    : ") + anp.Telefon);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("E-Mail                     : ") + anp.EMail);
    s.weiter(300);
}

void abschnitt(BlattSchreiber &s, const QString &text)
{
    s.schrift(12, true, true);
    s.text(kUeberschriftX, text);
    s.weiter(160);
    s.schrift(10);
}

void gedrucktAm(BlattSchreiber &s, const QDateTime &jetzt)
{
    s.schrift(16, true);
    s.text(kDatumX, QStringLiteral("Gedruckt am ") + jetzt.toString(kDatumsFormat));
}

Result<void> druckauftrag(PrintJobs &jobs, const QString &titelText, void (*blatt)(PrintCanvas &, const DruckDaten &),
                          const DruckDaten &daten)
{
    Result<std::unique_ptr<PrintCanvas>> canvas = jobs.beginJob(titelText);
    if (!canvas)
        return Error{canvas.error()};
    blatt(**canvas, daten);
    return (*canvas)->finish();
}

} // namespace

void CodierungErgaenzen(TAuftragsdatenRec &auftragsdaten)
{
    if (auftragsdaten.Codierung.trimmed().isEmpty())
        auftragsdaten.Codierung = QStringLiteral("ohne Codierung");
}

void KundendatenBlatt(PrintCanvas &canvas, const DruckDaten &daten)
{
    const TKundenDaten &k = daten.Kundendaten;
    const TAbteilung *abt = abteilung(k);
    BlattSchreiber s(canvas);
    titel(s, kKundendatenTitel);
    s.weiter(300);
    adressBlock(s, QStringLiteral("Vertragspartner"), k.VertragsAdresse, false);
    adressBlock(s, QStringLiteral("Lieferanschrift"), abt ? abt->Lieferanschrift : kKeineAdresse, false);
    adressBlock(s, QStringLiteral("Rechnungsanschrift"), abt ? abt->Rechnungsanschrift : kKeineAdresse, false);
    if (daten.MitAbholadresse)
        adressBlock(s, QStringLiteral("Abholadresse"), abt ? abt->Abholadresse : kKeineAdresse, false);
    s.weiter(200);
    s.zusammenhalten(180 + 200 + BlattSchreiber::zeilenHoehe(10)); // the heading stays with a contact
    titel(s, QStringLiteral(" Ansprechpartner "));
    s.weiter(180);
    if (abt) {
        for (const TAnP &anp : abt->AnP)
            kontaktBlock(s, anp);
    }
    s.weiter(800);
    gedrucktAm(s, daten.Jetzt);
}

void AuftragsdatenBlatt(PrintCanvas &canvas, const DruckDaten &daten)
{
    const TAuftragsdatenRec &a = daten.Auftragsdaten;
    const TAbteilung *abt = abteilung(daten.Kundendaten);
    const TAnP *anp = abt ? abt->AktuellerAnP() : nullptr;
    const bool photonen = daten.Auftragsart == TAuftragsart::Photonen;

    BlattSchreiber s(canvas);
    titel(s, kAuftragsdatenTitel);
    s.weiter(300);
    adressBlock(s, QStringLiteral("Lieferanschrift"), abt ? abt->Lieferanschrift : kKeineAdresse, true);

    abschnitt(s, QStringLiteral("Ansprechpartner"));
    kontaktBlock(s, anp ? *anp : kKeinAnP);

    abschnitt(s, QStringLiteral("Auftragsdetails (Maschine)"));
    s.text(kDatenX, QStringLiteral("Erstellungsdatum der Datei : ") + fromTDateTime(a.Datum).toString(kDatumsFormat));
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Beschleuniger              : ") + a.Beschleuniger);
    s.weiter(100);
    s.schrift(10, true);
    s.text(kDatenX, QStringLiteral("Modus                      : ") + a.Modus);
    s.schrift(10);
    s.weiter(100);
    if (photonen) {
        s.text(kDatenX, QStringLiteral("Fokus-Block-Abstand (FBA)  : ") + a.FBA);
        s.weiter(100);
        s.schrift(10, true);
        s.text(kDatenX, QStringLiteral("Tragplatte                 : ") + a.TragplatteRahmen);
    } else {
        s.text(kDatenX, QStringLiteral("Elektronen FBA (EFBA)      : ") + a.EFBA);
        s.weiter(100);
        s.schrift(10, true);
        s.text(kDatenX, QStringLiteral("Rahmen                     : ") + a.TragplatteRahmen);
    }
    s.schrift(10);
    s.weiter(100);
    s.schrift(10, true);
    s.text(kDatenX, QStringLiteral("Codierung                  : ") + a.Codierung);
    s.weiter(200);

    abschnitt(s, QStringLiteral("Auftragsdetails (Patient)"));
    s.text(kDatenX, QStringLiteral("Patienten ID               : ") + a.PatientenID);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Zielvolumen                : ") + a.Zielvolumen);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Kurzkommentar              : ") + a.KurzKommentar);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Kollimator-Winkel          : ") + a.Kollimatorwinkel);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Gantry-Winkel              : ") + a.Gantrywinkel);
    if (photonen) {
        s.weiter(100);
        s.text(kDatenX, QStringLiteral("Gußkörperhöhe              : ") + a.Gusshoehe);
    }
    s.weiter(200);

    abschnitt(s, QStringLiteral("Auftragsdetails (Rahmenbedingungen)"));
    s.schrift(10, true);
    s.text(kDatenX, QStringLiteral("Herkunft von TP/Rahmen     : ") + a.Herkunft);
    s.weiter(100);
    s.text(kDatenX, QStringLiteral("Verbleib der Legierung     : ") + a.Legierung);
    s.weiter(200);

    s.schrift(28, true);
    s.text(kDatenX, QStringLiteral("Lieferzeit:"));
    s.weiter(300);
    s.schrift(20, true);
    s.text(kDatenX, QStringLiteral(".....") + a.Transport);
    s.weiter(600);

    abschnitt(s, QStringLiteral("Auftragsstatus"));
    s.text(kDatenX, QStringLiteral("Eine Mail mit Anhang an Zarn e.K. ist raus durch ... (Datum / Unterschrift)"));
    s.weiter(100);

    s.schrift(12, false, false, true);
    s.weiter(400);
    s.text(kUeberschriftX, QStringLiteral("Mail an ") + daten.EMailAdresse + QStringLiteral(", geschickt bis 15 Uhr."));
    s.weiter(130);
    s.text(kUeberschriftX, QStringLiteral("=> Lieferung am nächsten Werktag"));
    s.weiter(400);

    gedrucktAm(s, daten.Jetzt);
}

Result<void> DruckeAuftragsdaten(PrintJobs &jobs, const DruckDaten &daten)
{
    CodierungErgaenzen(daten.Auftragsdaten);
    return druckauftrag(jobs, kAuftragsdatenTitel, AuftragsdatenBlatt, daten);
}

Result<void> DruckeKundendaten(PrintJobs &jobs, const DruckDaten &daten)
{
    return druckauftrag(jobs, kKundendatenTitel, KundendatenBlatt, daten);
}

DruckErgebnis Drucken(PrintJobs &jobs, DruckAuswahl auswahl, const DruckDaten &daten)
{
    if (!jobs.choosePrinter())
        return {DruckErgebnis::Status::Abgebrochen, {}};
    Result<void> r;
    if (auswahl != DruckAuswahl::Kundendaten)
        r = DruckeAuftragsdaten(jobs, daten);
    if (r && auswahl != DruckAuswahl::Auftragsdaten)
        r = DruckeKundendaten(jobs, daten);
    if (!r)
        return {DruckErgebnis::Status::Fehler, r.error()};
    return {};
}

} // namespace qv
