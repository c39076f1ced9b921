// The aperture from a target: the shadow of a 150-slice ROI of 200 points a slice with a 5 mm
// margin, beside reading the two files with the DICOM library alone.
//   bench_struktur [benchmark options]      the figures
//   bench_struktur --dateien ORDNER         writes plan.dcm and struktur.dcm there (bench/struktur.sh)
#include "dicom/RtPlanGeometrie.h"
#include "dicom/Schattenwurf.h"
#include "dicom/Strukturset.h"
#include "support/RtDateiBauer.h"

#include <benchmark/benchmark.h>

#include <dcmtk/config/osconfig.h>
#include <dcmtk/dcmdata/dcfilefo.h>
#include <dcmtk/oflog/oflog.h>

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// An irregular target 150 mm long: a lobed outline that turns and swells from slice to slice.
qv::test::RoiBau ziel()
{
    qv::test::RoiBau roi;
    roi.name = "PTV";
    for (int s = 0; s < 150; ++s) {
        const double z = s - 75.0;
        const double profil = 0.4 + 0.6 * std::sin(std::numbers::pi * (s + 0.5) / 150);
        qv::test::Kontur3 k;
        for (int i = 0; i < 200; ++i) {
            const double w = 2 * std::numbers::pi * i / 200;
            const double r = profil * (30 + 8 * std::sin(3 * w + z / 10) + 3 * std::cos(7 * w));
            k.append({r * std::cos(w) + 5, r * std::sin(w) - 10, z});
        }
        roi.konturen.append(k);
    }
    return roi;
}

qv::test::StrahlBau strahl()
{
    qv::test::StrahlBau s;
    s.gantry = 30;
    s.kollimator = 10;
    s.tisch = 350;
    s.iso = {5, -10, 0};
    return s;
}

struct Dateien
{
    QTemporaryDir ordner;
    QString plan = ordner.filePath(QStringLiteral("plan.dcm"));
    QString set = ordner.filePath(QStringLiteral("struktur.dcm"));
    Dateien()
    {
        qv::test::planSchreiben(plan, {strahl()});
        qv::test::strukturSetSchreiben(set, {ziel()});
    }
};

Dateien &dateien()
{
    static Dateien d;
    return d;
}

void BM_SchattenMitRand(benchmark::State &state)
{
    const auto plan = qv::RtPlanGeometrie::Lesen(dateien().plan);
    const auto set = qv::Strukturset::Lesen(dateien().set);
    const auto g = plan->Strahl(0);
    const qv::TStrukturROI &roi = set->ROIs.first();
    for (auto _ : state) {
        const auto s = qv::Schattenwurf::Berechnen(*g, roi);
        auto u = s->Umrisse(5);
        benchmark::DoNotOptimize(u);
    }
}
BENCHMARK(BM_SchattenMitRand)->Unit(benchmark::kMillisecond);

// What the preview redoes when only the margin changes.
void BM_NurRand(benchmark::State &state)
{
    const auto plan = qv::RtPlanGeometrie::Lesen(dateien().plan);
    const auto set = qv::Strukturset::Lesen(dateien().set);
    const auto s = qv::Schattenwurf::Berechnen(*plan->Strahl(0), set->ROIs.first());
    for (auto _ : state) {
        auto u = s->Umrisse(5);
        benchmark::DoNotOptimize(u);
    }
}
BENCHMARK(BM_NurRand)->Unit(benchmark::kMillisecond);

void BM_BeideDateienLesen(benchmark::State &state)
{
    for (auto _ : state) {
        auto plan = qv::RtPlanGeometrie::Lesen(dateien().plan);
        auto set = qv::Strukturset::Lesen(dateien().set);
        benchmark::DoNotOptimize(plan);
        benchmark::DoNotOptimize(set);
    }
}
BENCHMARK(BM_BeideDateienLesen)->Unit(benchmark::kMillisecond);

// The yardstick: the DICOM library's own read of the two files, nothing more.
void BM_DcmtkLesen(benchmark::State &state)
{
    const QByteArray plan = QFile::encodeName(dateien().plan), set = QFile::encodeName(dateien().set);
    for (auto _ : state) {
        DcmFileFormat a, b;
        // Large values are read on first use; a read of the file reads them all.
        benchmark::DoNotOptimize(a.loadFile(plan.constData()).good() && a.loadAllDataIntoMemory().good());
        benchmark::DoNotOptimize(b.loadFile(set.constData()).good() && b.loadAllDataIntoMemory().good());
    }
}
BENCHMARK(BM_DcmtkLesen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    OFLog::getLogger("dcmtk").setLogLevel(OFLogger::OFF_LOG_LEVEL);
    if (argc == 3 && std::strcmp(argv[1], "--dateien") == 0) {
        const QString ordner = QString::fromLocal8Bit(argv[2]);
        const bool ok = qv::test::planSchreiben(QDir(ordner).filePath(QStringLiteral("plan.dcm")), {strahl()})
                        && qv::test::strukturSetSchreiben(QDir(ordner).filePath(QStringLiteral("struktur.dcm")), {ziel()});
        return ok ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
