#include "order/RahmenZeichnen.h"

#include "workspace/Koordinaten.h"

#include <QFontMetrics>
#include <QPainter>

namespace qv {

void RahmenZeichnen(QPainter &painter, const Abbildung &abbildung, const TRahmenUeberlagerung &rahmen)
{
    painter.save();
    painter.setTransform(abbildung.arbeitZuGeraetTransform());
    QPen stift(QColor(207, 218, 255));
    stift.setWidth(std::max(rahmen.StiftBreite, 1));
    painter.setPen(stift);
    painter.setBrush(Qt::NoBrush);
    const QRectF r = QRectF(QPointF(rahmen.Ecke1), QPointF(rahmen.Ecke2)).normalized();
    if (rahmen.Rund)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
    painter.restore();

    // Text upright in device coordinates, just outside the lower-left corner.
    painter.save();
    const QPointF ecke = abbildung.arbeitZuGeraet(QPointF(rahmen.Ecke1.x() - rahmen.StiftBreite, rahmen.Ecke1.y() - rahmen.StiftBreite));
    const QFontMetrics fm(painter.font());
    const auto schreiben = [&](const QString &text, const QColor &vorne, const QColor &hinten, int zeile) {
        const QRectF feld(ecke.x(), ecke.y() + zeile * fm.height(), fm.horizontalAdvance(text), fm.height());
        painter.fillRect(feld, hinten);
        painter.setPen(vorne);
        painter.drawText(feld, Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    schreiben(u' ' + rahmen.Beschriftung + u' ', Qt::black, QColor(137, 152, 208), 0);
    if (!rahmen.Passt)
        schreiben(kRahmenPasstNicht, Qt::white, Qt::red, 1);
    painter.restore();
}

} // namespace qv
