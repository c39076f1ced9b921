#include "app/MainWindowOrderFiles.h"

#include "app/Application.h"
#include "order/AuftragsSitzung.h"
#include "app/MainWindowOrderType.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "app/ZuletztMenue.h"
#include "help/THelpForm.h"
#include "order/TAuftragabgeschlossenForm.h"
#include "order/TAuftragsdatenFelder.h"
#include "workspace/AblaufStatus.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheSteuerung.h"
#include "workspace/Arbeitsmodus.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace qv {

MainWindowOrderFiles::MainWindowOrderFiles(TMainForm &fenster, Application &app)
    : m_fenster(fenster)
    , m_app(app)
    , m_befehle(app.Auftrag(), *this, app.messages(), app.fileChooser(), app.EinstellungenIni(), app.clock())
{
    // "Zuletzt geöffnet" in the menu "Datei", the list of the mode the window is in.
    if (QMenu *datei = fenster.menuBar()->findChild<QMenu *>(QStringLiteral("Datei1"))) {
        m_zuletzt = new ZuletztMenue(*datei, app.EinstellungenIni(), [this] { return m_app.Sitzung().KundenModus(); });
        QObject::connect(m_zuletzt, &ZuletztMenue::oeffnen, &fenster,
                         [this](const QString &datei) { m_befehle.AuftragOeffnenVonAussen(datei); });
    }
}

bool MainWindowOrderFiles::KundenModus() const
{
    return m_fenster.KundenModus();
}

int MainWindowOrderFiles::Modus() const
{
    return m_fenster.Modus();
}

void MainWindowOrderFiles::Kontexthilfe(const QString &text, const QString &titel)
{
    m_fenster.hilfe().Kontexthilfe(text, titel);
}

void MainWindowOrderFiles::ModusHilfe()
{
    m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
}

void MainWindowOrderFiles::Fenstertitel(const QString &titel)
{
    m_fenster.setWindowTitle(titel);
}

void MainWindowOrderFiles::AuftragsdateiBenutzt(const QString &datei)
{
    if (m_zuletzt)
        m_zuletzt->Benutzt(datei);
}

void MainWindowOrderFiles::Beschaeftigt(bool an)
{
    // Nested uses keep one override cursor.
    if (an) {
        if (m_beschaeftigt++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        // What is pending on screen is drawn before the wait.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else if (m_beschaeftigt > 0 && --m_beschaeftigt == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindowOrderFiles::SpeichernKnopfGedrueckt(bool gedrueckt)
{
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::Speichern, gedrueckt);
    if (!gedrueckt)
        m_fenster.ablaufPanel().knopfFreigeben(Befehl::Speichern, false);
}

void MainWindowOrderFiles::AblaufAktualisieren()
{
    m_fenster.AblaufAktualisieren();
}

void MainWindowOrderFiles::BearbeitungErlauben(bool erlaubt)
{
    m_fenster.BearbeitungErlauben(erlaubt);
}

bool MainWindowOrderFiles::AuftragsdatenVollstaendig()
{
    // The dialog is not shown while saving, so the check is silent; the caller says what is missing.
    return Vollstaendig(m_app.Auftrag());
}

int MainWindowOrderFiles::AuftragAbgeschlossen(const QString &datei, const QString &lieferzeit)
{
    TAuftragabgeschlossenForm dialog(m_app.EinstellungenIni(), m_app.Konfiguration().EMailAdresse, &m_fenster);
    dialog.DateiSetzen(datei);
    dialog.LieferzeitSetzen(lieferzeit);
    dialog.UebergabeAnbieten(m_app.desktop(), m_app.messages());
    // The dialog waits for the person: no busy cursor over it.
    const bool warBeschaeftigt = QApplication::overrideCursor() != nullptr;
    if (warBeschaeftigt)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int wahl = dialog.Ausfuehren();
    if (warBeschaeftigt)
        QApplication::restoreOverrideCursor();
    return wahl;
}

void MainWindowOrderFiles::NeuerAuftragBefehl()
{
    m_fenster.neu1Click();
}

void MainWindowOrderFiles::ProgrammBeenden()
{
    // The order was just saved: no closing question, exit code 0.
    m_app.Auftrag().Geaendert = false;
    m_fenster.hilfe().programmEndet();
    QCoreApplication::exit(0);
}

bool MainWindowOrderFiles::NeuerAuftragImBildModus()
{
    if (!m_fenster.NeuerAuftrag())
        return false;
    return m_fenster.ModusSetzen(ModusBildVorlage);
}

std::optional<QString> MainWindowOrderFiles::SpeichernVerhindert() const
{
    return m_app.Sitzung().SpeichernVerhindert();
}

void MainWindowOrderFiles::AuftragUebernommen()
{
    // An opened order counts as having its field and its contours entered: the lamps show it
    // complete, whatever of it the maker then looks at.
    m_fenster.dokument().AblaufStatus |= ablauf::Auftragsart | ablauf::Feld | ablauf::Kontur;
    m_fenster.auftragsart().AuftragUebernommen();
    m_fenster.steuerung().FFAAnzeigen();
    m_fenster.steuerung().P_MainResize();
}

} // namespace qv
