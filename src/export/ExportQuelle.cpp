#include "export/ExportQuelle.h"

#include "order/Einschubwinkel.h"
#include "order/TAuftrag.h"

namespace qv {

ExportQuelle ExportQuelleAusAuftrag(const TAuftrag &auftrag)
{
    ExportQuelle q;
    for (int k = 1; k <= auftrag.Konturen.Anzahl(); ++k) {
        const TKontur &kontur = auftrag.Konturen.Kontur(k);
        q.Konturen.append(kontur.Punkte().first(kontur.Anzahl()));
    }
    q.FeldEcke1 = auftrag.FeldEcke1;
    q.FeldEcke2 = auftrag.FeldEcke2;
    q.FFA = auftrag.Kundendaten.FFA;
    q.PixelProMM = auftrag.PixelProMM();
    q.MassstabPunkt1 = auftrag.Massstab.MassstabPunkt1;
    q.MassstabPunkt2 = auftrag.Massstab.MassstabPunkt2;
    q.MassstabAbstand = auftrag.Massstab.MassstabAbstand;
    if (const TBeschl *beschl = auftrag.Kundendaten.AktuellerBeschl()) {
        q.FBA = beschl->FBA;
        q.EFBA = beschl->EFBA;
    }
    q.Auftragsart = auftrag.Auftragsart;
    // the angle the insertion-direction window shows for the order's direction (0 without one)
    Einschubwinkel winkel;
    winkel.SetEinschubrichtung(auftrag.Einschubrichtung);
    q.Drehwinkel = winkel.Drehwinkel();
    q.Gantrywinkel = auftrag.Auftragsdaten.Gantrywinkel;
    q.Kollimatorwinkel = auftrag.Auftragsdaten.Kollimatorwinkel;
    q.PatientenID = auftrag.Auftragsdaten.PatientenID;
    q.KurzKommentar = auftrag.Auftragsdaten.KurzKommentar;
    q.Zielvolumen = auftrag.Auftragsdaten.Zielvolumen;
    return q;
}

} // namespace qv
