// Reads arbitrary bytes as a contour-set stream. A set that was read completely and holds only
// closed contours must write back exactly the bytes it was read from.

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "contour/TKonturen.h"

#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qv::ByteReader r(bytes);
    qv::TKonturen set;
    if (!set.AusStreamLesen(r)) {
        if (r.ok() || r.error().isEmpty() || set.Anzahl() != 0)
            std::abort();
        return 0;
    }
    qv::ByteWriter w;
    set.InStreamSchreiben(w);
    if (set.AlleGeschlossen() && w.data() != bytes.first(r.pos()))
        std::abort();

    // Exercise the geometry on whatever was read.
    const QPoint p = set.Anzahl() > 0 ? set.Kontur(1).Punkt(1) : QPoint(0, 0);
    set.MarkierungUmschalten(p);
    set.MarkierteVerschieben(3, -7);
    set.MarkierteDrehen(0.5);
    set.AlleVerwerfen();
    (void)set.ExtremX();
    (void)set.ExtremY();
    if (set.Anzahl() > 0)
        set.Loeschen(1);
    return 0;
}
