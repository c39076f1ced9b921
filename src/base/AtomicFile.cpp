#include "base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace qv {

Result<void> writeFileAtomically(const QString &path, QByteArrayView content)
{
    QSaveFile file(path);
    // Without a writable folder QSaveFile would fall back to writing in place: refuse instead.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Error{QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString())};
    if (file.write(content.data(), content.size()) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Error{QStringLiteral("Die Datei \"%1\" konnte nicht vollständig geschrieben werden: %2")
                         .arg(QDir::toNativeSeparators(path), reason)};
    }
    if (!file.commit())
        return Error{QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString())};
    return {};
}

Result<QByteArray> readWholeFile(const QString &path, qint64 maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString())};
    const qint64 size = file.size();
    if (size > maxSize)
        return Error{QStringLiteral("Die Datei \"%1\" ist zu groß (%2 Bytes, höchstens %3)")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(size)
                         .arg(maxSize)};
    QByteArray data = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Error{QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString())};
    if (data.size() > maxSize)
        return Error{QStringLiteral("Die Datei \"%1\" ist zu groß").arg(QDir::toNativeSeparators(path))};
    return data;
}

} // namespace qv
