#pragma once

#include "workspace/Arbeitsmodus.h"

#include <QString>

namespace qv {

class IniFile;

/// Insertion direction codes of the tray or frame.
enum EinschubrichtungCode : int {
    EinschubLinks = 1,
    EinschubRechts = 2,
    EinschubOben = 3,
    EinschubUnten = 4,
};

/// The work mode of the last order from Init/ModusIndex; a value outside 0..3 (or none)
/// leaves bisher as it is.
int ModusIndexLesen(const IniFile &einstellungen, int bisher);

/// "Links" 1, "Rechts" 2, "Oben" 3, "Unten" 4, compared exactly (case-sensitive);
/// any other text gives 0.
int EinschubrichtungAusText(const QString &text);

/// The insertion direction offered for a new order from Init/Einschubrichtung (default
/// "Rechts"); an unknown text leaves bisher as it is.
int EinschubrichtungLesen(const IniFile &einstellungen, int bisher);

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
