// Rotation of a large screenshot against copying the same number of bytes, and painting one
// workspace frame with a 4K template.
#include "workspace/Bilddrehung.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>

#include <cstring>
#include <memory>

namespace {

QImage grossesBild()
{
    QImage b(4000, 3000, QImage::Format_RGB888);
    QRandomGenerator g(42);
    for (int y = 0; y < b.height(); ++y) {
        auto *z = reinterpret_cast<quint32 *>(b.scanLine(y));
        for (int i = 0; i < b.bytesPerLine() / 4; ++i)
            z[i] = g.generate();
    }
    return b;
}

const QImage &quelle()
{
    static const QImage b = grossesBild();
    return b;
}

void BM_Gedreht_4000x3000_17Grad(benchmark::State &state)
{
    for (auto _ : state) {
        QImage g = qv::Gedreht(quelle(), 17);
        benchmark::DoNotOptimize(g.constBits());
    }
    const QSize s = qv::GedrehtGroesse(quelle().size(), 17);
    state.counters["ziel_mpix"] = s.width() * double(s.height()) / 1e6;
}
BENCHMARK(BM_Gedreht_4000x3000_17Grad)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: copying as many bytes as the turned image holds into a fresh buffer.
void BM_Memcpy_Zielgroesse(benchmark::State &state)
{
    const QSize s = qv::GedrehtGroesse(quelle().size(), 17);
    const size_t bytes = size_t((s.width() * 3 + 3) / 4 * 4) * size_t(s.height());
    std::unique_ptr<char[]> von(new char[bytes]);
    std::memset(von.get(), 1, bytes);
    for (auto _ : state) {
        std::unique_ptr<char[]> nach(new char[bytes]);
        std::memcpy(nach.get(), von.get(), bytes);
        benchmark::DoNotOptimize(nach.get());
    }
}
BENCHMARK(BM_Memcpy_Zielgroesse)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
