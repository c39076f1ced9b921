#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QTabWidget;

namespace qv {
class Application;
}

/// The main window: the workspace on the left, the work-mode pages on the right, the menus.
/// Constructing it runs FormCreate; the first show runs FormShow; closing asks before unsaved
/// changes are lost; destroying it closes the settings objects.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(qv::Application &app, QWidget *parent = nullptr);
    ~TMainForm() override;

    /// Customer mode (true) or the maker's internal mode (false).
    bool KundenModus() const { return m_kundenModus; }
    /// The demo customer was chosen at first start.
    bool DemoModus() const { return m_demoModus; }
    /// Start-up has been abandoned; the program ends instead of showing its work.
    bool StartAbbruch() const { return m_startAbbruch; }
    bool Geaendert() const { return m_geaendert; }
    bool AusDatei() const { return m_ausDatei; }
    int Modus() const { return m_modus; }
    /// The insertion direction offered for a new order (1..4).
    int Einschubrichtung() const { return m_einschubrichtung; }

    /// Marks the order as changed.
    void SetGeaendert();
    /// Begins a new order in the current mode; false when the person kept the old one.
    bool NeuerAuftrag();
    /// Switches the work mode (0..3) and begins a new order; false when nothing changed.
    bool ModusSetzen(int modus);

    /// The steps of the first show; runs once (showEvent calls it, tests may call it directly).
    void FormShow();

public slots:
    /// "Neu...": begins a new order.
    void neu1Click();
    /// "Beenden": closes the main window (with the question when there are unsaved changes).
    void BeendenClick();

signals:
    /// Start-up has been abandoned while showing: the program must end (exit code 1).
    void StartAbgebrochen();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void MenuesAnlegen();
    void SeitenAnlegen();
    void AnwendungBeenden();

    // Places for the steps that come with later windows and data.
    /// The customer data report a first start: the first-start dialog decides (demo,
    /// configure, cancel). False until the customer data model reports it.
    bool ErsterStart() const;
    void ErsterStartDialog();
    /// Completeness check of the customer data (without its own message).
    bool KundenDatenVollstaendig() const;
    /// Customer settings dialog after the incomplete-data message.
    void KundenEinstellungenDialog();
    /// Sets the insertion direction offered for a new order.
    void EinschubrichtungSetzen(int code);

    qv::Application &m_app;

    bool m_kundenModus = true;
    bool m_demoModus = false;
    bool m_startAbbruch = false;
    bool m_geaendert = false;
    bool m_ausDatei = false;
    int m_modus = 0;
    int m_einschubrichtung = 2;
    bool m_formShowDone = false;

    QTabWidget *m_pcModus = nullptr;
    QAction *m_neu1 = nullptr;
    QAction *m_beenden = nullptr;
    QAction *m_kundenmodus1 = nullptr;
    QList<QAction *> m_modusAktionen;
};
