#include "cli/CliCommand.h"

#include "base/FileNames.h"
#include "cli/CliAuftrag.h"
#include "config/KundenDatenJson.h"
#include "config/TKundenDaten.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>

namespace qv::cli {

// kunde [DATEI]: the customer data of Kunde.cfg beside the program (or of DATEI) as JSON.
int runKunde(const QStringList &args, Streams &io)
{
    if (args.size() > 1) {
        io.err << "Aufruf: quellvantar-cli kunde [DATEI]\n";
        return 2;
    }
    const QString pfad = args.isEmpty() ? programFolders().personal(QStringLiteral("Kunde.cfg"))
                                        : args.first();
    TKundenDaten kunde;
    auto ok = kunde.LadeDatei(pfad);
    if (!ok) {
        LadeFehlerMelden(io, pfad, ok.error());
        return 1;
    }
    io.out << QString::fromUtf8(QJsonDocument(KundenDatenAlsJson(kunde)).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace qv::cli
