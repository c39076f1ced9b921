#include "dicom/Schattenwurf.h"

#include "base/Numbers.h"
#include "contour/TKontur.h"
#include "contour/TKonturen.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace qv {

namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

constexpr double kMikrometerProMM = 1000.0;
// Points of one plane may differ by rounding in the file's decimal strings.
constexpr double kEbenenToleranz = 0.001; // mm
// A shadow this far from the axis cannot be a field; it means a point close to the source.
constexpr double kGroessterAbstand = 1000.0; // mm
// The error budget of Genauigkeit: arc steps + simplification + rounding to 0.1 mm (at most
// 0.0707 mm) stay below 0.1 mm.
constexpr double kBogenToleranz = 10.0;   // micrometres
constexpr double kVereinfachung = 15.0;   // micrometres
// Parts smaller than this are left-overs of the arithmetic, not a target.
constexpr double kKleinsteFlaeche = 10000.0; // square micrometres (0.01 mm²)

double bogenmass(double grad)
{
    return grad * std::numbers::pi / 180.0;
}

// Area-positive (counter-clockwise) paths, so that the non-zero fill of the union adds them up.
void positivAnhaengen(Paths &paths, Path p)
{
    if (p.size() < 3)
        return;
    if (!ClipperLib::Orientation(p))
        ClipperLib::ReversePath(p);
    paths.push_back(std::move(p));
}

// The outer outlines of a tree: holes, and what lies inside them, belong to the filled part.
Paths aeussere(const ClipperLib::PolyTree &baum)
{
    Paths ergebnis;
    for (const ClipperLib::PolyNode *kind : baum.Childs) {
        if (!kind->IsHole() && kind->Contour.size() >= 3)
            ergebnis.push_back(kind->Contour);
    }
    return ergebnis;
}

// The union of counter-clockwise paths, holes filled (a filled part stays filled in every
// larger union, so filling early changes nothing but the work).
Paths vereinigen(const Paths &paths)
{
    ClipperLib::Clipper c;
    c.AddPaths(paths, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree baum;
    c.Execute(ClipperLib::ctUnion, baum, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return aeussere(baum);
}

double abstandZurStrecke(const IntPoint &p, const IntPoint &a, const IntPoint &b)
{
    const double dx = double(b.X - a.X), dy = double(b.Y - a.Y);
    const double px = double(p.X - a.X), py = double(p.Y - a.Y);
    const double l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? (px * dx + py * dy) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - t * dx, py - t * dy);
}

// Douglas-Peucker on a closed outline: every left-out point lies within `toleranz` of the
// simplified outline.
Path vereinfachen(const Path &ring, double toleranz)
{
    const size_t n = ring.size();
    if (n < 4)
        return ring;
    // Split at the point farthest from the first one: two open chains.
    size_t fern = 0;
    double weiteste = -1;
    for (size_t i = 1; i < n; ++i) {
        const double d = std::hypot(double(ring[i].X - ring[0].X), double(ring[i].Y - ring[0].Y));
        if (d > weiteste) {
            weiteste = d;
            fern = i;
        }
    }
    std::vector<char> behalten(n + 1, 0);
    behalten[0] = behalten[fern] = behalten[n] = 1;
    const auto punkt = [&](size_t i) -> const IntPoint & { return ring[i % n]; };
    std::vector<std::pair<size_t, size_t>> stapel{{0, fern}, {fern, n}};
    while (!stapel.empty()) {
        const auto [von, bis] = stapel.back();
        stapel.pop_back();
        double groesste = -1;
        size_t index = von;
        for (size_t i = von + 1; i < bis; ++i) {
            const double d = abstandZurStrecke(punkt(i), punkt(von), punkt(bis));
            if (d > groesste) {
                groesste = d;
                index = i;
            }
        }
        if (groesste > toleranz) {
            behalten[index] = 1;
            stapel.push_back({von, index});
            stapel.push_back({index, bis});
        }
    }
    Path ergebnis;
    for (size_t i = 0; i < n; ++i) {
        if (behalten[i])
            ergebnis.push_back(ring[i]);
    }
    return ergebnis;
}

// Tenths of a millimetre, rounded to nearest; repeated points after rounding fall away.
QList<QPoint> inZehntelMM(const Path &ring)
{
    QList<QPoint> punkte;
    punkte.reserve(qsizetype(ring.size()));
    for (const IntPoint &p : ring) {
        const QPoint q(int(std::llround(double(p.X) / 100.0)), int(std::llround(double(p.Y) / 100.0)));
        if (punkte.isEmpty() || punkte.last() != q)
            punkte.append(q);
    }
    while (punkte.size() > 1 && punkte.first() == punkte.last())
        punkte.removeLast();
    return punkte;
}

} // namespace

