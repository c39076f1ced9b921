#include "contour/U_Geraden_Strecken.h"

#include <cmath>
#include <cstdlib>

// This file is compiled with -ffp-contract=off: every product and difference is rounded to
// 64 bits before it is compared with a tolerance, as the acceptance of traced points
// depends on it.

namespace qv {

namespace {

bool endlich(double v)
{
    return std::isfinite(v);
}

bool endlich(const TDPunkt &p)
{
    return endlich(p.x) && endlich(p.y);
}

bool endlich(const TGerade &g)
{
    return endlich(g.x) && endlich(g.y) && endlich(g.dx) && endlich(g.dy);
}

// Orientierung that reports a floating-point fault instead of hiding it in a value.
bool orientierung(const TDPunkt &p0, const TDPunkt &p1, const TDPunkt &p2, int &ergebnis)
{
    const double d1x = p1.x - p0.x;
    const double d1y = p1.y - p0.y;
    const double d2x = p2.x - p0.x;
    const double d2y = p2.y - p0.y;
    const double links = d1y * d2x;
    const double rechts = d1x * d2y;
    if (!endlich(links) || !endlich(rechts))
        return false;
    if (links < rechts) {
        ergebnis = 1;
        return true;
    }
    if (links > rechts) {
        ergebnis = -1;
        return true;
    }
    const double xx = d1x * d2x;
    const double yy = d1y * d2y;
    if (!endlich(xx) || !endlich(yy))
        return false;
    if (std::fabs(xx) < NullProduktToleranz || std::fabs(yy) < NullProduktToleranz) {
        ergebnis = -1;
        return true;
    }
    const double q2 = d2x * d2x + d2y * d2y;
    const double q1 = d1x * d1x + d1y * d1y;
    if (!endlich(q1) || !endlich(q2))
        return false;
    ergebnis = q2 > q1 ? 1 : 0;
    return true;
}

} // namespace

bool Zwischen(double v, double a, double b)
{
    if (!endlich(v) || !endlich(a) || !endlich(b))
        return false;
    if ((a <= v && v <= b) || (b <= v && v <= a))
        return true;
    return std::fabs(v - b) < ZwischenToleranz && std::fabs(v - a) < ZwischenToleranz;
}

bool GeradeAusPunkten(const TDPunkt &a, const TDPunkt &b, TGerade &g)
{
    g.x = a.x;
    g.y = a.y;
    g.dx = b.x - a.x;
    g.dy = b.y - a.y;
    if (!endlich(g))
        return false;
    return !(a.x == b.x && a.y == b.y);
}

bool Parallel(const TGerade &g1, const TGerade &g2)
{
    const double c = (-g2.dy) * g1.dx - (-g2.dx) * g1.dy;
    return endlich(c) && std::fabs(c) <= ParallelToleranz;
}

bool Deckungsgleich(const TGerade &g1, const TGerade &g2)
{
    if (!Parallel(g1, g2))
        return false;
    const double dx = g2.x - g1.x;
    const double dy = g2.y - g1.y;
    const double a = dx * (-g2.dy) - dy * (-g2.dx);
    const double b = dy * g1.dx - dx * g1.dy;
    return endlich(a) && endlich(b) && std::fabs(a) <= ParallelToleranz
        && std::fabs(b) <= ParallelToleranz;
}

bool Schnittpunkt(const TGerade &g1, const TGerade &g2, TDPunkt &s)
{
    const double det = (-g2.dy) * g1.dx - (-g2.dx) * g1.dy;
    if (!endlich(det) || std::fabs(det) < ParallelToleranz)
        return false;
    const double dx = g2.x - g1.x;
    const double dy = g2.y - g1.y;
    const double t = (dx * (-g2.dy) - dy * (-g2.dx)) / det;
    const TDPunkt r{g1.x + t * g1.dx, g1.y + t * g1.dy};
    if (!endlich(t) || !endlich(r))
        return false;
    s = r;
    return true;
}

bool PunktNaheGerade(const TDPunkt &p, const TDPunkt &a, const TDPunkt &b)
{
    if (!endlich(p) || !endlich(a) || !endlich(b))
        return false;
    if (a.x == b.x && a.y == b.y)
        return false;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double laenge = std::sqrt(dx * dx + dy * dy);
    const double abstand = ((p.y - a.y) * dx - (p.x - a.x) * dy) / laenge;
    return endlich(laenge) && endlich(abstand) && std::fabs(abstand) < NaheGeradeAbstand;
}

bool PunktAufStrecke(const TDPunkt &p, const TDPunkt &a, const TDPunkt &b)
{
    return PunktNaheGerade(p, a, b) && Zwischen(p.x, a.x, b.x) && Zwischen(p.y, a.y, b.y);
}

bool StreckenSchnitt(const TDPunkt &a, const TDPunkt &b, const TDPunkt &c, const TDPunkt &d,
                     TDPunkt &s)
{
    TGerade g1;
    TGerade g2;
    GeradeAusPunkten(a, b, g1);
    GeradeAusPunkten(c, d, g2);
    bool gefunden = Schnittpunkt(g1, g2, s) && Zwischen(s.x, a.x, b.x) && Zwischen(s.y, a.y, b.y)
        && Zwischen(s.x, c.x, d.x) && Zwischen(s.y, c.y, d.y);
    if (Deckungsgleich(g1, g2)) {
        s = a;
        gefunden = PunktAufStrecke(a, c, d);
    }
    return gefunden;
}

bool StreckenSchnitt(const TDPunkt &a, const TDPunkt &b, const TDPunkt &c, const TDPunkt &d)
{
    TDPunkt s;
    return StreckenSchnitt(a, b, c, d, s);
}

int Orientierung(const TDPunkt &p0, const TDPunkt &p1, const TDPunkt &p2)
{
    int r = 0;
    return orientierung(p0, p1, p2, r) ? r : 0;
}

bool StreckenKreuzen(const TDPunkt &a, const TDPunkt &b, const TDPunkt &c, const TDPunkt &d)
{
    int abc = 0;
    int abd = 0;
    int cda = 0;
    int cdb = 0;
    if (!orientierung(a, b, c, abc) || !orientierung(a, b, d, abd) || !orientierung(c, d, a, cda)
        || !orientierung(c, d, b, cdb))
        return false;
    return abc * abd <= 0 && cda * cdb <= 0;
}

double Abstand(const QPoint &p, const QPoint &q)
{
    const qint64 dx = qint64(p.x()) - q.x();
    const qint64 dy = qint64(p.y()) - q.y();
    // Below 2^26 per axis the sum of squares is an exact integer in a double, which gives the
    // same value as summing in 32 bits wherever that does not overflow.
    constexpr qint64 grenze = qint64(1) << 26;
    if (std::llabs(dx) < grenze && std::llabs(dy) < grenze)
        return std::sqrt(double(dx * dx + dy * dy));
    return std::hypot(double(dx), double(dy));
}

} // namespace qv
