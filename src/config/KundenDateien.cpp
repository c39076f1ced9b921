#include "config/KundenDateien.h"

#include "base/ProgramFolders.h"

#include <QDir>

namespace qv {

KundenDateien KundenDateien::von(const qv::ProgramFolders &ordner)
{
    return {ordner.personal(QStringLiteral("Kunde.cfg")), ordner.personal(QStringLiteral("KundenDaten.cfg")),
            ordner.shipped(QStringLiteral("DemoKunde.cfg"))};
}

KundenDateien KundenDateien::imOrdner(const QString &programmOrdner)
{
    const QDir d(programmOrdner);
    return {d.filePath(QStringLiteral("Kunde.cfg")), d.filePath(QStringLiteral("KundenDaten.cfg")),
            d.filePath(QStringLiteral("DemoKunde.cfg"))};
}

} // namespace qv
