#include "base/Zlib.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <new>

namespace qv {

QByteArray deflateZlib(QByteArrayView data, int level)
{
    z_stream zs{};
    if (deflateInit(&zs, level) != Z_OK)
        return {};
    QByteArray out;
    try {
        out.resize(qsizetype(deflateBound(&zs, uLong(data.size()))));
    } catch (const std::bad_alloc &) {
        deflateEnd(&zs);
        return {};
    }
    // zlib counts in 32 bits: larger data goes in in pieces.
    const auto *in = reinterpret_cast<const Bytef *>(data.data());
    qsizetype inLeft = data.size();
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (zs.avail_in == 0 && inLeft > 0) {
            zs.next_in = const_cast<Bytef *>(in);
            zs.avail_in = uInt(std::min<qsizetype>(inLeft, UINT_MAX));
            in += zs.avail_in;
            inLeft -= zs.avail_in;
        }
        zs.next_out = reinterpret_cast<Bytef *>(out.data()) + zs.total_out;
        zs.avail_out = uInt(std::min<qsizetype>(out.size() - qsizetype(zs.total_out), UINT_MAX));
        rc = deflate(&zs, inLeft > 0 ? Z_NO_FLUSH : Z_FINISH);
    }
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
    const auto grow = [&out, &zs](qsizetype size) {
        try {
            out.resize(size);
            return true;
        } catch (const std::bad_alloc &) {
            inflateEnd(&zs);
            return false;
        }
    };
    const Error outOfMemory{QStringLiteral("Zum Entpacken ist nicht genug Arbeitsspeicher frei.")};
    if (!grow(capacity))
        return outOfMemory;
    int rc = Z_OK;
    while (true) {
        zs.next_out = reinterpret_cast<Bytef *>(out.data() + zs.total_out);
        zs.avail_out = uInt(std::min<qsizetype>(out.size() - qsizetype(zs.total_out), UINT_MAX));
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            // zlib's own text is English and means nothing to the person; the verdict is enough.
            inflateEnd(&zs);
            return Error{QStringLiteral("Die komprimierten Daten sind beschädigt")};
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
            if (!grow(std::min<qsizetype>(out.size() * 2, maxOutput + 1)))
                return outOfMemory;
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
