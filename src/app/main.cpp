#include "app/Application.h"
#include "app/SingleInstanceLock.h"
#include "app/StartRegeln.h"
#include "app/TMainForm.h"
#include "base/SystemClock.h"
#include "base/LogOnlyMessages.h"
#include "base/ProgramFolders.h"
#include "base/QtFileChooser.h"
#include "base/QtMessages.h"
#include "base/Translations.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace qv {
namespace {

bool hasEnv(const char *name)
{
    const char *v = std::getenv(name);
    return v && *v;
}

bool displayAvailable()
{
    return hasEnv("DISPLAY") || hasEnv("WAYLAND_DISPLAY") || hasEnv("QT_QPA_PLATFORM");
}

// Platforms on which a message box can never be answered.
bool headlessPlatform()
{
    const QString p = QGuiApplication::platformName();
    return p == u"offscreen" || p == u"minimal";
}

constexpr const char *kAufruf = "Aufruf: quellvantar [--help|-h] [AUFTRAG.ORv]\n"
                                "Startet Quellvantar und öffnet die angegebene Auftragsdatei.\n";

enum class Argumente { Starten, Hilfe, Falsch };

// Looked at before anything else, so "--help" works without a display. Options of Qt itself
// (-platform, -style …) are left to QApplication, which takes them out of the list.
Argumente argumentePruefen(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Argumente::Hilfe;
    }
    int dateien = 0;
    for (int i = 1; i < argc; ++i) {
        // One order file may be named.
        if (argv[i][0] != '-' && ++dateien <= 1)
            continue;
        if (argv[i][0] != '-')
            return Argumente::Falsch;
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "-style") == 0)
            ++i; // the value of Qt's option
    }
    return Argumente::Starten;
}

QString executableName(const char *argv0)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.isSymLink())
        return QFileInfo(self.symLinkTarget()).fileName();
    return QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
}

// Ends the event loop after the first paint of the object it watches.
class EndeNachErstemBild : public QObject
{
protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && !m_gemalt) {
            m_gemalt = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool m_gemalt = false;
};

// Qt's German texts as shipped with the program (an installed one brings its own copy).
QString uebersetzungen(const qv::ProgramFolders &ordner)
{
    return QDir(ordner.shippedFolder()).filePath(QStringLiteral("translations"));
}

} // namespace
} // namespace qv

int main(int argc, char *argv[])
{
    using namespace qv;
    switch (argumentePruefen(argc, argv)) {
    case Argumente::Hilfe:
        std::fputs(kAufruf, stdout);
        return 0;
    case Argumente::Falsch:
        std::fputs(kAufruf, stderr);
        return 2;
    case Argumente::Starten:
        break;
    }

    // The lock file records the application name, and a lock whose recorded name does not
    // match the running process counts as stale; set it before anything locks.
    QCoreApplication::setApplicationName(executableName(argv[0]));

    // Without a runtime folder Qt warns at every start and picks one of its own; the per-user
    // folder the lock lives in serves Qt just as well, and the lock stays one per user.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString folder = qv::SingleInstanceLock::defaultFolder();
        if (!folder.isEmpty())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    }

    // Only one copy per user; the second one says so and ends at once.
    qv::SingleInstanceLock lock;
    if (lock.tryLock() == qv::SingleInstanceLock::Outcome::HeldByOther) {
        if (!displayAvailable()) {
            qv::LogOnlyMessages messages;
            messages.warning(qv::LaeuftBereitsMeldung());
            return 1;
        }
        QApplication app(argc, argv);
        qv::installGermanQtTranslations(app, uebersetzungen(qv::ProgramFolders::forExecutableFolder(
                                                 QCoreApplication::applicationDirPath())));
        std::unique_ptr<qv::Messages> messages;
        if (headlessPlatform())
            messages = std::make_unique<qv::LogOnlyMessages>();
        else
            messages = std::make_unique<qv::QtMessages>();
        messages->warning(qv::LaeuftBereitsMeldung());
        return 1;
    }

    if (!displayAvailable()) {
        std::fputs("Quellvantar braucht einen Bildschirm: ohne DISPLAY bitte mit  xvfb-run -a ./scripts/run  "
                   "starten (oder QT_QPA_PLATFORM=offscreen setzen).\n",
                   stderr);
        return 1;
    }

    // No application display name: the window system would append it to every caption.
    QApplication app(argc, argv);
    // Whatever QApplication did not take for itself is not ours either.
    const QStringList argumente = QCoreApplication::arguments();
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        if (argumente.at(i).startsWith(u'-')) {
            std::fprintf(stderr, "Unbekanntes Argument: %s\n%s", qPrintable(argumente.at(i)), kAufruf);
            return 2;
        }
    }
    const qv::ProgramFolders ordner = qv::ProgramFolders::forExecutableFolder(QCoreApplication::applicationDirPath());
    qv::installGermanQtTranslations(app, uebersetzungen(ordner));

    std::unique_ptr<qv::Messages> messages;
    if (headlessPlatform())
        messages = std::make_unique<qv::LogOnlyMessages>();
    else
        messages = std::make_unique<qv::QtMessages>();
    qv::QtFileChooser fileChooser;
    qv::SystemClock clock;
    qv::Application quellvantar(ordner, *messages, fileChooser, clock);

    qv::TMainForm mainForm(quellvantar);
    // quellvantar AUFTRAG.ORv: the order file is opened after start-up.
    if (argumente.size() > 1)
        mainForm.StartDateiSetzen(argumente.at(1));
    if (mainForm.StartAbbruch())
        return 1; // nothing of the main window's work is done
    QObject::connect(&mainForm, &qv::TMainForm::StartAbgebrochen, &app, [] { QCoreApplication::exit(1); },
                     Qt::QueuedConnection);
    // The start-up benchmark measures up to the first painted main window and ends there.
    EndeNachErstemBild endeNachErstemBild;
    if (qEnvironmentVariableIsSet("QV_START_MESSEN"))
        mainForm.installEventFilter(&endeNachErstemBild);
    mainForm.show();
    // A folder for the settings that cannot be written keeps none of them: said once here
    // rather than at every setting that cannot be saved.
    if (const QString grund = quellvantar.EinstellungenNichtSpeicherbar(); !grund.isEmpty())
        messages->information(grund);
    return app.exec();
}
