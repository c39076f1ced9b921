#include "app/Menues.h"

#include "workspace/Arbeitsmodus.h"

namespace qv {

MenueSichtbarkeit menueSichtbarkeit(bool kundenModus, int modus)
{
    const bool K = kundenModus;
    const bool I = !kundenModus;
    const bool K0 = K && modus == ModusBildVorlage;
    const bool Kunter4 = K && modus < ModusKompensator;

    MenueSichtbarkeit m;
    m.neu = K;
    m.speichern = K;
    m.bprExport = I;
    m.lapExport = I;
    m.trennerVorDrucken = K;
    m.drucken = K;
    m.exportieren = false;
    m.auftragDatenTitel = I;
    m.bildEinlesen = K0;
    m.bprEinlesen = K && modus == ModusBPR;
    m.dicomEinlesen = K && modus == ModusDICOM;
    m.trennerVorIsozentrum = K0;
    m.isozentrumUndMassstab = K0;
    m.trennerVorKontur = K0;
    m.konturEingabe = K0;
    m.feldEingabe = Kunter4;
    m.trennerVorEinschubrichtung = Kunter4;
    m.einschubrichtung = Kunter4;
    m.auftragsdaten = I || Kunter4;
    m.trennerVorKundenDaten = I || (K && (modus == ModusBildVorlage || modus == ModusOhneVorlage));
    m.kundenDaten = I;
    m.invertiert = K && (modus == ModusBildVorlage || modus == ModusOhneVorlage);
    m.modusMenue = K;
    m.kundeneinstellungen = K;
    m.trennerNachKundeneinstellungen = false;
    m.kundenmodus = I;
    m.tesserakonIntern = I;
    m.druckenMenue = I;
    return m;
}

} // namespace qv
