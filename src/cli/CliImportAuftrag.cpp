#include "cli/CliImportAuftrag.h"

#include "app/StartRegeln.h"
#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "base/Numbers.h"
#include "base/UtilsUnit.h"
#include "config/TKundenDaten.h"
#include "order/Auftragsart.h"
#include "order/AuftragsSitzung.h"
#include "order/ImportUebernahme.h"
#include "order/OrderFile.h"
#include "planimport/TBPRKonfig.h"
#include "workspace/LinealBild.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv::cli {

namespace {

// A configuration file is a few kilobytes; anything near this is not one.
constexpr qint64 kMaxKonfigGroesse = 16 * 1024 * 1024;

QString mehrzeilig(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace

bool ImportAufrufLesen(const QStringList &args, bool mitBPRKonfig, ImportAufruf &aufruf)
{
    QStringList dateien;
    bool artGesetzt = false;
    bool kundeGesetzt = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool mitWert = a == u"--art" || a == u"--kunde" || (mitBPRKonfig && a == u"--bpr-konfig");
        if (mitWert) {
            if (i + 1 >= args.size())
                return false;
            const QString wert = args[++i];
            if (a == u"--art") {
                if (artGesetzt || (wert != u"photonen" && wert != u"elektronen"))
                    return false;
                artGesetzt = true;
                aufruf.Elektronen = wert == u"elektronen";
            } else if (a == u"--kunde") {
                if (kundeGesetzt || wert.isEmpty())
                    return false;
                kundeGesetzt = true;
                aufruf.Kunde = wert;
            } else {
                const std::optional<qint64> n = parseInteger(wert);
                if (aufruf.BPRKonfig || !n || *n < 0 || *n > 5)
                    return false;
                aufruf.BPRKonfig = int(*n);
            }
            continue;
        }
        if (a.startsWith(u"--"))
            return false;
        dateien << a;
    }
    if (dateien.size() != 3 || dateien[0].isEmpty() || dateien[2].isEmpty())
        return false;
    aufruf.Datei = dateien[0];
    aufruf.Nummer = dateien[1];
    aufruf.Aus = dateien[2];
    return true;
}

bool NeuenImportAuftragAnlegen(const ImportAufruf &aufruf, NeuerImportAuftrag &neu, Streams &io)
{
    const ProgramFolders ordner = programFolders();

    const QString konfigPfad = ordner.personalCopyOrShipped(QStringLiteral("QuellvantarConfig.cfg"));
    const Result<QByteArray> konfigText = readWholeFile(konfigPfad, kMaxKonfigGroesse);
    if (!konfigText) {
        io.err << "Die Konfigurationsdatei " << QDir::toNativeSeparators(konfigPfad) << " konnte nicht gelesen werden\n"
               << konfigText.error() << '\n';
        return false;
    }
    IniFile konfigIni{QString()};
    konfigIni.parse(*konfigText);
    neu.Konfiguration.Laden(konfigIni);

    TAuftrag &a = neu.Auftrag;
    if (!aufruf.Kunde.isEmpty()) {
        if (const Result<void> ok = a.Kundendaten.LadeDatei(aufruf.Kunde); !ok) {
            io.err << "Die Kundendatei " << fileNameForDisplay(aufruf.Kunde) << " konnte nicht geladen werden: " << ok.error()
                   << '\n';
            return false;
        }
    } else if (const Result<void> ok = a.Kundendaten.Laden(KundenDateien::von(ordner)); !ok) {
        io.err << ok.error() << '\n';
        return false;
    }
    // The import modes work in the isocentre plane.
    a.Kundendaten.FFA = 100.0;

    const IniFile einstellungen(ordner.personal(QStringLiteral("QuellvantarIni.ini")));
    neu.Einstellungen.Tragplatte = einstellungen.readString(QStringLiteral("Beschleuniger"), QStringLiteral("Tragplatte"));
    neu.Einstellungen.Elektronenblende =
        einstellungen.readString(QStringLiteral("Beschleuniger"), QStringLiteral("Elektronenblende"));
    neu.Einstellungen.AktHerkunft =
        einstellungen.readString(QStringLiteral("Beschleuniger"), QStringLiteral("AktHerkunft"), neu.Einstellungen.AktHerkunft);

    // The ruler: 40 x 40 cm at 3 pixels per millimetre, the isocentre in its middle.
    LinealSetzen(a);
    a.IsozentrumGesetzt = true;
    a.Auftragsart = aufruf.Elektronen ? TAuftragsart::Elektronen : TAuftragsart::Photonen;
    a.Einschubrichtung = EinschubrichtungLesen(einstellungen, TEinschubrichtung::Rechts);
    a.EinschubGesetzt = true;
    a.Auftragszeitpunkt = QDateTime::currentDateTime();
    return true;
}

int ImportAuftragSchreiben(const ImportErgebnis &ergebnis, const NeuerImportAuftrag &neu, const QString &aus, Streams &io)
{
    if (!ergebnis.Uebernommen) {
        io.err << mehrzeilig(ergebnis.Fehler) << '\n';
        return 1;
    }
    for (const QString &hinweis : ergebnis.Hinweise)
        io.err << mehrzeilig(hinweis) << '\n';
    const TAuftrag &a = ergebnis.Auftrag;
    // The frame check of an electron order asks whether to choose the next frame that fits;
    // a script answers No and keeps the chosen frame.
    if (istElektronenAuftrag(a.Auftragsart)
        && !RahmenPasst(a, BlendenGroesseVon(neu.Konfiguration, ergebnis.Felder.TragplatteRahmen)))
        io.err << mehrzeilig(RahmenPasstNichtFrage()) << "\nNein\n";

    const Result<QByteArray> datei = encodeOrderFile(a, VersionsText());
    if (!datei) {
        io.err << datei.error() << '\n';
        return 1;
    }
    if (const Result<void> r = writeFileAtomically(aus, *datei); !r) {
        io.err << r.error() << '\n';
        return 1;
    }
    return 0;
}

bool BPRKonfigLaden(const QString &pfad, int nummer, std::optional<TBPRKonfig> &konfig, Streams &io)
{
    TBPRKonfigurationen alle = BPRKonfigStandard(); // what a first start would create
    if (QFileInfo::exists(pfad)) {
        auto gelesen = BPRKonfigLesen(pfad);
        if (!gelesen) {
            io.err << gelesen.error() << '\n';
            return false;
        }
        alle = *gelesen;
    }
    if (nummer < 0 || nummer >= TBPRKonfig::Anzahl || alle[size_t(nummer)].Unbenutzt()) {
        io.err << "Die BPR-Konfiguration " << nummer << " ist nicht belegt (\"none\").\n";
        return false;
    }
    if (const Result<void> ok = BPRKonfigPruefen(alle[size_t(nummer)]); !ok) {
        io.err << ok.error() << '\n';
        return false;
    }
    konfig = alle[size_t(nummer)];
    return true;
}

} // namespace qv::cli
