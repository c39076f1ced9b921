#pragma once

#include "cli/CliCommand.h"
#include "config/TKonfiguration.h"
#include "order/TAuftrag.h"
#include "order/TAuftragsdatenFelder.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qv {
struct ImportErgebnis;
struct TBPRKonfig;
} // namespace qv

namespace qv::cli {

/// The arguments shared by the commands that turn one beam of a plan into an order file:
/// DATEI NUMMER AUS.ORv [--art photonen|elektronen] [--kunde Kunde.cfg], and for the
/// planning-system files also [--bpr-konfig N].
struct ImportAufruf
{
    QString Datei;
    QString Nummer;
    QString Aus;
    bool Elektronen = false;
    QString Kunde;
    std::optional<int> BPRKonfig;
};

/// Splits the arguments; options may stand anywhere. False for wrong arguments (exit 2).
bool ImportAufrufLesen(const QStringList &args, bool mitBPRKonfig, ImportAufruf &aufruf);

/// A new order as the import modes start it: the ruler image at 3 pixels per millimetre with
/// the isocentre in the middle, FFA 100 cm, the customer data of `--kunde` (or the program
/// folder's), the order kind, the insertion direction of the settings and the clock's time.
struct NeuerImportAuftrag
{
    TAuftrag Auftrag;
    TKonfiguration Konfiguration;
    TAuftragsdatenEinstellungen Einstellungen;
};
/// False after a message on io.err (exit 1).
bool NeuenImportAuftragAnlegen(const ImportAufruf &aufruf, NeuerImportAuftrag &neu, Streams &io);

/// Writes the imported order (notices and the frame question, answered No, on io.err).
/// Returns the exit code.
int ImportAuftragSchreiben(const ImportErgebnis &ergebnis, const NeuerImportAuftrag &neu, const QString &aus, Streams &io);

/// Record `nummer` of the accelerator configurations in bprKonfigPfad (the first-start
/// defaults when there is no such file). False after a message on io.err: the file cannot be read or the record is "none".
bool BPRKonfigLaden(const QString &bprKonfigPfad, int nummer, std::optional<TBPRKonfig> &konfig, Streams &io);

} // namespace qv::cli
