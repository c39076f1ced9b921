#include "planimport/BPRVorschau.h"

#include "planimport/BPRDatei.h"

#include <QPainter>
#include <QPolygon>

namespace qv {

namespace {

const QColor kHintergrund(71, 71, 153);
const QColor kFeld(0, 255, 255);
const QColor kAchsen(255, 119, 119);

} // namespace

QColor BPRKonturFarbe(int m)
{
    static const QColor farben[] = {{128, 0, 0},   {255, 0, 0},     {255, 255, 0}, {0, 255, 0},
                                    {0, 0, 128},   {128, 0, 128},   {128, 128, 128}, {255, 255, 255},
                                    {128, 128, 0}, {255, 0, 255},   {0, 0, 0}};
    return m >= 1 && m <= 11 ? farben[m - 1] : QColor(0, 0, 0);
}

void ZeichneBPRVorschau(QPainter &painter, QSize size, const BPRBeam *beam)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    // Logical units: tenths of a millimetre, origin in the middle, y upward, ±2000 to the edges.
    QTransform t;
    t.translate(size.width() / 2.0, size.height() / 2.0);
    t.scale(size.width() / 4000.0, -size.height() / 4000.0);
    painter.setTransform(t);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.fillRect(QRectF(QPointF(-1950, -1950), QPointF(1950, 1950)), kHintergrund);

    QRect feld(QPoint(-1500, -1500), QPoint(1500, 1500));
    if (beam && beam->Gueltig && beam->Blende)
        feld = QRect(QPoint(beam->Blende->Left, beam->Blende->Bottom), QPoint(beam->Blende->Right, beam->Blende->Top)).normalized();
    painter.fillRect(feld, kFeld);

    painter.setPen(QPen(kAchsen, 0));
    painter.drawLine(QPoint(0, -1600), QPoint(0, 1600));
    painter.drawLine(QPoint(-1600, 0), QPoint(1600, 0));

    if (beam && beam->Gueltig) {
        for (int m = 1; m <= beam->Konturen.size() && m <= 11; ++m) {
            const QColor farbe = BPRKonturFarbe(m);
            painter.setPen(QPen(farbe, 0));
            painter.setBrush(farbe);
            painter.drawPolygon(QPolygon(beam->Konturen[m - 1]));
        }
    }

    // Labels upright, at their logical places.
    painter.resetTransform();
    painter.setPen(Qt::white);
    const auto text = [&](int x, int y, const char *label) {
        const QPointF p = t.map(QPointF(x, y));
        const QRectF box(p.x(), p.y(), 40, 16);
        painter.fillRect(painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(label)), kHintergrund);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(label));
    };
    text(-100, -1720, "B1");
    text(-100, 1860, "B2");
    text(-1860, 100, "A1");
    text(1720, 100, "A2");
    painter.restore();
}

} // namespace qv
