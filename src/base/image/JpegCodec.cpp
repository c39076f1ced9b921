#include "base/image/ImageIO.h"

#include <turbojpeg.h>

#include <climits>
#include <memory>

namespace qv {

namespace {

struct TjDeleter
{
    void operator()(void *handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

QString tjErrorText(tjhandle handle)
{
    return QString::fromLocal8Bit(tjGetErrorStr2(handle));
}

} // namespace

Result<QImage> decodeJpeg(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return Error{QStringLiteral("Keine JPEG-Daten")};
    if (quint64(bytes.size()) > quint64(ULONG_MAX))
        return Error{QStringLiteral("Die JPEG-Daten sind zu groß")};
    TjHandle handle(tjInitDecompress());
    if (!handle)
        return Error{QStringLiteral("JPEG-Decoder nicht verfügbar")};

    auto *src = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), src, size, &width, &height, &subsamp, &colorspace) != 0)
        return Error{QStringLiteral("Keine lesbare JPEG-Datei.")};
    // Refuse before the pixel buffer is allocated.
    if (!imageSizeAllowed(width, height))
        return Error{imageTooLargeText(width, height)};

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return Error{QStringLiteral("Nicht genug Speicher für ein Bild von %1 × %2 Pixeln").arg(width).arg(height)};
    // BGRX in memory is QImage's RGB32 on little-endian machines; X is written as 0xFF.
    const int rc = tjDecompress2(handle.get(), src, size, image.bits(), width, int(image.bytesPerLine()), height,
                                 TJPF_BGRX, TJFLAG_LIMITSCANS);
    if (rc != 0) {
        const QString reason = tjErrorText(handle.get());
        // Most warnings (stray bytes before a marker) still give the whole picture; a file that
        // ends early does not.
        // The decoder's texts are English and vary in case ("Premature end of JPEG file",
        // "premature end of data segment").
        if (reason.contains(QStringLiteral("premature end"), Qt::CaseInsensitive))
            return Error{QStringLiteral("Das JPEG-Bild ist beschädigt: Die Bilddaten enden vorzeitig.")};
        if (tjGetErrorCode(handle.get()) == TJERR_FATAL)
            return Error{QStringLiteral("Das JPEG-Bild ist beschädigt.")};
    }
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    if (image.isNull())
        return {};
    const QImage src = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    if (src.isNull())
        return {};
    TjHandle handle(tjInitCompress());
    if (!handle)
        return {};
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    // Baseline (no TJFLAG_PROGRESSIVE); 4:4:4 keeps one-pixel coloured lines of screenshots.
    const int rc = tjCompress2(handle.get(), src.constBits(), src.width(), int(src.bytesPerLine()), src.height(),
                               TJPF_BGRX, &out, &outSize, TJSAMP_444, quality, 0);
    QByteArray result;
    if (rc == 0 && out)
        result = QByteArray(reinterpret_cast<const char *>(out), qsizetype(outSize));
    tjFree(out);
    return result;
}

} // namespace qv
