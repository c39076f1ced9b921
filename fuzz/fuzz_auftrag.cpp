// Order-file reader on arbitrary bytes: a zlib stream (as on disk) or a bare body.
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/OrderJson.h"

#include <QByteArrayView>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>

using qv::AuftragAlsJson;
using qv::decodeOrderBody;
using qv::decodeOrderFile;
using qv::OrderDocument;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
        return true;
    }();
    (void)quiet;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    OrderDocument doc;
    // 0x78 starts every zlib stream of the files; a body starts with its version.
    const auto result = size > 0 && data[0] == 0x78 ? decodeOrderFile(bytes, doc)
                                                    : decodeOrderBody(bytes, doc);
    (void)result;
    (void)AuftragAlsJson(doc);
    return 0;
}
