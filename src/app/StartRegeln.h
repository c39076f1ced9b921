#pragma once

#include "order/TEinschubrichtung.h"
#include "workspace/Arbeitsmodus.h"

#include <QString>

#include <optional>

namespace qv {

class IniFile;

/// The work mode of the last order from Init/ModusIndex; a value outside 0..3 (or none)
/// leaves bisher as it is.
int ModusIndexLesen(const IniFile &einstellungen, int bisher);

/// "Links", "Rechts", "Oben", "Unten", compared exactly (case-sensitive); nothing for any
/// other text.
std::optional<TEinschubrichtung> EinschubrichtungAusText(const QString &text);

/// The insertion direction offered for a new order from Init/Einschubrichtung (default
/// "Rechts"); an unknown text leaves bisher as it is.
TEinschubrichtung EinschubrichtungLesen(const IniFile &einstellungen, TEinschubrichtung bisher);

/// The message shown when the product configuration file is missing.
QString ConfigFehltMeldung(const QString &configPfad);

/// A second copy of the program was started.
inline QString LaeuftBereitsMeldung()
{
    return QStringLiteral("Quellvantar läuft bereits => nur einmal starten möglich!");
}

/// Closing the main window with unsaved changes.
inline QString BeendenMitAenderungenFrage()
{
    return QStringLiteral("Alle Änderungen gehen verloren!\rWollen Sie die Anwendung wirklich beenden?");
}

} // namespace qv
