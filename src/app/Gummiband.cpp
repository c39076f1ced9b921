#include "app/Gummiband.h"

#include "app/ZweiPunktKlick.h"
#include "contour/Formen.h"
#include "workspace/ArbeitsflaecheZeichnen.h"

#include <QPainter>

namespace qv {

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

void GummibandZeichnen(QPainter &p, const Gummiband &g, const Abbildung &abb)
{
    if (!g.wartet || !istGesetzt(g.punkt))
        return;
    p.save();
    p.setTransform(abb.arbeitZuGeraetTransform());
    QPen stift(QColor(47, 63, 255));
    stift.setCosmetic(true);
    stift.setWidth(1);
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    if (g.konturLinieVon)
        p.drawLine(*g.konturLinieVon, g.punkt);
    if (g.feldVon)
        FeldZeichnen(p, *g.feldVon, g.punkt);
    if (g.massstabVon) {
        p.setPen(stift);
        MassstabZeichnen(*g.massstabVon, g.punkt, p, 15);
    }
    if (g.formVon)
        FormVorschau(p, g.formwerkzeug, *g.formVon, g.punkt);
    if (g.fadenkreuz) {
        // across the whole paint box, in device pixels
        const QPointF d = abb.arbeitZuGeraet(QPointF(g.punkt));
        p.resetTransform();
        p.setPen(QPen(QColor(47, 63, 255), 1));
        p.drawLine(QPointF(d.x(), 0), QPointF(d.x(), p.device()->height()));
        p.drawLine(QPointF(0, d.y()), QPointF(p.device()->width(), d.y()));
    }
    p.restore();
}

} // namespace qv
