#pragma once

namespace qv {

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

} // namespace qv
