#include "workspace/TBilddrehung.h"

#include "base/image/ImageMemory.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <vector>

namespace qv {

namespace {

// The corners of the turned image, before shifting: source pixel (0,0) at T0 = (0,0),
// (W-1, 0) at T1 and (0, H-1) at T2. Trunc(x + 0.5) on purpose: it rounds negative
// products toward zero, which fixes the sizes of the turned images.
struct Ecken
{
    QPoint t1, t2;
    int minX, minY, maxX, maxY;
};

Ecken eckenBerechnen(int w, int h, double winkelGrad)
{
    const double r = -double(float(winkelGrad)) * std::numbers::pi / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    const auto trunc = [](double v) { return int(std::trunc(v)); };
    Ecken e;
    e.t1 = QPoint(trunc((w - 1) * c + 0.5), trunc((w - 1) * s + 0.5));
    e.t2 = QPoint(-trunc((h - 1) * s + 0.5), trunc((h - 1) * c + 0.5));
    const QPoint t3 = e.t1 + e.t2;
    e.minX = std::min({0, e.t1.x(), e.t2.x(), t3.x()});
    e.maxX = std::max({0, e.t1.x(), e.t2.x(), t3.x()});
    e.minY = std::min({0, e.t1.y(), e.t2.y(), t3.y()});
    e.maxY = std::max({0, e.t1.y(), e.t2.y(), t3.y()});
    return e;
}

// One entry per target step along an edge: the step (-1, 0, +1 per axis) and the source
// index (column or row) that lands there. Bresenham on the target, spread of the source
// indices with an error term; integers only.
struct Schritte
{
    std::vector<signed char> dx, dy;
    std::vector<int> index;
    int size() const { return int(index.size()); }
    bool diagonal(int i) const { return dx[i] != 0 && dy[i] != 0; }
};

Schritte schritteBerechnen(const QPoint &kante, int letzterIndex)
{
    const int adx = std::abs(kante.x());
    const int ady = std::abs(kante.y());
    const int sx = kante.x() < 0 ? -1 : 1;
    const int sy = kante.y() < 0 ? -1 : 1;
    const bool xHaupt = adx >= ady;
    const int n = std::max(adx, ady) + 1;
    const int m = (xHaupt ? ady : adx) + 1;

    Schritte t;
    t.dx.assign(n, 0);
    t.dy.assign(n, 0);
    t.index.assign(n, 0);

    int e = m / 2;
    for (int i = 1; i < n; ++i) {
        bool neben = false;
        e += m;
        if (e >= n) {
            neben = true;
            e -= n;
        }
        t.dx[i] = static_cast<signed char>(xHaupt ? sx : (neben ? sx : 0));
        t.dy[i] = static_cast<signed char>(xHaupt ? (neben ? sy : 0) : sy);
    }

    const int L = letzterIndex;
    if (n == 1) {
        // The whole edge collapses onto one target pixel: it shows source index 0.
        return t;
    }
    int q, r, grenze;
    if (n - 1 < L) {
        q = L / (n - 1);
        r = L % (n - 1);
        grenze = n - 1;
        e = (n - 1) / 2;
    } else {
        q = 0;
        r = L + 1;
        grenze = n;
        e = (L + 1) / 2;
    }
    int a = 0;
    for (int i = 0; i < n; ++i) {
        t.index[i] = a;
        e += r;
        a += q;
        if (e >= grenze) {
            ++a;
            e -= grenze;
        }
    }
    return t;
}

} // namespace

QSize GedrehtGroesse(const QSize &quelle, double winkelGrad)
{
    if (quelle.isEmpty())
        return {};
    const Ecken e = eckenBerechnen(quelle.width(), quelle.height(), winkelGrad);
    return {e.maxX - e.minX + 1, e.maxY - e.minY + 1};
}

QImage Gedreht(const QImage &quelleIn, double winkelGrad)
{
    if (quelleIn.isNull() || quelleIn.width() < 1 || quelleIn.height() < 1)
        return {};
    // Only whole 3-byte pixels are moved, so either byte order works as it is.
    const bool vierundzwanzig = quelleIn.format() == QImage::Format_RGB888 || quelleIn.format() == QImage::Format_BGR888;
    const QImage quelle = vierundzwanzig ? quelleIn : quelleIn.convertToFormat(QImage::Format_RGB888);
    if (quelle.isNull())
        return {}; // no memory for the converted copy
    const int W = quelle.width();
    const int H = quelle.height();
    const Ecken ecken = eckenBerechnen(W, H, winkelGrad);
    const int zielW = ecken.maxX - ecken.minX + 1;
    const int zielH = ecken.maxY - ecken.minY + 1;

    QImage ziel = allocateImage(zielW, zielH, quelle.format());
    if (ziel.isNull())
        return {};
    // White is 0xFF in every byte, in either byte order (padding included, which no one reads).
    std::memset(ziel.bits(), 0xFF, size_t(ziel.sizeInBytes()));

    const QPoint t0(-ecken.minX, -ecken.minY);
    const Schritte spalten = schritteBerechnen(ecken.t1, W - 1);
    const Schritte zeilen = schritteBerechnen(ecken.t2, H - 1);

    uchar *const zBits = ziel.bits();
    const qsizetype zBpl = ziel.bytesPerLine();
    const uchar *const qBits = quelle.constBits();
    const qsizetype qBpl = quelle.bytesPerLine();

    const int nS = spalten.size();
    std::vector<qsizetype> zielSchritt(nS), quellOffset(nS);
    for (int i = 0; i < nS; ++i) {
        zielSchritt[i] = spalten.dx[i] * 3 + spalten.dy[i] * zBpl;
        quellOffset[i] = qsizetype(spalten.index[i]) * 3;
    }
    const auto drinnen = [&](int x, int y) { return x >= 0 && y >= 0 && x < zielW && y < zielH; };
    const auto setzen = [&](int x, int y, int zeile, int spalte) {
        if (drinnen(x, y))
            std::memcpy(zBits + y * zBpl + qsizetype(x) * 3, qBits + zeile * qBpl + qsizetype(spalte) * 3, 3);
    };

    QPoint vorher = t0;
    QPoint start = t0;
    for (int j = 0; j < zeilen.size(); ++j) {
        start += QPoint(zeilen.dx[j], zeilen.dy[j]);

        if (zeilen.diagonal(j)) {
            // Two diagonal paths side by side leave holes between them. Walk the columns once
            // more from the midpoint of the two row starts (in half pixels) and fill the pixel
            // half-way along every diagonal column step.
            QPoint q2 = vorher + start;
            const int zeile = (zeilen.index[j - 1] + zeilen.index[j]) / 2;
            for (int i = 0; i < nS; ++i) {
                const QPoint s(spalten.dx[i], spalten.dy[i]);
                if (spalten.diagonal(i)) {
                    // q2 has odd coordinates and s is (+-1, +-1): the sum halves exactly.
                    setzen((q2.x() + s.x()) / 2, (q2.y() + s.y()) / 2, zeile, (spalten.index[i - 1] + spalten.index[i]) / 2);
                }
                q2 += 2 * s;
            }
        }

        const int zeile = zeilen.index[j];
        const QPoint ende = start + ecken.t1;
        if (drinnen(start.x(), start.y()) && drinnen(ende.x(), ende.y())) {
            // Every step is monotone in both axes, so the whole path lies between its ends.
            uchar *z = zBits + start.y() * zBpl + qsizetype(start.x()) * 3;
            const uchar *q = qBits + zeile * qBpl;
            for (int i = 0; i < nS; ++i) {
                z += zielSchritt[i];
                std::memcpy(z, q + quellOffset[i], 3);
            }
        } else {
            QPoint p = start;
            for (int i = 0; i < nS; ++i) {
                p += QPoint(spalten.dx[i], spalten.dy[i]);
                setzen(p.x(), p.y(), zeile, spalten.index[i]);
            }
        }
        vorher = start;
    }
    return ziel;
}

QImage Drehen90(const QImage &bild)
{
    if (bild.isNull())
        return {};
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    const int W = b.width();
    const int H = b.height();
    QImage ergebnis(H, W, QImage::Format_RGB32);
    if (ergebnis.isNull())
        return {};
    for (int y = 0; y < W; ++y) {
        auto *z = reinterpret_cast<QRgb *>(ergebnis.scanLine(y));
        for (int x = 0; x < H; ++x)
            z[x] = reinterpret_cast<const QRgb *>(b.constScanLine(H - 1 - x))[y];
    }
    return ergebnis;
}

} // namespace qv

