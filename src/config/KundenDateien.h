#pragma once

#include <QString>

namespace qv {

class ProgramFolders;

/// Where the customer files of an installation lie.
struct KundenDateien
{
    QString kunde;       // Kunde.cfg: current binary format
    QString kundenDaten; // KundenDaten.cfg: old INI format, only read
    QString demoKunde;   // DemoKunde.cfg: shipped demo customer

    static KundenDateien imOrdner(const QString &programmOrdner);
    /// The person's files where the program keeps them, the demonstration customer as shipped.
    static KundenDateien von(const qv::ProgramFolders &ordner);
};

} // namespace qv
