// BMP reader on arbitrary bytes, in memory and through a device; both must agree.
#include "base/image/ImageIO.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    auto image = qv::decodeBmp(bytes);
    if (image.ok() && !image->isNull())
        (void)image->pixel(image->width() - 1, image->height() - 1);
    (void)qv::bmpFileSize(bytes);

    QByteArray copy = bytes.toByteArray();
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    const auto read = qv::readBmp(device);
    if (read.ok() != image.ok())
        std::abort();
    if (read.ok() ? read->convertToFormat(image->format()) != *image : read.error() != image.error())
        std::abort();
    return 0;
}
