// Rotation of a large screenshot against copying the same number of bytes, and painting one
// workspace frame with a 4K template.
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheZeichnen.h"
#include "workspace/TBilddrehung.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <cstring>
#include <numbers>
#include <memory>

using namespace qv;

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

// One frame of the paint box: 4K template already scaled into the 1600 x 900 cache,
// eleven closed contours of 361 points, the field, the isocentre cross and the scale bar.
void BM_Arbeitsflaeche_Frame_4K_in_1600x900(benchmark::State &state)
{
    qv::TAuftrag auftrag;
    qv::Arbeitsflaeche a(auftrag);
    auftrag.Vorlage = QImage(3840, 2160, QImage::Format_RGB32);
    for (int y = 0; y < auftrag.Vorlage.height(); ++y) {
        auto *z = reinterpret_cast<QRgb *>(auftrag.Vorlage.scanLine(y));
        for (int x = 0; x < auftrag.Vorlage.width(); ++x)
            z[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    a.IsozentrumSetzen({0, 0});
    auftrag.Massstab.MassstabAbstandSetzen(200);
    a.MassstabPunktSetzen(1, {-600, -900});
    a.MassstabPunktSetzen(2, {600, -900});
    auftrag.FeldEcke1 = {-1500, 800};
    auftrag.FeldEcke2 = {1500, -800};
    for (int k = 0; k < 11; ++k) {
        auftrag.Konturen.NeueKontur();
        const double cx = -1500 + (k % 4) * 1000, cy = -600 + (k / 4) * 600;
        for (int i = 0; i < 360; ++i) {
            const double w = i * std::numbers::pi / 180;
            auftrag.Konturen.AktuelleKontur().PunktHinzufuegen(
                QPoint(int(std::lround(cx + 250 * std::cos(w))), int(std::lround(cy + 250 * std::sin(w)))), false);
        }
        auftrag.Konturen.AktuelleKontur().Schliessen();
    }
    const QSize box(1600, 900);
    const qv::Abbildung abb = a.abbildung(box);
    const QImage cache = qv::VorlageSkaliert(auftrag.Vorlage, box, 0, false);
    QImage frame(box, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&frame);
        qv::ArbeitsflaecheZeichnen(p, a, abb, cache);
        p.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["punkte_je_kontur"] = auftrag.Konturen.Kontur(1).Anzahl();
}
BENCHMARK(BM_Arbeitsflaeche_Frame_4K_in_1600x900)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: a smooth rescale of the 4K template, which the cache saves on every frame.
void BM_Vorlage_Skalieren_4K_in_1600x900(benchmark::State &state)
{
    QImage v(3840, 2160, QImage::Format_RGB32);
    v.fill(qRgb(90, 120, 150));
    for (auto _ : state) {
        QImage s = qv::VorlageSkaliert(v, QSize(1600, 900), 0, false);
        benchmark::DoNotOptimize(s.constBits());
    }
}
BENCHMARK(BM_Vorlage_Skalieren_4K_in_1600x900)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    // Painting needs a GUI application (fonts, raster engine); the offscreen platform will do.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
