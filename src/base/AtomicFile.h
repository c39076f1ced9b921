#pragma once

#include "base/Result.h"

#include <QByteArrayView>
#include <QString>

namespace qv {

/// Writes the whole content to a temporary file beside path and renames it over path only
/// when every byte is on disk; a failed write leaves the old file as it was.
Result<void> writeFileAtomically(const QString &path, QByteArrayView content);

/// Reads a whole file, refusing files larger than maxSize before allocating.
Result<QByteArray> readWholeFile(const QString &path, qint64 maxSize);

} // namespace qv
