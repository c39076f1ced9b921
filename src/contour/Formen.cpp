#include "contour/Formen.h"

#include "base/Numbers.h"
#include "contour/TKonturen.h"
#include "contour/U_Geraden_Strecken.h"
#include "workspace/Koordinaten.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace qv {

namespace {

bool innerhalb(double v)
{
    return std::isfinite(v) && std::fabs(v) <= FormGrenze;
}

int gerundet(double v)
{
    return int(roundHalfEven(v));
}

} // namespace

QString FormMeldung(FormErgebnis ergebnis)
{
    switch (ergebnis) {
    case FormErgebnis::ZuGross:
        return QStringLiteral("Die Form ist zu groß. Bitte geben Sie eine kleinere Größe ein.");
    case FormErgebnis::OhneAusdehnung:
        return QStringLiteral("Eine Form ohne Ausdehnung kann nicht generiert werden.");
    case FormErgebnis::KonturenGrenzeErreicht:
        return KonturMeldung(KonturErgebnis::KonturenGrenzeErreicht);
    case FormErgebnis::Angenommen:
    case FormErgebnis::KeinWerkzeug:
        break;
    }
    return {};
}

std::optional<std::pair<QPoint, QPoint>> FormPunkteAusGroesse(int werkzeug, double x, double y)
{
    switch (werkzeug) {
    case FormRechteck:
    case FormEllipse: {
        const double hx = x * FormPixelProCM / 2;
        const double hy = y * FormPixelProCM / 2;
        if (!innerhalb(hx) || !innerhalb(hy))
            return std::nullopt;
        return std::pair{QPoint(-gerundet(hx), -gerundet(hy)), QPoint(gerundet(hx), gerundet(hy))};
    }
    case FormKreis: {
        const double r = x * FormPixelProCM;
        if (!innerhalb(r))
            return std::nullopt;
        return std::pair{QPoint(0, 0), QPoint(gerundet(r), 0)};
    }
    default:
        return std::nullopt;
    }
}

FormPunkteErgebnis FormPunkte(int werkzeug, const QPoint &p1, const QPoint &p2)
{
    FormPunkteErgebnis e;
    if (werkzeug != FormRechteck && werkzeug != FormKreis && werkzeug != FormEllipse)
        return e;
    // Points come from the workspace or from a bounded size; this keeps a stray pair from
    // overflowing the arithmetic below.
    for (const QPoint &p : {p1, p2}) {
        if (!innerhalb(p.x()) || !innerhalb(p.y())) {
            e.ergebnis = FormErgebnis::ZuGross;
            return e;
        }
    }

    const double schritt = std::numbers::pi / 180;
    if (werkzeug == FormRechteck) {
        if (p1.x() == p2.x() || p1.y() == p2.y()) {
            e.ergebnis = FormErgebnis::OhneAusdehnung;
            return e;
        }
        e.punkte = {p1, QPoint(p2.x(), p1.y()), p2, QPoint(p1.x(), p2.y())};
    } else if (werkzeug == FormKreis) {
        const double r = double(roundHalfEven(Abstand(p1, p2)));
        if (r == 0) {
            e.ergebnis = FormErgebnis::OhneAusdehnung;
            return e;
        }
        if (!innerhalb(std::fabs(p1.x()) + r) || !innerhalb(std::fabs(p1.y()) + r)) {
            e.ergebnis = FormErgebnis::ZuGross;
            return e;
        }
        // The angle is summed step by step, not multiplied: that is where the points have
        // always landed, and stored orders hold them.
        double a = 0.0;
        for (int k = 0; k < 360; ++k) {
            e.punkte.append(QPoint(gerundet(std::cos(a) * r) + p1.x(), gerundet(std::sin(a) * r) + p1.y()));
            a += schritt;
        }
    } else {
        if (p1.x() == p2.x() || p1.y() == p2.y()) {
            e.ergebnis = FormErgebnis::OhneAusdehnung;
            return e;
        }
        // Halves toward zero; a box one pixel wide still makes an ellipse of radius 1.
        double rx = double((p1.x() - p2.x()) / 2);
        const double ry = double((p1.y() - p2.y()) / 2);
        if (rx == 0)
            rx = 1;
        const double q = ry / rx;
        const int mx = p1.x() - gerundet(rx);
        const int my = p1.y() - gerundet(ry);
        double a = 0.0;
        for (int k = 0; k < 360; ++k) {
            e.punkte.append(QPoint(gerundet(std::cos(a) * rx) + mx, gerundet(std::sin(a) * rx * q) + my));
            a += schritt;
        }
    }
    e.ergebnis = FormErgebnis::Angenommen;
    return e;
}

FormErgebnis FormErzeugen(TKonturen &konturen, int werkzeug, const QPoint &p1, const QPoint &p2)
{
    const FormPunkteErgebnis form = FormPunkte(werkzeug, p1, p2);
    if (form.ergebnis != FormErgebnis::Angenommen)
        return form.ergebnis;
    if (konturen.NeueKontur() != KonturErgebnis::Angenommen)
        return FormErgebnis::KonturenGrenzeErreicht;
    TKontur &k = konturen.AktuelleKontur();
    for (const QPoint &p : form.punkte)
        k.PunktHinzufuegen(p, false);
    k.Schliessen();
    return FormErgebnis::Angenommen;
}

std::pair<double, double> FormVorschauGroesse(int werkzeug, const QPoint &p1, const QPoint &p, double pixelProMM)
{
    if (werkzeug == FormKreis) {
        const int r = gerundet(Abstand(p1, p));
        return {PixelZuMM(QPoint(r, 0), pixelProMM).x() / 10.0, 0.0};
    }
    const QPoint a = PixelZuMM(p1, pixelProMM);
    const QPoint b = PixelZuMM(p, pixelProMM);
    return {std::abs(qint64(b.x()) - a.x()) / 10.0, std::abs(qint64(b.y()) - a.y()) / 10.0};
}

void FormVorschau(QPainter &painter, int werkzeug, const QPoint &p1, const QPoint &p)
{
    painter.save();
    QPen stift(QColor(47, 63, 255));
    stift.setCosmetic(true);
    painter.setPen(stift);
    painter.setBrush(QColor(166, 202, 240));
    const QRect box = QRect(p1, p).normalized();
    switch (werkzeug) {
    case FormRechteck:
        painter.drawRect(box);
        break;
    case FormKreis: {
        const int r = gerundet(Abstand(p1, p));
        painter.drawEllipse(QPoint(p1), r, r);
        break;
    }
    case FormEllipse:
        painter.drawEllipse(box);
        break;
    default:
        break;
    }
    painter.restore();
}

} // namespace qv
