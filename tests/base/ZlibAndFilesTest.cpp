#include "base/AtomicWriter.h"
#include "base/Zlib.h"

#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace qv;

TEST(Zlib, DeflateLevelOneRoundTripsWithZlibHeader)
{
    QByteArray data;
    for (int i = 0; i < 100000; ++i)
        data.append(char(i * 7 % 251));
    const QByteArray z = deflateZlib(data, 1);
    ASSERT_GE(z.size(), 2);
    EXPECT_EQ(uchar(z[0]), 0x78);
    EXPECT_EQ(uchar(z[1]), 0x01); // level 1 header
    const auto back = inflateZlib(z, data.size());
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    EXPECT_EQ(*back, data);
    EXPECT_TRUE(inflateZlib(deflateZlib({}), 0).ok());
}

TEST(Zlib, InflateErrorsTable)
{
    const QByteArray bomb = deflateZlib(QByteArray(10 * 1024 * 1024, '\0'));
    const auto over = inflateZlib(bomb, 1024 * 1024);
    EXPECT_FALSE(over.ok());
    EXPECT_TRUE(over.error().contains(u"Grenze"));

    const QByteArray good = deflateZlib(QByteArray("Hallo Welt, Hallo Welt, Hallo Welt"));
    EXPECT_FALSE(inflateZlib(good.left(good.size() / 2), 1000).ok());      // truncated
    EXPECT_FALSE(inflateZlib(QByteArray("kein zlib-Strom"), 1000).ok());  // not zlib
    EXPECT_FALSE(inflateZlib(QByteArray(), 1000).ok());
    QByteArray flipped = good;
    flipped[flipped.size() - 1] = char(flipped[flipped.size() - 1] ^ 0x55); // checksum wrong
    EXPECT_FALSE(inflateZlib(flipped, 1000).ok());
    EXPECT_TRUE(inflateZlib(good, 34).ok()); // exactly at the limit is fine
    EXPECT_FALSE(inflateZlib(good, 33).ok());
}

TEST(AtomicFile, ReplacesWholeFileAndKeepsOldOnFailure)
{
    test::TempProgramFolder dir;
    const QString path = dir.write(QStringLiteral("Kunde.cfg"), "alt");
    ASSERT_TRUE(writeFileAtomically(path, "neu und länger").ok());
    EXPECT_EQ(dir.read(QStringLiteral("Kunde.cfg")), "neu und länger");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left

    const auto r = writeFileAtomically(dir.file(QStringLiteral("fehlt/x.cfg")), "x");
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(u"x.cfg"));

    const auto big = readWholeFile(path, 3);
    EXPECT_FALSE(big.ok());
    EXPECT_EQ(*readWholeFile(path, 1000), "neu und länger");
}

// A writer that ended without cleaning up (killed, crashed) leaves its temporary file; the next
// write of the same target removes it, but never one a running writer holds, nor anything else.
TEST(AtomicFile, NextWriteRemovesTheTemporaryFilesOfEndedWriters)
{
    qv::test::TempProgramFolder dir;
    const QString ziel = dir.write(QStringLiteral("a.ORv"), "alt");
    for (int i = 0; i < 3; ++i) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            // As if killed in the middle of a save: no destructor, no clean-up.
            qv::AtomicWriter w(ziel);
            if (w.open().ok() && w.write(QByteArray(100000, 'x')).ok())
                ::_exit(0);
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }
    // Each write removed the file the one before it left; the last one's is still there.
    const auto temporaere = [&] { return QDir(dir.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden); };
    ASSERT_EQ(temporaere().size(), 1);
    EXPECT_EQ(dir.read(QStringLiteral("a.ORv")), "alt");

    // A writer that still runs, files of other names and of another target stay.
    qv::AtomicWriter laeuft(ziel);
    ASSERT_TRUE(laeuft.open().ok());
    const QStringList fremde{QStringLiteral("a.ORv.notizen.tmp"), QStringLiteral("b.ORv.~qvabc.tmp"), QStringLiteral("a.ORv.~qv.tmp")};
    for (const QString &name : fremde)
        dir.write(name, "fremd");

    ASSERT_TRUE(qv::writeFileAtomically(ziel, "neu").ok());
    EXPECT_EQ(dir.read(QStringLiteral("a.ORv")), "neu");
    const QStringList nachher = temporaere();
    // the ended writers' files are gone (the running writer's open removed the last), its own is not
    EXPECT_EQ(nachher.size(), fremde.size() + 1) << nachher.join(u' ').toStdString();
    for (const QString &name : fremde)
        EXPECT_TRUE(nachher.contains(name)) << name.toStdString();
    ASSERT_TRUE(laeuft.write("zuletzt").ok());
    ASSERT_TRUE(laeuft.commit().ok());
    EXPECT_EQ(dir.read(QStringLiteral("a.ORv")), "zuletzt");
    EXPECT_EQ(temporaere().size(), fremde.size());
}
