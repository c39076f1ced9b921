#pragma once

#include "order/OrderFile.h"

#include <QString>

namespace qv {

class Messages;
class TAuftrag;

/// Saves the order to fileName: asks before replacing an existing file, writes the new file
/// beside it and replaces the old one only when the new one is complete. Shows "Daten wurden
/// nicht gespeichert" when declined or failed. True when the file was written. The template's
/// JPEG stays with the order, so a further save does not encode the picture again.
bool AuftragSpeichern(const QString &fileName, TAuftrag &auftrag, Messages &messages);

/// Opens fileName into the order: a missing file shows "Datei … nicht gefunden." and changes
/// nothing. The read starts from a copy of the order, shows what it had to say and replaces
/// the order only when it succeeded; other failures are returned for the caller to report.
OrderLoadResult AuftragLaden(const QString &fileName, TAuftrag &auftrag, Messages &messages);

} // namespace qv
