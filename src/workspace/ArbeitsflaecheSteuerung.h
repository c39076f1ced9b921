#pragma once

#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheHost.h"
#include "workspace/FFAAnzeige.h"
#include "workspace/StatusTexte.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QWidget;

namespace qv {
class TKundenDaten;

class ArbeitsflaecheWidget;
class FileChooser;
class IniFile;
class Messages;
class TBilddrehungForm;

/// What "Bild einlesen" came to.
struct BildEinlesenErgebnis
{
    bool geladen = false;
    /// Why the chosen file was refused; empty when it was loaded or nothing was chosen.
    QString fehler;
};

/// The workspace operations of the main window: loading and turning the template, fitting,
/// the display switches, inverted display, the status bar and the FFA panel. The main
/// window calls these by their names and wires its buttons, menus and bulbs to them. What
/// is to be said or asked is left to the caller (see app/BildBefehle.h); the messages passed
/// in serve the rotation dialog this object owns.
class ArbeitsflaecheSteuerung : public QObject
{
    Q_OBJECT

public:
    ArbeitsflaecheSteuerung(Arbeitsflaeche &a, const TKundenDaten &kunde, IniFile &einstellungen, Messages &dialogMeldungen,
                            FileChooser &dateiDialog, FileChooser *vorschauDialog, ArbeitsflaecheHost &host,
                            QWidget *fenster = nullptr);
    ~ArbeitsflaecheSteuerung() override;

    ArbeitsflaecheWidget *widget() const { return m_widget; }
    TBilddrehungForm &bilddrehungForm() const { return *m_drehForm; }
    Arbeitsflaeche &dokument() const { return m_a; }

    /// "Bild einlesen": the person chooses a template, which is loaded. A refused file leaves
    /// the workspace without a template (contours and the rest stay).
    BildEinlesenErgebnis BildLaden();
    /// "Bild drehen": where isocentre, field, contours or scale would be lost,
    /// `ueberlagerungenVerwerfen` decides first; then they are cleared and the dialog runs.
    void BildDrehen(const std::function<bool()> &ueberlagerungenVerwerfen);
    bool MassstabGesetzt() const { return m_a.MassstabGesetzt(); }
    void IsozentrumSetzen(const QPoint &seite);
    void VorlageSetzen(const QImage &bild);
    /// The status bar for a device point of the paint box (KeinPunkt when the order is reset).
    void StatusAnzeigen(const QPoint &geraet);
    /// The FFA panel after the FFA may have changed.
    void FFAAnzeigen();
    void P_MainResize();
    /// The document changed: repaint, and tell whoever shows parts of it (ansichtGeaendert).
    void neuZeichnen();
    /// Only the input figures changed: repaint, nothing else.
    void eingabeNeuZeichnen();
    Abbildung abbildung() const;
    void setZeiger(Qt::CursorShape form);

    /// A click on a light bulb: flips the layer, repaints, returns whether it is now shown.
    bool EbeneUmschalten(Ebene e);
    void setEbeneSichtbar(Ebene e, bool sichtbar);
    /// "Invertierte Darstellung": stores the choice and repaints.
    void InvertedClick(bool invertiert);
    /// For a new order: inversion from the settings, all layers on (the scale bar only in mode 0).
    void NeuerAuftrag();

    static QString bildFilter();

signals:
    void statusGeaendert(const qv::StatusTexte &texte);
    void ffaGeaendert(const qv::FFAAnzeige &anzeige);
    /// The document was changed and repainted: the scale label and the contour list follow.
    void ansichtGeaendert();

private:
    Arbeitsflaeche &m_a;
    const TKundenDaten &m_kunde;
    IniFile &m_ini;
    FileChooser &m_dateiDialog;
    FileChooser *m_vorschauDialog;
    ArbeitsflaecheHost &m_host;
    ArbeitsflaecheWidget *m_widget;
    TBilddrehungForm *m_drehForm;
    // Without a window to own them the widgets are this object's.
    std::unique_ptr<ArbeitsflaecheWidget> m_eigenesWidget;
    std::unique_ptr<TBilddrehungForm> m_eigeneDrehForm;
};

} // namespace qv
