#pragma once

#include "base/Result.h"
#include "contour/KonturErgebnis.h"
#include "contour/U_Geraden_Strecken.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <memory>

class QPainter;

namespace qv {

class ByteReader;
class ByteWriter;

/// One polygon outline in workspace coordinates (QPoint: 32-bit X, Y; y upward, origin at the
/// isocentre). A closed contour stores its first point again at the end.
///
/// Points Letzter()+1 .. Hoechster() are undone points that Wiederherstellen can bring back;
/// adding a point discards them. A traced outline never crosses itself: PunktHinzufuegen with
/// Pruefen refuses points that are too close to the previous one or that make the outline
/// cross. Moving and rotating keep a backup (Sicherung) so that the change can be reverted.
/// Changes report what they did (KonturErgebnis); showing it is the caller's business.
class TKontur
{
public:
    /// A contour never holds more stored points than this (including the closing point).
    static constexpr int MaxPunkte = 10001;

    explicit TKontur(int nummer);

    /// A faithful copy (undone points, selection, backup and angle included); Kopie() is the
    /// copy that renumbering makes.
    TKontur(const TKontur &) = default;
    TKontur &operator=(const TKontur &) = default;

    /// A stand-in for "no contour" (an empty slot of the set): it counts as closed, has no
    /// points and ignores every change.
    static std::unique_ptr<TKontur> KeineKontur();
    bool IstKeineKontur() const { return m_keine; }

    int Nummer() const { return m_nummer; }
    void setNummer(int nummer);
    bool Markiert() const { return m_markiert; }
    void setMarkiert(bool markiert);
    double Winkel() const { return m_winkel; }
    int Letzter() const { return m_letzter; }
    int Hoechster() const { return m_hoechster; }
    QPoint ExtremX() const { return m_extremX; }
    QPoint ExtremY() const { return m_extremY; }
    /// All stored entries, including undone ones (Hoechster() + 1 of them).
    const QList<QPoint> &Punkte() const { return m_punkte; }
    const QList<QPoint> &Sicherung() const { return m_sicherung; }

    /// Adds P after the last valid point. With Pruefen (traced input) a point at most
    /// minPunktAbstand away from the last point is refused (ZuNah, nothing to tell) and a point
    /// that makes the outline cross itself is refused (Ueberschneidung). The minimum distance
    /// comes from the scale (0 while no scale is set). A point beyond the size limit is refused
    /// on every path: a traced point always with PunktGrenzeErreicht, an unchecked one (an
    /// import) only the first time in a row, then with PunktGrenzeSchonGemeldet.
    KonturErgebnis PunktHinzufuegen(const QPoint &p, bool Pruefen, int minPunktAbstand = 0);
    /// Appends the first point again; ZuWenigePunkte below three points, Unveraendert for the
    /// stand-in and for a contour at the size limit (it already ends in its closing point).
    /// With Pruefen (a traced outline) a closing segment that would meet any segment but the
    /// two sharing its end points is refused (SchliessenUeberschneidung) and the contour stays
    /// open.
    KonturErgebnis Schliessen(bool Pruefen = false);
    bool IstGeschlossen() const;
    int Anzahl() const { return m_keine ? 0 : m_letzter + 1; }
    int RedoAnzahl() const;
    void Rueckgaengig();
    void Wiederherstellen();

    /// Draws in the painter's current coordinate system (the workspace mapping).
    void Zeichnen(QPainter &painter, bool PunkteZeigen) const;
    /// The drawing colour of a contour number (pen, fill and hatch).
    static QColor Farbe(int nummer);

    /// A new contour with the same number and all stored points as valid points; selection,
    /// backup and angle are not copied.
    std::unique_ptr<TKontur> Kopie() const;

    /// Punkte[Letzter]; (0, 0) when there is no point.
    QPoint LetzterPunkt() const;
    /// Punkte[i], or (0, 0) when i is not a stored entry.
    QPoint Punkt(int i) const;

    /// Writes Letzter() and the points 0..Letzter()-1 (a closed contour without its repeated
    /// closing point), little-endian.
    void InStreamSchreiben(ByteWriter &w) const;
    /// Reads a point count and the points into this empty contour and closes it; what closing
    /// had to say (a contour of fewer than three points stays open) comes back as notes. A
    /// negative count, a count above the size limit or one larger than the remaining bytes
    /// marks the reader failed with a message (also the error returned) and leaves the contour
    /// unchanged.
    Result<QStringList> AusStreamLesen(ByteReader &r);

    /// Ray test from P to the right; vertices on the ray are skipped.
    bool EnthaeltPunkt(const QPoint &p) const;
    void Verschieben(int dx, int dy);
    void ExtremaBerechnen();
    /// Turns about the isocentre by the accumulated angle, always from the backup.
    void Drehen(double dW);
    void Uebernehmen();
    void Verwerfen();

private:
    struct KeineTag {};
    explicit TKontur(KeineTag);

    // By value: the point may come from Punkte itself, which the resize moves.
    void anhaengen(QPoint p);
    void sicherungNehmen();

    bool m_keine = false;
    int m_nummer = 0;
    QList<QPoint> m_punkte;
    QList<QPoint> m_sicherung;
    double m_winkel = 0.0;
    int m_letzter = -1;
    int m_hoechster = -1;
    QPoint m_extremX;
    QPoint m_extremY;
    bool m_markiert = false;
    // An import is told about the size limit once, not for every refused point.
    bool m_grenzeGemeldet = false;
};

} // namespace qv
