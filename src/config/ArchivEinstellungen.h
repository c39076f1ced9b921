#pragma once

#include <QString>

namespace qv {

class IniFile;

/// Folders of the maker's site, kept in section Init of the user settings file.
/// ArchivBasis: base folder of the per-customer archives of exported orders.
/// KundenDatenbank: the maker's customer database (SQLite), by default TesBS.sqlite in ArchivBasis.
QString archivBasis(const IniFile &einstellungen);
QString kundenDatenbankPfad(const IniFile &einstellungen);

} // namespace qv
