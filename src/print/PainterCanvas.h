#pragma once

#include "print/PrintCanvas.h"

#include <QPainter>

class QPagedPaintDevice;

namespace qv {

/// A print canvas on a paged paint device (a printer or a PDF writer): positions in 1/600 inch
/// are scaled to the device's resolution, fonts keep their size in points, so every device
/// shows the same page.
class PainterCanvas final : public PrintCanvas
{
public:
    /// Starts painting on the device; an error when the device cannot be opened.
    static Result<std::unique_ptr<PainterCanvas>> begin(QPagedPaintDevice &device);

    void setFont(const PrintFont &font) override;
    void drawText(int x, int y, const QString &text) override;
    void newPage() override;
    int pageHeight() const override;
    Result<void> finish() override;

private:
    explicit PainterCanvas(QPagedPaintDevice &device);

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
};

} // namespace qv
