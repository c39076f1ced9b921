#include "base/QtDesktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace qv {

namespace {

// How long the window waits for the helper's verdict; a helper that hands over to a program
// it starts itself has given it by then.
constexpr int kWartezeitMs = 5000;

} // namespace

ProgrammLauf QtDesktop::programmStarten(const QString &programm, const QStringList &argumente)
{
    const QString pfad = QStandardPaths::findExecutable(programm);
    if (pfad.isEmpty())
        return {false, QStringLiteral("Das Programm %1 ist nicht installiert.").arg(programm)};
    // Not owned by a window: a helper that is still running when the wait ends keeps running
    // (it may be the mail program itself) and its process object goes when it ends.
    auto *prozess = new QProcess;
    prozess->setProgram(pfad);
    prozess->setArguments(argumente);
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardOutputFile(QProcess::nullDevice());
    prozess->start();
    if (!prozess->waitForStarted(kWartezeitMs)) {
        const QString grund = prozess->errorString();
        delete prozess;
        return {false, QStringLiteral("%1 konnte nicht gestartet werden: %2").arg(programm, grund)};
    }
    if (!prozess->waitForFinished(kWartezeitMs)) {
        QObject::connect(prozess, &QProcess::finished, prozess, &QObject::deleteLater);
        return {};
    }
    ProgrammLauf lauf;
    if (prozess->exitStatus() != QProcess::NormalExit) {
        lauf = {false, QStringLiteral("%1 ist abgestürzt.").arg(programm)};
    } else if (prozess->exitCode() != 0) {
        const QString meldung = QString::fromLocal8Bit(prozess->readAllStandardError()).trimmed();
        lauf = {false, meldung.isEmpty() ? QStringLiteral("%1 endete mit dem Code %2.").arg(programm).arg(prozess->exitCode())
                                         : meldung};
    }
    delete prozess;
    return lauf;
}

bool QtDesktop::urlOeffnen(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace qv
