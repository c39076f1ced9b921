#include "workspace/StatusTexte.h"

#include "base/Numbers.h"
#include "config/TKundenDaten.h"
#include "workspace/Arbeitsflaeche.h"

namespace qv {

namespace {

QString cm(int mm) { return formatDecimal(mm / 10.0); }

QString paar(const std::optional<QPoint> &mm)
{
    if (!mm)
        return QStringLiteral("? | ?");
    return cm(mm->x()) + QStringLiteral(" | ") + cm(mm->y());
}

QString feldText(const QPoint &e1, const QPoint &e2, double ppmm)
{
    const QPoint m1 = PixelZuMM(e1, ppmm);
    const QPoint m2 = PixelZuMM(e2, ppmm);
    return QStringLiteral("Feldgröße (in 100) (") + cm(m2.x() - m1.x()) + QStringLiteral(" cm * ") + cm(m1.y() - m2.y())
           + QStringLiteral(" cm)");
}

} // namespace

StatusTexte StatusAnzeigen(const QPoint &geraet, const Arbeitsflaeche &a, const Abbildung &abb,
                          const TKundenDaten &kunde)
{
    StatusTexte t;
    const QString keinFeld = QStringLiteral("kein Bestrahlungsfeld angegeben");
    if (!a.MassstabGesetzt() || !istGesetzt(geraet)) {
        t.panel0 = QStringLiteral("kein Maßstab vorhanden");
        t.panel1 = keinFeld;
        return t;
    }
    const double ppmm = a.auftrag().Massstab.PixelProMM;
    const QPoint arbeit = abb.geraetZuArbeit(geraet);
    const QPoint M = PixelZuMM(arbeit, ppmm);
    const TBeschl *beschl = kunde.AktuellerBeschl();

    if (istPhotonenAuftrag(a.auftrag().Auftragsart)) {
        t.panel0 = QStringLiteral(" FBA [") + (beschl ? beschl->FBA : QString()) + QStringLiteral(" cm] : (")
                   + paar(kunde.BildZuBlockebene(M)) + QStringLiteral(") cm");
    } else {
        // shown as the cut-out plane uses it; the customer's text stays as it is
        const std::optional<QPoint> blende = kunde.BildZuBlendenebeneAnzeige(M);
        t.panel0 = QStringLiteral(" EFBA [") + (beschl ? TKundenDaten::EFBAAnzeige(*beschl) : QString())
                   + QStringLiteral(" cm] : (")
                   + paar(blende) + QStringLiteral(") cm");
    }
    t.panel1 = QStringLiteral(" FIA [100 cm] : (") + paar(kunde.BildZuIsoebene(M)) + QStringLiteral(") cm");
    t.panel2 = QStringLiteral(" FFA [") + formatDecimal(kunde.FFA) + QStringLiteral(" cm] : (") + paar(M)
               + QStringLiteral(") cm");
    if (istGesetzt(a.auftrag().FeldEcke2))
        t.panel3 = feldText(a.auftrag().FeldEcke1, a.auftrag().FeldEcke2, ppmm);
    else if (!istGesetzt(a.auftrag().FeldEcke1))
        t.panel3 = keinFeld;
    else
        t.panel3 = feldText(a.auftrag().FeldEcke1, arbeit, ppmm);
    return t;
}

} // namespace qv
