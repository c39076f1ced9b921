// Starts copies of the built program in a temporary program folder, each with its own
// runtime folder for the single-instance lock, on the offscreen platform.
#include "app/StartRegeln.h"

#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace qv;

namespace {

constexpr int kWaitMs = 30000; // generous: the sanitizer build starts slowly

bool waitFor(const std::function<bool()> &condition)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > kWaitMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

class ProgramProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        program = folder.file(QStringLiteral("quellvantar"));
        ASSERT_TRUE(QFile::copy(QDir(test::buildDir()).filePath(QStringLiteral("quellvantar")), program));
    }

    void withConfig()
    {
        ASSERT_TRUE(QFile::copy(QDir(test::buildDir()).filePath(QStringLiteral("QuellvantarConfig.cfg")),
                                folder.file(QStringLiteral("QuellvantarConfig.cfg"))));
    }

    QProcessEnvironment environment(bool display = true) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (display)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        return env;
    }

    std::unique_ptr<QProcess> start(bool display = true)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(environment(display));
        p->setWorkingDirectory(QDir::tempPath()); // the program must not depend on it
        p->start(program, {});
        EXPECT_TRUE(p->waitForStarted(kWaitMs));
        return p;
    }

    // The pid recorded in the lock file, 0 when there is none.
    qint64 lockHolder() const
    {
        QFile f(QDir(runtime.path()).filePath(QStringLiteral("Quellvantar.lock")));
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        return f.readLine().trimmed().toLongLong();
    }

    static QString stderrOf(QProcess &p) { return QString::fromUtf8(p.readAllStandardError()); }

    static void stop(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(kWaitMs)) {
            p.kill();
            p.waitForFinished(kWaitMs);
        }
    }

    test::TempProgramFolder folder;
    QTemporaryDir runtime;
    QString program;
};

} // namespace

TEST_F(ProgramProcess, SecondCopyRefusedAndAKilledFirstCopyDoesNotBlock)
{
    withConfig();
    auto first = start();
    ASSERT_TRUE(waitFor([&] { return lockHolder() == first->processId(); })) << stderrOf(*first).toStdString();

    auto second = start();
    ASSERT_TRUE(second->waitForFinished(kWaitMs));
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_TRUE(stderrOf(*second).contains(LaeuftBereitsMeldung())) << stderrOf(*second).toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(lockHolder(), first->processId());

    first->kill(); // SIGKILL: the lock file stays behind
    ASSERT_TRUE(first->waitForFinished(kWaitMs));
    ASSERT_NE(lockHolder(), 0);

    auto third = start();
    ASSERT_TRUE(waitFor([&] { return lockHolder() == third->processId() || third->state() != QProcess::Running; }));
    EXPECT_EQ(third->state(), QProcess::Running) << stderrOf(*third).toStdString();
    EXPECT_FALSE(stderrOf(*third).contains(LaeuftBereitsMeldung()));
    stop(*third);
}

TEST_F(ProgramProcess, MissingConfigurationEndsWithTheFullPath)
{
    auto p = start();
    ASSERT_TRUE(p->waitForFinished(kWaitMs));
    EXPECT_EQ(p->exitCode(), 1);
    const QString expected = u'"' + QFileInfo(folder.path()).canonicalFilePath()
        + QStringLiteral("/QuellvantarConfig.cfg\" nicht gefunden.");
    const QString log = stderrOf(*p);
    EXPECT_TRUE(log.contains(expected)) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Ohne diese Datei kann das Quellvantar nicht gestartet werden")));
    // Nothing was written and the lock is released.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quellvantar")});
    EXPECT_EQ(lockHolder(), 0);
}

TEST_F(ProgramProcess, WithoutDisplayOneClearLine)
{
    withConfig();
    auto p = start(/*display=*/false);
    ASSERT_TRUE(p->waitForFinished(kWaitMs));
    EXPECT_EQ(p->exitCode(), 1);
    const QString log = stderrOf(*p);
    EXPECT_TRUE(log.contains(QStringLiteral("xvfb-run -a ./scripts/run"))) << log.toStdString();
    EXPECT_EQ(log.count(u'\n'), 1) << log.toStdString();
}
