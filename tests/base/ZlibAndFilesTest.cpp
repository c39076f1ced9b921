#include "base/AtomicWriter.h"
#include "base/Zlib.h"

#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

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
