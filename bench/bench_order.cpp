// Saving and opening an order (template image + 11 contours of 361 points) against the floor
// of the same work done by the libraries alone: libjpeg-turbo encoding (decoding) the image
// plus zlib level 1 deflating (inflating) a body of the same size.
#include "base/Zlib.h"
#include "base/image/ImageIO.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"

#include "support/Screenshot.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <turbojpeg.h>
#include <zlib.h>

#include <cmath>
#include <map>
#include <memory>

using namespace qv;

namespace {

using qv::bench::screenshot;


struct Setup
{
    std::unique_ptr<qv::TAuftrag> doc;
    QByteArray body;
    QByteArray file;
    QByteArray jpeg;
};

Setup &setupFor(int w, int h)
{
    static std::map<int, std::unique_ptr<Setup>> cache;
    auto &slot = cache[w];
    if (slot)
        return *slot;
    slot = std::make_unique<Setup>();
    Setup &s = *slot;
    s.doc = std::make_unique<qv::TAuftrag>();
    qv::TAuftrag &d = *s.doc;
    d.Vorlage = screenshot(w, h);
    d.Kundendaten.LadeStandard();
    d.Auftragsdaten.Kunde = QStringLiteral("Klinik am See\r\nStrahlentherapie");
    for (int k = 0; k < 11; ++k) {
        d.Konturen.NeueKontur();
        qv::TKontur &c = d.Konturen.AktuelleKontur();
        for (int i = 0; i < 360; ++i) {
            const double a = i * M_PI / 180.0;
            c.PunktHinzufuegen(QPoint(int(std::lround(40 * k + 300 * std::cos(a))), int(std::lround(200 * std::sin(a)))),
                               false);
        }
        c.Schliessen(); // 361 points with the closing one
    }
    s.body = encodeOrderBody(d, QStringLiteral("V2.20")).value();
    s.file = encodeOrderFile(d, QStringLiteral("V2.20")).value();
    s.jpeg = qv::encodeJpeg(d.Vorlage);
    return s;
}

void Save(benchmark::State &state)
{
    Setup &s = setupFor(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        auto file = encodeOrderFile(*s.doc, QStringLiteral("V2.20"));
        benchmark::DoNotOptimize(file);
    }
}

void SaveFloor(benchmark::State &state)
{
    Setup &s = setupFor(int(state.range(0)), int(state.range(1)));
    const QImage &img = s.doc->Vorlage;
    tjhandle tj = tjInitCompress();
    for (auto _ : state) {
        unsigned char *out = nullptr;
        unsigned long size = 0;
        tjCompress2(tj, img.constBits(), img.width(), int(img.bytesPerLine()), img.height(), TJPF_BGRX, &out, &size,
                    TJSAMP_444, 90, 0);
        tjFree(out);
        QByteArray deflated = qv::deflateZlib(s.body, 1);
        benchmark::DoNotOptimize(deflated);
    }
    tjDestroy(tj);
}

void Open(benchmark::State &state)
{
    Setup &s = setupFor(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        OrderDocument doc;
        auto ok = decodeOrderFile(s.file, doc);
        if (!ok)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(doc.Auftrag.Vorlage);
    }
}

void OpenFloor(benchmark::State &state)
{
    Setup &s = setupFor(int(state.range(0)), int(state.range(1)));
    const int w = int(state.range(0)), h = int(state.range(1));
    tjhandle tj = tjInitDecompress();
    for (auto _ : state) {
        QByteArray body = qv::inflateZlib(s.file, kMaxOrderBodySize).value();
        std::unique_ptr<unsigned char[]> pixels(new unsigned char[size_t(w) * size_t(h) * 4]);
        tjDecompress2(tj, reinterpret_cast<const unsigned char *>(s.jpeg.constData()), (unsigned long)s.jpeg.size(),
                      pixels.get(), w, w * 4, h, TJPF_BGRX, 0);
        benchmark::DoNotOptimize(body);
        benchmark::DoNotOptimize(pixels);
    }
    tjDestroy(tj);
}

} // namespace

BENCHMARK(Save)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(SaveFloor)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFloor)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // QPainter text needs a GUI application (offscreen).
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    // Warm the allocator and caches, so that whichever benchmark runs first is not penalised.
    for (int w : {1920, 3840}) {
        Setup &s = setupFor(w, w * 9 / 16);
        OrderDocument doc;
        (void)encodeOrderFile(*s.doc, QStringLiteral("V2.20"));
        (void)decodeOrderFile(s.file, doc);
    }
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
