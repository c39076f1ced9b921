#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qv {

/// An uncompressed 24-bit BMP (bottom-up rows, padded to four bytes). Empty for a null image
/// or one too large for the format's 32-bit sizes.
QByteArray encodeBmp24(const QImage &bild);

/// Writes the image as a 24-bit BMP: into a temporary file beside path, renamed over path
/// when complete, so no half image is ever seen under that name. The rows are written in
/// pieces, so no second copy of the image is built in memory. Not flushed to the disk
/// (a turned image can be made again; flushing 50 MB would double the time of the tool).
Result<void> writeBmp24(const QImage &bild, const QString &path);

} // namespace qv
