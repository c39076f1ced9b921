#pragma once

#include "app/FormenEingabe.h"
#include "app/Gummiband.h"
#include "app/MausZweig.h"
#include "contour/KonturErgebnis.h"
#include "contour/Verschiebung.h"
#include "workspace/Koordinaten.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace qv {

class Arbeitsflaeche;

/// The input that waits for the mouse on the workspace.
enum class Eingabeart {
    Keine,
    Isozentrum, // one click sets the isocentre
    Massstab,   // two clicks after the scale dialog
    Feld,       // two opposite corners
    Kontur,     // traced contours of the page with template, until ended
    Form,       // contour input of the page without template
    Auswahl,    // selection clicks of the move and rotate modes
};

/// The move and rotate modes of the contours (the check marks of "verschieben" and "drehen");
/// at most one is on.
enum class Konturmodus { Aus, Verschieben, Drehen };

/// What the window has to do after an input event. The controller has changed the document
/// already; the window only shows it, in the order of the fields below.
struct EingabeAntwort
{
    enum class Hilfe { Unveraendert, Modus, Kontext };

    /// Outcomes of contour changes that have a message to show (see KonturMeldung).
    QList<KonturErgebnis> meldungen;
    std::optional<Qt::CursorShape> zeiger;
    Hilfe hilfe = Hilfe::Unveraendert;
    QString hilfeText;
    QString hilfeTitel;
    /// The caption of both contour buttons.
    std::optional<QString> konturKnopfText;
    std::optional<bool> konturListeOffen;
    /// The pressed look of an input's button (true) or its normal look (false).
    std::optional<std::pair<Eingabeart, bool>> knopfGedrueckt;
    bool geaendert = false;
    /// The input lock: false when an input starts, true when it ends.
    std::optional<bool> bedienung;
    bool einschubrichtungZuruecksetzen = false;
    bool ffaAnzeigen = false;
    /// The frame check of the order type after the contour input.
    bool rahmenPruefen = false;
    /// A mode-1 shape has both points and is generated.
    bool formFertig = false;
    /// A refused shape: the text to show (see FormMeldung).
    QString formMeldung;
    /// Mode 1: the shape tools unfold (true) or fold to one row (false).
    std::optional<bool> formenOffen;
    /// Mode 1: the shape tool to show chosen (0 none).
    std::optional<int> formwerkzeugZeigen;
    /// The move or rotate mode now on (its dialog shown, its menu item checked) or Aus.
    std::optional<Konturmodus> konturmodus;
    bool ablaufAktualisieren = false;
    /// The document changed: repaint, and the contour list and the labels follow.
    bool neuZeichnen = false;
    /// Only the rubber band moved.
    bool gummibandNeuZeichnen = false;
};

/// The input controller of the workspace: which input runs, the mouse button, the rubber
/// band and the dragging of selected contours. Every start, mouse event and end changes the
/// document and says in an EingabeAntwort what the window must show; nothing here talks to
/// the person or touches a widget. A contour change that has a message to show ends the press
/// of the mouse button, because the message box takes the release.
class Eingabesteuerung
{
public:
    explicit Eingabesteuerung(Arbeitsflaeche &a);

    /// The running input; the selection of the move and rotate modes when nothing else runs.
    Eingabeart laufend() const;
    bool laeuft(Eingabeart art) const { return m_art == art; }
    /// The contour input of either page runs (its button reads "Eingabe beenden").
    bool konturEingabeLaeuft() const { return m_art == Eingabeart::Kontur || m_art == Eingabeart::Form; }
    bool mausGedrueckt() const { return m_mausGedrueckt; }
    /// Workspace position of the last rubber-band figure; KeinPunkt when none is drawn.
    QPoint LetzteMausPos() const { return m_letzteMausPos; }
    const Gummiband &gummiband() const { return m_gummiband; }
    int Formwerkzeug() const { return m_formwerkzeug; }
    QPoint FormPunkt1() const { return m_formPunkt1; }
    QPoint FormPunkt2() const { return m_formPunkt2; }

    /// A new order: nothing runs, no rubber band, no shape tool.
    void neuerAuftrag();
    /// Mode 1: the shape tool (0 none, 1 rectangle, 2 circle, 3 ellipse).
    void setFormwerkzeug(int werkzeug);
    /// The move or rotate mode that is on.
    Konturmodus konturmodus() const { return m_konturmodus; }

