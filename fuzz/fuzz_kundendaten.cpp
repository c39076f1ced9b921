// Customer block reader: raw blocks (as embedded in order files) and zlib customer files.
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Zlib.h"
#include "config/KundenDatenJson.h"
#include "config/TKundenDaten.h"

#include <cstdlib>

using qv::KundenDatenAlsJson;
using qv::TKundenDaten;

namespace {

void lesen(QByteArrayView daten)
{
    TKundenDaten k;
    qv::ByteReader r(daten);
    if (!k.Laden(r)) {
        if (r.error().isEmpty())
            std::abort(); // a failure must always say why
        return;
    }
    (void)KundenDatenAlsJson(k);
    (void)k.PruefText();
    (void)k.BildZuIsoebene(QPoint(123456, -98765));
    (void)k.BildZuBlockebene(QPoint(-2147483647, 2147483647));
    // Writing what was read and reading it again gives the same bytes.
    qv::ByteWriter w1;
    k.Speichern(w1);
    TKundenDaten k2;
    qv::ByteReader r2(w1.data());
    if (!k2.Laden(r2))
        std::abort();
    qv::ByteWriter w2;
    k2.Speichern(w2);
    if (w1.data() != w2.data())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    lesen(bytes);
    auto block = qv::inflateZlib(bytes, 4 * 1024 * 1024);
    if (block)
        lesen(*block);
    return 0;
}
