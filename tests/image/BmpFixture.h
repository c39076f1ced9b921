#pragma once

#include <QByteArray>
#include <QImage>

namespace qv::test {

/// Writes a Windows BMP from its documented layout: 14-byte file header, 40-byte info header,
/// colour table (B, G, R, 0) for up to 8 bits per pixel, rows padded to 4 bytes.
/// For 1/4/8 bits the image must be Indexed8; otherwise any format (written as B, G, R[, X]).
inline QByteArray makeBmp(const QImage &image, int bpp, bool topDown = false)
{
    auto put16 = [](QByteArray &b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto put32 = [](QByteArray &b, qint64 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const int colors = bpp <= 8 ? (1 << bpp) : 0;
    const int rowSize = (w * bpp + 31) / 32 * 4;
    const int offset = 14 + 40 + 4 * colors;
    const int fileSize = offset + rowSize * h;

    QByteArray b;
    b.append("BM");
    put32(b, fileSize);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, w);
    put32(b, topDown ? -h : h);
    put16(b, 1);
    put16(b, bpp);
    put32(b, 0); // uncompressed
    put32(b, rowSize * h);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int i = 0; i < colors; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : 0;
        b.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int r = 0; r < h; ++r) {
        const int y = topDown ? r : h - 1 - r;
        QByteArray row(rowSize, '\0');
        for (int x = 0; x < w; ++x) {
            if (bpp <= 8) {
                const int idx = image.pixelIndex(x, y);
                const int bit = x * bpp;
                row[bit / 8] = char(uchar(row[bit / 8]) | (idx << (8 - bpp - bit % 8)));
            } else {
                const QRgb c = rgb.pixel(x, y);
                const int bytes = bpp / 8;
                row[x * bytes] = char(qBlue(c));
                row[x * bytes + 1] = char(qGreen(c));
                row[x * bytes + 2] = char(qRed(c));
            }
        }
        b.append(row);
    }
    return b;
}

} // namespace qv::test
