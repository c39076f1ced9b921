#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

namespace qv::bench {

// A planning-system screenshot: flat panels, a grey-scale CT-like area, coloured outlines,
// grid lines and text.
inline QImage screenshot(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(40, 44, 52));
    quint32 seed = 12345;
    auto rnd = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    const int cx = w / 2, cy = h / 2, r = std::min(w, h) * 2 / 5;
    for (int y = cy - r; y < cy + r; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = cx - r; x < cx + r; ++x) {
            const double d = std::hypot(x - cx, y - cy) / r;
            if (d < 1.0) {
                const int g = int(60 + 120 * (1.0 - d) + (rnd() % 24));
                line[x] = qRgb(g, g, g);
            }
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(90, 90, 110));
    for (int x = 0; x < w; x += 64)
        p.drawLine(x, 0, x, h);
    for (int y = 0; y < h; y += 64)
        p.drawLine(0, y, w, y);
    const QColor colours[] = {Qt::red, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(colours[i], 2));
        p.drawEllipse(QPoint(cx, cy), r / (i + 2), r / (i + 3));
    }
    p.fillRect(0, 0, w / 6, h, QColor(220, 220, 225));
    p.setPen(Qt::black);
    QFont font;
    font.setPixelSize(14);
    p.setFont(font);
    for (int y = 20; y < h; y += 22)
        p.drawText(8, y, QStringLiteral("Feld %1  X1 -5,0  X2 5,0  Y1 -7,5  Y2 7,5  MU %2").arg(y).arg(rnd() % 900));
    return img;
}

} // namespace qv::bench
