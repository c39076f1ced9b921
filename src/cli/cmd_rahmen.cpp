#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/IniFile.h"
#include "config/TKonfiguration.h"
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
    const QString hersteller = Hersteller(auftrag.Kundendaten);
    const TRahmenListe liste = RahmenListeFuellen(konfig, hersteller);
    QJsonArray rahmen;
    int bestFit = -1;
    for (qsizetype i = 0; i < liste.Rahmen.size(); ++i) {
        const QPoint g = liste.BlendenGroessen[i];
        const bool passt = RahmenPasst(auftrag, g);
        if (passt && bestFit < 0)
            bestFit = int(i);
        rahmen.append(QJsonObject{{QStringLiteral("Name"), liste.Rahmen[i]},
                                  {QStringLiteral("Groesse"), QJsonArray{g.x(), g.y()}},
                                  {QStringLiteral("Passt"), passt}});
    }
    int gewaehlt = -1;
    if (!liste.Rahmen.isEmpty())
        gewaehlt = std::max(0, ListenIndex(liste.Rahmen, auftrag.Auftragsdaten.TragplatteRahmen));

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
