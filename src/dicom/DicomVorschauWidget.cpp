#include "dicom/DicomVorschauWidget.h"

#include "dicom/DicomVorschau.h"

#include <QImage>
#include <QPainter>

namespace qv {

DicomVorschauWidget::DicomVorschauWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pboxPreview"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void DicomVorschauWidget::setBeam(std::optional<TvelDICOMRTBeamClass> beam)
{
    m_beam = std::move(beam);
    update();
}

void DicomVorschauWidget::zeichnen(QPainter &painter) const
{
    if (m_beam)
        ZeichneDicomVorschau(painter, size(), *m_beam);
}

QImage DicomVorschauWidget::bild() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    zeichnen(painter);
    return image;
}

void DicomVorschauWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zeichnen(painter);
}

} // namespace qv
