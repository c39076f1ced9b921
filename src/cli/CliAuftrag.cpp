#include "cli/CliAuftrag.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"

#include <QDir>
#include <QFileInfo>

namespace qv::cli {

std::unique_ptr<OrderDocument> LadeAuftrag(const QString &pfad, Streams &io)
{
    auto auftrag = std::make_unique<OrderDocument>();
    const OrderLoadResult result = AuftragsdateiLesen(pfad, *auftrag);
    if (result.status == OrderLoadResult::Geladen)
        return auftrag;
    QString grund = result.grund;
    if (result.status == OrderLoadResult::NichtGefunden)
        grund = QFileInfo(pfad).isDir() ? QStringLiteral("Der Pfad ist ein Ordner, keine Datei.")
                                        : QStringLiteral("Die Datei existiert nicht.");
    LadeFehlerMelden(io, pfad, grund);
    return nullptr;
}

void LadeFehlerMelden(Streams &io, const QString &pfad, QString grund)
{
    const QString name = fileNameForDisplay(pfad);
    const QString zitiert = u'"' + name + u'"';
    // "Die Datei "x" wurde …", "Die Kundendatei "x" ist …", "Für die Datei "x" …", ""x" ist …"
    for (const QString &vorne : {QStringLiteral("Die Datei "), QStringLiteral("Die Kundendatei "), QStringLiteral("Die PDF-Datei ")})
        grund.replace(vorne + zitiert, QStringLiteral("Sie"));
    for (const QString &mitten : {QStringLiteral("die Datei "), QStringLiteral("die Kundendatei ")})
        grund.replace(mitten + zitiert, QStringLiteral("sie"));
    if (grund.startsWith(zitiert + u' '))
        grund = QStringLiteral("Sie") + grund.mid(zitiert.size());
    io.err << "Die Datei " << name << " konnte nicht geladen werden\n" << grund << '\n';
}

bool AusgabeIstEingabe(const QString &aus, const QStringList &eingaben, Streams &io)
{
    for (const QString &ein : eingaben) {
        if (sameFile(aus, ein)) {
            io.err << "Die Ausgabedatei " << fileNameForDisplay(aus) << " ist die Eingabedatei " << fileNameForDisplay(ein)
                   << "; sie wird nicht überschrieben.\n";
            return true;
        }
    }
    return false;
}

bool TrenneArgumente(const QStringList &args, const QStringList &optionen, QStringList &dateien, QStringList &gesetzt)
{
    for (const QString &a : args) {
        if (optionen.contains(a)) {
            if (!gesetzt.contains(a))
                gesetzt.append(a);
        } else if (a.startsWith(QStringLiteral("--"))) {
            return false;
        } else {
            dateien.append(a);
        }
    }
    return true;
}

bool HilfeGewuenscht(const QStringList &args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace qv::cli
