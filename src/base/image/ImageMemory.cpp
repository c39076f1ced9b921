#include "base/image/ImageMemory.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include <cstdint>
#include <limits>

namespace qv {

#ifdef Q_OS_LINUX
namespace {

// Below this the ordinary allocator is just as quick, and huge pages would waste memory.
constexpr qsizetype kHugePageThreshold = 8 * 1024 * 1024;
constexpr size_t kHugePage = 2 * 1024 * 1024;

struct Mapping
{
    void *start;
    size_t length;
};

void unmap(void *info)
{
    auto *m = static_cast<Mapping *>(info);
    munmap(m->start, m->length);
    delete m;
}

// An anonymous mapping whose start and length are multiples of 2 MiB: the kernel can only
// back whole aligned 2 MiB ranges with huge pages.
Mapping *mapAligned(size_t bytes)
{
    const size_t length = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void *raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto rawAddress = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t address = (rawAddress + kHugePage - 1) / kHugePage * kHugePage;
    const size_t head = address - rawAddress;
    if (head > 0)
        munmap(raw, head);
    if (kHugePage - head > 0)
        munmap(reinterpret_cast<void *>(address + length), kHugePage - head);
    // Only a hint: where huge pages are switched off the memory still works with small ones.
    madvise(reinterpret_cast<void *>(address), length, MADV_HUGEPAGE);
    return new Mapping{reinterpret_cast<void *>(address), length};
}

} // namespace
#endif

QImage allocateImage(int width, int height, QImage::Format format)
{
#ifdef Q_OS_LINUX
    if (width > 0 && height > 0 && format != QImage::Format_Invalid) {
        const int depth = QImage::toPixelFormat(format).bitsPerPixel();
        // The same row length QImage itself would choose: whole 32-bit words.
        const qint64 bytesPerLine = (qint64(width) * depth + 31) / 32 * 4;
        const qint64 bytes = bytesPerLine * height;
        if (bytes >= kHugePageThreshold && bytes <= std::numeric_limits<qsizetype>::max() / 2) {
            if (Mapping *m = mapAligned(size_t(bytes))) {
                QImage image(static_cast<uchar *>(m->start), width, height, qsizetype(bytesPerLine), format, unmap, m);
                if (!image.isNull())
                    return image;
                unmap(m);
            }
        }
    }
#endif
    return QImage(width, height, format);
}

} // namespace qv
