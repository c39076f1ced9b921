#include "order/EinschubZeichnung.h"

#include "workspace/TBilddrehung.h"

#include <initializer_list>

namespace qv {

namespace {

using Art = Zeichenelement::Art;

Zeichenelement linie(std::initializer_list<QPoint> punkte, int stift = 150)
{
    Zeichenelement e;
    e.art = Art::Linienzug;
    e.stift = stift;
    e.punkte = QList<QPoint>(punkte);
    return e;
}

Zeichenelement kreis(QPoint mitte, int radius, int stift = 150)
{
    Zeichenelement e;
    e.art = Art::Kreis;
    e.stift = stift;
    e.mitte = mitte;
    e.radius = radius;
    return e;
}

// The closed octagon with half-widths a and b.
Zeichenelement oct(int a, int b, int stift = 150)
{
    return linie({{a, -b}, {b, -a}, {-b, -a}, {-a, -b}, {-a, b}, {-b, a}, {b, a}, {a, b}, {a, -b}}, stift);
}

Zeichenelement sq(int a)
{
    return linie({{a, -a}, {-a, -a}, {-a, a}, {a, a}, {a, -a}});
}

QList<Zeichenelement> tragplatte(const QString &h)
{
    if (h == u"Varian") {
        return {linie({{14900, -14400}, {11700, -14900}, {8200, -14900}, {8200, -14300}, {7200, -14300}, {7200, -14900},
                       {-11700, -14900}, {-15000, -14500}, {-15000, 14900}, {11700, 14900}, {14900, 14500},
                       {14900, -14400}}),
                linie({{12200, 4900}, {13600, 4900}, {13600, -4900}, {12200, -4900}, {12200, 4900}}),
                linie({{-14900, 1000}, {-13100, 1000}, {-13100, 13900}, {-14900, 13900}}),
                kreis({-13600, 4600}, 250), kreis({-14500, 12000}, 250)};
    }
    if (h == u"Elekta") {
        return {linie({{15300, -15000}, {11500, -15000}, {11500, -14500}, {11000, -14500}, {11000, -16000},
                       {-13300, -16000}, {-15300, -15500}, {-15300, 15500}, {-13300, 16000}, {15300, 16000},
                       {15300, -15000}}),
                linie({{12000, 6500}, {14200, 6500}, {14200, -6500}, {12000, -6500}, {12000, 6500}}),
                kreis({9200, -15350}, 400), kreis({200, -15350}, 400), kreis({-2000, -15350}, 400)};
    }
    if (h == u"Siemens") {
        return {linie({{20200, -15400}, {-9800, -15400}, {-11200, -14900}, {-11200, -14500}, {-11700, -14500},
                       {-11900, -15400}, {-13400, -15400}, {-15400, -14700}, {-15400, 14700}, {-13400, 15400},
                       {20200, 15400}, {20200, -15400}}),
                linie({{16100, 5000}, {18200, 5000}, {18200, -5000}, {16100, -5000}, {16100, 5000}}),
                linie({{-15400, 2600}, {-14100, 2600}, {-14100, -2600}, {-12900, -2600}, {-15400, -2600},
                       {-12900, -2600}, {-12900, 2600}, {-14100, 2600}}),
                kreis({-14800, 2150}, 250), kreis({-14800, -2150}, 250)};
    }
    if (h == u"GE") {
        QList<Zeichenelement> z{
            linie({{20200, -15400}, {-12800, -15400}, {-15800, -14900}, {-15800, -13900}, {-16800, -13900},
                   {-16800, 20100}, {-12800, 20600}, {11600, 20600}, {11600, 18600}, {13600, 18600}, {13600, 20600},
                   {20200, 20600}, {20200, -15400}}),
            linie({{19200, -3400}, {16200, -3400}, {16200, 8600}, {19200, 8600}, {19200, -3400}})};
        for (int k = 0; k <= 7; ++k)
            z.append(kreis({-15900, 9200 - 1800 * k}, 300));
        return z;
    }
    return {};
}

QList<Zeichenelement> rahmen(const QString &h)
{
    if (h == u"Varian") {
        QList<Zeichenelement> z{
            linie({{11000, -11000}, {-11000, -11000}, {-11000, -5100}, {-12000, -5100}, {-12000, 4000}, {-11000, 4000},
                   {-11000, 11000}, {11000, 11000}, {11000, -11000}}),
            oct(9800, 8500, 40),
            oct(10800, 9000, 100),
            oct(10500, 8850, 80),
            oct(10100, 8700, 60)};
        // The circles after the octagons keep the last pen.
        for (const QPoint m : {QPoint(10400, 10400), QPoint(-10400, 10400), QPoint(10400, -10400), QPoint(-10400, -10400)})
            z.append(kreis(m, 400, 60));
        for (int k = 0; k <= 12; ++k)
            z.append(kreis({-11500, -3800 + 550 * k}, 250, 100));
        return z;
    }
    if (h == u"Elekta")
        return {sq(11500), sq(10000), kreis({7800, 10800}, 300), kreis({7800, -10800}, 300), kreis({-10950, -6050}, 400)};
    if (h == u"Siemens")
        return {oct(12300, 9500), oct(11650, 9200, 80), oct(11300, 9050, 40)};
    if (h == u"GE") {
        QList<Zeichenelement> z{
            linie({{9300, -9500}, {-9400, -9500}, {-9400, 9000}, {9300, 9000}, {9300, 3000}, {11900, 3000}, {11900, -4000},
                   {9300, -4000}, {9300, -9500}}),
            linie({{7800, -8000}, {-7700, -8000}, {-7700, 7500}, {7800, 7500}, {7800, -8000}}, 80)};
        for (int k = 0; k <= 9; ++k)
            z.append(kreis({-8500, 3200 - 700 * k}, 150, 80));
        return z;
    }
    return {};
}

} // namespace

QList<Zeichenelement> TraegerZeichnung(const QString &hersteller, bool elektronen)
{
    return elektronen ? rahmen(hersteller) : tragplatte(hersteller);
}

QRect ZeichnungsBereich(bool elektronen)
{
    return elektronen ? QRect(QPoint(-12500, -14000), QPoint(12500, 14000))
                      : QRect(QPoint(-22500, -22500), QPoint(22500, 22500));
}

QList<QLine> EinschubPfeil(TEinschubrichtung code)
{
    switch (code) {
    case TEinschubrichtung::Links:
        return {{59, 30, 49, 20}, {59, 30, 49, 40}, {49, 24, 19, 24}, {49, 36, 19, 36}};
    case TEinschubrichtung::Rechts:
        return {{1, 30, 11, 20}, {1, 30, 11, 40}, {11, 24, 41, 24}, {11, 36, 41, 36}};
    case TEinschubrichtung::Oben:
        return {{30, 59, 20, 49}, {30, 59, 40, 49}, {24, 49, 24, 19}, {36, 49, 36, 19}};
    case TEinschubrichtung::Unten:
        return {{30, 1, 20, 11}, {30, 1, 40, 11}, {24, 11, 24, 41}, {36, 11, 36, 41}};
    }
    return {};
}

std::array<QLine, 4> DialogPfeil(int w, int h)
{
    const int mx = w / 2;
    const int a = h / 2;
    const int schaft = h / 40;
    const int kopf = h / 15;
    return {QLine(mx - 20, a - schaft, mx + 50, a - schaft), QLine(mx - 20, a + schaft, mx + 50, a + schaft),
            QLine(mx - 50, a, mx, a - kopf), QLine(mx - 50, a, mx, a + kopf)};
}

QList<QImage> EinschubBilder(const QImage &bild, const QSize &anzeige)
{
    if (bild.isNull())
        return {};
    QImage erstes = bild.convertToFormat(QImage::Format_RGB32);
    const QSize grenze = anzeige.isValid() && !anzeige.isEmpty() ? anzeige * 2 : QSize(800, 800);
    if (erstes.width() > grenze.width() || erstes.height() > grenze.height())
        erstes = erstes.scaled(grenze, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QList<QImage> bilder{erstes};
    for (int i = 0; i < 3; ++i)
        bilder.append(Drehen90(bilder.last()));
    return bilder;
}

} // namespace qv
