#include "app/MausZweig.h"

namespace qv {

MausZweig mausZweig(const MausZustand &z, MausTaste taste)
{
    if (!z.vorlage)
        return MausZweig::NurNeuzeichnen;
    if (z.isoEingabe)
        return MausZweig::Isozentrum;
    if (z.konturEingabeLaeuft) {
        if (taste == MausTaste::Links)
            return MausZweig::KonturPunkt;
        if (taste == MausTaste::Rechts)
            return z.aktuelleKonturOffen ? MausZweig::KonturSchliessen : MausZweig::KonturEingabeBeenden;
        return MausZweig::NurNeuzeichnen;
    }
    if (z.massstabEingabe)
        return MausZweig::Massstab;
    if (z.feldEingabe)
        return MausZweig::Feld;
    if (z.formwerkzeug)
        return MausZweig::Form;
    if (z.verschiebenOderDrehen)
        return MausZweig::Auswahl;
    return MausZweig::NurNeuzeichnen;
}

} // namespace qv
