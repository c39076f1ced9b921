#include "app/Ablauf.h"

#include "order/Auftragsart.h"

namespace qv {

QColor lampenRgb(LampenFarbe farbe)
{
    switch (farbe) {
    case LampenFarbe::Rot: return QColor(255, 0, 0);
    case LampenFarbe::Gelb: return QColor(255, 255, 0);
    case LampenFarbe::Gruen: return QColor(0, 255, 0);
    }
    return QColor(255, 0, 0);
}

bool einschubrichtungErledigt(const AblaufZustand &z)
{
    if (z.einschubrichtungGewaehlt)
        return true;
    return z.beschleunigerHersteller.toUpper() == u"SIEMENS" && istElektronenAuftrag(z.auftragsart)
        && (z.status & ablauf::Auftragsart);
}

namespace {

LampenFarbe gruenOderRot(bool gesetzt)
{
    return gesetzt ? LampenFarbe::Gruen : LampenFarbe::Rot;
}

std::uint16_t setzen(std::uint16_t status, std::uint16_t bit, bool an)
{
    return an ? std::uint16_t(status | bit) : std::uint16_t(status & ~bit);
}

} // namespace

AblaufErgebnis ablaufBerechnen(const AblaufZustand &z)
{
    AblaufErgebnis e;
    std::uint16_t s = z.status;
    s = setzen(s, ablauf::Bild, z.vorlageVorhanden);
    s = setzen(s, ablauf::Isozentrum, z.isozentrumGesetzt);
    s = setzen(s, ablauf::Massstab, z.massstabGesetzt);

    e.lampeBild = gruenOderRot(z.vorlageVorhanden);
    e.bildBirne = z.vorlageVorhanden;
    e.lampeIsozentrum = gruenOderRot(z.isozentrumGesetzt);
    e.isoBirne = z.isozentrumGesetzt;
    e.lampeMassstab = gruenOderRot(z.massstabGesetzt);
    e.massstabBirne = z.massstabGesetzt;
    e.feldBirne = s & ablauf::Feld;
    e.lampeFeld = (s & ablauf::Feld) ? LampenFarbe::Gruen : LampenFarbe::Gelb;
    e.konturenBirne = s & ablauf::Kontur;
    e.lampeKontur = gruenOderRot(s & ablauf::Kontur);
    // An electron aperture that does not fit its frame cannot be saved: the order type says why.
    const bool rahmenOk = !istElektronenAuftrag(z.auftragsart) || z.rahmenPasst;
    e.lampeAuftragsart = gruenOderRot((s & ablauf::Auftragsart) && rahmenOk);
    if ((s & ablauf::Auftragsart) && !rahmenOk)
        e.speichernGrund = RahmenPasstNichtGrund();

    // the Siemens rule looks at $20 of the status as it stands now
    AblaufZustand mitStatus = z;
    mitStatus.status = s;
    const bool einschub = einschubrichtungErledigt(mitStatus);
    s = setzen(s, ablauf::Einschubrichtung, einschub);
    e.lampeEinschubrichtung = gruenOderRot(einschub);
    e.einschubVorschau = einschub;

    s = setzen(s, ablauf::Auftragsdaten, z.auftragsdatenKomplett);
    e.lampeAuftragsdaten = gruenOderRot(z.auftragsdatenKomplett);

    e.lampeBprImport = gruenOderRot(z.bprGeladen);
    e.lampeDicomImport = gruenOderRot(z.dicomGeladen);
    e.bearbeitenSichtbar = z.konturenVorhanden;
    e.status = s;

    // an opened order keeps the enabling of the view lock
    if (z.ausDatei)
        return e;
    e.freigabeAngewendet = true;

    const bool C = z.konturEingabeLaeuft;
    const bool S = z.massstabEingabe;
    const bool bild = s & ablauf::Bild;
    const bool iso = s & ablauf::Isozentrum;
    const bool kontur = s & ablauf::Kontur;
    const bool massstab = s & ablauf::Massstab;
    const bool art = s & ablauf::Auftragsart;
    const bool richtung = s & ablauf::Einschubrichtung;
    const bool daten = s & ablauf::Auftragsdaten;
    const bool rahmen = istPhotonenAuftrag(z.auftragsart) || z.rahmenPasst;
    const bool demo = z.demoKunde;
    const bool geaendert = z.geaendert;

    switch (z.modus) {
    case ModusBildVorlage:
        e.auftragsartKnopf = !C && !S;
        e.bildEinlesen = art && !C && !S;
        e.bildDrehen = bild && !C && !S;
        e.isozentrumEingabe = bild && !C && !S;
        e.massstabEingabe = iso && !C;
        e.konturEingabe = iso && massstab;
        e.feldEingabe = iso && massstab && !C;
        e.einschubrichtung = iso && massstab && !C;
        e.auftragsdaten = richtung && kontur && iso && !C;
        e.speichern = daten && kontur && massstab && !C && rahmen && !demo && geaendert;
        break;
    case ModusOhneVorlage:
        e.auftragsartKnopf = !C;
        e.konturEingabeOhneVorlage = art;
        e.feldEingabe = art && !C;
        e.einschubrichtung = art && !C;
        e.auftragsdaten = art && !C;
        e.speichern = daten && richtung && geaendert && !C && !demo && rahmen;
        break;
    case ModusBPR:
        e.auftragsartKnopf = true;
        e.bprEinlesen = art && !C && !S;
        e.feldEingabe = z.bprGeladen;
        e.einschubrichtung = art && z.bprGeladen;
        e.auftragsdaten = art && z.bprGeladen;
        e.speichern = daten && richtung && geaendert && !demo && rahmen;
        break;
    case ModusDICOM:
        e.auftragsartKnopf = true;
        e.dicomEinlesen = art && !C && !S;
        e.feldEingabe = z.dicomGeladen;
        e.einschubrichtung = art && z.dicomGeladen;
        e.auftragsdaten = art && z.dicomGeladen;
        e.speichern = daten && richtung && geaendert && !demo && rahmen;
        break;
    default:
        // the compensator mode has no workflow rows
        e.freigabeAngewendet = false;
        return e;
    }
    e.auftragsartMenue = true;
    e.speichernUnter = e.speichern;
    if (!z.kundenModus) {
        e.kundenDaten = e.auftragsdaten;
        e.druckenMenue = e.auftragsdaten;
    }
    return e;
}

} // namespace qv
