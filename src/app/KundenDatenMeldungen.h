#pragma once

#include <QString>

namespace qv {
class TKundenDaten;

class Messages;

/// Writes Kunde.cfg (see TKundenDaten::SpeichereDatei) and shows why when it could not be
/// written. True when the file was written.
bool KundenDatenSpeichern(const TKundenDaten &kunde, const QString &kundePfad, Messages &messages);

/// The completeness check of the customer data; shows what is missing as a warning.
bool KundenDatenPruefen(const TKundenDaten &kunde, Messages &messages);

} // namespace qv
