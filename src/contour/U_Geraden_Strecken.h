#pragma once

// Plane geometry on floating-point points, lines and segments, and the two helpers on
// integer points. The tolerances below decide which traced points are accepted and which
// contour a click selects, so they are behaviour, not tuning knobs.
//
// Integer points are QPoint everywhere in the contour model: X and Y are 32-bit signed
// workspace coordinates (image pixels, origin at the isocentre, y upward). KeinPunkt marks
// an unset point.
//
// Every test returns false when an intermediate result is NaN or infinite: a floating-point
// fault counts as "no crossing" and "not near", never as a trap.

#include "base/KeinPunkt.h"

#include <QPoint>

namespace qv {

struct TDPunkt
{
    double x = 0.0;
    double y = 0.0;
};

/// A line: anchor (x, y) and direction (dx, dy), not normalised; the direction may be zero.
struct TGerade
{
    double x = 0.0;
    double y = 0.0;
    double dx = 0.0;
    double dy = 0.0;
};

inline constexpr double ZwischenToleranz = 0.001;
inline constexpr double ParallelToleranz = 1e-5;
inline constexpr double NaheGeradeAbstand = 1.0;
inline constexpr double NullProduktToleranz = 1e-9;

/// v lies between a and b (bounds in either order), or misses a degenerate interval by
/// less than the slack on both sides.
bool Zwischen(double v, double a, double b);

/// Line through A towards B. The line is always set; false only when A equals B exactly
/// (or the direction is not finite).
bool GeradeAusPunkten(const TDPunkt &a, const TDPunkt &b, TGerade &g);

bool Parallel(const TGerade &g1, const TGerade &g2);
bool Deckungsgleich(const TGerade &g1, const TGerade &g2);

/// Intersection of the infinite lines; S is left untouched when the result is false.
bool Schnittpunkt(const TGerade &g1, const TGerade &g2, TDPunkt &s);

/// P is closer than 1 to the infinite line AB; false when A equals B.
bool PunktNaheGerade(const TDPunkt &p, const TDPunkt &a, const TDPunkt &b);
bool PunktAufStrecke(const TDPunkt &p, const TDPunkt &a, const TDPunkt &b);

/// Segments AB and CD meet (touching end points count). In the collinear case only A is
/// tested against CD. S receives the meeting point when one was computed.
bool StreckenSchnitt(const TDPunkt &a, const TDPunkt &b, const TDPunkt &c, const TDPunkt &d,
                     TDPunkt &s);
bool StreckenSchnitt(const TDPunkt &a, const TDPunkt &b, const TDPunkt &c, const TDPunkt &d);

/// Turn direction of P0 -> P1 -> P2: +1, -1 or 0. Three points on a horizontal or vertical
/// line give -1. Non-finite input gives 0.
int Orientierung(const TDPunkt &p0, const TDPunkt &p1, const TDPunkt &p2);

/// Segments AB and CD cross or touch.
bool StreckenKreuzen(const TDPunkt &a, const TDPunkt &b, const TDPunkt &c, const TDPunkt &d);

inline TDPunkt AlsDPunkt(const QPoint &p)
{
    return {double(p.x()), double(p.y())};
}

/// Euclidean distance of two integer points. Exact for every pair of 32-bit points: the sum
/// of squares is formed in 64 bits (or with hypot), so far-apart points do not wrap around.
double Abstand(const QPoint &p, const QPoint &q);

} // namespace qv
