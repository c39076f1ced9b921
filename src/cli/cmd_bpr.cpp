#include "cli/CliCommand.h"
#include "cli/CliImportAuftrag.h"
#include "cli/CliPlanDateien.h"

#include "base/FileNames.h"
#include "base/Numbers.h"
#include "config/TKundenDaten.h"
#include "planimport/BPRDatei.h"
#include "planimport/BPRKatalog.h"
#include "planimport/TBPRDM.h"
#include "planimport/TBPRKonfig.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qv::cli {

namespace {

const char *const kAufruf = "Aufruf: quellvantar-cli bpr DATEI [--bpr-konfig N] [--kunde Kunde.cfg]\n";

QJsonValue zahl(const QString &text)
{
    const auto z = parseDecimal(text);
    return z ? QJsonValue(*z) : QJsonValue(QJsonValue::Null);
}

QJsonObject alsJson(const BPRBeam &b)
{
    QJsonObject o;
    o.insert(QStringLiteral("Position"), b.Position);
    o.insert(QStringLiteral("Nummer"), b.Nummer);
    o.insert(QStringLiteral("Gueltig"), b.Gueltig);
    o.insert(QStringLiteral("FBA"), zahl(b.FBA));
    o.insert(QStringLiteral("FIA"), zahl(b.FIA));
    o.insert(QStringLiteral("Gantrywinkel"), zahl(b.Gantry));
    o.insert(QStringLiteral("Kollimatorwinkel"), zahl(b.Kollimator));
    if (b.Blende)
        o.insert(QStringLiteral("Blende"), QJsonArray{b.Blende->Left, b.Blende->Right, b.Blende->Top, b.Blende->Bottom});
    else
        o.insert(QStringLiteral("Blende"), QJsonValue(QJsonValue::Null));
    QJsonArray konturen;
    for (const QList<QPoint> &kontur : b.Konturen) {
        QJsonArray punkte;
        for (const QPoint &p : kontur)
            punkte.append(QJsonArray{p.x(), p.y()});
        konturen.append(punkte);
    }
    o.insert(QStringLiteral("Konturen"), konturen);
    o.insert(QStringLiteral("PatientenName"), b.PatientenName);
    o.insert(QStringLiteral("PatientenID"), b.PatientenID);
    o.insert(QStringLiteral("Kommentar"), b.Kommentar);
    o.insert(QStringLiteral("Zielvolumen"), b.Zielvolumen);
    return o;
}

} // namespace

// bpr DATEI [--bpr-konfig N] [--kunde Kunde.cfg]: every beam of a planning-system file as the
// import would take it, as JSON.
int runBpr(const QStringList &args, Streams &io)
{
    QString datei;
    QString kundeDatei;
    std::optional<int> konfigNr;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--help" || a == u"-h") {
            io.out << kAufruf;
            return 0;
        }
        if (a == u"--bpr-konfig" || a == u"--kunde") {
            if (i + 1 >= args.size() || (a == u"--bpr-konfig" && konfigNr) || (a == u"--kunde" && !kundeDatei.isEmpty())) {
                io.err << kAufruf;
                return 2;
            }
            const QString wert = args[++i];
            if (a == u"--kunde") {
                kundeDatei = wert;
                if (kundeDatei.isEmpty()) {
                    io.err << kAufruf;
                    return 2;
                }
                continue;
            }
            const auto n = parseInteger(wert);
            if (!n || *n < 0 || *n >= TBPRKonfig::Anzahl) {
                io.err << "Die Nummer der BPR-Konfiguration muss zwischen 0 und 5 liegen.\n" << kAufruf;
                return 2;
            }
            konfigNr = int(*n);
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

    const ProgramFolders ordner = programFolders();

    // The FBA of the customer's current accelerator stands in for files that do not give one.
    double defaultFBA = 0;
    const QString kundePfad = kundeDatei.isEmpty() ? ordner.personal(QStringLiteral("Kunde.cfg")) : kundeDatei;
    if (!kundeDatei.isEmpty() || QFileInfo(kundePfad).isFile()) {
        TKundenDaten kunde;
        if (auto ok = kunde.LadeDatei(kundePfad); !ok) {
            io.err << "Die Kundendatei " << fileNameForDisplay(kundePfad) << " konnte nicht geladen werden: " << ok.error() << '\n';
            return 1;
        }
        if (const TBeschl *b = kunde.AktuellerBeschl())
            defaultFBA = parseDecimal(b->FBA).value_or(0);
    }

    std::optional<TBPRKonfig> konfig;
    if (konfigNr && !BPRKonfigLaden(ordner.personal(QStringLiteral("BPRKonfig.cfg")), *konfigNr, konfig, io))
        return 1;

    TBPRDM dm;
    const std::optional<BPRDateiInhalt> inhalt = BPRDateiLesen(datei, ordner, dm, io);
    if (!inhalt)
        return 1;

    QJsonArray beams;
    const int anzahl = BPRBeamAnzahl(*inhalt);
    for (int p = 1; p <= anzahl; ++p)
        beams.append(alsJson(BPRBeamLesen(*inhalt, p, defaultFBA, konfig ? &*konfig : nullptr)));
    QJsonObject format;
    format.insert(QStringLiteral("Code"), inhalt->Vorbereitung.FormatCode);
    format.insert(QStringLiteral("Name"), inhalt->FormatName);
    QJsonObject json;
    json.insert(QStringLiteral("Datei"), fileNameForDisplay(inhalt->Pfad));
    json.insert(QStringLiteral("Format"), format);
    json.insert(QStringLiteral("Beams"), beams);
    io.out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace qv::cli
