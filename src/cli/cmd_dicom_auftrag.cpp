#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"
#include "cli/CliImportAuftrag.h"
#include "cli/CliPlanDateien.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/Numbers.h"
#include "dicom/DICOMUebernahme.h"
#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomUebersicht.h"
#include "dicom/ProcessProgram.h"

#include <QDateTime>
#include <QFileInfo>

namespace qv::cli {

namespace {
const char *const kAufruf =
    "Aufruf: quellvantar-cli dicom-auftrag PLAN.dcm BEAMINDEX AUS.ORv [--art photonen|elektronen] [--kunde Kunde.cfg]\n";
} // namespace

// dicom-auftrag PLAN.dcm BEAMINDEX AUS.ORv: the order the DICOM import makes of one beam.
int runDicomAuftrag(const QStringList &args, Streams &io)
{
    ImportAufruf aufruf;
    if (!ImportAufrufLesen(args, false, aufruf)) {
        io.err << kAufruf;
        return 2;
    }
    const std::optional<qint64> beamIndex = parseInteger(aufruf.Nummer);
    if (!beamIndex) {
        io.err << kAufruf;
        return 2;
    }
    if (AusgabeIstEingabe(aufruf.Aus, {aufruf.Datei, aufruf.Kunde}, io))
        return 1;
    const PathKind plan = pathKind(aufruf.Datei);
    if (plan == PathKind::Missing) {
        io.err << "Die Datei " << fileNameForDisplay(aufruf.Datei) << " ist nicht vorhanden.\n";
        return 1;
    }
    if (plan != PathKind::RegularFile) {
        io.err << fileNameForDisplay(aufruf.Datei) << " ist keine gewöhnliche Datei.\n";
        return 1;
    }
    const QString dcmdump = DcmdumpSuchen(io);
    if (dcmdump.isEmpty())
        return 1;

    NeuerImportAuftrag neu;
    if (!NeuenImportAuftragAnlegen(aufruf, neu, io))
        return 1;

    ProcessProgram programm;
    DcmdumpRunner runner(programm, dcmdump);
    const Result<TvelDICOMRTPlanClass> gelesen = LoadRTPlan(runner, aufruf.Datei);
    if (!gelesen) {
        io.err << gelesen.error() << '\n';
        return 1;
    }
    const ImportKontext kontext{neu.Konfiguration, neu.Einstellungen, true, neu.Auftrag.Auftragszeitpunkt};
    return ImportAuftragSchreiben(DICOMBeamUebernehmen(neu.Auftrag, *gelesen, *beamIndex, kontext), neu, aufruf.Aus, io);
}

} // namespace qv::cli
