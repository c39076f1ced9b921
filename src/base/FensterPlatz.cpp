#include "base/FensterPlatz.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace qv {

namespace {

// Gap between a window placed beside an area and that area.
constexpr int kAbstand = 8;

int klemmen(int wert, int anfang, int laenge, int ausdehnung)
{
    const int hoechstens = anfang + laenge - ausdehnung;
    if (hoechstens < anfang)
        return anfang;
    return std::clamp(wert, anfang, hoechstens);
}

qint64 flaeche(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

} // namespace

QPoint FensterPlatz(const QRect &bildschirm, const QSize &fenster, const QPoint &vorschlag, const QList<QRect> &freiHalten)
{
    const int w = fenster.width();
    const int h = fenster.height();
    // Candidate edges: where the window would be, the screen's edges, and beside every area.
    QList<int> xs{vorschlag.x(), bildschirm.left(), bildschirm.right() + 1 - w};
    QList<int> ys{vorschlag.y(), bildschirm.top(), bildschirm.bottom() + 1 - h};
    for (const QRect &r : freiHalten) {
        xs << r.right() + 1 + kAbstand << r.left() - kAbstand - w << r.left() << r.right() + 1 - w;
        ys << r.bottom() + 1 + kAbstand << r.top() - kAbstand - h << r.top() << r.bottom() + 1 - h;
    }
    for (int &x : xs)
        x = klemmen(x, bildschirm.left(), bildschirm.width(), w);
    for (int &y : ys)
        y = klemmen(y, bildschirm.top(), bildschirm.height(), h);

    using Wertung = std::tuple<qint64, qint64, qint64>;
    Wertung beste{std::numeric_limits<qint64>::max(), 0, 0};
    QPoint platz(xs.first(), ys.first());
    for (const int x : std::as_const(xs)) {
        for (const int y : std::as_const(ys)) {
            const QRect r(x, y, w, h);
            qint64 erstes = 0;
            qint64 andere = 0;
            for (qsizetype i = 0; i < freiHalten.size(); ++i)
                (i == 0 ? erstes : andere) += flaeche(r.intersected(freiHalten[i]));
            const qint64 dx = x - vorschlag.x();
            const qint64 dy = y - vorschlag.y();
            const Wertung wertung{erstes, andere, dx * dx + dy * dy};
            if (wertung < beste) {
                beste = wertung;
                platz = QPoint(x, y);
            }
        }
    }
    return platz;
}

QPoint DateiDialogPlatz(const QRect &hauptfenster, const QRect &hilfe, const QSize &dialog, const QPoint &vorschlag)
{
    if (hilfe.isEmpty())
        return vorschlag;
    return QPoint(std::max(hauptfenster.left(), hilfe.left() - dialog.width()), hauptfenster.top() + 40);
}

} // namespace qv
