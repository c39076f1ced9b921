#include "cli/CliCommand.h"
#include "cli/CliImportAuftrag.h"
#include "cli/CliPlanDateien.h"
#include "cli/CliStruktur.h"

#include "base/FileNames.h"
#include "dicom/DICOMUebernahme.h"
#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomUebersicht.h"
#include "dicom/ProcessProgram.h"
#include "dicom/Zielstruktur.h"

namespace qv::cli {

namespace {
const char *const kAufruf = "Aufruf: quellvantar-cli struktur-auftrag PLAN.dcm BEAMINDEX STRUKTURSET.dcm ROINAME AUS.ORv "
                            "[--rand MM] [--art photonen|elektronen] [--kunde Kunde.cfg]\n";
} // namespace

// struktur-auftrag: the order dicom-auftrag would make of the plan if the beam held the
// target's shadow as its APERTURE blocks.
int runStrukturAuftrag(const QStringList &args, Streams &io)
{
    double rand = 0;
    QStringList ohneRand;
    if (!RandLesen(args, rand, ohneRand)) {
        io.err << kAufruf;
        return 2;
    }
    // The options of the import commands stay for ImportAufrufLesen; the positions are split here.
    QStringList positionen, optionen;
    for (qsizetype i = 0; i < ohneRand.size(); ++i) {
        const QString &a = ohneRand[i];
        if (a == u"--art" || a == u"--kunde") {
            optionen << a;
            if (i + 1 < ohneRand.size())
                optionen << ohneRand[++i];
        } else if (a.startsWith(u"--")) {
            io.err << kAufruf;
            return 2;
        } else {
            positionen << a;
        }
    }
    StrukturAufruf struktur;
    ImportAufruf aufruf;
    if (positionen.size() != 5 || !StrukturAufrufLesen(positionen.mid(0, 4), rand, struktur)
        || !ImportAufrufLesen(QStringList{positionen[0], positionen[1], positionen[4]} + optionen, false, aufruf)) {
        io.err << kAufruf;
        return 2;
    }

    const std::optional<StrukturSchatten> schatten = StrukturSchattenBerechnen(struktur, io);
    if (!schatten)
        return 1;
    const QString dcmdump = DcmdumpSuchen(io);
    if (dcmdump.isEmpty())
        return 1;
    NeuerImportAuftrag neu;
    if (!NeuenImportAuftragAnlegen(aufruf, neu, io))
        return 1;
    ProcessProgram programm;
    DcmdumpRunner runner(programm, dcmdump);
    const Result<TvelDICOMRTPlanClass> gelesen = LoadRTPlanOhneBlockpruefung(runner, struktur.Plan);
    if (!gelesen) {
        io.err << gelesen.error() << '\n';
        return 1;
    }
    const Result<TvelDICOMRTPlanClass> mitBloecken =
        MitZielstrukturBloecken(*gelesen, struktur.BeamIndex, schatten->Umrisse.Konturen, schatten->ROIName);
    if (!mitBloecken) {
        io.err << mitBloecken.error() << '\n';
        return 1;
    }
    const ImportKontext kontext{neu.Konfiguration, neu.Einstellungen, true, neu.Auftrag.Auftragszeitpunkt};
    return ImportAuftragSchreiben(DICOMBeamUebernehmen(neu.Auftrag, *mitBloecken, struktur.BeamIndex, kontext), neu,
                                  aufruf.Aus, io);
}

} // namespace qv::cli
