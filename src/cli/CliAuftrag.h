#pragma once

#include "cli/CliCommand.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace qv {
struct OrderDocument;
}

namespace qv::cli {

/// Loads an order file for a command. On failure writes "Die Datei … konnte nicht geladen werden" and the reason
/// to io.err and returns nullptr.
std::unique_ptr<OrderDocument> LadeAuftrag(const QString &pfad, Streams &io);

/// Writes "Die Datei … konnte nicht geladen werden" and the reason to io.err. The file is named
/// once: where the reason names the same file again, it says "Sie" instead.
void LadeFehlerMelden(Streams &io, const QString &pfad, QString grund);

/// Whether the output names the same file as one of the inputs (also through a hard or
/// symbolic link or ".."); then writes why nothing is written to io.err.
bool AusgabeIstEingabe(const QString &aus, const QStringList &eingaben, Streams &io);

/// Splits arguments into file arguments and the given options (which may stand anywhere).
/// False when an argument starts with "--" and is not one of the options.
bool TrenneArgumente(const QStringList &args, const QStringList &optionen, QStringList &dateien, QStringList &gesetzt);

/// Whether the arguments ask for the usage (--help or -h).
bool HilfeGewuenscht(const QStringList &args);

} // namespace qv::cli
