#include "app/SingleInstanceLock.h"

#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <memory>

using namespace qv;
using Outcome = SingleInstanceLock::Outcome;

TEST(SingleInstanceLock, SecondHolderRefusedUntilFirstReleases)
{
    test::TempProgramFolder runtime;
    auto first = std::make_unique<SingleInstanceLock>(QStringLiteral("Quellvantar"), runtime.path());
    SingleInstanceLock second(QStringLiteral("Quellvantar"), runtime.path());
    EXPECT_EQ(first->path(), runtime.file(QStringLiteral("Quellvantar.lock")));

    EXPECT_EQ(first->tryLock(), Outcome::Acquired);
    EXPECT_EQ(first->tryLock(), Outcome::Acquired); // asking again keeps it
    EXPECT_EQ(second.tryLock(), Outcome::HeldByOther);
    first.reset();
    EXPECT_FALSE(QFile::exists(runtime.file(QStringLiteral("Quellvantar.lock"))));
    EXPECT_EQ(second.tryLock(), Outcome::Acquired);
}

TEST(SingleInstanceLock, LockOfAVanishedProcessIsTakenOver)
{
    test::TempProgramFolder runtime;
    // What a killed holder leaves behind: its pid (no longer running), name and host.
    runtime.write(QStringLiteral("Quellvantar.lock"),
                  "999999999\n" + QCoreApplication::applicationName().toUtf8() + '\n'
                      + QSysInfo::machineHostName().toUtf8() + '\n');
    SingleInstanceLock lock(QStringLiteral("Quellvantar"), runtime.path());
    EXPECT_EQ(lock.tryLock(), Outcome::Acquired);
    EXPECT_TRUE(runtime.read(QStringLiteral("Quellvantar.lock"))
                    .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
}

TEST(SingleInstanceLock, UnusableFolderSkipsTheCheck)
{
    test::TempProgramFolder runtime;
    const QString notAFolder = runtime.write(QStringLiteral("datei"), "x");
    SingleInstanceLock lock(QStringLiteral("Quellvantar"), notAFolder + QStringLiteral("/unter"));
    EXPECT_EQ(lock.tryLock(), Outcome::Unavailable);
}
