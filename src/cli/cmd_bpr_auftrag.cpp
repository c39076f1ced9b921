#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"
#include "cli/CliImportAuftrag.h"
#include "cli/CliPlanDateien.h"

#include "base/Numbers.h"
#include "planimport/BPRDatei.h"
#include "planimport/BPRKatalog.h"
#include "planimport/BPRUebernahme.h"
#include "planimport/TBPRDM.h"
#include "planimport/TBPRKonfig.h"


namespace qv::cli {

namespace {
const char *const kAufruf = "Aufruf: quellvantar-cli bpr-auftrag DATEI POSITION AUS.ORv [--bpr-konfig N] "
                            "[--art photonen|elektronen] [--kunde Kunde.cfg]\n";
} // namespace

// bpr-auftrag DATEI POSITION AUS.ORv: the order the planning-system import makes of the beam
// at a position of the file.
int runBprAuftrag(const QStringList &args, Streams &io)
{
    ImportAufruf aufruf;
    if (!ImportAufrufLesen(args, true, aufruf)) {
        io.err << kAufruf;
        return 2;
    }
    const std::optional<qint64> position = parseInteger(aufruf.Nummer);
    if (!position) {
        io.err << kAufruf;
        return 2;
    }
    if (AusgabeIstEingabe(aufruf.Aus, {aufruf.Datei, aufruf.Kunde}, io))
        return 1;
    const ProgramFolders ordner = programFolders();
    std::optional<TBPRKonfig> konfig;
    if (aufruf.BPRKonfig && !BPRKonfigLaden(ordner.personal(QStringLiteral("BPRKonfig.cfg")), *aufruf.BPRKonfig, konfig, io))
        return 1;

    NeuerImportAuftrag neu;
    if (!NeuenImportAuftragAnlegen(aufruf, neu, io))
        return 1;

    TBPRDM dm;
    const std::optional<BPRDateiInhalt> inhalt = BPRDateiLesen(aufruf.Datei, ordner, dm, io);
    if (!inhalt)
        return 1;
    const int anzahl = BPRBeamAnzahl(*inhalt);
    if (*position < 1 || *position > anzahl) {
        io.err << "Die Datei enthält keinen Beam an Position " << *position << " (Bereich: 1.." << anzahl << ").\n";
        return 1;
    }
    // The FBA of the customer's current accelerator stands in for files that do not give one.
    double defaultFBA = 0;
    if (const TBeschl *b = neu.Auftrag.Kundendaten.AktuellerBeschl())
        defaultFBA = parseDecimal(b->FBA).value_or(0);
    const BPRBeam beam = BPRBeamLesen(*inhalt, int(*position), defaultFBA, konfig ? &*konfig : nullptr);

    const ImportKontext kontext{neu.Konfiguration, neu.Einstellungen, true, neu.Auftrag.Auftragszeitpunkt};
    return ImportAuftragSchreiben(BPRBeamUebernehmen(neu.Auftrag, beam, kontext), neu, aufruf.Aus, io);
}

} // namespace qv::cli
