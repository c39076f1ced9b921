#include "app/MainWindowImport.h"

#include "app/Application.h"
#include "app/TAblaufPanel.h"
#include "app/TMainForm.h"
#include "base/Clock.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "dicom/DcmdumpRunner.h"
#include "dicom/ProcessProgram.h"
#include "dicom/TOpenDICOMDialog.h"
#include "help/THelpForm.h"
#include "order/AuftragsSitzung.h"
#include "order/Auftragsart.h"
#include "planimport/BPRUebernahme.h"
#include "planimport/TBPRMainOpenForm.h"
#include "workspace/Arbeitsflaeche.h"

#include <QApplication>
#include <QDir>

namespace qv {

namespace {

const QString kInit = QStringLiteral("Init");
const QString kBPRModul = QStringLiteral("BPRModul");

QString mitTrenner(const QString &ordner)
{
    return ordner.endsWith(u'/') ? ordner : ordner + u'/';
}

} // namespace

MainWindowImport::MainWindowImport(TMainForm &fenster, Application &app)
    : m_fenster(fenster), m_app(app)
{
}

TAuftrag &MainWindowImport::auftrag()
{
    return m_app.Auftrag();
}

ImportKontext MainWindowImport::Kontext()
{
    // The order data of the import name the tray, frame and origin the session holds as chosen.
    return ImportKontext{m_app.Konfiguration(), m_app.Sitzung().AuftragsdatenVorgaben(), m_fenster.KundenModus(),
                         m_app.clock().now()};
}

void MainWindowImport::ImportUebernommen(bool feldGesetzt)
{
    m_app.Sitzung().ImportUebernommen(feldGesetzt);
    m_fenster.SetGeaendert();
    m_fenster.RahmenPruefen();
}

void MainWindowImport::DicomEinlesen()
{
    // The import works in the isocentre plane.
    m_app.Sitzung().FFASetzen(100.0);
    const QString dcmdump = FindDcmdump(m_app.programmOrdner());
    if (dcmdump.isEmpty()) {
        m_app.messages().error(DcmdumpFehltText());
        return;
    }
    ProcessProgram programm;
    DcmdumpRunner runner(programm, dcmdump);
    IniFile &ini = m_app.EinstellungenIni();
    TOpenDICOMDialog dialog(runner, m_app.messages(), m_app.fileChooser(), m_app.programmOrdner(), &m_fenster);
    dialog.SetImportDir(ini.readString(kInit, QStringLiteral("DICOMPath"),
                                       mitTrenner(QDir(m_app.programmOrdner()).filePath(QStringLiteral("DemoDICOM")))));
    dialog.SetFileType(ini.readString(kInit, QStringLiteral("DICOMDateiTyp"), QStringLiteral("Alle (*.*)")));
    dialog.SetTreeEnabled(true);
    m_fenster.hilfe().Kontexthilfe(DicomHilfeText(), DicomHilfeTitel());

    if (dialog.Execute()) {
        if (const std::optional<TZielstrukturWahl> ziel = dialog.GetZielstruktur())
            DicomZielstrukturUebernehmen(runner, dialog.GetFileName(), dialog.GetBeamIndex(), *ziel, Kontext(), *this,
                                         m_app.messages());
        else
            DicomPlanUebernehmen(runner, dialog.GetFileName(), dialog.GetBeamIndex(), Kontext(), *this, m_app.messages());
    }

    // Also after Cancel: the folder and the file type are kept for the next import.
    ini.writeString(kInit, QStringLiteral("DICOMPath"), mitTrenner(dialog.ImportDir()));
    ini.writeString(kInit, QStringLiteral("DICOMDateiTyp"), dialog.GetFileType());
    m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
}

void MainWindowImport::BPREinlesen()
{
    m_app.Sitzung().FFASetzen(100.0);
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::BPRImport, true);
    IniFile &ini = m_app.EinstellungenIni();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The files the application names: in an installed program the person's configurations and
    // the maker's copy of the format database live in the configuration folder.
    BPRDateien dateien;
    dateien.formatDatenbank = m_app.FormatDatenbankPfad();
    dateien.bprKonfig = m_app.BPRKonfigPfad();
    dateien.formatDatenbankZumAendern = [this] { return m_app.FormatDatenbankZumAendern(); };
    TBPRMainOpenForm dialog(std::move(dateien), m_app.messages(), m_app.fileChooser(), &m_fenster);
    dialog.setHerstellerModus(!m_fenster.KundenModus());
    dialog.SetLastOpenFile(ini.readString(kBPRModul, QStringLiteral("LastOpenFile")));
    dialog.SetLastOpenPath(ini.readString(kBPRModul, QStringLiteral("LastOpenPath"), QDir::homePath()));
    dialog.SetLastKonfigID(ini.readInteger(kBPRModul, QStringLiteral("LastKonfigID"), 0));
    const TBeschl *beschl = auftrag().Kundendaten.AktuellerBeschl();
    dialog.SetDefaultFBA(beschl ? parseDecimal(beschl->FBA).value_or(0) : 0);
    QObject::connect(&dialog, &TBPRMainOpenForm::hilfeText, &m_fenster, [this](const QString &titel, const QString &text) {
        if (titel.isEmpty())
            m_fenster.hilfe().Umschalten();
        else
            m_fenster.hilfe().Kontexthilfe(text, titel);
    });
    QApplication::restoreOverrideCursor();

    if (!dialog.DatabaseOpen()) {
        m_app.messages().error(dialog.OeffnenFehler());
    } else {
        m_fenster.hilfe().Kontexthilfe(BPRImportHilfeText(), QStringLiteral("BPR Import"));
        if (dialog.Execute()) {
            if (const std::optional<BPRBeam> beam = dialog.GewaehlterBeam())
                ImportErgebnisAnwenden(BPRBeamUebernehmen(auftrag(), *beam, Kontext()), *this, m_app.messages());
        }
    }

    // In every case, also when the database could not be opened.
    ini.writeString(kBPRModul, QStringLiteral("LastOpenFile"), dialog.LastOpenFile());
    ini.writeString(kBPRModul, QStringLiteral("LastOpenPath"), dialog.LastOpenPath());
    ini.writeInteger(kBPRModul, QStringLiteral("LastKonfigID"), dialog.LastKonfigID());
    m_fenster.ablaufPanel().knopfGedrueckt(Befehl::BPRImport, false);
    m_fenster.hilfe().ModusHilfe(m_fenster.Modus());
}

} // namespace qv
