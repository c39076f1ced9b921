#include "export/ExportPruefung.h"

#include "base/KeinPunkt.h"
#include "base/Numbers.h"

#include <cmath>

namespace qv {

namespace {

QString zahl(double v)
{
    return std::isfinite(v) ? formatDecimal(v) : QStringLiteral("unendlich");
}

QString punkt(QPoint p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// How far from the isocentre a workspace coordinate lies, in mm of the isocentre plane.
double isoMM(qint32 v, const ExportQuelle &q)
{
    return std::fabs(double(v) / q.PixelProMM * 100.0 / q.FFA);
}

std::optional<QString> zuWeit(QPoint p, const ExportQuelle &q, const QString &was)
{
    const double weite = std::max(isoMM(p.x(), q), isoMM(p.y(), q));
    if (weite <= kMaxAbstandVomIsozentrumMM)
        return std::nullopt;
    return QStringLiteral("%1 liegt mit dem Punkt %2 %3 mm vom Isozentrum entfernt; kein Feld reicht weiter als %4 mm. "
                          "Der Maßstab oder die Punkte des Auftrags sind falsch.")
        .arg(was, punkt(p), formatDecimal(std::round(weite)), formatDecimal(kMaxAbstandVomIsozentrumMM));
}

} // namespace

std::optional<QString> NichtMessbar(const ExportQuelle &q)
{
    if (!std::isfinite(q.FFA) || q.FFA < kMinFFA || q.FFA > kMaxFFA)
        return QStringLiteral("Der FFA der Kundendaten (%1 cm) ist ungültig: er muss zwischen %2 und %3 cm liegen.")
            .arg(zahl(q.FFA), formatDecimal(kMinFFA), formatDecimal(kMaxFFA));

    const bool feld = istGesetzt(q.FeldEcke1) || istGesetzt(q.FeldEcke2);
    bool punkte = false;
    for (const QList<QPoint> &kontur : q.Konturen)
        punkte = punkte || !kontur.isEmpty();
    if (!feld && !punkte)
        return std::nullopt;

    if (!(std::isfinite(q.PixelProMM) && q.PixelProMM > 0)) {
        if (q.MassstabAbstand <= 0)
            return QStringLiteral("Der Maßstabsabstand des Auftrags (%1 mm) ist ungültig: er muss größer als 0 sein.")
                .arg(q.MassstabAbstand);
        if (istGesetzt(q.MassstabPunkt1) && q.MassstabPunkt1 == q.MassstabPunkt2)
            return QStringLiteral("Die beiden Maßstabspunkte des Auftrags sind derselbe Punkt %1: "
                                  "der Maßstab lässt sich nicht berechnen.")
                .arg(punkt(q.MassstabPunkt1));
        if (!istGesetzt(q.MassstabPunkt1) || !istGesetzt(q.MassstabPunkt2))
            return QStringLiteral("Der Auftrag hat keinen Maßstab: seine Punkte lassen sich nicht messen.");
        return QStringLiteral("Der Maßstab des Auftrags (%1 Pixel pro mm) ist ungültig.").arg(zahl(q.PixelProMM));
    }

    for (qsizetype k = 0; k < q.Konturen.size(); ++k) {
        for (QPoint p : q.Konturen[k]) {
            if (auto m = zuWeit(p, q, QStringLiteral("Die Kontur %1").arg(k + 1)))
                return m;
        }
    }
    for (QPoint p : {q.FeldEcke1, q.FeldEcke2}) {
        if (!istGesetzt(p))
            continue;
        if (auto m = zuWeit(p, q, QStringLiteral("Das Feld")))
            return m;
    }
    return std::nullopt;
}

} // namespace qv
