#include "cli/CliCommand.h"

#include "base/FileNames.h"
#include "cli/CliAuftrag.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/OrderJson.h"

#include <QJsonDocument>

namespace qv::cli {

// info DATEI.ORv: the whole order as one JSON object.
int runInfo(const QStringList &args, Streams &io)
{
    if (args.size() != 1) {
        io.err << "Aufruf: quellvantar-cli info DATEI.ORv\n";
        return 2;
    }
    const QString pfad = args.first();
    OrderDocument doc;
    const OrderLoadResult result = AuftragsdateiLesen(pfad, doc);
    if (result.status != OrderLoadResult::Geladen) {
        QString grund = result.grund;
        if (result.status == OrderLoadResult::NichtGefunden)
            grund = QStringLiteral("Die Datei existiert nicht.");
        LadeFehlerMelden(io, pfad, grund);
        return 1;
    }
    io.out << QString::fromUtf8(QJsonDocument(AuftragAlsJson(doc)).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace qv::cli
