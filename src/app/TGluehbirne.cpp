#include "app/TGluehbirne.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

namespace {

QPixmap birnenBild(bool an)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(an ? QColor(255, 230, 60) : QColor(170, 170, 170));
    p.drawEllipse(QRectF(3, 1, 10, 10));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(5.5, 11, 5, 4));
    return pm;
}

} // namespace

TGluehbirne::TGluehbirne(QWidget *parent)
    : QLabel(parent)
{
    setFixedSize(18, 22);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setAn(true);
}

void TGluehbirne::setAn(bool an)
{
    m_an = an;
    setPixmap(birnenBild(an));
}

void TGluehbirne::klicken()
{
    setAn(!m_an);
    emit umgeschaltet(m_an);
}

void TGluehbirne::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        klicken();
    QLabel::mouseReleaseEvent(event);
}

} // namespace qv