#include "base/Numbers.h"
#include "base/image/ImageIO.h"

namespace qv {

void TBilddrehung::AusgangsbildSetzen(const QImage &bild)
{
    Ausgangsbild = bild.convertToFormat(QImage::Format_RGB888);
    Gesamtwinkel = 0;
    Sitzungswinkel = 0;
}

Result<QImage> TBilddrehung::Drehen(double winkel)
{
    const double sitzung = Sitzungswinkel + winkel;
    // A turned picture that could not be read back (saved with the order, opened again) is
    // refused before its memory is taken.
    const QSize groesse = GedrehtGroesse(Ausgangsbild.size(), Gesamtwinkel + sitzung);
    if (!imageSizeAllowed(groesse.width(), groesse.height()))
        return Error{QStringLiteral("Das Bild wird nicht gedreht: gedreht wäre es zu groß (%1 × %2 Pixel, "
                                    "höchstens %3 Megapixel).")
                         .arg(groesse.width())
                         .arg(groesse.height())
                         .arg(kMaxImagePixels / 1'000'000)};
    QImage bild = Gedreht(Ausgangsbild, Gesamtwinkel + sitzung);
    if (bild.isNull())
        return Error{QStringLiteral("Das Bild konnte nicht gedreht werden: zu wenig Speicher.")};
    Sitzungswinkel = sitzung;
    return bild;
}

void TBilddrehung::Uebernehmen()
{
    Gesamtwinkel += Sitzungswinkel;
    Sitzungswinkel = 0;
}

QImage TBilddrehung::Abbrechen()
{
    Sitzungswinkel = 0;
    return Gedreht(Ausgangsbild, Gesamtwinkel);
}

FeldPruefung WinkelPruefen(const QString &text)
{
    FeldPruefung p;
    p.feldText = text;
    p.feldText.replace(u'.', u',');
    const std::optional<double> v = parseDecimal(p.feldText);
    if (!v)
        p.meldung = QStringLiteral("Bitte geben Sie eine Zahl ein.");
    else if (*v < 0 || *v > 360)
        p.meldung = QStringLiteral("Der Winkel muß zwischen 0 und 360 Grad liegen.");
    else
        p.wert = v;
    return p;
}

} // namespace qv
