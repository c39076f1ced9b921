#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

/// File names as the file system holds them: bytes, usually but not always UTF-8.
///
/// A name that is not valid UTF-8 (a Latin-1 name copied from an old archive) must still reach
/// the file system byte for byte. decodeFileName keeps every valid UTF-8 sequence as its
/// character and every other byte b as the lone code unit U+DC00 + b; encodeFileName turns them
/// back. Both directions are exact for any bytes and any locale, and agree with the usual UTF-8
/// names that dialogs and the program itself produce.
QString decodeFileName(const QByteArray &bytes);
QByteArray encodeFileName(const QString &name);

/// The name for a message: bytes that are not UTF-8 are shown as "?" replacement characters.
QString fileNameForDisplay(const QString &name);

/// A short German sentence for a system error number (errno), for messages to the person:
/// "Der Datenträger ist voll." rather than the system's own English text.
QString systemErrorText(int errorNumber);

} // namespace qv
