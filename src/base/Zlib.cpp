#include "base/Zlib.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace qv {

QByteArray deflateZlib(QByteArrayView data, int level)
{
    z_stream zs{};
    if (deflateInit(&zs, level) != Z_OK)
        return {};
    QByteArray out;
    out.resize(qsizetype(deflateBound(&zs, uLong(data.size()))));
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    const auto written = qsizetype(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        return {};
    out.resize(written);
    return out;
}

Result<QByteArray> inflateZlib(QByteArrayView data, qsizetype maxOutput)
{
    if (data.size() > qsizetype(UINT_MAX))
        return Error{QStringLiteral("Die komprimierten Daten sind zu groß")};
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return Error{QStringLiteral("Entpacken nicht möglich (zlib)")};
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    zs.avail_in = uInt(data.size());

    QByteArray out;
    // Start from a guess and grow geometrically, never beyond the limit.
    qsizetype capacity = std::min<qsizetype>(std::max<qsizetype>(data.size() * 4, 4096), maxOutput + 1);
    out.resize(capacity);
    int rc = Z_OK;
    while (true) {
        zs.next_out = reinterpret_cast<Bytef *>(out.data() + zs.total_out);
        zs.avail_out = uInt(std::min<qsizetype>(out.size() - qsizetype(zs.total_out), UINT_MAX));
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            const QString reason = zs.msg ? QString::fromLatin1(zs.msg) : QStringLiteral("Fehler %1").arg(rc);
            inflateEnd(&zs);
            return Error{QStringLiteral("Die Daten sind nicht korrekt komprimiert (%1)").arg(reason)};
        }
        if (qsizetype(zs.total_out) > maxOutput) {
            inflateEnd(&zs);
            return Error{QStringLiteral("Die entpackten Daten überschreiten die Grenze von %1 Bytes").arg(maxOutput)};
        }
        if (zs.avail_out == 0) {
            if (out.size() > maxOutput) {
                inflateEnd(&zs);
                return Error{QStringLiteral("Die entpackten Daten überschreiten die Grenze von %1 Bytes").arg(maxOutput)};
            }
            out.resize(std::min<qsizetype>(out.size() * 2, maxOutput + 1));
            continue;
        }
        if (zs.avail_in == 0) {
            inflateEnd(&zs);
            return Error{QStringLiteral("Die komprimierten Daten sind unvollständig")};
        }
    }
    const auto total = qsizetype(zs.total_out);
    inflateEnd(&zs);
    if (total > maxOutput)
        return Error{QStringLiteral("Die entpackten Daten überschreiten die Grenze von %1 Bytes").arg(maxOutput)};
    out.resize(total);
    return out;
}

} // namespace qv
