#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QImage>
#include <QString>

namespace qv {

/// Images larger than this are refused before any pixel memory is allocated.
constexpr qint64 kMaxImagePixels = 100'000'000;

/// Reads a template image; the type comes from the last three characters of the name
/// ("JPG", "BMP", "PNG", any case). Any failure is an error value, never a crash.
Result<QImage> readTemplateImage(const QString &path);

/// The same, as a 24-bit image: Format_BGR888 for a 24-bit BMP (read from the file row by row
/// straight into its place: no copy of the whole file, no conversion), Format_RGB888 for
/// everything else. For tools that work on 24-bit pixels of large images.
Result<QImage> readTemplateImage24(const QString &path);

/// Decoders for bytes in memory (the order file embeds BMP and JPEG images).
Result<QImage> decodeBmp(QByteArrayView bytes);
Result<QImage> decodeJpeg(QByteArrayView bytes);
Result<QImage> decodePng(QByteArrayView bytes);

/// Baseline JPEG of the image (24-bit colour, no chroma subsampling so that thin coloured
/// lines of a screenshot stay sharp). Empty for a null image or when encoding fails.
QByteArray encodeJpeg(const QImage &image, int quality = 90);

/// Length of the BMP file at the start of bytes, as its file header states (0 without a
/// valid header). Embedded BMPs are delimited this way.
qint64 bmpFileSize(QByteArrayView bytes);

/// Reads a BMP from a device opened for reading (a file, not sequential) from its start, with
/// the checks of decodeBmp against the device's size. A 24-bit BMP comes as Format_BGR888 (its
/// rows read straight into the image), other depths as decodeBmp gives them.
Result<QImage> readBmp(QIODevice &device);

/// True when a width × height image may be allocated (both positive, within kMaxImagePixels).
bool imageSizeAllowed(qint64 width, qint64 height);
QString imageTooLargeText(qint64 width, qint64 height);

} // namespace qv
