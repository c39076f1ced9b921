#pragma once

#include "export/ExportQuelle.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace qv {

class Clock;
class FileChooser;
class IniFile;
class Messages;

/// What the block-file command talks to and reads besides the order.
struct BlockExportUmgebung
{
    Messages &meldungen;
    FileChooser &dateiWahl;
    /// The user settings: Init/BPRPath (folder of the last block file saved through the
    /// dialog) and Init/ArchivBasis (the maker's archive of customer folders).
    IniFile &einstellungen;
    const Clock &uhr;
    /// The customer database lookup: short designation of the customer with this postcode,
    /// or its not-found text.
    std::function<QString(const QString &plz)> kundeZurPLZ;
};

/// The order the block-file command exports.
struct BlockExportAuftrag
{
    ExportQuelle quelle;
    /// Postcode of the current department's delivery address.
    QString plz;
    /// The order time; the save dialog proposes its time stamp as the file name.
    QDateTime auftragsZeit;
    /// The order file opened last; marked as exported after a successful export.
    QString auftragsdatei;
};

struct BlockExportAusgang
{
    /// The block file written, empty when none was.
    QString gespeichertNach;
    /// The order file's name afterwards (with "_b_" once marked).
    QString auftragsdatei;
};

/// "Als BPRFormat speichern...": files the block file in the customer's archive folder when
/// the customer is recognised and the person agrees, otherwise through the save dialog, and
/// marks the order file as exported. The maker's mode is the caller's business.
BlockExportAusgang BlockExportBefehl(const BlockExportAuftrag &auftrag, BlockExportUmgebung &umgebung);

/// "Als LAP-Datei speichern...": the laser-cutter file through the save dialog (Init/LAPPath).
/// Returns the file written, empty when none was.
QString LAPExportBefehl(const ExportQuelle &quelle, Messages &meldungen, FileChooser &dateiWahl, IniFile &einstellungen);

/// Folder settings of the two commands; the default is the home folder.
QString BPRPath(const IniFile &einstellungen);
QString LAPPath(const IniFile &einstellungen);

} // namespace qv
