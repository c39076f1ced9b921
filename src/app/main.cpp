#include "app/Application.h"
#include "app/SingleInstanceLock.h"
#include "app/StartRegeln.h"
#include "app/TMainForm.h"
#include "base/Clock.h"
#include "base/LogOnlyMessages.h"
#include "base/QtFileChooser.h"
#include "base/QtMessages.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <memory>

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

QString executableName(const char *argv0)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.isSymLink())
        return QFileInfo(self.symLinkTarget()).fileName();
    return QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
}

} // namespace

int main(int argc, char *argv[])
{
    // The lock file records the application name, and a lock whose recorded name does not
    // match the running process counts as stale; set it before anything locks.
    QCoreApplication::setApplicationName(executableName(argv[0]));

    // Only one copy per user; the second one says so and ends at once.
    qv::SingleInstanceLock lock;
    if (lock.tryLock() == qv::SingleInstanceLock::Outcome::HeldByOther) {
        if (!displayAvailable()) {
            qv::LogOnlyMessages messages;
            messages.warning(qv::LaeuftBereitsMeldung());
            return 1;
        }
        QApplication app(argc, argv);
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

    std::unique_ptr<qv::Messages> messages;
    if (headlessPlatform())
        messages = std::make_unique<qv::LogOnlyMessages>();
    else
        messages = std::make_unique<qv::QtMessages>();
    qv::QtFileChooser fileChooser;
    qv::SystemClock clock;
    qv::Application quellvantar(QCoreApplication::applicationDirPath(), *messages, fileChooser, clock);

    TMainForm mainForm(quellvantar);
    if (mainForm.StartAbbruch())
        return 1; // nothing of the main window's work is done
    QObject::connect(&mainForm, &TMainForm::StartAbgebrochen, &app, [] { QCoreApplication::exit(1); },
                     Qt::QueuedConnection);
    mainForm.show();
    return app.exec();
}
