#include "print/PainterCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace qv {

PainterCanvas::PainterCanvas(QPagedPaintDevice &device) : m_device(device) {}

Result<std::unique_ptr<PainterCanvas>> PainterCanvas::begin(QPagedPaintDevice &device)
{
    std::unique_ptr<PainterCanvas> canvas(new PainterCanvas(device));
    if (!canvas->m_painter.begin(&device))
        return Error{QStringLiteral("Der Drucker kann nicht geöffnet werden.")};
    canvas->m_scaleX = device.logicalDpiX() / double(kUnitsPerInch);
    canvas->m_scaleY = device.logicalDpiY() / double(kUnitsPerInch);
    canvas->m_painter.setPen(Qt::black);
    canvas->setFont(PrintFont{});
    return canvas;
}

void PainterCanvas::setFont(const PrintFont &font)
{
    QFont f(font.family);
    f.setStyleHint(QFont::TypeWriter); // a fixed-pitch face where the family is missing
    f.setPointSize(font.pointSize);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    f.setItalic(font.italic);
    m_painter.setFont(f);
}

void PainterCanvas::drawText(int x, int y, const QString &text)
{
    // The painter places text on its baseline; the sheets give the top edge.
    const QFontMetricsF metrics(m_painter.font(), &m_device);
    m_painter.drawText(QPointF(x * m_scaleX, y * m_scaleY + metrics.ascent()), text);
}

void PainterCanvas::newPage()
{
    m_device.newPage();
}

int PainterCanvas::pageHeight() const
{
    return int(m_device.height() / m_scaleY);
}

Result<void> PainterCanvas::finish()
{
    if (!m_painter.end())
        return Error{QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.")};
    return {};
}

} // namespace qv
