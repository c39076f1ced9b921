#pragma once

#include "print/PrintUtils.h"

#include <QString>

#include <functional>

class QWidget;

namespace qv {

class Application;
class PrintJobs;

/// The maker's production exports and the printouts of the opened order, as the main window
/// offers them in its menus. The exports themselves and the sheets live in the core; this class
/// gathers what they read from the application and shows what came of them.
class MainWindowExport
{
public:
    /// kundenModus: whether the window is in customer mode (the exports are the maker's only).
    MainWindowExport(QWidget &fenster, Application &app, std::function<bool()> kundenModus);

    /// "Als BPRFormat speichern...": the block file, filed in the customer's archive folder
    /// when the customer is found, otherwise through the save dialog; marks the order file.
    void BlockExport();
    /// "Als LAP-Datei speichern...": the laser-cutter file through the save dialog.
    void LAPExport();
    /// "Drucken ...", and the entries of the menu "Drucken": the printer is chosen first.
    void Drucken(DruckAuswahl auswahl);
    /// "Druckvorschau": the same sheets in the print preview, before a printer is chosen.
    void Druckvorschau(DruckAuswahl auswahl);

    /// Where print jobs go; the platform's print dialog unless a test sets its own.
    void DruckzielSetzen(std::function<PrintJobs &()> ziel) { m_druckziel = std::move(ziel); }

private:
    /// The customer database's short designation for a postcode, or its not-found text.
    QString KundeZurPLZ(const QString &plz);
    /// What the sheets of the current order read.
    DruckDaten DatenZumDrucken();

    QWidget &m_fenster;
    Application &m_app;
    std::function<bool()> m_kundenModus;
    std::function<PrintJobs &()> m_druckziel;
};

} // namespace qv
