// Saving and opening an order (template image + 11 contours of 361 points) against the floor
// of the same work done by the libraries alone: libjpeg-turbo encoding (decoding) the image
// plus zlib level 1 deflating (inflating) a body of the same size.
#include "base/Zlib.h"
#include "base/image/ImageIO.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <turbojpeg.h>
#include <zlib.h>

#include <cmath>
#include <map>
#include <memory>

namespace {

// A planning-system screenshot: flat panels, a grey-scale CT-like area, coloured outlines,
// grid lines and text.
QImage screenshot(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(40, 44, 52));
    quint32 seed = 12345;
    auto rnd = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    const int cx = w / 2, cy = h / 2, r = std::min(w, h) * 2 / 5;
    for (int y = cy - r; y < cy + r; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = cx - r; x < cx + r; ++x) {
            const double d = std::hypot(x - cx, y - cy) / r;
            if (d < 1.0) {
                const int g = int(60 + 120 * (1.0 - d) + (rnd() % 24));
                line[x] = qRgb(g, g, g);
            }
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(90, 90, 110));
    for (int x = 0; x < w; x += 64)
        p.drawLine(x, 0, x, h);
    for (int y = 0; y < h; y += 64)
        p.drawLine(0, y, w, y);
    const QColor colours[] = {Qt::red, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(colours[i], 2));
        p.drawEllipse(QPoint(cx, cy), r / (i + 2), r / (i + 3));
    }
    p.fillRect(0, 0, w / 6, h, QColor(220, 220, 225));
    p.setPen(Qt::black);
    QFont font;
    font.setPixelSize(14);
    p.setFont(font);
    for (int y = 20; y < h; y += 22)
        p.drawText(8, y, QStringLiteral("Feld %1  X1 -5,0  X2 5,0  Y1 -7,5  Y2 7,5  MU %2").arg(y).arg(rnd() % 900));
    return img;
}

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
