#pragma once

#include "workspace/Koordinaten.h"

#include <QPoint>

#include <optional>

class QPainter;

namespace qv {

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
