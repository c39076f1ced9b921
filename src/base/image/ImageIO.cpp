#include "base/image/ImageIO.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"

#include <QFile>

#include <new>
#include <unistd.h>

namespace qv {

namespace {

// A BMP of the largest allowed size is about 400 MB; nothing larger can be a valid template.
constexpr qint64 kMaxImageFileSize = 4 * kMaxImagePixels + 64 * 1024;

Error outOfMemory(const QString &path)
{
    return Error{QStringLiteral("%1: Für das Bild ist nicht genug Arbeitsspeicher frei.").arg(fileNameForDisplay(path))};
}

Result<QImage> readTemplateImageUnguarded(const QString &path)
{
    // The type is told by the last three characters only, so ".jpeg" is not a JPEG here.
    const QString type = path.right(3).toUpper();
    enum { Jpg, Bmp, Png } kind;
    if (type == u"JPG")
        kind = Jpg;
    else if (type == u"BMP")
        kind = Bmp;
    else if (type == u"PNG")
        kind = Png;
    else
        return Error{QStringLiteral("%1: Unbekannter Bildtyp \"%2\" (erwartet: JPG, BMP oder PNG)").arg(fileNameForDisplay(path), type)};

    auto bytes = readWholeFile(path, kMaxImageFileSize);
    if (!bytes)
        return Error{bytes.error()};
    Result<QImage> image = kind == Jpg ? decodeJpeg(*bytes) : kind == Bmp ? decodeBmp(*bytes) : decodePng(*bytes);
    if (!image)
        return Error{QStringLiteral("%1: %2").arg(fileNameForDisplay(path), image.error())};
    return image;
}

Result<QImage> readTemplateImage24Unguarded(const QString &path)
{
    Result<QImage> image = Error{};
    QFile file;
    const bool bmp = path.right(3).toUpper() == u"BMP";
    Result<int> fd = bmp ? openFileForReading(path) : Result<int>(Error{});
    // Unbuffered: rows go from the file straight into the image, not through a second buffer.
    if (fd && file.open(*fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)
        && file.size() <= kMaxImageFileSize) {
        image = readBmp(file);
        if (!image)
            return Error{QStringLiteral("%1: %2").arg(fileNameForDisplay(path), image.error())};
    } else {
        if (fd && !file.isOpen())
            ::close(*fd);
        // Every other case, and the messages for files that cannot be read at all.
        image = readTemplateImageUnguarded(path);
        if (!image)
            return image;
    }
    if (image->format() == QImage::Format_BGR888 || image->format() == QImage::Format_RGB888)
        return image;
    QImage converted = image->convertToFormat(QImage::Format_RGB888);
    if (converted.isNull())
        return outOfMemory(path);
    return converted;
}

} // namespace

Result<QImage> readTemplateImage(const QString &path)
{
    try {
        return readTemplateImageUnguarded(path);
    } catch (const std::bad_alloc &) {
        return outOfMemory(path);
    }
}

Result<QImage> readTemplateImage24(const QString &path)
{
    try {
        return readTemplateImage24Unguarded(path);
    } catch (const std::bad_alloc &) {
        return outOfMemory(path);
    }
}

bool imageSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels
        && width * height <= kMaxImagePixels;
}

QString imageTooLargeText(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return QStringLiteral("Ungültige Bildgröße %1 × %2").arg(width).arg(height);
    return QStringLiteral("Das Bild ist zu groß (%1 × %2 Pixel, höchstens %3 Megapixel)")
        .arg(width)
        .arg(height)
        .arg(kMaxImagePixels / 1'000'000);
}

} // namespace qv
