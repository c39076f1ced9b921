#include "app/TLampe.h"

namespace qv {

TLampe::TLampe(QWidget *parent)
    : QFrame(parent)
{
    setFixedSize(12, 22);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setFarbe(LampenFarbe::Rot);
}

void TLampe::setFarbe(LampenFarbe farbe)
{
    m_farbe = farbe;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, lampenRgb(farbe));
    setPalette(pal);
}

} // namespace qv
