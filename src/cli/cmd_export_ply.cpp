#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "export/ExportLAPDatei.h"
#include "export/ExportQuelle.h"
#include "order/OrderDocument.h"

#include <QDir>

namespace qv::cli {

// export-ply AUFTRAG.ORv AUS.ply: the laser-cutter layer file of an order.
int runExportPly(const QStringList &args, Streams &io)
{
    const char *aufruf = "Aufruf: quellvantar-cli export-ply AUFTRAG.ORv AUS.ply\n";
    if (HilfeGewuenscht(args)) {
        io.out << aufruf;
        return 0;
    }
    QStringList dateien, optionen;
    if (!TrenneArgumente(args, {}, dateien, optionen) || dateien.size() != 2) {
        io.err << aufruf;
        return 2;
    }
    if (AusgabeIstEingabe(dateien[1], {dateien[0]}, io))
        return 1;
    const std::unique_ptr<OrderDocument> auftrag = LadeAuftrag(dateien[0], io);
    if (!auftrag)
        return 1;
    if (const Result<void> r = ExportLAPDatei(ExportQuelleAusAuftrag(auftrag->Auftrag), dateien[1]); !r) {
        io.err << "LAP-Datei Speichern nach " << QDir::toNativeSeparators(dateien[1]) << " ist fehlgeschlagen\n"
               << r.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
