#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QByteArrayView>

namespace qv {

/// Deflates into a zlib stream (RFC 1950); the files of the program use level 1. Empty when
/// deflating failed (a zlib stream is never empty), so callers never write an empty file.
QByteArray deflateZlib(QByteArrayView data, int level = 1);

/// Inflates one zlib stream. More than maxOutput bytes of output is an error, so a hostile
/// stream cannot exhaust memory. Trailing bytes after the stream end are ignored.
Result<QByteArray> inflateZlib(QByteArrayView data, qsizetype maxOutput);

} // namespace qv
