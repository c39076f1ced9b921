#include "app/MainWindowExport.h"

#include "app/Application.h"
#include "app/DruckvorschauMenue.h"
#include "base/Clock.h"
#include "base/Logging.h"
#include "base/Messages.h"
#include "config/ArchivEinstellungen.h"
#include "config/TDatamodule_TesBs.h"
#include "export/ExportBefehle.h"
#include "export/ExportQuelle.h"
#include "order/TAuftrag.h"
#include "print/DruckVorschau.h"
#include "print/QtPrintJobs.h"

#include <QApplication>
#include <QDateTime>
#include <QWidget>

namespace qv {

namespace {

// A wait cursor while the window works (the customer lookup may take a few seconds);
// questions and dialogs in between get the arrow back.
class Warten
{
public:
    Warten() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Warten() { QApplication::restoreOverrideCursor(); }
    Warten(const Warten &) = delete;
    Warten &operator=(const Warten &) = delete;
};

} // namespace

MainWindowExport::MainWindowExport(QWidget &fenster, Application &app, std::function<bool()> kundenModus)
    : m_fenster(fenster), m_app(app), m_kundenModus(std::move(kundenModus))
{
    auto *vorschau = new DruckvorschauMenue(fenster);
    QObject::connect(vorschau, &DruckvorschauMenue::vorschau, &fenster,
                     [this](DruckAuswahl auswahl) { Druckvorschau(auswahl); });
}

QString MainWindowExport::KundeZurPLZ(const QString &plz)
{
    KundenSuche suche;
    {
        Warten warten;
        TDatamodule_TesBs modul(kundenDatenbankPfad(m_app.EinstellungenIni()));
        suche = modul.KundeZurPLZ(plz);
    }
    if (suche.ausgang == KundenSuche::Ausgang::Datenbankfehler)
        qCWarning(lcDatei) << "Kundendatenbank:" << suche.grund;
    return suche.text(plz);
}

void MainWindowExport::BlockExport()
{
    if (m_kundenModus())
        return;
    TAuftrag &auftrag = m_app.Auftrag();
    BlockExportAuftrag a;
    a.quelle = ExportQuelleAusAuftrag(auftrag);
    if (const TAbteilung *abteilung = auftrag.Kundendaten.AktuelleAbteilung())
        a.plz = abteilung->Lieferanschrift.PLZ;
    a.auftragsZeit = auftrag.Auftragszeitpunkt;
    a.auftragsdatei = auftrag.LetzteAuftragsdatei;

    BlockExportUmgebung u{m_app.messages(), m_app.fileChooser(), m_app.EinstellungenIni(), m_app.clock(),
                          [this](const QString &plz) { return KundeZurPLZ(plz); }};
    const BlockExportAusgang ausgang = BlockExportBefehl(a, u);
    // The order file was renamed when it was marked as exported; the order follows its file.
    if (!a.auftragsdatei.isEmpty())
        auftrag.LetzteAuftragsdatei = ausgang.auftragsdatei;
}

void MainWindowExport::LAPExport()
{
    if (m_kundenModus())
        return;
    LAPExportBefehl(ExportQuelleAusAuftrag(m_app.Auftrag()), m_app.messages(), m_app.fileChooser(), m_app.EinstellungenIni());
}

DruckDaten MainWindowExport::DatenZumDrucken()
{
    TAuftrag &auftrag = m_app.Auftrag();
    // Customer data converted from an order file before version 6 have no pick-up address.
    const bool mitAbholadresse = !(auftrag.AusDatei && auftrag.Kundendaten.AusAuftrag && auftrag.OhneAbholadresse);
    return DruckDaten{auftrag.Auftragsdaten, auftrag.Kundendaten, auftrag.Auftragsart,
                      m_app.Konfiguration().EMailAdresse, mitAbholadresse, m_app.clock().now()};
}

void MainWindowExport::Druckvorschau(DruckAuswahl auswahl)
{
    DruckvorschauZeigen(auswahl, DatenZumDrucken(), &m_fenster);
}

void MainWindowExport::Drucken(DruckAuswahl auswahl)
{
    const DruckDaten daten = DatenZumDrucken();

    QtPrintJobs drucker(&m_fenster);
    PrintJobs &jobs = m_druckziel ? m_druckziel() : static_cast<PrintJobs &>(drucker);
    const DruckErgebnis ergebnis = qv::Drucken(jobs, auswahl, daten);
    if (ergebnis.status == DruckErgebnis::Status::Fehler)
        m_app.messages().error(ergebnis.meldung);
}

} // namespace qv