std::array<double, 3> Schattenwurf::InStrahlsystem(const TStrahlGeometrie &strahl, const TPatientPunkt &p)
{
    const double dx = p[0] - strahl.Isozentrum[0];
    const double dy = p[1] - strahl.Isozentrum[1];
    const double dz = p[2] - strahl.Isozentrum[2];
    double x = dx, y = dz, z = -dy; // HFS
    if (strahl.PatientPosition == u"HFP") {
        x = -dx, y = dz, z = dy;
    } else if (strahl.PatientPosition == u"FFS") {
        x = -dx, y = -dz, z = -dy;
    } else if (strahl.PatientPosition == u"FFP") {
        x = dx, y = -dz, z = dy;
    }
    // Patient support: fixed = Rz(s) * table.
    const double s = bogenmass(strahl.PatientSupportAngle);
    const double fx = std::cos(s) * x - std::sin(s) * y;
    const double fy = std::sin(s) * x + std::cos(s) * y;
    const double fz = z;
    // Gantry: Ry(g) transposed * fixed.
    const double g = bogenmass(strahl.GantryAngle);
    const double gx = std::cos(g) * fx - std::sin(g) * fz;
    const double gy = fy;
    const double gz = std::sin(g) * fx + std::cos(g) * fz;
    // Beam limiting device: Rz(c) transposed * gantry.
    const double c = bogenmass(strahl.BeamLimitingDeviceAngle);
    return {std::cos(c) * gx + std::sin(c) * gy, -std::sin(c) * gx + std::cos(c) * gy, gz};
}

