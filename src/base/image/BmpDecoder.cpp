#include "base/image/ImageIO.h"
#include "base/image/ImageMemory.h"
#include "base/image/LittleEndian.h"

#include <QIODevice>

#include <array>
#include <bit>
#include <cstring>

namespace qv {

namespace {

constexpr qsizetype kFileHeaderSize = 14;

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
    return leseU32(reinterpret_cast<const uchar *>(bytes.data()) + 2);
}

namespace {

// Everything the header says about the pixels, once it has been checked.
struct BmpLayout
{
    qint64 width = 0;
    qint64 height = 0;
    int bpp = 0;
    bool topDown = false;
    qint64 pixelOffset = 0;
    qint64 rowSize = 0;      // bytes from one row to the next in the file
    qint64 rowBytes = 0;     // bytes of a row that hold pixels (the last row may lack its padding)
    std::array<quint32, 3> masks{};
    QList<QRgb> colors;

    // Offset in the file of image row y.
    qint64 rowOffset(qint64 y) const { return pixelOffset + rowSize * (topDown ? y : height - 1 - y); }
};

// The headers and the colour table always lie within this many bytes from the start.
constexpr qint64 kMaxHeadSize = 4096;

// Checks every header field, before anything is allocated: the headers and the colour table
// against head (the start of the file: all of it, or at least kMaxHeadSize bytes), the pixel
// rows against the length of the whole file, and the size against the pixel limit.
Result<BmpLayout> parseBmpHeader(QByteArrayView head, qint64 fileSize)
{
    const auto *d = reinterpret_cast<const uchar *>(head.data());
    const qint64 size = head.size();
    if (size < kFileHeaderSize + 12 || d[0] != 'B' || d[1] != 'M')
        return Error{QStringLiteral("Keine BMP-Datei")};
    const quint32 pixelOffset = leseU32(d + 10);
    const quint32 headerSize = leseU32(d + 14);
    if (headerSize != 12 && (headerSize < 40 || headerSize > 1024))
        return bmpError(QStringLiteral("unbekannter Kopf der Länge %1").arg(headerSize));
    if (kFileHeaderSize + qint64(headerSize) > size)
        return bmpError(QStringLiteral("der Kopf reicht über das Dateiende hinaus"));

    const uchar *h = d + kFileHeaderSize;
    BmpLayout l;
    int planes;
    quint32 compression = 0, colorsUsed = 0;
    const bool core = headerSize == 12; // the old OS/2 header: 16-bit sizes, 3-byte colours
    if (core) {
        l.width = leseU16(h + 4);
        l.height = qint16(leseU16(h + 6));
        planes = leseU16(h + 8);
        l.bpp = leseU16(h + 10);
    } else {
        l.width = qint32(leseU32(h + 4));
        l.height = qint32(leseU32(h + 8));
        planes = leseU16(h + 12);
        l.bpp = leseU16(h + 14);
        compression = leseU32(h + 16);
        colorsUsed = leseU32(h + 32);
    }
    const int bpp = l.bpp;
    l.topDown = l.height < 0;
    if (l.topDown)
        l.height = -l.height;
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
    if (!imageSizeAllowed(l.width, l.height))
        return Error{imageTooLargeText(l.width, l.height)};

    // Bit masks: inside the longer headers, or right after a 40-byte header.
    qint64 tablePos = kFileHeaderSize + headerSize;
    if (bitfields) {
        const qint64 maskPos = headerSize >= 52 ? kFileHeaderSize + 40 : tablePos;
        if (maskPos + 12 > size)
            return bmpError(QStringLiteral("die Farbmasken fehlen"));
        for (int i = 0; i < 3; ++i)
            l.masks[i] = leseU32(d + maskPos + 4 * i);
        if (headerSize < 52)
            tablePos += compression == BiAlphaBitfields ? 16 : 12;
    } else if (bpp == 16) {
        l.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (bpp >= 24) {
        l.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }

    if (bpp <= 8) {
        const qint64 maxColors = qint64(1) << bpp;
        const qint64 count = colorsUsed == 0 ? maxColors : qMin<qint64>(colorsUsed, maxColors);
        const int entrySize = core ? 3 : 4;
        if (tablePos + count * entrySize > size)
            return bmpError(QStringLiteral("die Farbtabelle reicht über das Dateiende hinaus"));
        // Pixel values beyond the table show black rather than reading past it.
        l.colors.fill(qRgb(0, 0, 0), 256);
        for (qint64 i = 0; i < count; ++i) {
            const uchar *c = d + tablePos + i * entrySize;
            l.colors[i] = qRgb(c[2], c[1], c[0]);
        }
    }

    l.rowSize = (l.width * bpp + 31) / 32 * 4;
    if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset > fileSize)
        return bmpError(QStringLiteral("ungültiger Beginn der Pixeldaten (%1)").arg(pixelOffset));
    l.pixelOffset = pixelOffset;
    // The last row may lack its padding; every pixel byte must be there.
    l.rowBytes = (l.width * bpp + 7) / 8;
    const qint64 needed = l.rowSize * (l.height - 1) + l.rowBytes;
    if (pixelOffset + needed > fileSize)
        return bmpError(QStringLiteral("die Pixeldaten sind unvollständig (%1 Bytes benötigt, %2 vorhanden)")
                            .arg(needed)
                            .arg(fileSize - pixelOffset));
    return l;
}

// Every pixel is written by the caller, so the memory need not be cleared first.
Result<QImage> newImage(const BmpLayout &l, QImage::Format format)
{
    QImage image = allocateImage(int(l.width), int(l.height), format);
    if (image.isNull())
        return Error{QStringLiteral("Nicht genug Speicher für ein Bild von %1 × %2 Pixeln").arg(l.width).arg(l.height)};
    if (l.bpp <= 8)
        image.setColorTable(l.colors);
    return image;
}

// Indexed8 for up to 8 bits per pixel (with the colour table), RGB32 otherwise.
QImage::Format decodedFormat(const BmpLayout &l)
{
    return l.bpp <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32;
}

// Turns one row of the file (l.rowBytes bytes) into one row of a decodedFormat image.
class RowDecoder
{
public:
    explicit RowDecoder(const BmpLayout &l)
        : m_width(l.width), m_bpp(l.bpp), m_red(l.masks[0]), m_green(l.masks[1]), m_blue(l.masks[2]),
          m_plain32(l.bpp == 32 && l.masks[0] == 0xFF0000 && l.masks[1] == 0xFF00 && l.masks[2] == 0xFF)
    {
    }

