#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/IniFile.h"
#include "config/TKonfiguration.h"
#include "export/ExportPruefung.h"
#include "export/ExportQuelle.h"
#include "order/AuftragsSitzung.h"
#include "order/Auftragsart.h"
#include "order/OrderDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qv::cli {

namespace {

const char *const kAufruf = "Aufruf: quellvantar-cli rahmen [--konfiguration CFG] AUFTRAG.ORv\n";

// A configuration file is a few kilobytes; anything near this is not one.
constexpr qint64 kMaxKonfigGroesse = 16 * 1024 * 1024;

bool konfigurationLesen(const QString &pfad, TKonfiguration &konfig, Streams &io)
{
    const Result<QByteArray> inhalt = readWholeFile(pfad, kMaxKonfigGroesse);
    if (!inhalt) {
        io.err << "Die Konfigurationsdatei " << QDir::toNativeSeparators(pfad) << " konnte nicht gelesen werden\n"
               << inhalt.error() << '\n';
        return false;
    }
    IniFile ini{QString()};
    ini.parse(*inhalt);
    konfig.Laden(ini);
    return true;
}

} // namespace

// rahmen [--konfiguration CFG] AUFTRAG.ORv: the frames of the order's accelerator and whether
// the order's aperture fits each of them.
int runRahmen(const QStringList &args, Streams &io)
{
    QString datei;
    QString konfigPfad;
    bool konfigGesetzt = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--help" || a == u"-h") {
            io.out << kAufruf;
            return 0;
        }
        if (a == u"--konfiguration") {
            if (konfigGesetzt || i + 1 >= args.size() || args[i + 1].isEmpty()) {
                io.err << kAufruf;
                return 2;
            }
            konfigPfad = args[++i];
            konfigGesetzt = true;
            continue;
        }
        if (a.startsWith(u"--") || !datei.isEmpty()) {
            io.err << kAufruf;
            return 2;
        }
        datei = a;
    }
    if (datei.isEmpty()) {
        io.err << kAufruf;
        return 2;
    }
    if (!konfigGesetzt)
        konfigPfad = programFolders().personalCopyOrShipped(QStringLiteral("QuellvantarConfig.cfg"));

    const std::unique_ptr<OrderDocument> doc = LadeAuftrag(datei, io);
    if (!doc)
        return 1;
    TKonfiguration konfig;
    if (!konfigurationLesen(konfigPfad, konfig, io))
        return 1;

    const TAuftrag &auftrag = doc->Auftrag;
    // Whether an aperture fits says nothing when its size cannot be measured.
    if (const std::optional<QString> grund = NichtMessbar(ExportQuelleAusAuftrag(auftrag))) {
        io.err << *grund << '\n';
        return 1;
    }
    const QString hersteller = Hersteller(auftrag.Kundendaten);
    // The same check the order session makes before it lets an order be saved.
    const RahmenPruefung pruefung = RahmenPruefen(auftrag, konfig);
    QJsonArray rahmen;
    for (qsizetype i = 0; i < pruefung.Liste.Rahmen.size(); ++i) {
        const QPoint g = pruefung.Liste.BlendenGroessen[i];
        rahmen.append(QJsonObject{{QStringLiteral("Name"), pruefung.Liste.Rahmen[i]},
                                  {QStringLiteral("Groesse"), QJsonArray{g.x(), g.y()}},
                                  {QStringLiteral("Passt"), bool(pruefung.Passt[i])}});
    }
    const int bestFit = pruefung.BestFit;
    const int gewaehlt = pruefung.Gewaehlt;

    QJsonObject json;
    json.insert(QStringLiteral("Auftragsart"), doc->Version >= 3 ? QJsonValue(int(auftrag.Auftragsart)) : QJsonValue());
    json.insert(QStringLiteral("Hersteller"), hersteller);
    json.insert(QStringLiteral("Rahmen"), rahmen);
    json.insert(QStringLiteral("BestFit"), bestFit);
    json.insert(QStringLiteral("Gewaehlt"), gewaehlt);
    io.out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace qv::cli
