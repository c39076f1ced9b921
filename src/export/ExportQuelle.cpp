#include "export/ExportQuelle.h"

#include "order/TAuftrag.h"

namespace qv {

int DrehwinkelZuCode(int einschubrichtung)
{
    switch (einschubrichtung) {
    case 1:
        return 180;
    case 2:
        return 0;
    case 3:
        return 90;
    case 4:
        return 270;
    default:
        return 0;
    }
}

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
    if (const TBeschl *beschl = auftrag.Kundendaten.AktuellerBeschl()) {
        q.FBA = beschl->FBA;
        q.EFBA = beschl->EFBA;
    }
    q.Auftragsart = int(auftrag.Auftragsart);
    q.Drehwinkel = DrehwinkelZuCode(int(auftrag.Einschubrichtung));
    q.Gantrywinkel = auftrag.Auftragsdaten.Gantrywinkel;
    q.Kollimatorwinkel = auftrag.Auftragsdaten.Kollimatorwinkel;
    q.PatientenID = auftrag.Auftragsdaten.PatientenID;
    q.KurzKommentar = auftrag.Auftragsdaten.KurzKommentar;
    q.Zielvolumen = auftrag.Auftragsdaten.Zielvolumen;
    return q;
}

} // namespace qv
