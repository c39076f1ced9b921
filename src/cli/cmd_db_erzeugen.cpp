#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "config/Datenbank.h"

namespace qv::cli {

// db-erzeugen [--ersetzen] SCHEMA.sql [ZEILEN.sql ...] AUS.sqlite: a database file from its
// schema text and the texts of its rows, in this order (used by the build). An existing
// AUS.sqlite may hold rows someone entered: it is only replaced when --ersetzen says so.
int runDbErzeugen(const QStringList &argumente, Streams &io)
{
    QStringList args = argumente;
    const bool ersetzen = args.removeAll(QStringLiteral("--ersetzen")) > 0;
    bool unbekannteOption = false;
    for (const QString &a : args)
        unbekannteOption = unbekannteOption || a.startsWith(u'-');
    if (args.size() < 2 || unbekannteOption) {
        io.err << "Aufruf: quellvantar-cli db-erzeugen [--ersetzen] SCHEMA.sql [ZEILEN.sql ...] AUS.sqlite\n";
        return 2;
    }
    if (!ersetzen && pathKind(args.last()) != PathKind::Missing) {
        io.err << "Die Datei \"" << fileNameForDisplay(args.last())
               << "\" ist bereits vorhanden und bleibt unverändert (ersetzen mit --ersetzen).\n";
        return 1;
    }
    QString sql;
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        auto text = readWholeFile(args[i], 16 * 1024 * 1024);
        if (!text) {
            io.err << text.error() << '\n';
            return 1;
        }
        sql += QString::fromUtf8(*text) + u'\n';
    }
    if (auto ok = Datenbank::erzeugen(args.last(), sql); !ok) {
        io.err << ok.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
