#pragma once

#include "app/Befehl.h"
#include "order/TAuftrag.h"
#include "workspace/ArbeitsflaecheSteuerung.h"
#include "workspace/StatusTexte.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QSplitter;

namespace qv {
class TConfigForm;

class Abbildung;
class Application;
class MainWindowDirection;
class MainWindowImport;
class MainWindowInput;
class MainWindowWorkMode;
class MainWindowOrderFiles;
class MainWindowOrderType;
class MainWindowStart;
class MainWindowExport;
class Arbeitsflaeche;
class Eingabesteuerung;
class FormenPanel;
class TAblaufPanel;
class THauptMenue;
class THelpForm;
class TKnopfPanel;
struct AblaufZustand;

/// The main window: the workspace on the left, the work-mode pages on the right, the menus.
/// Constructing it runs FormCreate; the first show runs FormShow; closing asks before unsaved
/// changes are lost; destroying it closes the settings objects. The order it shows and edits
/// belongs to the application.
///
/// The definitions are split along the window's steps: TMainForm.cpp (building, wiring, command
/// dispatch, closing), TMainFormStart.cpp (start-up), TMainFormAblauf.cpp (workflow and menus).
/// A piece with its own state and dialogs is a MainWindow<Thing> class the window owns
/// (MainWindowInput for the input on the workspace, MainWindowWorkMode for the work mode and the
/// new-order reset, MainWindowOrderFiles, MainWindowDirection, MainWindowOrderType, ...): the
/// window builds it in FensterAufbauen and hands it its commands in BefehlAusfuehren.
class TMainForm : public QMainWindow, public ArbeitsflaecheHost
{
    Q_OBJECT

public:
    explicit TMainForm(qv::Application &app, QWidget *parent = nullptr);
    ~TMainForm() override;

    /// Customer mode (true) or the maker's internal mode (false).
    bool KundenModus() const { return m_kundenModus; }
    /// The demo customer was chosen at first start.
    bool DemoModus() const;
    /// Start-up has been abandoned; the program ends instead of showing its work.
    bool StartAbbruch() const { return m_startAbbruch; }
    bool Geaendert() const { return auftrag().Geaendert; }
    bool AusDatei() const { return auftrag().AusDatei; }
    int Modus() const;
    /// The insertion direction offered for a new order (1..4).
    TEinschubrichtung Einschubrichtung() const { return auftrag().Einschubrichtung; }

    /// Marks the order as changed.
    void SetGeaendert() override;
    /// Begins a new order in the current mode; false when the person kept the old one.
    bool NeuerAuftrag();
    /// Switches the work mode (0..4) and begins a new order; false when nothing changed.
    bool ModusSetzen(int modus);
    /// The workflow update: status bits, lamps and the enabling of buttons and menu items.
    void AblaufAktualisieren() override;
    /// The input lock: false while an isocentre, scale, field, contour or shape input runs.
    void BedienungFreigeben(bool freigegeben);
    /// The view lock of an order opened from a file.
    void BearbeitungErlauben(bool erlaubt);
    /// Menu visibility for customer or internal mode and the work mode.
    void MenuesAnpassen();

    /// The steps of the first show; runs once (showEvent calls it, tests may call it directly).
    void FormShow();
    /// An order file named on the command line: the first show opens it instead of the start
    /// assistant.
    void StartDateiSetzen(const QString &datei) { m_startDatei = datei; }

    // Parts of the window, for the windows of later steps and for tests.
    qv::Arbeitsflaeche &dokument() { return *m_dok; }
    qv::TAuftrag &auftrag();
    const qv::TAuftrag &auftrag() const;
    qv::ArbeitsflaecheSteuerung &steuerung() { return *m_steuerung; }
    qv::TAblaufPanel &ablaufPanel() { return *m_panel; }
    qv::THauptMenue &menue() { return *m_menue; }
    qv::THelpForm &hilfe() { return *m_hilfe; }
    qv::FormenPanel &formenPanel() { return *m_formen; }
    /// Text of status-bar panel i (0..3).
    QString statusText(int i) const;
    const qv::Eingabesteuerung &eingabe() const;
    /// The order-type and order-data dialogs and what the window does with them.
    qv::MainWindowOrderType &auftragsart() { return *m_auftragsart; }
    /// The maker's exports and the printouts of the menus.
    qv::MainWindowExport &exporte() { return *m_exporte; }
    /// The input on the workspace.
    qv::MainWindowInput &eingabeFenster() { return *m_input; }

signals:
    /// Start-up was abandoned; the owner of the event loop ends the program.
    void StartAbgebrochen();

public slots:
    /// "Neu...": begins a new order.
    void neu1Click();
    /// "Beenden": closes the main window (with the question when there are unsaved changes).
    void BeendenClick();
    void Kundenmodus1Click();
    void PCModusChange(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // qv::ArbeitsflaecheHost
    void Kontexthilfe(const QString &text, const QString &titel) override;
    void ModusHilfe() override;
    void KnopfGedrueckt(Knopf knopf, bool gedrueckt) override;
    void BildBirneZeigen() override;
    void EinschubrichtungZuruecksetzen() override;

private:
    void FormCreate();
    void FensterAufbauen();
    void Verbinden();
    /// A workflow button or a menu item was chosen.
    void BefehlAusfuehren(qv::Befehl b, bool checked);
    void statusZeigen(const qv::StatusTexte &t);
    /// The document changed: the scale label and the contour list follow.
    void ansichtAktualisieren();
    void AnwendungBeenden();
    qv::AblaufZustand ablaufZustand() const;
    void hilfeAnzeigenClick();
    QString website() const;

public:
    /// F1 in a dialog of the window: the help window toggles.
    void HilfeUmschalten() { hilfeAnzeigenClick(); }
    /// "Quellvantar Config (nur Intern)": the product configuration editor.
    void QuellvantarConfigIntern1Click();

private:

    /// The customer settings dialog; an end requested there sets StartAbbruch.
    void KundenEinstellungenDialog();
    void Kundeneinstellungen1Click();
    /// Sets the insertion direction offered for a new order.
    void EinschubrichtungSetzen(TEinschubrichtung richtung);
    /// The frame check after contour input and shapes.
    void RahmenPruefen();

    qv::Application &m_app;

    bool m_kundenModus = true;
    QString m_speichernGrund; // what the workflow panel last said stands against saving
    bool m_startAbbruch = false;
    bool m_formShowDone = false;

    std::unique_ptr<qv::Arbeitsflaeche> m_dok;
    qv::ArbeitsflaecheSteuerung *m_steuerung = nullptr;
    qv::THauptMenue *m_menue = nullptr;
    qv::TAblaufPanel *m_panel = nullptr;
    qv::FormenPanel *m_formen = nullptr;
    qv::THelpForm *m_hilfe = nullptr;
    QSplitter *m_splitter = nullptr;
    std::array<QLabel *, 4> m_status{};
    std::unique_ptr<qv::MainWindowOrderFiles> m_auftragsdateien;
    std::unique_ptr<qv::MainWindowDirection> m_einschub;
    std::unique_ptr<qv::MainWindowOrderType> m_auftragsart;
    std::unique_ptr<qv::MainWindowStart> m_start;
    std::unique_ptr<qv::MainWindowExport> m_exporte;
    std::unique_ptr<qv::MainWindowImport> m_import;
    // The imports run the workflow steps that follow a transfer (the frame check among them).
    friend class qv::MainWindowImport;
    std::unique_ptr<qv::MainWindowInput> m_input;
    std::unique_ptr<qv::MainWindowWorkMode> m_arbeitsmodus;
    QString m_startDatei;
};

} // namespace qv
