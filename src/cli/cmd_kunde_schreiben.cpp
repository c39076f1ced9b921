#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/ByteWriter.h"
#include "base/FileNames.h"
#include "base/Zlib.h"
#include "config/KundenDatenJson.h"
#include "config/TKundenDaten.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace qv::cli {

// kunde-schreiben EIN.json AUS.cfg: a customer file from the JSON form that "kunde" prints
// (the build makes the shipped demo customer this way).
int runKundeSchreiben(const QStringList &args, Streams &io)
{
    if (args.size() != 2) {
        io.err << "Aufruf: quellvantar-cli kunde-schreiben EIN.json AUS.cfg\n";
        return 2;
    }
    auto text = readWholeFile(args[0], 16 * 1024 * 1024);
    if (!text) {
        io.err << text.error() << '\n';
        return 1;
    }
    QJsonParseError fehler;
    const QJsonDocument doc = QJsonDocument::fromJson(*text, &fehler);
    if (!doc.isObject()) {
        io.err << "Die Datei \"" << fileNameForDisplay(args[0]) << "\" ist kein JSON-Objekt"
               << (fehler.error == QJsonParseError::NoError ? QString() : QStringLiteral(" (Fehler an Stelle %1)").arg(fehler.offset))
               << ".\n";
        return 1;
    }
    auto kunde = KundenDatenAusJson(doc.object(), KundenJsonPruefung::WasDasProgrammAnnimmt);
    if (!kunde) {
        io.err << kunde.error() << '\n';
        return 1;
    }
    ByteWriter w;
    kunde->Speichern(w);
    const QByteArray datei = deflateZlib(w.data(), 1);
    if (datei.isEmpty()) {
        io.err << "Die Kundendaten konnten nicht komprimiert werden.\n";
        return 1;
    }
    if (auto ok = writeFileAtomically(args[1], datei); !ok) {
        io.err << ok.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
