#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qv {

/// An uncompressed 24-bit BMP (bottom-up rows, padded to four bytes). Empty for a null image
/// or one too large for the format's 32-bit sizes.
QByteArray encodeBmp24(const QImage &bild);

/// Writes the image as a 24-bit BMP, atomically.
Result<void> writeBmp24(const QImage &bild, const QString &path);

} // namespace qv
