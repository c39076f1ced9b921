#pragma once

#include <QImage>

namespace qv {

/// A new image with pixels left as they come (zero for large images, undefined for small
/// ones): for callers that overwrite every pixel anyway. Large images (tens of MB, such as a
/// turned screenshot) live in memory of their own, 2 MiB aligned and marked for transparent
/// huge pages: a fresh 50 MB buffer then costs a few dozen page faults instead of some
/// 12 000, which is most of the time a whole-image tool spends on it. The layout
/// (bytesPerLine) is the usual one. Null when the memory cannot be had.
QImage allocateImage(int width, int height, QImage::Format format);

} // namespace qv
