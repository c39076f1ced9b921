#include "order/EinschubPfeilBox.h"

#include "order/EinschubZeichnung.h"

#include <QPainter>

namespace qv {

EinschubPfeilBox::EinschubPfeilBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PB_Einschubr"));
    setFixedSize(60, 60);
}

void EinschubPfeilBox::RichtungSetzen(TEinschubrichtung richtung)
{
    m_richtung = richtung;
    update();
}

void EinschubPfeilBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(QPen(Qt::blue, 3));
    for (const QLine &l : EinschubPfeil(m_richtung))
        p.drawLine(l);
}

} // namespace qv
