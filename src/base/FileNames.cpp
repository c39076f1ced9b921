#include "base/FileNames.h"

#include <QDir>

#include <cerrno>

namespace qv {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence at p (1..4), or 0 when the bytes there are not one:
// no overlong forms, no encoded surrogates, nothing beyond U+10FFFF.
int utf8SequenceLength(const uchar *p, qsizetype remaining)
{
    const uchar b0 = p[0];
    if (b0 < 0x80)
        return 1;
    int length;
    uchar low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0)
            low = 0xA0;
        else if (b0 == 0xED)
            high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0)
            low = 0x90;
        else if (b0 == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (remaining < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return length;
}

bool isEscapedByte(char16_t c)
{
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF;
}

} // namespace

QString decodeFileName(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const int length = utf8SequenceLength(p + i, n - i);
        if (length == 0) {
            name.append(QChar(char16_t(kEscapeBase + p[i])));
            ++i;
            continue;
        }
        name.append(QString::fromUtf8(reinterpret_cast<const char *>(p + i), length));
        i += length;
    }
    return name;
}

QByteArray encodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        // A high surrogate followed by a low one is a proper pair, not an escaped byte.
        if (!isEscapedByte(c) || (i > 0 && QChar::isHighSurrogate(name[i - 1].unicode())))
            continue;
        bytes.append(QStringView(name).mid(start, i - start).toUtf8());
        bytes.append(char(c - kEscapeBase));
        start = i + 1;
    }
    bytes.append(QStringView(name).mid(start).toUtf8());
    return bytes;
}

QString fileNameForDisplay(const QString &name)
{
    QString shown = QDir::toNativeSeparators(name);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isEscapedByte(shown[i].unicode()) && !(i > 0 && QChar::isHighSurrogate(shown[i - 1].unicode())))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß für den Datenträger.");
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner wurde nicht gefunden.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Der Pfad ist ein Ordner.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Keine Berechtigung.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang.");
    case ELOOP:
        return QStringLiteral("Zu viele symbolische Verknüpfungen hintereinander.");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
    case ENOMEM:
        return QStringLiteral("Nicht genug Arbeitsspeicher.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele offene Dateien.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade benutzt.");
    case EXDEV:
        return QStringLiteral("Die Datei liegt auf einem anderen Datenträger.");
    case EEXIST:
        return QStringLiteral("Die Datei ist bereits vorhanden.");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Das Gerät ist nicht verfügbar.");
    default:
        return QStringLiteral("Systemfehler %1.").arg(errorNumber);
    }
}

} // namespace qv
