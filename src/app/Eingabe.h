#pragma once

#include "workspace/Koordinaten.h"

#include <QPoint>

#include <optional>

class QPainter;

namespace qv {

/// Shift keeps the y of the reference point (a horizontal line), Ctrl its x (a vertical line),
/// both give the reference point itself. Without a reference point the keys do nothing.
QPoint zwangAnwenden(QPoint p, std::optional<QPoint> bezug, bool shift, bool ctrl);

enum class MausTaste { Links, Rechts, Andere };

/// What a mouse press on the workspace does, decided from the input state.
enum class MausZweig {
    NurNeuzeichnen,       // no image, or nothing waits for a click
    Isozentrum,           // any button sets the isocentre
    KonturPunkt,          // left button during contour input
    KonturSchliessen,     // right button on an open contour
    KonturEingabeBeenden, // right button when the current contour is closed (or there is none)
    Massstab,             // any button during scale input
    Feld,                 // any button during field input
    Form,                 // any button with a shape tool of mode 1
    Auswahl,              // move or rotate mode: select / deselect contours
};

struct MausZustand
{
    bool vorlage = false;
    bool isoEingabe = false;
    bool konturEingabeLaeuft = false;
    bool aktuelleKonturOffen = false;  // a current contour exists and is not closed
    bool massstabEingabe = false;
    bool feldEingabe = false;
    bool formwerkzeug = false;         // mode 1 with a shape tool chosen
    bool verschiebenOderDrehen = false;
};

MausZweig mausZweig(const MausZustand &z, MausTaste taste);

/// Two-click inputs (scale points, field corners): which of the two points a click sets.
/// For the scale the second point is constrained by Shift/Ctrl with the first as reference.
struct ZweiPunktKlick
{
    int punkt = 0; // 1 or 2; 0 when both are set already
    QPoint wert;
};
ZweiPunktKlick massstabKlick(std::optional<QPoint> punkt1, std::optional<QPoint> punkt2, QPoint p,
                             bool shift, bool ctrl);
ZweiPunktKlick feldKlick(std::optional<QPoint> ecke1, std::optional<QPoint> ecke2, QPoint p);

/// The rubber-band figures while an input waits for points, in workspace coordinates.
struct GummibandZustand
{
    bool isoEingabe = false;
    bool konturEingabe = false;
    std::optional<QPoint> letzterKonturPunkt; // last point of the open current contour
    bool feldEingabe = false;
    std::optional<QPoint> feldEcke1;
    bool massstabEingabe = false;
    std::optional<QPoint> massstabPunkt1;
    bool formwerkzeug = false;
    std::optional<QPoint> formPunkt1;
};

struct Gummiband
{
    bool wartet = false;                  // some input waits for points
    QPoint punkt;                         // the (constrained) mouse point, the new LetzteMausPos
    std::optional<QPoint> konturLinieVon; // line from the last contour point to punkt
    std::optional<QPoint> feldVon;        // field figure from corner 1 to punkt
    std::optional<QPoint> massstabVon;    // scale bar from point 1 to punkt
    std::optional<QPoint> formVon;        // shape preview from FormPunkt1 to punkt
    int formwerkzeug = 0;                 // the shape of that preview
    bool fadenkreuz = false;              // crosshair through punkt
};

Gummiband gummiband(const GummibandZustand &z, QPoint p, bool shift, bool ctrl);

/// Draws the rubber band over the workspace (last, in pen (47, 63, 255)); nothing when no
/// input waits. Reads the figures and changes nothing.
void GummibandZeichnen(QPainter &p, const Gummiband &g, const Abbildung &abb);

} // namespace qv
