#include "order/TAuftragsdatenFelder.h"

#include "base/DelphiDateTime.h"
#include "base/Numbers.h"
#include "config/TKonfiguration.h"
#include "config/TKundenDaten.h"
#include "order/Auftragsart.h"
#include "order/TAuftrag.h"

namespace qv {

namespace {

const QString kDatumsFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

/// The text when it is listed, else nothing.
QString wennGelistet(const QStringList &liste, const QString &text)
{
    return liste.contains(text) ? text : QString();
}

/// The stored text, added to the list when it is missing; the first item when nothing is stored.
QString gespeichertOderErstes(QStringList &liste, const QString &text)
{
    if (text.trimmed().isEmpty())
        return liste.isEmpty() ? QString() : liste.first();
    if (!liste.contains(text))
        liste << text;
    return text;
}

/// Selects the text, adding it to the list when it is missing.
void waehleOderErgaenze(QStringList &liste, QString &auswahl, const QString &text)
{
    if (!liste.contains(text))
        liste << text;
    auswahl = text;
}

} // namespace

QString TAuftragsdatenFelder::ModusText() const
{
    return ModusTexte()[Elektronen ? 1 : 0];
}

TAuftragsdatenFreigabe AuftragsdatenFreigabe(bool kundenModus, bool ausDatei)
{
    const bool bearbeitbar = kundenModus && !ausDatei;
    return {kundenModus, bearbeitbar, bearbeitbar};
}

QStringList ModusTexte()
{
    return {QStringLiteral("Photonen (Blöcke)"), QStringLiteral("Elektronen (Blenden)")};
}

QStringList EFBATexte()
{
    return {QStringLiteral("95"), QStringLiteral("100")};
}

QStringList GusshoeheTexte()
{
    QStringList t;
    for (int halbe = 8; halbe <= 19; ++halbe)
        t << QStringLiteral("%1,%2 cm").arg(halbe / 2).arg(halbe % 2 ? 5 : 0);
    return t;
}

bool FBAImBereich(const QString &fba)
{
    const std::optional<double> v = parseDecimal(fba);
    return v && *v > 30 && *v < 90;
}

void FBAPruefen(TAuftragsdatenFelder &f, const TAuftrag &auftrag)
{
    const TBeschl *b = auftrag.Kundendaten.AktuellerBeschl();
    if (f.Elektronen) {
        f.FBA = b ? b->EFBA : QString();
        f.OKAktiv = true;
    } else {
        f.FBA = b ? b->FBA : QString();
        f.OKAktiv = FBAImBereich(f.FBA);
    }
}

void ModusWechsel(TAuftragsdatenFelder &f, const TAuftrag &auftrag, const TKonfiguration &konfig,
                  const TAuftragsdatenEinstellungen &einstellungen)
{
    // The same maker prefix as the order-type choice, so the frame chosen there is listed here.
    const QString hersteller = Hersteller(auftrag.Kundendaten);
    f.TragplatteRahmenListe.clear();
    f.TragplatteRahmen.clear();
    if (f.Elektronen) {
        f.TragplatteRahmenListe = RahmenListeFuellen(konfig, hersteller).Rahmen;
        f.TragplatteRahmen = wennGelistet(f.TragplatteRahmenListe, einstellungen.Elektronenblende);
    } else {
        f.TragplatteRahmenListe = TragplattenListe(konfig, hersteller);
        f.TragplatteRahmenListe << kEigeneTragplatte;
        f.TragplatteRahmen = wennGelistet(f.TragplatteRahmenListe, einstellungen.Tragplatte);
    }
    if (f.TragplatteRahmen.isEmpty() && !f.TragplatteRahmenListe.isEmpty())
        f.TragplatteRahmen = f.TragplatteRahmenListe.first();
    FBAPruefen(f, auftrag);
}

void Vorbelegen(TAuftragsdatenFelder &f, TAuftrag &auftrag, const TKonfiguration &konfig,
                const TAuftragsdatenEinstellungen &einstellungen, bool kundenModus, const QDateTime &jetzt)
{
    const TKundenDaten &kunde = auftrag.Kundendaten;
    const TAbteilung *abteilung = kunde.AktuelleAbteilung();
    const TBeschl *beschl = kunde.AktuellerBeschl();

    f.EMailAdresse = konfig.EMailAdresse;
    f.Website = konfig.Website;
    const TAdresse &a = kunde.VertragsAdresse;
    f.Kunde = a.AnP + QStringLiteral("\r\n") + a.Institut + QStringLiteral("\r\n") + a.Strasse + QStringLiteral("\r\n") + a.PLZ +
              u' ' + a.Ort;
    f.Beschleuniger = beschl ? beschl->Beschleuniger + QStringLiteral(" - ") + beschl->KBez + QStringLiteral(" (") + beschl->Typ + u')'
                             : QString();

    f.BearbeiterListe.clear();
    f.Bearbeiter.clear();
    f.BearbeiterGesperrt = false;
    if (abteilung) {
        for (const TAnP &anp : abteilung->AnP) {
            if (!anp.AnzeigeName().isEmpty())
                f.BearbeiterListe << anp.AnzeigeName();
        }
        if (const TAnP *akt = abteilung->AktuellerAnP(); akt && !akt->AnzeigeName().isEmpty())
            f.Bearbeiter = akt->AnzeigeName();
    }
    if (f.Bearbeiter.isEmpty() && !f.BearbeiterListe.isEmpty())
        f.Bearbeiter = f.BearbeiterListe.first();

    f.Elektronen = istElektronenAuftrag(auftrag.Auftragsart);
    f.EFBA = wennGelistet(EFBATexte(), beschl ? beschl->EFBA : QString());
    f.GusshoeheListe = GusshoeheTexte();
    f.Gusshoehe = wennGelistet(f.GusshoeheListe, beschl ? beschl->Gusshoehe : QString());

    f.HerkunftListe = HerkunftTexte();
    f.LegierungListe = HerkunftTexte().mid(0, 2);
    f.TransportListe = konfig.Transport;
    // The department's choices, also one the configuration does not list; the first entry only
    // when nothing is stored.
    f.Legierung = gespeichertOderErstes(f.LegierungListe, abteilung ? abteilung->Legierung : QString());
    f.Transport = gespeichertOderErstes(f.TransportListe, abteilung ? abteilung->Transport.trimmed() : QString());
    f.Herkunft = gespeichertOderErstes(f.HerkunftListe, einstellungen.AktHerkunft);

    f.PatientenID.clear();
    f.Zielvolumen.clear();
    f.KurzKommentar.clear();
    f.Kollimatorwinkel = QStringLiteral("0");
    f.Gantrywinkel = QStringLiteral("0");
    // The coding is chosen with the order type and kept in the record.
    f.MitCodierung = auftrag.Auftragsdaten.MitCodierung;
    f.Codierung = auftrag.Auftragsdaten.Codierung;

    ModusWechsel(f, auftrag, konfig, einstellungen);
    DatenAnzeigen(f, auftrag, kundenModus, jetzt);
}

void DatenAnzeigen(TAuftragsdatenFelder &f, TAuftrag &auftrag, bool kundenModus, const QDateTime &jetzt)
{
    const TAuftragsdatenRec &r = auftrag.Auftragsdaten;
    if (!r.Gueltig) {
        DatumNeu(f, auftrag, jetzt);
        return;
    }
    f.Kunde = r.Kunde;
    f.Datum = DatumText(fromTDateTime(r.Datum));
    f.Beschleuniger = r.Beschleuniger;
    if (f.BearbeiterListe.contains(r.Bearbeiter)) {
        f.Bearbeiter = r.Bearbeiter;
    } else {
        waehleOderErgaenze(f.BearbeiterListe, f.Bearbeiter, r.Bearbeiter);
        f.BearbeiterGesperrt = true;
    }
    f.Elektronen = istElektronenAuftrag(auftrag.Auftragsart);
    if (f.Elektronen)
        f.EFBA = wennGelistet(EFBATexte(), r.EFBA);
    else
        f.FBA = r.FBA;
    if (!kundenModus)
        waehleOderErgaenze(f.TragplatteRahmenListe, f.TragplatteRahmen, r.TragplatteRahmen);
    waehleOderErgaenze(f.HerkunftListe, f.Herkunft, r.Herkunft);
    f.MitCodierung = r.MitCodierung;
    f.Codierung = r.Codierung;
    waehleOderErgaenze(f.LegierungListe, f.Legierung, r.Legierung);
    f.PatientenID = r.PatientenID;
    f.Zielvolumen = r.Zielvolumen;
    f.KurzKommentar = r.KurzKommentar;
    f.Kollimatorwinkel = r.Kollimatorwinkel;
    f.Gantrywinkel = r.Gantrywinkel;
    f.Gusshoehe = wennGelistet(f.GusshoeheListe, r.Gusshoehe);
    if (f.TransportListe.contains(r.Transport))
        f.Transport = r.Transport;
    else if (!r.Transport.trimmed().isEmpty())
        waehleOderErgaenze(f.TransportListe, f.Transport, r.Transport);
    else
        f.Transport = f.TransportListe.isEmpty() ? QString() : f.TransportListe.first();
}

TDatenUebernahme DatenUebernehmen(TAuftragsdatenFelder &f, TAuftrag &auftrag)
{
    TDatenUebernahme ergebnis;
    TAuftragsdatenRec &r = auftrag.Auftragsdaten;
    r.Gueltig = true;
    r.Kunde = f.Kunde;
    if (const std::optional<QDateTime> datum = DatumLesen(f.Datum))
        r.Datum = toTDateTime(*datum);
    else
        ergebnis.DatumUnlesbar = true;
    r.Beschleuniger = f.Beschleuniger;
    r.Bearbeiter = f.Bearbeiter;

    const qsizetype punkt = f.FBA.indexOf(u'.');
    if (punkt >= 0)
        f.FBA[punkt] = u',';
    r.FBA = f.FBA;
    if (!f.Elektronen && !FBAImBereich(f.FBA)) {
        f.OKAktiv = false;
        ergebnis.FBAFalsch = true;
    } else {
        f.OKAktiv = true;
    }

    r.EFBA = f.EFBA;
    r.Modus = f.ModusText();
    r.TragplatteRahmen = f.TragplatteRahmen;
    r.Herkunft = f.Herkunft;
    r.Legierung = f.Legierung;
    r.PatientenID = f.PatientenID;
    r.Zielvolumen = f.Zielvolumen;
    r.KurzKommentar = f.KurzKommentar;
    r.Kollimatorwinkel = f.Kollimatorwinkel;
    r.Gantrywinkel = f.Gantrywinkel;
    r.Gusshoehe = f.Gusshoehe;
    r.Transport = f.Transport;
    return ergebnis;
}

QString DatumUnlesbarText()
{
    return QStringLiteral("Sie verwenden ein ungewöhnliches Datumsformat. Mit dieser\r"
                          "Einstellung läuft diese Software momentan nicht.\r"
                          "Es wird ein kurzes Datumsformat in der Form \"TT.MM.JJ\" erwartet.\r\r"
                          "Bitte ändern Sie diese Einstellungen in der Systemsteuerung unter\r"
                          "den Ländereinstellungen (Datum).");
}

QString FBAFalschText()
{
    return QStringLiteral("Der FBA muß zwischen 30 und 90 cm liegen. Bitte konfigurieren Sie \r\n"
                          "Ihren Beschleuniger in der Konfiguration (Beschleunigerkonfiguration)!");
}

bool Vollstaendig(const TAuftrag &auftrag)
{
    return auftrag.Auftragsdaten.Gueltig && !auftrag.Auftragsdaten.PatientenID.isEmpty();
}

QString PatientenIDFehltText()
{
    return QStringLiteral("Bitte geben Sie eine PatientenID ein.");
}

QString DatumText(const QDateTime &zeit)
{
    return zeit.toString(kDatumsFormat);
}

std::optional<QDateTime> DatumLesen(const QString &text)
{
    const QDateTime d = QDateTime::fromString(text.trimmed(), kDatumsFormat);
    return d.isValid() ? std::optional<QDateTime>(d) : std::nullopt;
}

void DatumNeu(TAuftragsdatenFelder &f, TAuftrag &auftrag, const QDateTime &jetzt)
{
    f.Datum = DatumText(jetzt);
    auftrag.Auftragsdaten.Datum = toTDateTime(jetzt);
    auftrag.Auftragszeitpunkt = jetzt;
}

void DatumZeigen(TAuftragsdatenFelder &f, const QDateTime &jetzt)
{
    f.Datum = DatumText(jetzt);
}

void Zuruecksetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag)
{
    auftrag.Auftragsdaten.Gueltig = false;
    f.PatientenID.clear();
}

void CodierungSetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag, bool mitCodierung, const QString &codierung)
{
    f.MitCodierung = mitCodierung;
    f.Codierung = codierung;
    auftrag.Auftragsdaten.MitCodierung = mitCodierung;
    auftrag.Auftragsdaten.Codierung = codierung;
}

void AuftragsartSetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag, const TKonfiguration &konfig,
                       const TAuftragsdatenEinstellungen &einstellungen)
{
    f.Elektronen = istElektronenAuftrag(auftrag.Auftragsart);
    auftrag.Auftragsdaten.Modus = f.ModusText();
    ModusWechsel(f, auftrag, konfig, einstellungen);
}

void FBASetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag, double millimeter)
{
    f.FBA = formatDecimal(millimeter / 10.0);
    if (TAbteilung *abteilung = auftrag.Kundendaten.AktuelleAbteilung()) {
        if (TBeschl *b = abteilung->AktuellerBeschl())
            b->FBA = f.FBA;
    }
    f.OKAktiv = f.Elektronen || (millimeter / 10.0 > 30 && millimeter / 10.0 < 90);
}

QString WinkelText(double grad)
{
    QString zahl = QString::number(grad, 'f', 2);
    const bool negativ = zahl.startsWith(u'-');
    if (negativ)
        zahl.remove(0, 1);
    const qsizetype punkt = zahl.indexOf(u'.');
    QString ganz = zahl.left(punkt);
    for (qsizetype i = ganz.size() - 3; i > 0; i -= 3)
        ganz.insert(i, u',');
    return (negativ ? QStringLiteral("-") : QString()) + ganz + u',' + zahl.mid(punkt + 1);
}

