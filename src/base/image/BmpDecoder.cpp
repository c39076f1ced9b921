#include "base/image/ImageIO.h"

#include <array>
#include <bit>
#include <cstring>

namespace qv {

namespace {

constexpr qsizetype kFileHeaderSize = 14;

quint16 u16(const uchar *p) { return quint16(p[0] | p[1] << 8); }
quint32 u32(const uchar *p) { return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24; }

// Extracts one channel of a bit-field pixel and scales it to 0..255.
struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(quint32 m = 0) : mask(m)
    {
        if (mask) {
            shift = std::countr_zero(mask);
            bits = std::popcount(mask >> shift);
            if (bits > 8) { // keep the 8 most significant bits
                shift += bits - 8;
                bits = 8;
            }
        }
    }
    int value(quint32 pixel) const
    {
        if (!mask)
            return 0;
        const quint32 v = (pixel >> shift) & ((1u << bits) - 1);
        return bits == 8 ? int(v) : int(v * 255 / ((1u << bits) - 1));
    }
};

Error bmpError(const QString &what)
{
    return Error{QStringLiteral("Die BMP-Datei ist fehlerhaft: %1").arg(what)};
}

} // namespace

qint64 bmpFileSize(QByteArrayView bytes)
{
    if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return 0;
    return u32(reinterpret_cast<const uchar *>(bytes.data()) + 2);
}

Result<QImage> decodeBmp(QByteArrayView bytes)
{
    const auto *d = reinterpret_cast<const uchar *>(bytes.data());
    const qint64 size = bytes.size();
    if (size < kFileHeaderSize + 12 || d[0] != 'B' || d[1] != 'M')
        return Error{QStringLiteral("Keine BMP-Datei")};
    const quint32 pixelOffset = u32(d + 10);
    const quint32 headerSize = u32(d + 14);
    if (headerSize != 12 && (headerSize < 40 || headerSize > 1024))
        return bmpError(QStringLiteral("unbekannter Kopf der Länge %1").arg(headerSize));
    if (kFileHeaderSize + qint64(headerSize) > size)
        return bmpError(QStringLiteral("der Kopf reicht über das Dateiende hinaus"));

    const uchar *h = d + kFileHeaderSize;
    qint64 width, height;
    int planes, bpp;
    quint32 compression = 0, colorsUsed = 0;
    const bool core = headerSize == 12; // the old OS/2 header: 16-bit sizes, 3-byte colours
    if (core) {
        width = u16(h + 4);
        height = qint16(u16(h + 6));
        planes = u16(h + 8);
        bpp = u16(h + 10);
    } else {
        width = qint32(u32(h + 4));
        height = qint32(u32(h + 8));
        planes = u16(h + 12);
        bpp = u16(h + 14);
        compression = u32(h + 16);
        colorsUsed = u32(h + 32);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (planes != 1)
        return bmpError(QStringLiteral("%1 Farbebenen statt 1").arg(planes));
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return bmpError(QStringLiteral("%1 Bit je Pixel werden nicht unterstützt").arg(bpp));
    enum : quint32 { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };
    if (compression == BiRle8 || compression == BiRle4)
        return Error{QStringLiteral("Komprimierte BMP-Dateien (RLE) werden nicht unterstützt")};
    const bool bitfields = compression == BiBitfields || compression == BiAlphaBitfields;
    if (compression != BiRgb && !(bitfields && (bpp == 16 || bpp == 32)))
        return bmpError(QStringLiteral("Kompressionsart %1 wird nicht unterstützt").arg(compression));
    if (!imageSizeAllowed(width, height))
        return Error{imageTooLargeText(width, height)};

    // Bit masks: inside the longer headers, or right after a 40-byte header.
    qint64 tablePos = kFileHeaderSize + headerSize;
    std::array<quint32, 3> masks{};
    if (bitfields) {
        const qint64 maskPos = headerSize >= 52 ? kFileHeaderSize + 40 : tablePos;
        if (maskPos + 12 > size)
            return bmpError(QStringLiteral("die Farbmasken fehlen"));
        for (int i = 0; i < 3; ++i)
            masks[i] = u32(d + maskPos + 4 * i);
        if (headerSize < 52)
            tablePos += compression == BiAlphaBitfields ? 16 : 12;
    } else if (bpp == 16) {
        masks = {0x7C00, 0x03E0, 0x001F};
    } else if (bpp >= 24) {
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }

    QList<QRgb> colors;
    if (bpp <= 8) {
        const qint64 maxColors = qint64(1) << bpp;
        const qint64 count = colorsUsed == 0 ? maxColors : qMin<qint64>(colorsUsed, maxColors);
        const int entrySize = core ? 3 : 4;
        if (tablePos + count * entrySize > size)
            return bmpError(QStringLiteral("die Farbtabelle reicht über das Dateiende hinaus"));
        // Pixel values beyond the table show black rather than reading past it.
        colors.fill(qRgb(0, 0, 0), 256);
        for (qint64 i = 0; i < count; ++i) {
            const uchar *c = d + tablePos + i * entrySize;
            colors[i] = qRgb(c[2], c[1], c[0]);
        }
    }

    const qint64 rowSize = (width * bpp + 31) / 32 * 4;
    if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset > size)
        return bmpError(QStringLiteral("ungültiger Beginn der Pixeldaten (%1)").arg(pixelOffset));
    // The last row may lack its padding; every pixel byte must be there.
    const qint64 lastRowBytes = (width * bpp + 7) / 8;
    const qint64 needed = rowSize * (height - 1) + lastRowBytes;
    if (pixelOffset + needed > size)
        return bmpError(QStringLiteral("die Pixeldaten sind unvollständig (%1 Bytes benötigt, %2 vorhanden)")
                            .arg(needed)
                            .arg(size - pixelOffset));

    QImage image(int(width), int(height), bpp <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (image.isNull())
        return Error{QStringLiteral("Nicht genug Speicher für ein Bild von %1 × %2 Pixeln").arg(width).arg(height)};
    if (bpp <= 8)
        image.setColorTable(colors);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const bool plain32 = bpp == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;

    for (qint64 y = 0; y < height; ++y) {
        const uchar *row = d + pixelOffset + rowSize * (topDown ? y : height - 1 - y);
        uchar *out = image.scanLine(int(y));
        auto *out32 = reinterpret_cast<QRgb *>(out);
        switch (bpp) {
        case 1:
            for (qint64 x = 0; x < width; ++x)
                out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
            break;
        case 4:
            for (qint64 x = 0; x < width; ++x)
                out[x] = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
            break;
        case 8:
            std::memcpy(out, row, size_t(width));
            break;
        case 16:
            for (qint64 x = 0; x < width; ++x) {
                const quint32 p = u16(row + 2 * x);
                out32[x] = qRgb(red.value(p), green.value(p), blue.value(p));
            }
            break;
        case 24:
            for (qint64 x = 0; x < width; ++x)
                out32[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        case 32:
            if (plain32) {
                for (qint64 x = 0; x < width; ++x)
                    out32[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
            } else {
                for (qint64 x = 0; x < width; ++x) {
                    const quint32 p = u32(row + 4 * x);
                    out32[x] = qRgb(red.value(p), green.value(p), blue.value(p));
                }
            }
            break;
        }
    }
    return image;
}

} // namespace qv
