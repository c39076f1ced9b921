#pragma once

#include "planimport/BPRLeseKontext.h"
#include "planimport/CValue.h"

#include <QList>
#include <QPoint>

#include <optional>

namespace qv {

/// One contour (block) of a beam: its descriptors and the points read, in tenths of a
/// millimetre in the plane of the file's data.
class CKonturenValue
{
public:
    /// Most points a contour may have (the traced contour's limit without its closing point).
    static constexpr int MaxPunkte = 10000;

    CKonturenValue(const BPRFormatZeilen &zeilen, int nummer);

    int Nummer() const { return m_nummer; }
    bool HatPunktAnzahl() const { return PunktAnzahl.has_value(); }

    /// Reads P points, one x and one y each (the format gives the point count).
    void LeseMitAnzahl(BPRLeseKontext &k, qint64 p);
    /// Reads points until the contour comes back to its first point. a is the running point
    /// total of the beam, which places the points of later contours.
    void LeseBisGeschlossen(BPRLeseKontext &k, qint64 &a);

    /// The rotation of the contour in degrees (0 without one).
    double Winkel(QChar dezimaltrenner) const;

    std::optional<CValue> PunktAnzahl; // 10
    std::optional<CValue> X;           // 11
    std::optional<CValue> Y;           // 12
    std::optional<CValue> VerschiebungX; // 28
    std::optional<CValue> VerschiebungY; // 29
    std::optional<CValue> Drehung;       // 30
    QList<QPoint> Punkte;

private:
    void LeseKorrekturen(BPRLeseKontext &k, bool mitVerschiebung);
    bool Speichern(BPRLeseKontext &k, QPoint p);

    T_Werte m_xZeile; // the rows as stored, for recreating the point descriptors
    T_Werte m_yZeile;
    int m_nummer;
};

} // namespace qv
