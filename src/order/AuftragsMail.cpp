#include "order/AuftragsMail.h"

#include <QFileInfo>

namespace qv {

QString AuftragsMailBetreff(const QString &datei)
{
    return QStringLiteral("Quellvantar-Auftrag ") + QFileInfo(datei).fileName();
}

QStringList AuftragsMailArgumente(const QString &adresse, const QString &datei)
{
    QStringList argumente{QStringLiteral("--utf8"), QStringLiteral("--subject"), AuftragsMailBetreff(datei),
                          QStringLiteral("--attach"), QFileInfo(datei).absoluteFilePath()};
    // An address is never read as one of the helper's options.
    const QString a = adresse.trimmed();
    if (!a.isEmpty() && !a.startsWith(u'-'))
        argumente << a;
    return argumente;
}

ProgrammLauf AuftragsMailVorbereiten(Desktop &desktop, const QString &adresse, const QString &datei)
{
    return desktop.programmStarten(kMailProgramm, AuftragsMailArgumente(adresse, datei));
}

} // namespace qv
