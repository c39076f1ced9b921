#pragma once

#include "contour/TKontur.h"

#include <QPoint>

#include <array>
#include <memory>

class QPainter;

namespace qv {

class ByteReader;
class ByteWriter;

/// The contours of one order: at most eleven, numbered 1..Anzahl() without gaps, one of them
/// current (the one that receives traced points, undo and redo).
///
/// Kontur(k) for a number without a contour, and AktuelleKontur() while Aktuell() is 0,
/// give a stand-in that counts as closed, has no points and ignores every change. Changes
/// report what they did (KonturErgebnis); nothing here talks to the person.
class TKonturen
{
public:
    static constexpr int MaxKonturen = 11;

    TKonturen();
    /// A faithful copy of every contour, so an order can be copied as a whole.
    TKonturen(const TKonturen &other);
    TKonturen &operator=(const TKonturen &other);
    TKonturen(TKonturen &&) noexcept = default;
    TKonturen &operator=(TKonturen &&) noexcept = default;
    ~TKonturen();

    int Anzahl() const { return m_anzahl; }
    int Aktuell() const { return m_aktuell; }
    bool PunkteZeigen() const { return m_punkteZeigen; }
    void setPunkteZeigen(bool zeigen) { m_punkteZeigen = zeigen; }

    /// Traced points must be farther apart than this many workspace pixels. It comes from the
    /// scale; 0 while no scale is set. A new set starts with 0, so whoever replaces the set
    /// sets it again (or passes the scale's value to TKontur::PunktHinzufuegen directly).
    int MinPunktAbstand() const { return m_minPunktAbstand; }
    void setMinPunktAbstand(int pixel) { m_minPunktAbstand = pixel; }

    TKontur &Kontur(int k);
    const TKontur &Kontur(int k) const;
    TKontur &AktuelleKontur() { return Kontur(m_aktuell); }
    const TKontur &AktuelleKontur() const { return Kontur(m_aktuell); }

    /// A traced point for the current contour, with the distance and crossing checks and
    /// MinPunktAbstand(); Unveraendert when there is no current contour.
    KonturErgebnis PunktHinzufuegen(const QPoint &p);

    /// Appends an empty contour and makes it current; at the limit changes nothing
    /// (KonturenGrenzeErreicht).
    KonturErgebnis NeueKontur();
    bool AlleGeschlossen() const;
    /// Deletes contour n; later contours move down a number. Unveraendert for a number
    /// without a contour. Whether to ask first is the caller's decision.
    KonturErgebnis Loeschen(int n);
    void Zeichnen(QPainter &painter) const;
    /// The last point of the current contour while it is open and has a point, else KeinPunkt.
    QPoint LetzterPunktAktuell() const;

    /// Count (int32) and the contours 1..Anzahl, little-endian.
    void InStreamSchreiben(ByteWriter &w) const;
    /// Reads a contour set; on success it replaces the contours of this set, the last one
    /// becomes current, and the notes of its contours come back (see TKontur::AusStreamLesen).
    /// A count outside 0..11 or any bad contour marks the reader failed with a message (also
    /// the error returned), reads nothing further and leaves this set as it was.
    Result<QStringList> AusStreamLesen(ByteReader &r);

    /// Makes contour n current unless the current one is still open (AktuelleKonturOffen);
    /// a number without a contour changes nothing (Unveraendert).
    KonturErgebnis Auswaehlen(int n);
    QPoint ExtremX() const;
    QPoint ExtremY() const;
    void MarkierungUmschalten(const QPoint &p);
    void AlleMarkieren();
    void AlleDemarkieren();
    bool MarkierteVerschieben(int dx, int dy);
    bool MarkierteVerschieben(const QPoint &d) { return MarkierteVerschieben(d.x(), d.y()); }
    bool IrgendeineMarkiert() const;
    bool MarkierteDrehen(double w);
    void AlleUebernehmen();
    void AlleVerwerfen();

private:
    int m_anzahl = 0;
    int m_aktuell = 0;
    bool m_punkteZeigen = false;
    int m_minPunktAbstand = 0;
    // Slot k-1 holds contour k.
    std::array<std::unique_ptr<TKontur>, MaxKonturen> m_kontur;
    std::unique_ptr<TKontur> m_keine;
};

} // namespace qv
