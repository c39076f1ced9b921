#include "workspace/LinealBild.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace qv {

namespace {

constexpr int Groesse = 1200;
constexpr int Streifen = 30;

// The outline of a filled rectangle and the ticks leave out their last pixel, as the ends of a
// line do in the drawing model the ruler was laid out for: a full tick covers rows 0..29.
void strich(QPainter &p, int x1, int y1, int x2, int y2)
{
    if (x1 == x2)
        p.drawLine(x1, y1, x2, y2 - 1);
    else
        p.drawLine(x1, y1, x2 - 1, y2);
}

void pfeil(QPainter &p, QPoint spitze, QPoint a, QPoint b)
{
    p.drawLine(spitze, a);
    p.drawLine(spitze, b);
}

} // namespace

QImage LinealBild()
{
    QImage bild(Groesse, Groesse, QImage::Format_RGB32);
    bild.fill(QColor(128, 128, 128));

    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont schrift = p.font();
    schrift.setPointSize(7);
    p.setFont(schrift);
    const QFontMetrics fm(schrift, &bild);

    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::white);
    p.drawRect(0, 0, Streifen - 1, Groesse - 1);
    p.drawRect(0, 0, Groesse - 1, Streifen - 1);
    p.setBrush(Qt::NoBrush);

    // A tick every millimetre; every tenth is a full centimetre tick with its label, every fifth
    // between them is half as long. The labels along the left edge count downwards so that 0 sits
    // at the centre and the values follow the upward y axis.
    int c = 1;
    int i = -20;
    for (int off = 0; off <= Groesse; off += 3) {
        --c;
        if (c == 0) {
            if (i > -20) {
                const QString oben = QString::number(i);
                const QString links = QString::number(-i);
                // Text placed by its top-left corner, ending two pixels before the tick.
                const int ho = fm.height();
                p.drawText(QRect(off - fm.horizontalAdvance(oben) - 2, 28 - ho, fm.horizontalAdvance(oben), ho),
                           Qt::AlignLeft | Qt::AlignTop, oben);
                p.drawText(QRect(28 - fm.horizontalAdvance(links), off - ho - 2, fm.horizontalAdvance(links), ho),
                           Qt::AlignLeft | Qt::AlignTop, links);
            }
            strich(p, off, 0, off, Streifen);
            strich(p, 0, off, Streifen, off);
            ++i;
            c = 10;
        } else {
            const int laenge = c == 5 ? 15 : 7;
            strich(p, off, 0, off, laenge);
            strich(p, 0, off, laenge, off);
        }
    }

    pfeil(p, {1200, 600}, {1170, 590}, {1170, 610});
    pfeil(p, {30, 600}, {60, 590}, {60, 610});
    pfeil(p, {600, 35}, {590, 60}, {610, 60});
    pfeil(p, {600, 1200}, {590, 1170}, {610, 1170});
    return bild;
}

} // namespace qv
