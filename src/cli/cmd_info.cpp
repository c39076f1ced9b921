#include "cli/CliCommand.h"

#include "base/Messages.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/OrderJson.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLoggingCategory>

namespace qv::cli {

namespace {

// No one to ask on the command line: questions are declined.
class LogOnlyMessages final : public Messages
{
protected:
    Answer present(Kind, const QString &, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

} // namespace

// info DATEI.ORv: the whole order as one JSON object.
int runInfo(const QStringList &args, Streams &io)
{
    if (args.size() != 1) {
        io.err << "Aufruf: quellvantar-cli info DATEI.ORv\n";
        return 2;
    }
    const QString pfad = args.first();
    // Standard error carries only the verdict on the file, not the texts a window would show.
    QLoggingCategory::setFilterRules(QStringLiteral("quellvantar.meldung=false"));
    LogOnlyMessages messages;
    OrderDocument doc;
    const OrderLoadResult result = AuftragLaden(pfad, doc, messages);
    if (result.status != OrderLoadResult::Geladen) {
        QString grund = result.grund;
        if (result.status == OrderLoadResult::NichtGefunden)
            grund = QFileInfo(pfad).isDir() ? QStringLiteral("Der Pfad ist ein Ordner, keine Datei.")
                                            : QStringLiteral("Die Datei existiert nicht.");
        io.err << "Die Datei " << QDir::toNativeSeparators(pfad) << " konnte nicht geladen werden\n" << grund << '\n';
        return 1;
    }
    io.out << QString::fromUtf8(QJsonDocument(AuftragAlsJson(doc)).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace qv::cli
