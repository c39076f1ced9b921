#include "config/ArchivEinstellungen.h"

#include "base/IniFile.h"

#include <QDir>

namespace qv {

QString archivBasis(const IniFile &einstellungen)
{
    QString basis = einstellungen.readString(QStringLiteral("Init"), QStringLiteral("ArchivBasis"),
                                             QDir::home().filePath(QStringLiteral("Quellvantar/Kunden")));
    if (!basis.isEmpty() && !basis.endsWith(u'/'))
        basis += u'/';
    return basis;
}

QString kundenDatenbankPfad(const IniFile &einstellungen)
{
    return einstellungen.readString(QStringLiteral("Init"), QStringLiteral("KundenDatenbank"),
                                    archivBasis(einstellungen) + QStringLiteral("TesBS.sqlite"));
}

} // namespace qv
