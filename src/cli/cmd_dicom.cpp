#include "cli/CliCommand.h"
#include "cli/CliPlanDateien.h"

#include "base/AtomicWriter.h"

#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomUebersicht.h"
#include "dicom/DicomUebersichtJson.h"
#include "dicom/ProcessProgram.h"

#include <QDir>
#include <QFileInfo>

namespace qv::cli {

// dicom VERZEICHNIS: the RT Plans with blocks of a folder as JSON, every regular file looked at.
int runDicom(const QStringList &args, Streams &io)
{
    if (args.size() == 1 && (args.first() == u"--help" || args.first() == u"-h")) {
        io.out << "Aufruf: quellvantar-cli dicom VERZEICHNIS\n";
        return 0;
    }
    if (args.size() != 1 || args.first().isEmpty()) {
        io.err << "Aufruf: quellvantar-cli dicom VERZEICHNIS\n";
        return 2;
    }
    const QString verzeichnis = args.first();
    const PathKind art = pathKind(verzeichnis);
    if (art != PathKind::Folder) {
        if (art != PathKind::Missing)
            io.err << QDir::toNativeSeparators(verzeichnis) << " ist kein Verzeichnis.\n";
        else
            io.err << "Das Verzeichnis " << QDir::toNativeSeparators(verzeichnis) << " ist nicht vorhanden.\n";
        return 1;
    }
    const QString dcmdump = DcmdumpSuchen(io);
    if (dcmdump.isEmpty())
        return 1;
    ProcessProgram programm;
    DcmdumpRunner runner(programm, dcmdump);
    auto uebersicht = ErstelleDicomUebersicht(runner, verzeichnis, QStringLiteral("*.*"));
    if (!uebersicht) {
        io.err << uebersicht.error() << '\n';
        return 1;
    }
    // Every file and block left out is named with its reason, one line feed per line break.
    for (QString hinweis : std::as_const(uebersicht->Hinweise))
        io.err << hinweis.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
                                .replace(u'\r', u'\n') << '\n';
    io.out.flush();
    const QByteArray json = DicomUebersichtAlsJson(*uebersicht);
    io.out << QString::fromUtf8(json);
    return 0;
}

} // namespace qv::cli
