#include "app/AblaufAnwenden.h"

#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"

namespace qv {

namespace {

/// A command's button and menu item take the same enabled state; an empty entry leaves both.
void freigeben(const std::optional<bool> &wert, Befehl b, TAblaufPanel &p, THauptMenue &m, bool knopf = true,
               bool menue = true)
{
    if (!wert)
        return;
    if (knopf)
        p.knopfFreigeben(b, *wert);
    if (menue)
        m.setFreigegeben(b, *wert);
}

} // namespace

void ablaufAnwenden(const AblaufErgebnis &e, TAblaufPanel &p, THauptMenue &m)
{
    p.setLampe(Lampe::Bild, e.lampeBild);
    p.setLampe(Lampe::Isozentrum, e.lampeIsozentrum);
    p.setLampe(Lampe::Massstab, e.lampeMassstab);
    p.setLampe(Lampe::Feld, e.lampeFeld);
    p.setLampe(Lampe::Kontur, e.lampeKontur);
    p.setLampe(Lampe::Auftragsart, e.lampeAuftragsart);
    p.setLampe(Lampe::Einschubrichtung, e.lampeEinschubrichtung);
    p.setLampe(Lampe::Auftragsdaten, e.lampeAuftragsdaten);
    p.setLampe(Lampe::BPRImport, e.lampeBprImport);
    p.setLampe(Lampe::DicomImport, e.lampeDicomImport);
    p.birneZeigen(Ebene::Bild, e.bildBirne);
    p.birneZeigen(Ebene::Iso, e.isoBirne);
    p.birneZeigen(Ebene::Scale, e.massstabBirne);
    p.birneZeigen(Ebene::Feld, e.feldBirne);
    p.birneZeigen(Ebene::Konturen, e.konturenBirne);
    p.einschubVorschauZeigen(e.einschubVorschau);
    p.bearbeitenZeigen(e.bearbeitenSichtbar);
    m.menueZeigen(Menue::Bearbeiten, e.bearbeitenSichtbar);

    if (!e.freigabeAngewendet)
        return;
    freigeben(e.auftragsartKnopf, Befehl::Auftragsart, p, m, true, false);
    freigeben(e.auftragsartMenue, Befehl::Auftragsart, p, m, false, true);
    freigeben(e.bildEinlesen, Befehl::BildEinlesen, p, m);
    freigeben(e.bildDrehen, Befehl::BildDrehen, p, m);
    freigeben(e.isozentrumEingabe, Befehl::IsozentrumEingeben, p, m);
    freigeben(e.massstabEingabe, Befehl::MassstabEingeben, p, m);
    freigeben(e.konturEingabe, Befehl::KonturEingabe, p, m);
    freigeben(e.konturEingabeOhneVorlage, Befehl::KonturEingabeOhneVorlage, p, m);
    freigeben(e.bprEinlesen, Befehl::BPRImport, p, m, true, false);
    freigeben(e.bprEinlesen, Befehl::BPREinlesen, p, m, false, true);
    freigeben(e.dicomEinlesen, Befehl::DicomImport, p, m, true, false);
    freigeben(e.dicomEinlesen, Befehl::DicomEinlesen, p, m, false, true);
    freigeben(e.feldEingabe, Befehl::FeldEingabe, p, m);
    freigeben(e.einschubrichtung, Befehl::Einschubrichtung, p, m);
    freigeben(e.auftragsdaten, Befehl::Auftragsdaten, p, m);
    freigeben(e.speichern, Befehl::Speichern, p, m);
    freigeben(e.speichernUnter, Befehl::SpeichernUnter, p, m, false, true);
    freigeben(e.kundenDaten, Befehl::KundenDaten, p, m, false, true);
    if (e.druckenMenue)
        m.menueFreigeben(Menue::Drucken, *e.druckenMenue);
}

void bedienungAnwenden(bool b, TAblaufPanel &p, THauptMenue &m)
{
    for (Menue menue : {Menue::Datei, Menue::Auftrag, Menue::Modus, Menue::Konfiguration, Menue::TesserakonIntern,
                        Menue::Drucken, Menue::Info, Menue::Bearbeiten})
        m.menueFreigeben(menue, b);
    p.bearbeitenFreigeben(b);
    for (Befehl k : {Befehl::Auftragsart, Befehl::DicomImport, Befehl::BPRImport, Befehl::BildEinlesen,
                     Befehl::BildDrehen, Befehl::IsozentrumEingeben, Befehl::MassstabEingeben, Befehl::KonturEingabe,
                     Befehl::KonturEingabeOhneVorlage, Befehl::FeldEingabe, Befehl::Einschubrichtung,
                     Befehl::Auftragsdaten, Befehl::Speichern, Befehl::Verschieben, Befehl::Drehen})
        p.knopfFreigeben(k, b);
}

void bearbeitungAnwenden(bool b, TAblaufPanel &p, THauptMenue &m)
{
    p.importSeitenZeigen(b);
    for (Menue menue : {Menue::Datei, Menue::Auftrag, Menue::Konfiguration, Menue::Drucken})
        m.menueFreigeben(menue, true);
    m.setFreigegeben(Befehl::Auftragsdaten, true);
    m.setFreigegeben(Befehl::KundenDaten, true);
    for (Befehl a : {Befehl::Auftragsart, Befehl::BildEinlesen, Befehl::BPREinlesen, Befehl::DicomEinlesen,
                     Befehl::BildDrehen, Befehl::IsozentrumEingeben, Befehl::MassstabEingeben, Befehl::KonturEingabe,
                     Befehl::FeldEingabe, Befehl::Einschubrichtung})
        m.setFreigegeben(a, b);
    for (Menue menue : {Menue::Modus, Menue::TesserakonIntern, Menue::Info, Menue::Bearbeiten})
        m.menueFreigeben(menue, b);
    p.bearbeitenFreigeben(b);
    for (Befehl k : {Befehl::Auftragsart, Befehl::BildEinlesen, Befehl::BildDrehen, Befehl::IsozentrumEingeben,
                     Befehl::MassstabEingeben, Befehl::KonturEingabe, Befehl::KonturEingabeOhneVorlage,
                     Befehl::FeldEingabe, Befehl::Einschubrichtung, Befehl::Speichern, Befehl::Verschieben,
                     Befehl::Drehen})
        p.knopfFreigeben(k, b);
    p.knopfFreigeben(Befehl::Auftragsdaten, true);
}

} // namespace qv
