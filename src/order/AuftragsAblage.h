#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

namespace qv {

class IniFile;

// Where order files go and come from: names built from the order time, the dated archive
// and the folders the save and open dialogs start in. Paths use "/" throughout.

/// The file extension of order files as written when a name lacks it.
inline constexpr char16_t kAuftragsEndung[] = u".ORv";

/// The save dialog's proposal from the order time: "YYYYMMDD_hhmmss".
QString VorgeschlagenerName(const QDateTime &auftragszeit);

/// The chosen name with ".ORv" appended unless its last four characters already are the
/// extension in any letter case (a name ending in ".txt" becomes "….txt.ORv").
QString MitAuftragsEndung(const QString &name);

/// Whether a path names an order file by its extension (any letter case).
bool IstAuftragsdateiName(const QString &pfad);

/// The archive base: the setting up to and including its last "/"; what follows is dropped
/// (a folder named without its trailing "/" files into its parent). A value without any "/"
/// is used as it is.
QString ArchivBasisAus(const QString &savePath);

/// The archive copy: base + "YYYY/MM/DD/hhmmss.ORv" from the order time.
QString ArchivPfad(const QString &archivBasis, const QDateTime &auftragszeit);

/// The folder settings of the save and open dialogs (section Init), by default the home
/// folder. (The archive setting SavePath belongs to the customer data.)
QString SavePathIndividuell(const IniFile &einstellungen);
QString OpenPath(const IniFile &einstellungen);
void SavePathIndividuellSetzen(IniFile &einstellungen, const QString &ordner);
void OpenPathSetzen(IniFile &einstellungen, const QString &ordner);
/// The last choice in the order-finished dialog (0 end, 1 new order, 2 back); default 2.
int AuftragEnde(const IniFile &einstellungen);
void AuftragEndeSetzen(IniFile &einstellungen, int wahl);

/// The folder the open dialog starts in. Customer mode: OpenPath. The maker's mode: the
/// archive's "Offline/YYYY/MM/DD/" of today, or its "Offline/" when that dated folder
/// does not exist.
QString OeffnenStartOrdner(bool kundenModus, const IniFile &einstellungen, const QDate &heute,
                           const std::function<bool(const QString &)> &ordnerExistiert);

/// Creates every folder of the path before its last "/" (the file name after it is never
/// made a folder). False when a folder could not be created.
bool OrdnerAnlegen(const QString &pfad);

} // namespace qv
