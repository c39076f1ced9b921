#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace qv {

/// Windows-1252 bytes to text. All 256 byte values round-trip: the five bytes the code page
/// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
QString fromCp1252(QByteArrayView bytes);

/// Text to Windows-1252. Characters the code page cannot show become '?'.
QByteArray toCp1252(QStringView text);

/// The n+1 bytes of a fixed-capacity string s[n]: length byte, the text cut to n characters,
/// zero bytes after it.
QByteArray encodeShortString(QStringView text, int capacity);

/// Reads an s[n] from its n+1 bytes; bytes after the length are ignored, a length byte
/// larger than n is cut to n.
QString decodeShortString(QByteArrayView bytes);

} // namespace qv
