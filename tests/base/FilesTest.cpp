#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/Translations.h"

#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace qv;

namespace {

QByteArray native(const test::TempProgramFolder &dir, const QByteArray &name)
{
    return QFile::encodeName(dir.path()) + '/' + name;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(encodeFileName(path).constData(), 0600) == 0;
}

mode_t modeOf(const QString &path)
{
    struct stat st{};
    ::lstat(encodeFileName(path).constData(), &st);
    return st.st_mode;
}

} // namespace

TEST(FileNames, AnyBytesRoundTripAndUtf8StaysUtf8)
{
    const QByteArray cases[] = {
        "plain.ORv",
        "latin1_\xe4\xf6.ORv",          // Latin-1 umlauts: not UTF-8
        "utf8_\xc3\xa4\xc3\xb6.ORv",    // the same umlauts in UTF-8
        "emoji_\xf0\x9f\x98\x80",       // outside the 16-bit plane
        "surrogate_\xed\xa0\x80",       // an encoded surrogate is not UTF-8
        "overlong_\xc0\xaf",            // nor is an overlong slash
        "cut_\xe2\x82",                 // nor half a character
        "\xff\xfe\x80",
    };
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        const QString name = decodeFileName(bytes);
        EXPECT_EQ(encodeFileName(name), bytes);
        if (QString::fromUtf8(bytes).toUtf8() == bytes) {
            EXPECT_EQ(name, QString::fromUtf8(bytes));
        }
    }
    EXPECT_EQ(fileNameForDisplay(decodeFileName("a\xe4.ORv")), QStringLiteral("a\uFFFD.ORv"));
}

TEST(Files, ReadAndWriteReachNamesThatAreNotUtf8ByteForByte)
{
    test::TempProgramFolder dir;
    const QByteArray onDisk = native(dir, "latin1_\xe4\xf6.ORv");
    const QString name = decodeFileName(onDisk);
    ASSERT_TRUE(writeFileAtomically(name, "Inhalt").ok());
    struct stat st{};
    EXPECT_EQ(::stat(onDisk.constData(), &st), 0) << "the file carries exactly the bytes of its name";
    auto back = readWholeFile(name, 100);
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    EXPECT_EQ(*back, "Inhalt");
    EXPECT_EQ(pathKind(name), PathKind::RegularFile);
}

TEST(Files, ReadRefusesFoldersFifosAndDevicesWithoutBlocking)
{
    test::TempProgramFolder dir;
    const QString fifo = dir.file(QStringLiteral("Kunde.cfg"));
    ASSERT_TRUE(makeFifo(fifo));
    const struct
    {
        QString path;
        const char *kind;
    } cases[] = {
        {dir.path(), "ein Ordner"},
        {fifo, "eine Pipe"},    // opening it for reading would wait for a writer for ever
        {QStringLiteral("/dev/zero"), "ein Gerät"}, // endless bytes of a size of 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const auto r = readWholeFile(c.path, 1 << 20);
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().contains(u"keine normale Datei")) << r.error().toStdString();
        EXPECT_TRUE(r.error().contains(QString::fromUtf8(c.kind))) << r.error().toStdString();
    }
    const auto missing = readWholeFile(dir.file(QStringLiteral("fehlt.cfg")), 10);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(dir.file(QStringLiteral("fehlt.cfg"))));
}

TEST(Files, ReadTakesWhatTheFileHoldsUpToTheLimit)
{
    test::TempProgramFolder dir;
    const QString path = dir.write(QStringLiteral("x.cfg"), QByteArray(1000, 'x'));
    // A limit far beyond any memory must not be reserved up front.
    const auto r = readWholeFile(path, qint64(1) << 50);
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(r->size(), 1000);
    EXPECT_TRUE(readWholeFile(path, 1000).ok());
    const auto over = readWholeFile(path, 999);
    ASSERT_FALSE(over.ok());
    EXPECT_TRUE(over.error().contains(u"zu groß"));
    // Files whose size the system does not know still read whole.
    const auto proc = readWholeFile(QStringLiteral("/proc/self/status"), 1 << 20);
    ASSERT_TRUE(proc.ok());
    EXPECT_TRUE(proc->contains("Pid:"));
}

TEST(Files, WriteRefusesFifosAndFoldersAndFollowsSymbolicLinks)
{
    test::TempProgramFolder dir;
    const QString fifo = dir.file(QStringLiteral("geraet"));
    ASSERT_TRUE(makeFifo(fifo));
    const QString folder = dir.file(QStringLiteral("ordner"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString &target : {fifo, folder}) {
        SCOPED_TRACE(target.toStdString());
        const auto r = writeFileAtomically(target, "neu");
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().contains(u"keine normale Datei")) << r.error().toStdString();
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));
    EXPECT_TRUE(S_ISDIR(modeOf(folder)));

    const QString real = dir.write(QStringLiteral("echt.cfg"), "alt");
    ASSERT_TRUE(::chmod(encodeFileName(real).constData(), 0640) == 0);
    const QString link = dir.file(QStringLiteral("verweis.cfg"));
    ASSERT_TRUE(QFile::link(QStringLiteral("echt.cfg"), link)); // relative, as people make them
    ASSERT_TRUE(writeFileAtomically(link, "neu").ok());
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_EQ(dir.read(QStringLiteral("echt.cfg")), "neu");
    EXPECT_EQ(modeOf(real) & 0777, 0640u) << "a replaced file keeps its permissions";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
}

TEST(Files, AbandonedWriteLeavesTheOldFileAndNoTemporary)
{
    test::TempProgramFolder dir;
    const QString path = dir.write(QStringLiteral("Kunde.cfg"), "alt");
    {
        AtomicWriter writer(path);
        ASSERT_TRUE(writer.open().ok());
        ASSERT_TRUE(writer.write("halb").ok());
    }
    EXPECT_EQ(dir.read(QStringLiteral("Kunde.cfg")), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(Translations, QtStandardTextsSpeakGerman)
{
    ASSERT_TRUE(installGermanQtTranslations(*QCoreApplication::instance()))
        << "Qt's German translations are missing (Debian package qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
}