    /// The isocentre input, once the person agreed to lose field, contours and scale.
    EingabeAntwort IsozentrumStarten();
    /// The scale input, once the scale dialog was closed with OK.
    EingabeAntwort MassstabStarten();
    /// The field input.
    EingabeAntwort FeldStarten();
    /// The contour input of the page with template (the document has a template).
    EingabeAntwort KonturStarten();
    /// Closes the current contour (the person chose to close it before ending).
    EingabeAntwort KonturSchliessen();
    /// Ends the contour input when every contour is closed; otherwise nothing happens.
    EingabeAntwort KonturBeenden();

    EingabeAntwort MausGedrueckt(const Abbildung &abb, QPoint geraet, MausTaste taste, bool shift, bool strg);
    EingabeAntwort MausBewegt(const Abbildung &abb, QPoint geraet, bool shift, bool strg);
    EingabeAntwort MausLosgelassen();

    /// Mode 1: what the question at the start of shape generation decided (the contours are
    /// deleted already for a new FFA). Generation starts with the rectangle, or the button
    /// returns to its normal look.
    EingabeAntwort FormenStarten(FormenStart start);
    /// Ends shape generation: the tools fold, the user interface is unlocked.
    EingabeAntwort FormenBeenden();
    /// Chooses a shape tool (0 none); both points are unset again.
    EingabeAntwort FormwerkzeugSetzen(int werkzeug);
    /// A tool bar button: its tool, or none when that tool is chosen already.
    EingabeAntwort FormwerkzeugKlick(int werkzeug);
    /// Typed sizes in centimetres, centred on the isocentre; generates at once.
    EingabeAntwort FormAusGroesse(int werkzeug, double x, double y);
    /// Generates the shape of the chosen tool from both points. A refused shape leaves the
    /// contours as they were and the generation running; a generated one ends it.
    EingabeAntwort FormErzeugen();

    /// Switches the move or rotate mode on; a mode that is on already is ended first, keeping
    /// its changes. Every contour is selected, and the points of every contour become the
    /// state that cancelling returns to. The user interface is locked while a mode is on.
    EingabeAntwort KonturmodusStarten(Konturmodus modus);
    /// Ends the mode that is on. With uebernehmen the moved and turned points stay; otherwise
    /// every contour, selected or not, returns to the state from when the mode began. The
    /// selection is cleared, the lock released and the workflow updated; the order counts as
    /// changed when some point is no longer where it was.
    EingabeAntwort KonturmodusBeenden(bool uebernehmen);
    /// An arrow button of the move mode: the selected contours by mm millimetres in the image
    /// plane, through the scale (no scale: no movement).
    EingabeAntwort KonturenSchieben(Schrittrichtung richtung, int mm);
    /// A button of the rotate mode: the selected contours by grad whole degrees about the
    /// isocentre, clockwise (rechts) or counter-clockwise.
    EingabeAntwort KonturenDrehen(int grad, bool rechts);

    /// Undo and redo of the contour list.
    EingabeAntwort Rueckgaengig();
    EingabeAntwort Wiederherstellen();

private:
    /// Left click or drag during contour input.
    void konturPunkt(EingabeAntwort &a, QPoint p);
    void melden(EingabeAntwort &a, KonturErgebnis e);
    void gummibandWeg();
    void eingabeEnde(EingabeAntwort &a, Eingabeart art);
    /// "Konturen" or "Aperturen", after the order type.
    QString konturenText() const;
    /// Ends the move or rotate mode; true when some point moved since it began.
    bool konturmodusEnde(bool uebernehmen);

    Arbeitsflaeche &m_a;
    Eingabeart m_art = Eingabeart::Keine;
    Konturmodus m_konturmodus = Konturmodus::Aus;
    // Every contour's stored points when the move or rotate mode began.
    QList<QList<QPoint>> m_konturmodusStart;
    bool m_mausGedrueckt = false;
    QPoint m_letzteMausPos;
    QPoint m_ziehPos;
    int m_formwerkzeug = 0;
    QPoint m_formPunkt1;
    QPoint m_formPunkt2;
    Gummiband m_gummiband;
};

} // namespace qv
