// BMP reader on arbitrary bytes.
#include "base/image/ImageIO.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    auto image = qv::decodeBmp(bytes);
    if (image.ok() && !image->isNull())
        (void)image->pixel(image->width() - 1, image->height() - 1);
    (void)qv::bmpFileSize(bytes);
    return 0;
}
