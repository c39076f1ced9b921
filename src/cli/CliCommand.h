#pragma once

#include "base/ProgramFolders.h"

#include <QStringList>
#include <QTextStream>

namespace qv::cli {

/// Output of a subcommand; tests point these at buffers.
struct Streams
{
    QTextStream &out;
    QTextStream &err;
};

/// The program's folders as the program itself finds them (shipped data, the person's files).
ProgramFolders programFolders();

/// One subcommand: its arguments (after the command name) in, exit code out.
using CommandFn = int (*)(const QStringList &args, Streams &io);

// The subcommands, one file each (cmd_<name>.cpp).
int runInfo(const QStringList &args, Streams &io);
int runAuftragSchreiben(const QStringList &args, Streams &io);
int runKunde(const QStringList &args, Streams &io);
int runMdbImport(const QStringList &args, Streams &io);
int runBildDrehen(const QStringList &args, Streams &io);
int runKundeSchreiben(const QStringList &args, Streams &io);
int runDbErzeugen(const QStringList &args, Streams &io);
int runExportCif(const QStringList &args, Streams &io);
int runExportPly(const QStringList &args, Streams &io);
int runDicom(const QStringList &args, Streams &io);
int runDrucken(const QStringList &args, Streams &io);
int runBpr(const QStringList &args, Streams &io);
int runKundePlz(const QStringList &args, Streams &io);
int runRahmen(const QStringList &args, Streams &io);
int runDicomAuftrag(const QStringList &args, Streams &io);
int runBprAuftrag(const QStringList &args, Streams &io);
int runStruktur(const QStringList &args, Streams &io);
int runStrukturAuftrag(const QStringList &args, Streams &io);
int runVorschau(const QStringList &args, Streams &io);

} // namespace qv::cli
