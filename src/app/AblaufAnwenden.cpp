#include "app/AblaufAnwenden.h"

#include "app/AblaufPanel.h"
#include "app/HauptMenue.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

namespace qv {

namespace {

void freigeben(const std::optional<bool> &wert, TKnopfPanel *knopf, QAction *aktion = nullptr)
{
    if (!wert)
        return;
    if (knopf)
        KnopfFreigeben(knopf, *wert);
    if (aktion)
        aktion->setEnabled(*wert);
}

void birne(TGluehbirne *b, bool sichtbar)
{
    b->setVisible(sichtbar);
}

} // namespace

void ablaufAnwenden(const AblaufErgebnis &e, TAblaufPanel &p, THauptMenue &m)
{
    p.P_Bild->setFarbe(e.lampeBild);
    p.P_Isozentrum->setFarbe(e.lampeIsozentrum);
    p.P_Scaled->setFarbe(e.lampeMassstab);
    p.P_Feld->setFarbe(e.lampeFeld);
    p.P_Kontur->setFarbe(e.lampeKontur);
    p.P_Auftragsart->setFarbe(e.lampeAuftragsart);
    p.P_Einschubrichtung->setFarbe(e.lampeEinschubrichtung);
    p.P_Auftragsdaten->setFarbe(e.lampeAuftragsdaten);
    p.P_BPRImport->setFarbe(e.lampeBprImport);
    p.P_DICOM->setFarbe(e.lampeDicomImport);
    birne(p.Image_Bild, e.bildBirne);
    birne(p.Image_Iso, e.isoBirne);
    birne(p.Image_Scale, e.massstabBirne);
    birne(p.Image_Feld, e.feldBirne);
    birne(p.Image_Konturen, e.konturenBirne);
    p.P_EinschubDraw->setVisible(e.einschubVorschau);
    p.P_Bearbeiten->setVisible(e.bearbeitenSichtbar);
    m.Bearbeiten1->menuAction()->setVisible(e.bearbeitenSichtbar);

    if (!e.freigabeAngewendet)
        return;
    freigeben(e.auftragsartKnopf, p.P_AusftragsArtBtn);
    freigeben(e.auftragsartMenue, nullptr, m.AuftragsArt1);
    freigeben(e.bildEinlesen, p.P_BildBtn, m.BildEinlesen1);
    freigeben(e.bildDrehen, p.P_BildDrehenBtn, m.Bilddrehung1);
    freigeben(e.isozentrumEingabe, p.P_IsozentrumBtn, m.Isozentrumeingeben1);
    freigeben(e.massstabEingabe, p.P_ScaleBtn, m.ScaleInput1);
    freigeben(e.konturEingabe, p.P_KonturBtn, m.KonturEingabe1);
    freigeben(e.konturEingabeOhneVorlage, p.P_KonturBtn_ohneVorlage);
    freigeben(e.bprEinlesen, p.P_BPRImportBtn, m.BPREinlesen1);
    freigeben(e.dicomEinlesen, p.P_DICOMBtn, m.Dicomeinlesen1);
    freigeben(e.feldEingabe, p.P_FeldBtn, m.FeldEingabe1);
    freigeben(e.einschubrichtung, p.P_EinschubrichtungBtn, m.Einschubrichtung1);
    freigeben(e.auftragsdaten, p.P_AuiftragsdatenBtn, m.Auftragsdaten1);
    freigeben(e.speichern, p.P_SaveBtn, m.speichern1);
    freigeben(e.speichernUnter, nullptr, m.SpeichernUnter1);
    freigeben(e.kundenDaten, nullptr, m.KundenDaten1);
    if (e.druckenMenue)
        m.Drucken->menuAction()->setEnabled(*e.druckenMenue);
}

void bedienungAnwenden(bool b, TAblaufPanel &p, THauptMenue &m)
{
    for (QMenu *menue : {m.Datei1, m.Auftrag1, m.Modus1, m.Konfiguration1, m.TesserakonIntern1, m.Drucken, m.Info1,
                         m.Bearbeiten1})
        menue->menuAction()->setEnabled(b);
    p.P_Bearbeiten->setEnabled(b);
    for (TKnopfPanel *k : {p.P_AusftragsArtBtn, p.P_DICOMBtn, p.P_BPRImportBtn, p.P_BildBtn, p.P_BildDrehenBtn,
                           p.P_IsozentrumBtn, p.P_ScaleBtn, p.P_KonturBtn, p.P_KonturBtn_ohneVorlage, p.P_FeldBtn,
                           p.P_EinschubrichtungBtn, p.P_AuiftragsdatenBtn, p.P_SaveBtn, p.P_VerschiebenBtn,
                           p.P_DrehenBtn})
        KnopfFreigeben(k, b);
}

void bearbeitungAnwenden(bool b, TAblaufPanel &p, THauptMenue &m)
{
    {
        // hiding the current page must not count as the person choosing another mode
        const QSignalBlocker still(&p);
        for (int modus = 1; modus <= 3; ++modus)
            p.setTabVisible(modus, b);
    }
    for (QMenu *menue : {m.Datei1, m.Auftrag1, m.Konfiguration1, m.Drucken})
        menue->menuAction()->setEnabled(true);
    m.Auftragsdaten1->setEnabled(true);
    m.KundenDaten1->setEnabled(true);
    for (QAction *a : {m.AuftragsArt1, m.BildEinlesen1, m.BPREinlesen1, m.Dicomeinlesen1, m.Bilddrehung1,
                       m.Isozentrumeingeben1, m.ScaleInput1, m.KonturEingabe1, m.FeldEingabe1, m.Einschubrichtung1})
        a->setEnabled(b);
    for (QMenu *menue : {m.Modus1, m.TesserakonIntern1, m.Info1, m.Bearbeiten1})
        menue->menuAction()->setEnabled(b);
    p.P_Bearbeiten->setEnabled(b);
    for (TKnopfPanel *k : {p.P_AusftragsArtBtn, p.P_BildBtn, p.P_BildDrehenBtn, p.P_IsozentrumBtn, p.P_ScaleBtn,
                           p.P_KonturBtn, p.P_KonturBtn_ohneVorlage, p.P_FeldBtn, p.P_EinschubrichtungBtn,
                           p.P_SaveBtn, p.P_VerschiebenBtn, p.P_DrehenBtn})
        KnopfFreigeben(k, b);
    KnopfFreigeben(p.P_AuiftragsdatenBtn, true);
}

} // namespace qv
