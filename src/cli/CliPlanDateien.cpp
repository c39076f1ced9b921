#include "cli/CliPlanDateien.h"

#include "base/FileNames.h"
#include "dicom/DcmdumpRunner.h"
#include "planimport/BPRKatalog.h"
#include "planimport/TBPRDM.h"

#include <QCoreApplication>

namespace qv::cli {

std::optional<BPRDateiInhalt> BPRDateiLesen(const QString &datei, const ProgramFolders &ordner, TBPRDM &dm, Streams &io)
{
    if (auto ok = dm.Open(ordner.personalCopyOrShipped(QStringLiteral("BPRdb.sqlite"))); !ok) {
        io.err << QString(ok.error()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        return std::nullopt;
    }
    auto inhalt = BPRDateiLaden(datei, dm);
    if (!inhalt) {
        io.err << inhalt.error() << '\n';
        return std::nullopt;
    }
    if (inhalt->Vorbereitung.FormatCode == BPRFormat::Keins) {
        io.err << "Die Datei " << fileNameForDisplay(inhalt->Pfad)
               << " ist keine Datei eines bekannten Planungssystems und kann nicht eingelesen werden.\n";
        return std::nullopt;
    }
    return std::move(inhalt).value();
}

QString DcmdumpSuchen(Streams &io)
{
    const QString dcmdump = FindDcmdump(QCoreApplication::applicationDirPath());
    if (dcmdump.isEmpty())
        io.err << "Das Programm \"dcmdump\" wurde weder im Quellvantar-Verzeichnis noch im Suchpfad gefunden.\n"
                  "Ohne dieses Programm ist das Einlesen von DICOM-Dateien nicht möglich (Debian-Paket dcmtk).\n";
    return dcmdump;
}

} // namespace qv::cli