Result<Schattenwurf> Schattenwurf::Berechnen(const TStrahlGeometrie &strahl, const TStrukturROI &roi)
{
    const QString name = QStringLiteral("\"%1\"").arg(roi.Name);
    if (!roi.Fehler.isEmpty())
        return Error{QStringLiteral("Die Konturen der Struktur %1 sind nicht lesbar: %2").arg(name, roi.Fehler)};
    if (roi.Konturen.isEmpty())
        return Error{QStringLiteral("Die Struktur %1 hat keine Konturen.").arg(name)};

    // Every contour closed and in one axial plane; the planes, to find the slab thickness.
    std::vector<double> ebenen;
    ebenen.reserve(size_t(roi.Konturen.size()));
    for (const TStrukturKontur &k : roi.Konturen) {
        if (k.Typ != u"CLOSED_PLANAR")
            return Error{QStringLiteral("Die Struktur %1 hat eine Kontur vom Typ \"%2\"; nur geschlossene axiale Konturen "
                                        "(CLOSED_PLANAR) werden unterstützt.")
                             .arg(name, k.Typ)};
        if (k.Punkte.size() < 3)
            return Error{QStringLiteral("Die Struktur %1 hat eine Kontur mit weniger als drei Punkten.").arg(name)};
        const double z = k.Punkte.first()[2];
        for (const TPatientPunkt &p : k.Punkte) {
            if (std::abs(p[2] - z) > kEbenenToleranz)
                return Error{QStringLiteral("Die Struktur %1 hat Konturen, die nicht in einer axialen Schicht liegen; nur axiale "
                                            "Konturen werden unterstützt.")
                                 .arg(name)};
        }
        ebenen.push_back(z);
    }
    std::sort(ebenen.begin(), ebenen.end());
    double dicke = 0; // the smallest distance between distinct planes
    for (size_t i = 1; i < ebenen.size(); ++i) {
        const double d = ebenen[i] - ebenen[i - 1];
        if (d > kEbenenToleranz && (dicke == 0 || d < dicke))
            dicke = d;
    }

    const double sad = strahl.SourceAxisDistance;
    const double grenze = kGroessterAbstand;
    QString fehler;
    const auto projizieren = [&](const TPatientPunkt &p, IntPoint &ziel) {
        const std::array<double, 3> b = InStrahlsystem(strahl, p);
        const double nenner = sad - b[2];
        if (!(nenner > 0)) {
            fehler = QStringLiteral("Die Struktur %1 reicht bis an die Strahlquelle oder hinter sie.").arg(name);
            return false;
        }
        const double x = b[0] * sad / nenner, y = b[1] * sad / nenner;
        if (!(std::abs(x) <= grenze && std::abs(y) <= grenze)) {
            fehler = QStringLiteral("Der Schatten der Struktur %1 reicht mehr als %2 mm von der Strahlachse weg.")
                         .arg(name, formatDecimal(grenze));
            return false;
        }
        ziel = IntPoint(cInt(std::llround(x * kMikrometerProMM)), cInt(std::llround(y * kMikrometerProMM)));
        return true;
    };

    // Only the faces that turn toward the source matter: every ray that meets a slab enters it
    // through one of them, so their shadows together are the slab's. The transformation keeps
    // handedness, so with the faces ordered outward a face turns toward the source exactly when
    // its shadow runs counter-clockwise. Neighbouring side faces that both do are joined into
    // one strip (the shared edges cancel), which keeps the union small.
    // Slab by slab in the order of their planes, then neighbours merged pairwise: each union
    // then meets only the overlaps of neighbours, not those of the whole target at once.
    std::vector<const TStrukturKontur *> reihenfolge;
    for (const TStrukturKontur &k : roi.Konturen)
        reihenfolge.push_back(&k);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [](const TStrukturKontur *a, const TStrukturKontur *b) { return a->Punkte[0][2] < b->Punkte[0][2]; });
    std::vector<Paths> stufe;
    stufe.reserve(reihenfolge.size());
    for (const TStrukturKontur *kontur : reihenfolge) {
        const TStrukturKontur &k = *kontur;
        Paths flaechen;
        QList<TPatientPunkt> punkte = k.Punkte;
        double umlauf = 0; // twice the signed area seen from +z
        for (qsizetype i = 0; i < punkte.size(); ++i) {
            const TPatientPunkt &a = punkte[i], &b = punkte[(i + 1) % punkte.size()];
            umlauf += a[0] * b[1] - b[0] * a[1];
        }
        if (umlauf < 0)
            std::reverse(punkte.begin(), punkte.end());
        const size_t n = size_t(punkte.size());
        Path unten(n), oben(n);
        for (size_t i = 0; i < n; ++i) {
            TPatientPunkt p = punkte[qsizetype(i)];
            p[2] -= dicke / 2;
            if (!projizieren(p, unten[i]))
                return Error{fehler};
            p[2] += dicke;
            if (!projizieren(p, oben[i]))
                return Error{fehler};
        }
        if (dicke == 0) {
            positivAnhaengen(flaechen, oben);
            stufe.push_back(vereinigen(flaechen));
            continue;
        }
        // The top cap faces +z in the contour's order, the bottom one in the reverse order.
        if (ClipperLib::Area(oben) > 0)
            flaechen.push_back(oben);
        if (ClipperLib::Area(unten) < 0) {
            flaechen.push_back(unten);
            ClipperLib::ReversePath(flaechen.back());
        }
        // Side face i runs from point i to point i + 1: (unten i, unten i+1, oben i+1, oben i).
        std::vector<char> zugewandt(n);
        bool alle = true;
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            zugewandt[i] = ClipperLib::Area(Path{unten[i], unten[j], oben[j], oben[i]}) > 0;
            alle = alle && zugewandt[i];
        }
        if (alle) {
            // Cannot happen for a closed outline; a tangled one gets its faces one by one.
            for (size_t i = 0; i < n; ++i)
                positivAnhaengen(flaechen, Path{unten[i], unten[(i + 1) % n], oben[(i + 1) % n], oben[i]});
            stufe.push_back(vereinigen(flaechen));
            continue;
        }
        size_t start = 0;
        while (zugewandt[start])
            ++start;
        for (size_t m = 0; m < n;) {
            const size_t i = (start + m) % n;
            if (!zugewandt[i]) {
                ++m;
                continue;
            }
            size_t laenge = 0;
            while (m + laenge < n && zugewandt[(start + m + laenge) % n])
                ++laenge;
            Path streifen;
            streifen.reserve(2 * (laenge + 1));
            for (size_t t = 0; t <= laenge; ++t)
                streifen.push_back(unten[(i + t) % n]);
            for (size_t t = laenge + 1; t-- > 0;)
                streifen.push_back(oben[(i + t) % n]);
            flaechen.push_back(std::move(streifen));
            m += laenge;
        }
        stufe.push_back(vereinigen(flaechen));
    }
    while (stufe.size() > 1) {
        std::vector<Paths> naechste;
        naechste.reserve((stufe.size() + 1) / 2);
        for (size_t i = 0; i < stufe.size(); i += 2) {
            if (i + 1 == stufe.size()) {
                naechste.push_back(std::move(stufe[i]));
                break;
            }
            Paths beide = std::move(stufe[i]);
            beide.insert(beide.end(), stufe[i + 1].begin(), stufe[i + 1].end());
            naechste.push_back(vereinigen(beide));
        }
        stufe = std::move(naechste);
    }
    const Paths gefuellt = stufe.empty() ? Paths() : std::move(stufe.front());
    if (gefuellt.empty())
        return Error{QStringLiteral("Der Schatten der Struktur %1 ist leer.").arg(name)};

    Schattenwurf s;
    s.m_roiName = roi.Name;
    for (const Path &p : gefuellt) {
        Umriss u;
        u.reserve(p.size());
        for (const IntPoint &q : p)
            u.push_back({q.X, q.Y});
        s.m_vereinigung.push_back(std::move(u));
    }
    return s;
}

