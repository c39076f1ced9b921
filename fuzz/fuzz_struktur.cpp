// RT Structure Sets and RT Plans come from outside: reading them with the DICOM library must
// survive any bytes, and whatever a damaged file still yields must go through the shadow
// without a crash or an unbounded result.
#include "contour/TKontur.h"
#include "contour/TKonturen.h"
#include "dicom/RtPlanGeometrie.h"
#include "dicom/Schattenwurf.h"
#include "dicom/Strukturset.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    (void)quiet;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const auto plan = qv::RtPlanGeometrie::AusBytes(bytes, QStringLiteral("f.dcm"));
    if (!plan.ok() && plan.error().isEmpty())
        std::abort();
    if (plan.ok()) {
        for (qsizetype i = -1; i <= plan->AnzahlStrahlen(); ++i) {
            const auto g = plan->Strahl(i);
            if (g.ok() ? (i < 0 || i >= plan->AnzahlStrahlen()) : g.error().isEmpty())
                std::abort();
        }
    }

    const auto set = qv::Strukturset::AusBytes(bytes, QStringLiteral("f.dcm"));
    if (!set.ok()) {
        if (set.error().isEmpty())
            std::abort();
        return 0;
    }
    qv::TStrahlGeometrie strahl;
    strahl.PatientPosition = QStringLiteral("HFS");
    strahl.GantryAngle = 30;
    strahl.PatientSupportAngle = 10;
    for (const qv::TStrukturROI &roi : set->ROIs) {
        if (set->ROI(roi.Name) == nullptr)
            std::abort();
        const auto schatten = qv::Schattenwurf::Berechnen(strahl, roi);
        if (!schatten.ok())
            continue;
        const auto umrisse = schatten->Umrisse(5);
        if (!umrisse.ok() || umrisse->Konturen.size() > qv::TKonturen::MaxKonturen)
            std::abort();
        for (const auto &k : umrisse->Konturen) {
            if (k.size() < 3 || k.size() > qv::TKontur::MaxPunkte - 1)
                std::abort();
        }
    }
    return 0;
}
