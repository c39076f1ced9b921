#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace qv {

/// Images larger than this are refused before any pixel memory is allocated.
constexpr qint64 kMaxImagePixels = 100'000'000;

/// Reads a template image; the type comes from the last three characters of the name
/// ("JPG", "BMP", "PNG", any case). Any failure is an error value, never a crash.
Result<QImage> readTemplateImage(const QString &path);

/// Decoders for bytes in memory (the order file embeds BMP and JPEG images).
Result<QImage> decodeBmp(QByteArrayView bytes);
Result<QImage> decodeJpeg(QByteArrayView bytes);
Result<QImage> decodePng(QByteArrayView bytes);

/// Baseline JPEG of the image (24-bit colour).
QByteArray encodeJpeg(const QImage &image, int quality = 90);

} // namespace qv