Result<TSchattenUmrisse> Schattenwurf::Umrisse(double randMM) const
{
    if (!(randMM >= 0 && randMM <= MaxRand))
        return Error{QStringLiteral("Der Rand von %1 mm liegt nicht zwischen 0 und %2 mm.")
                         .arg(formatDecimal(randMM), formatDecimal(MaxRand))};
    Paths basis;
    for (const Umriss &u : m_vereinigung) {
        Path p;
        p.reserve(u.size());
        for (const auto &q : u)
            p.emplace_back(q[0], q[1]);
        basis.push_back(std::move(p));
    }
    Paths teile;
    if (randMM > 0) {
        ClipperLib::ClipperOffset offset(2.0, kBogenToleranz);
        offset.AddPaths(basis, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
        ClipperLib::PolyTree baum;
        offset.Execute(baum, randMM * kMikrometerProMM);
        teile = aeussere(baum);
    } else {
        teile = std::move(basis);
    }
    teile.erase(std::remove_if(teile.begin(), teile.end(),
                               [](const Path &p) { return std::abs(ClipperLib::Area(p)) < kKleinsteFlaeche; }),
                teile.end());
    std::stable_sort(teile.begin(), teile.end(), [](const Path &a, const Path &b) {
        return std::abs(ClipperLib::Area(a)) > std::abs(ClipperLib::Area(b));
    });

    TSchattenUmrisse ergebnis;
    const QString name = QStringLiteral("\"%1\"").arg(m_roiName);
    if (teile.size() > size_t(TKonturen::MaxKonturen)) {
        const size_t weg = teile.size() - size_t(TKonturen::MaxKonturen);
        ergebnis.Hinweise << QStringLiteral("Der Schatten der Struktur %1 hat %2 getrennte Teile; die %3 kleinsten werden "
                                            "nicht übernommen.")
                                 .arg(name)
                                 .arg(teile.size())
                                 .arg(weg);
        teile.resize(size_t(TKonturen::MaxKonturen));
    }
    // Room for the closing point that the contour adds.
    const qsizetype kapazitaet = TKontur::MaxPunkte - 1;
    for (Path &teil : teile) {
        if (!ClipperLib::Orientation(teil))
            ClipperLib::ReversePath(teil);
        double toleranz = kVereinfachung;
        QList<QPoint> punkte = inZehntelMM(vereinfachen(teil, toleranz));
        while (punkte.size() > kapazitaet) {
            toleranz *= 2;
            punkte = inZehntelMM(vereinfachen(teil, toleranz));
        }
        if (toleranz > kVereinfachung)
            ergebnis.Hinweise << QStringLiteral("Ein Umriss der Struktur %1 hätte zu viele Punkte; er wird auf %2 Punkte vereinfacht "
                                                "(Abweichung bis %3 mm).")
                                     .arg(name)
                                     .arg(punkte.size())
                                     .arg(formatDecimal((toleranz + kBogenToleranz) / kMikrometerProMM + 0.08));
        if (punkte.size() >= 3)
            ergebnis.Konturen.append(std::move(punkte));
    }
    return ergebnis;
}

} // namespace qv
