#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

class QPainter;

namespace qv {

class TKonturen;

/// The shape tools: none, rectangle, circle, ellipse.
enum Formwerkzeug { FormKeine = 0, FormRechteck = 1, FormKreis = 2, FormEllipse = 3 };

/// What generating a shape did; the window shows FormMeldung.
enum class FormErgebnis {
    Angenommen,             ///< the contour was added and closed
    KeinWerkzeug,           ///< no shape tool: nothing made
    ZuGross,                ///< a point would lie beyond FormGrenze pixels
    OhneAusdehnung,         ///< the two points span no area
    KonturenGrenzeErreicht, ///< the set already holds eleven contours
};

/// Generated points farther than this from the isocentre (in workspace pixels, per axis) are
/// refused: far outside any field, and well away from the "no point" marker.
inline constexpr int FormGrenze = 100000;

/// Pixels per centimetre of the ruler image (3 pixels per millimetre).
inline constexpr int FormPixelProCM = 30;

QString FormMeldung(FormErgebnis ergebnis);

/// The two defining points of a typed shape centred on the isocentre, sizes in centimetres:
/// the corners (-X/2, -Y/2) and (X/2, Y/2) for a rectangle or an ellipse, the centre (0, 0) and
/// (R, 0) for a circle (x is the radius, y unused). Empty for a size beyond FormGrenze or not a
/// finite number.
std::optional<std::pair<QPoint, QPoint>> FormPunkteAusGroesse(int werkzeug, double x, double y);

struct FormPunkteErgebnis
{
    FormErgebnis ergebnis = FormErgebnis::KeinWerkzeug;
    /// The outline without its closing point.
    QList<QPoint> punkte;
};

/// The outline of a shape from its two defining points: a rectangle's four corners, or 360
/// points of a circle around p1 through p2 or of the ellipse inscribed in the box p1..p2, one
/// per degree, counter-clockwise from the right (for the ellipse from the side of p1 as the
/// box is given).
FormPunkteErgebnis FormPunkte(int werkzeug, const QPoint &p1, const QPoint &p2);

/// Adds the shape as a new closed contour; on any refusal the set stays as it was.
FormErgebnis FormErzeugen(TKonturen &konturen, int werkzeug, const QPoint &p1, const QPoint &p2);

/// The live sizes while a shape is dragged from p1 to p, in centimetres as shown in the size
/// edits: length and width of the box for a rectangle or an ellipse, the radius (and 0) for a
/// circle.
std::pair<double, double> FormVorschauGroesse(int werkzeug, const QPoint &p1, const QPoint &p, double pixelProMM);

/// The preview of a dragged shape in workspace coordinates (the painter maps them): the filled
/// rectangle, the circle around p1 through p, or the ellipse inscribed in the box p1..p.
void FormVorschau(QPainter &painter, int werkzeug, const QPoint &p1, const QPoint &p);

} // namespace qv
