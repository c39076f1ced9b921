#pragma once

#include "workspace/Arbeitsflaeche.h"

#include <QObject>
#include <QPoint>

#include <array>

class QLabel;
class QWidget;
class TKundenDaten;

namespace qv {

class ArbeitsflaecheWidget;
class FileChooser;
class IniFile;
class Messages;
class TBilddrehungForm;
class TScaleForm;

/// What the workspace asks of the main window that holds it. Every call has a harmless
/// default so that a test can leave out what it does not watch.
class ArbeitsflaecheHost
{
public:
    enum class Knopf { Bild, BildDrehen };

    virtual ~ArbeitsflaecheHost() = default;
    virtual void Kontexthilfe(const QString &text, const QString &titel) { (void)text; (void)titel; }
    virtual void ModusHilfe() {}
    virtual void SetGeaendert() {}
    virtual void AblaufAktualisieren() {}
    virtual void KnopfGedrueckt(Knopf knopf, bool gedrueckt) { (void)knopf; (void)gedrueckt; }
    /// The light bulb of the image layer becomes visible once an image is loaded.
    virtual void BildBirneZeigen() {}
    /// After a rotation the insertion direction counts as not chosen.
    virtual void EinschubrichtungZuruecksetzen() {}
};

/// The workspace operations of the main window: loading and turning the template, fitting,
/// the display switches, inverted display, the status bar and the FFA panel. The main
/// window calls these by their names and wires its buttons, menus and bulbs to them.
class ArbeitsflaecheSteuerung : public QObject
{
    Q_OBJECT

public:
    ArbeitsflaecheSteuerung(Arbeitsflaeche &a, TKundenDaten &kunde, IniFile &einstellungen, Messages &messages,
                            FileChooser &dateiDialog, FileChooser *vorschauDialog, ArbeitsflaecheHost &host,
                            QWidget *fenster = nullptr);
    ~ArbeitsflaecheSteuerung() override;

    ArbeitsflaecheWidget *widget() const { return m_widget; }
    TScaleForm &scaleForm() const { return *m_scaleForm; }
    TBilddrehungForm &bilddrehungForm() const { return *m_drehForm; }
    Arbeitsflaeche &dokument() const { return m_a; }

    // Controls of the main window this updates (any may be left unset).
    void setStatusPanels(const std::array<QLabel *, 4> &panels) { m_status = panels; }
    void setFFAPanel(QLabel *P_FFA) { m_ffa = P_FFA; }
    void setScaleLabel(QLabel *L_Scale, QWidget *P_Scale) { m_scaleLabel = L_Scale; m_scalePanel = P_Scale; }

    /// "Bild einlesen": true when an image was loaded.
    bool BildLaden();
    /// "Bild drehen": asks when overlays would be lost, clears them and runs the dialog.
    void BildDrehen();
    bool MassstabGesetzt() const { return m_a.MassstabGesetzt(); }
    void IsozentrumSetzen(const QPoint &seite);
    void VorlageSetzen(const QImage &bild);
    QImage AuftragsBild(bool MitVorlage);
    void StatusAnzeigen(const QPoint &geraet);
    void FFAAnzeigen();
    void P_MainResize();
    void neuZeichnen();

    /// A click on a light bulb: flips the layer, repaints, returns whether it is now shown.
    bool EbeneUmschalten(Ebene e);
    void setEbeneSichtbar(Ebene e, bool sichtbar);
    /// "Invertierte Darstellung": stores the choice and repaints.
    void InvertedClick(bool invertiert);
    /// For a new order: inversion from the settings, all layers on (the scale bar only in mode 0).
    void NeuerAuftrag();

    static QString bildFilter();

private:
    Arbeitsflaeche &m_a;
    TKundenDaten &m_kunde;
    IniFile &m_ini;
    Messages &m_messages;
    FileChooser &m_dateiDialog;
    FileChooser *m_vorschauDialog;
    ArbeitsflaecheHost &m_host;
    ArbeitsflaecheWidget *m_widget;
    TScaleForm *m_scaleForm;
    TBilddrehungForm *m_drehForm;
    std::array<QLabel *, 4> m_status{};
    QLabel *m_ffa = nullptr;
    QLabel *m_scaleLabel = nullptr;
    QWidget *m_scalePanel = nullptr;
};

} // namespace qv
