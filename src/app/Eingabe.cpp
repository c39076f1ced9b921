#include "app/Eingabe.h"

namespace qv {

QPoint zwangAnwenden(QPoint p, std::optional<QPoint> bezug, bool shift, bool ctrl)
{
    if (!bezug)
        return p;
    if (shift)
        p.setY(bezug->y());
    if (ctrl)
        p.setX(bezug->x());
    return p;
}

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

ZweiPunktKlick massstabKlick(std::optional<QPoint> punkt1, std::optional<QPoint> punkt2, QPoint p,
                             bool shift, bool ctrl)
{
    if (!punkt1)
        return {1, p};
    if (!punkt2)
        return {2, zwangAnwenden(p, punkt1, shift, ctrl)};
    return {0, p};
}

ZweiPunktKlick feldKlick(std::optional<QPoint> ecke1, std::optional<QPoint> ecke2, QPoint p)
{
    if (!ecke1)
        return {1, p};
    if (!ecke2)
        return {2, p};
    return {0, p};
}

Gummiband gummiband(const GummibandZustand &z, QPoint p, bool shift, bool ctrl)
{
    Gummiband g;
    g.wartet = z.isoEingabe || z.konturEingabe || z.feldEingabe || z.massstabEingabe || z.formwerkzeug;
    g.punkt = p;
    if (!g.wartet)
        return g;
    bool ohneKreuz = false;
    if (z.konturEingabe && z.letzterKonturPunkt) {
        g.punkt = zwangAnwenden(p, z.letzterKonturPunkt, shift, ctrl);
        g.konturLinieVon = z.letzterKonturPunkt;
        ohneKreuz = true;
    }
    if (z.feldEingabe && z.feldEcke1)
        g.feldVon = z.feldEcke1;
    if (z.massstabEingabe && z.massstabPunkt1) {
        g.punkt = zwangAnwenden(p, z.massstabPunkt1, shift, ctrl);
        g.massstabVon = z.massstabPunkt1;
        ohneKreuz = true;
    }
    if (z.formwerkzeug && z.formPunkt1)
        g.formVon = z.formPunkt1;
    g.fadenkreuz = !ohneKreuz;
    return g;
}

} // namespace qv
