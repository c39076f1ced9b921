#include "dicom/DicomVorschau.h"

#include <QPainter>
#include <QPolygon>

namespace qv {

void ZeichneDicomVorschau(QPainter &painter, QSize size, const TvelDICOMRTBeamClass &beam)
{
    painter.save();
    // Logical x -1500..1500 left to right, y 1500..-1500 top to bottom.
    painter.setTransform(QTransform(size.width() / 3000.0, 0, 0, -size.height() / 3000.0, size.width() / 2.0,
                                    size.height() / 2.0));
    QPen outline(kVorschauBlock);
    outline.setCosmetic(true);
    painter.setPen(outline);
    for (const TvelDICOMBlockClass &block : beam.Blocks) {
        const QPolygon polygon(block.BlockData);
        if (block.BlockType == u"SHIELDING") {
            painter.setBrush(kVorschauBlock);
            painter.drawPolygon(polygon);
        } else {
            painter.setBrush(kVorschauBlock);
            painter.drawRect(QRect(QPoint(-3000, -3000), QPoint(3000, 3000)));
            painter.setBrush(Qt::white);
            painter.drawPolygon(polygon);
        }
    }
    QPen cross(kVorschauKreuz);
    cross.setCosmetic(true);
    painter.setPen(cross);
    painter.drawLine(QPoint(100, 0), QPoint(-100, 0));
    painter.drawLine(QPoint(0, 100), QPoint(0, -100));
    painter.restore();
}

} // namespace qv