    void operator()(const uchar *row, uchar *out) const
    {
        const qint64 width = m_width;
        auto *out32 = reinterpret_cast<QRgb *>(out);
        switch (m_bpp) {
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
                const quint32 p = leseU16(row + 2 * x);
                out32[x] = qRgb(m_red.value(p), m_green.value(p), m_blue.value(p));
            }
            break;
        case 24:
            for (qint64 x = 0; x < width; ++x)
                out32[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        case 32:
            if (m_plain32) {
                for (qint64 x = 0; x < width; ++x)
                    out32[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
            } else {
                for (qint64 x = 0; x < width; ++x) {
                    const quint32 p = leseU32(row + 4 * x);
                    out32[x] = qRgb(m_red.value(p), m_green.value(p), m_blue.value(p));
                }
            }
            break;
        }
    }

private:
    qint64 m_width;
    int m_bpp;
    Channel m_red, m_green, m_blue;
    bool m_plain32;
};

} // namespace

Result<QImage> decodeBmp(QByteArrayView bytes)
{
    const Result<BmpLayout> layout = parseBmpHeader(bytes, bytes.size());
    if (!layout)
        return Error{layout.error()};
    const BmpLayout &l = *layout;
    Result<QImage> image = newImage(l, decodedFormat(l));
    if (!image)
        return image;
    const RowDecoder decode(l);
    const auto *d = reinterpret_cast<const uchar *>(bytes.data());
    for (qint64 y = 0; y < l.height; ++y)
        decode(d + l.rowOffset(y), image->scanLine(int(y)));
    return image;
}

Result<QImage> readBmp(QIODevice &device)
{
    // read() gives -1 on a failure and fewer bytes at the end of the data.
    const auto readFailed = [](qint64 got) {
        return got < 0 ? bmpError(QStringLiteral("die Datei konnte nicht gelesen werden"))
                       : bmpError(QStringLiteral("die Pixeldaten sind unvollständig"));
    };
    const qint64 fileSize = device.size();
    if (!device.seek(0))
        return readFailed(-1);
    QByteArray head(qMin(fileSize, kMaxHeadSize), Qt::Uninitialized);
    const qint64 headRead = device.read(head.data(), head.size());
    if (headRead != head.size())
        return readFailed(headRead);
    const Result<BmpLayout> layout = parseBmpHeader(head, fileSize);
    if (!layout)
        return Error{layout.error()};
    const BmpLayout &l = *layout;

    // B, G, R on disk is Format_BGR888 in memory: each row is read into its place as it is.
    const bool direct = l.bpp == 24;
    Result<QImage> image = newImage(l, direct ? QImage::Format_BGR888 : decodedFormat(l));
    if (!image)
        return image;
    const RowDecoder decode(l);
    QByteArray row(direct ? 0 : l.rowBytes, Qt::Uninitialized);
    for (qint64 y = 0; y < l.height; ++y) {
        uchar *out = image->scanLine(int(y));
        char *target = direct ? reinterpret_cast<char *>(out) : row.data();
        // The file may have changed since its length was taken: every read is checked.
        if (!device.seek(l.rowOffset(y)))
            return readFailed(-1);
        const qint64 got = device.read(target, l.rowBytes);
        if (got != l.rowBytes)
            return readFailed(got);
        if (!direct)
            decode(reinterpret_cast<const uchar *>(row.constData()), out);
    }
    return image;
}

} // namespace qv
