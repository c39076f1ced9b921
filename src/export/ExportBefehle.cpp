#include "export/ExportBefehle.h"

#include "base/Clock.h"
#include "base/FileChooser.h"
#include "base/IniFile.h"
#include "base/Logging.h"
#include "base/Messages.h"
#include "base/UtilsUnit.h"
#include "config/ArchivEinstellungen.h"
#include "export/BlockExportZiel.h"
#include "export/ExportBlockDatei.h"
#include "export/ExportLAPDatei.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {

const QString kInit = QStringLiteral("Init");

QString ordnerEinstellung(const IniFile &einstellungen, const QString &schluessel)
{
    const QString ordner = einstellungen.readString(kInit, schluessel);
    return ordner.isEmpty() ? QDir::homePath() : ordner;
}

// The name with the extension appended unless its last four characters already are it.
QString mitEndung(const QString &name, const QString &endung)
{
    return name.right(4).toUpper() == endung.toUpper() ? name : name + endung.toLower();
}

void meldeMarkierung(const Result<QString> &markiert)
{
    // Not marking is no reason to bother the person: the export itself succeeded.
    if (!markiert)
        qCWarning(lcDatei) << markiert.error();
}

} // namespace

QString BPRPath(const IniFile &einstellungen)
{
    return ordnerEinstellung(einstellungen, QStringLiteral("BPRPath"));
}

QString LAPPath(const IniFile &einstellungen)
{
    return ordnerEinstellung(einstellungen, QStringLiteral("LAPPath"));
}

BlockExportAusgang BlockExportBefehl(const BlockExportAuftrag &auftrag, BlockExportUmgebung &u)
{
    BlockExportAusgang ausgang{{}, auftrag.auftragsdatei};

    // What the order itself rules out, or the question about a distance of 0, comes first and
    // once, whichever way the file is saved afterwards.
    bool abstandNullAuf95 = false;
    const BlockDateiErgebnis probe = BlockDateiInhalt(auftrag.quelle, QString(), false);
    if (probe.status == BlockDateiErgebnis::Status::Fehler) {
        u.meldungen.error(probe.meldung);
        return ausgang;
    }
    if (probe.status == BlockDateiErgebnis::Status::AbstandNull) {
        if (u.meldungen.show(Messages::Kind::Information, kAbstandNullHinweis + u'\r' + kAbstandNullFrage,
                             Messages::Buttons::YesNo) != Messages::Answer::Yes)
            return ausgang;
        abstandNullAuf95 = true;
    }

    auto fehlgeschlagen = [&](const QString &ziel) {
        u.meldungen.warning(QStringLiteral("BPR-Datei speichern nach ") + QDir::toNativeSeparators(ziel) +
                            QStringLiteral(" ist fehlgeschlagen"));
    };
    auto exportieren = [&](const QString &ziel) {
        // The first line names the file with its full path.
        const BlockDateiErgebnis e =
            ExportBlockDatei(auftrag.quelle, QDir::cleanPath(QFileInfo(ziel).absoluteFilePath()), abstandNullAuf95);
        if (!e.fertig()) {
            qCWarning(lcDatei) << e.meldung;
            fehlgeschlagen(ziel);
            return false;
        }
        u.meldungen.information(QStringLiteral("BPR-Datei gespeichert nach ") + QDir::toNativeSeparators(ziel));
        const Result<QString> markiert = AlsExportiertMarkieren(auftrag.auftragsdatei);
        meldeMarkierung(markiert);
        if (markiert)
            ausgang.auftragsdatei = *markiert;
        ausgang.gespeichertNach = ziel;
        return true;
    };

    // Straight into the customer's archive folder when the customer is recognised.
    const QString kbez = u.kundeZurPLZ(auftrag.plz);
    if (!KundeErkannt(kbez)) {
        u.meldungen.information(kbez + QStringLiteral("\r\nBitte speichern Sie die Datei manuell."));
    } else if (!IstSichererNamensteil(kbez)) {
        u.meldungen.information(QStringLiteral("Aus dem Kundenkürzel \"%1\" lässt sich kein Ordner im Archiv bilden.").arg(kbez) +
                                QStringLiteral("\r\nBitte speichern Sie die Datei manuell."));
    } else if (const std::optional<QString> ziel =
                   AutomatischesBlockZiel(archivBasis(u.einstellungen), kbez, auftrag.quelle.PatientenID, u.uhr.now().date(),
                                          [](const QString &p) { return QFileInfo::exists(p); });
               !ziel) {
        u.meldungen.information(QStringLiteral("Aus der Patienten ID \"%1\" lässt sich kein Dateiname im Archiv bilden.")
                                    .arg(auftrag.quelle.PatientenID) +
                                QStringLiteral("\r\nBitte speichern Sie die Datei manuell."));
    } else {
        const QString frage = QStringLiteral("Es wurde der Kunde ---") + kbez + QStringLiteral("--- erkannt!\r\n") +
                              QStringLiteral("Sollen die Daten direkt als \r\n") + QDir::toNativeSeparators(*ziel) +
                              QStringLiteral("\r\ngespeichert werden?");
        if (u.meldungen.question(frage) == Messages::Answer::Yes) {
            if (!QDir().mkpath(QFileInfo(*ziel).absolutePath()))
                fehlgeschlagen(*ziel);
            else if (exportieren(*ziel))
                return ausgang;
        }
    }

    // The save dialog.
    const QString vorschlag = QDir(BPRPath(u.einstellungen)).filePath(ZeitStempel(auftrag.auftragsZeit) + QStringLiteral(".cif"));
    QString name = u.dateiWahl.saveFile(QStringLiteral("BPR-Datei speichern"), vorschlag, QStringLiteral("BPR(Multidata) (*.cif)"));
    if (name.isEmpty())
        return ausgang;
    u.einstellungen.writeString(kInit, QStringLiteral("BPRPath"), QFileInfo(name).absolutePath());
    name = mitEndung(name, QStringLiteral(".cif"));
    exportieren(name);
    return ausgang;
}

QString LAPExportBefehl(const ExportQuelle &quelle, Messages &meldungen, FileChooser &dateiWahl, IniFile &einstellungen)
{
    // What the order itself rules out comes before the save dialog.
    if (const Result<void> moeglich = LAPExportMoeglich(quelle); !moeglich) {
        meldungen.error(moeglich.error());
        return {};
    }
    QString name = dateiWahl.saveFile(QStringLiteral("LAP-Datei speichern"), LAPPath(einstellungen),
                                      QStringLiteral("LAP(Multidata) (*.ply)"));
    if (name.isEmpty())
        return {};
    einstellungen.writeString(kInit, QStringLiteral("LAPPath"), QFileInfo(name).absolutePath());
    name = mitEndung(name, QStringLiteral(".ply"));
    if (const Result<void> r = ExportLAPDatei(quelle, name); !r) {
        qCWarning(lcDatei) << r.error();
        meldungen.warning(QStringLiteral("LAP-Datei Speichern nach ") + QDir::toNativeSeparators(name) +
                          QStringLiteral(" ist fehlgeschlagen"));
        return {};
    }
    meldungen.information(QStringLiteral("LAP-Datei gespeichert nach ") + QDir::toNativeSeparators(name));
    return name;
}

} // namespace qv
