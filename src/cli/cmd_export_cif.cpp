#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "export/ExportBlockDatei.h"
#include "export/ExportQuelle.h"
#include "order/OrderDocument.h"

#include <QDir>
#include <QFileInfo>

namespace qv::cli {

// export-cif AUFTRAG.ORv AUS.cif [--ja]: the block file of an order.
int runExportCif(const QStringList &args, Streams &io)
{
    const char *aufruf = "Aufruf: quellvantar-cli export-cif AUFTRAG.ORv AUS.cif [--ja]\n";
    if (HilfeGewuenscht(args)) {
        io.out << aufruf;
        return 0;
    }
    const QString ja = QStringLiteral("--ja");
    QStringList dateien, optionen;
    if (!TrenneArgumente(args, {ja}, dateien, optionen) || dateien.size() != 2) {
        io.err << aufruf;
        return 2;
    }
    if (AusgabeIstEingabe(dateien[1], {dateien[0]}, io))
        return 1;
    const std::unique_ptr<OrderDocument> auftrag = LadeAuftrag(dateien[0], io);
    if (!auftrag)
        return 1;
    // The first line names the file as written, without resolving symbolic links.
    const QString ziel = QDir::cleanPath(QFileInfo(dateien[1]).absoluteFilePath());
    const BlockDateiErgebnis e = ExportBlockDatei(ExportQuelleAusAuftrag(auftrag->Auftrag), ziel, optionen.contains(ja));
    switch (e.status) {
    case BlockDateiErgebnis::Status::Fertig:
        return 0;
    case BlockDateiErgebnis::Status::AbstandNull:
        io.err << kAbstandNullHinweis << '\n'
               << kAbstandNullFrage << '\n'
               << "Ohne --ja wird nichts geschrieben; mit --ja gilt die Frage als mit Ja beantwortet.\n";
        return 1;
    case BlockDateiErgebnis::Status::Fehler:
        break;
    }
    io.err << "BPR-Datei speichern nach " << QDir::toNativeSeparators(ziel) << " ist fehlgeschlagen\n" << e.meldung << '\n';
    return 1;
}

} // namespace qv::cli
