// Contour model timings: the inside test on the largest contour, one traced point with all
// checks on a long contour, and drawing a full set of generated circles.

#include "contour/TKonturen.h"

#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace qv;

namespace {

QPoint kreispunkt(QPoint mitte, double radius, int i, int n)
{
    const double w = 2 * std::numbers::pi * i / n;
    return mitte + QPoint(int(std::lround(radius * std::cos(w))), int(std::lround(radius * std::sin(w))));
}

// A spiral point: far enough from the previous turn that a traced spiral never crosses itself.
QPoint spiralpunkt(int i)
{
    const double w = 0.05 * i;
    const double r = 20.0 + 8.0 * w;
    return QPoint(int(std::lround(r * std::cos(w))), int(std::lround(r * std::sin(w))));
}

void EnthaeltPunkt10001(benchmark::State &state)
{
    TKontur k(1);
    for (int i = 0; i < TKontur::MaxPunkte - 1; ++i)
        k.PunktHinzufuegen(kreispunkt({0, 0}, 20000, i, TKontur::MaxPunkte - 1), false);
    k.Schliessen();
    if (k.Anzahl() != TKontur::MaxPunkte)
        state.SkipWithError("contour not full");
    const QPoint innen(1234, -567);
    for (auto _ : state)
        benchmark::DoNotOptimize(k.EnthaeltPunkt(innen));
}
BENCHMARK(EnthaeltPunkt10001)->Unit(benchmark::kMicrosecond);

void PunktHinzufuegen2000(benchmark::State &state)
{
    TKontur k(1);
    for (int i = 0; i < 1999; ++i)
        k.PunktHinzufuegen(spiralpunkt(i), false);
    const QPoint neu = spiralpunkt(1999);
    for (auto _ : state) {
        if (k.PunktHinzufuegen(neu, true, 2) != KonturErgebnis::Angenommen)
            state.SkipWithError("point refused");
        k.Rueckgaengig();
    }
}
BENCHMARK(PunktHinzufuegen2000)->Unit(benchmark::kMicrosecond);

void Zeichnen11x361(benchmark::State &state)
{
    TKonturen set;
    for (int n = 0; n < TKonturen::MaxKonturen; ++n) {
        set.NeueKontur();
        const QPoint mitte(-1200 + 240 * n, (n % 3 - 1) * 300);
        for (int i = 0; i < 360; ++i)
            set.Kontur(n + 1).PunktHinzufuegen(kreispunkt(mitte, 150 + 10 * n, i, 360), false);
        set.Kontur(n + 1).Schliessen();
        set.Kontur(n + 1).setMarkiert(n % 2 == 1 && state.range(0) != 0);
    }
    QImage bild(1600, 900, QImage::Format_RGB32);
    bild.fill(Qt::black);
    for (auto _ : state) {
        QPainter p(&bild);
        // The workspace mapping: isotropic scale, y upward, isocentre in the middle.
        p.translate(800, 450);
        p.scale(0.55, -0.55);
        set.Zeichnen(p);
    }
}
BENCHMARK(Zeichnen11x361)->Arg(0)->Arg(1)->ArgName("schraffiert")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