void GantrySetzen(TAuftragsdatenFelder &f, double grad)
{
    f.Gantrywinkel = WinkelText(grad);
}

void KollimatorSetzen(TAuftragsdatenFelder &f, double grad)
{
    f.Kollimatorwinkel = WinkelText(grad);
}

void GusshoeheSetzen(TAuftragsdatenFelder &f, double millimeter)
{
    QString text = formatDecimal(millimeter / 10.0);
    if (text.size() == 1)
        text += QStringLiteral(",0");
    text += QStringLiteral(" cm");
    if (f.GusshoeheListe.isEmpty())
        f.GusshoeheListe = GusshoeheTexte();
    f.Gusshoehe = wennGelistet(f.GusshoeheListe, text);
}

std::optional<QString> WinkelPruefen(const QString &text, bool kollimator)
{
    const std::optional<qint64> v = parseInteger(text);
    if (v && *v >= 0 && *v <= 360)
        return std::nullopt;
    return QStringLiteral("Eingabe einer ganzen Zahl erforderlich.\r") +
           (kollimator ? QStringLiteral("Der Kollimatorwinkel muß zwischen 0 und 360° liegen.")
                       : QStringLiteral("Der Gantrywinkel muß zwischen 0 und 360° liegen."));
}

} // namespace qv
