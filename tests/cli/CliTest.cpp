// The command-line tool from outside: arguments, exit codes, what is (not) written.
#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/image/ImageIO.h"

#include "order/OrderFixture.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace qv;

using test::CliRun;
using test::runCli;
using test::runProgram;

namespace {

// Through the shell, for what QProcess cannot pass: limits and names that are not UTF-8.
CliRun shell(const QString &script, const QStringList &args = {})
{
    return runProgram(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), script, test::cliPath()} + args);
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

QString demoJson()
{
    const CliRun r = runCli({QStringLiteral("kunde"), test::buildDir() + QStringLiteral("/DemoKunde.cfg")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return r.outText();
}

bool isFifo(const QString &path)
{
    struct stat st{};
    return ::lstat(encodeFileName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

TEST(Cli, HelpGoesToStandardOutputWrongArgumentsToStandardError)
{
    for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const CliRun r = runCli({help});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.outText().startsWith(u"Aufruf: quellvantar-cli")) << r.out.toStdString();
        EXPECT_TRUE(r.outText().contains(u"db-erzeugen [--ersetzen]"));
        EXPECT_TRUE(r.err.isEmpty());
    }
    const CliRun one = runCli({QStringLiteral("info"), QStringLiteral("--help")});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_EQ(one.outText(), u"Aufruf: quellvantar-cli info DATEI.ORv\n");
    for (const QStringList &wrong : {QStringList{}, QStringList{QStringLiteral("gibtsnicht")}}) {
        const CliRun r = runCli(wrong);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.errText().contains(u"Aufruf: quellvantar-cli")) << r.err.toStdString();
    }
}

TEST(Cli, FifosAreRefusedAsInputAndAsTarget)
{
    test::TempProgramFolder dir;
    const QString fifo = dir.file(QStringLiteral("f.png"));
    ASSERT_EQ(::mkfifo(encodeFileName(fifo).constData(), 0600), 0);
    const QString image = dir.write(QStringLiteral("bild.png"), png(pattern(8, 6)));
    const QString json = dir.write(QStringLiteral("k.json"), demoJson().toUtf8());
    // Opening a FIFO for reading waits for a writer: each of these hung before.
    const QList<QStringList> inputs = {
        {QStringLiteral("kunde"), fifo},
        {QStringLiteral("kunde-schreiben"), fifo, dir.file(QStringLiteral("aus.cfg"))},
        {QStringLiteral("info"), fifo},
        {QStringLiteral("bild-drehen"), fifo, dir.file(QStringLiteral("aus.png")), QStringLiteral("10")},
        // Renaming over a FIFO would replace it with a regular file.
        {QStringLiteral("bild-drehen"), image, fifo, QStringLiteral("10")},
        {QStringLiteral("kunde-schreiben"), json, fifo},
    };
    for (const QStringList &args : inputs) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.errText().contains(u"keine normale Datei")) << r.err.toStdString();
        EXPECT_TRUE(isFifo(fifo));
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("aus.cfg"))));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("aus.png"))));
}

TEST(Cli, SmallFilesReadUnderATightMemoryLimit)
{
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of shadow address space at start, so no program
    // built with it runs under an address-space limit; the release build runs this test.
    GTEST_SKIP() << "address-space limit not usable under AddressSanitizer";
#endif
    test::TempProgramFolder dir;
    const QString order = dir.write(QStringLiteral("a.ORv"), test::compressed(test::orderBody(6, test::FixtureOrder{})));
    const QString image = dir.write(QStringLiteral("bild.png"), png(pattern(200, 150)));
    // 512 MiB of address space: more than enough for these files, less than a reading limit
    // reserved up front.
    const QString limited = QStringLiteral("ulimit -v 524288 && exec \"$0\" \"$@\"");
    for (const QStringList &args : {QStringList{QStringLiteral("info"), order},
                                    QStringList{QStringLiteral("kunde"), test::buildDir() + QStringLiteral("/DemoKunde.cfg")},
                                    QStringList{QStringLiteral("bild-drehen"), image, dir.file(QStringLiteral("aus.png")), QStringLiteral("30")}}) {
        SCOPED_TRACE(args.first().toStdString());
        const CliRun r = shell(limited, args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
}

TEST(Cli, FileNamesThatAreNotUtf8ReachTheFileSystem)
{
    test::TempProgramFolder dir;
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/latin1_\xe4\xf6";
    const QString order = decodeFileName(latin1 + ".ORv");
    ASSERT_TRUE(writeFileAtomically(order, test::compressed(test::orderBody(6, test::FixtureOrder{}))).ok());
    const QString customer = decodeFileName(latin1 + ".cfg");
    ASSERT_TRUE(writeFileAtomically(customer, *readWholeFile(test::buildDir() + QStringLiteral("/DemoKunde.cfg"), 1 << 20)).ok());
    // The name is put together by the shell from octal escapes, byte for byte.
    const QString name = QStringLiteral("\"$1/latin1_$(printf '\\344\\366')$2\"");
    for (const QString &command : {QStringLiteral("info"), QStringLiteral("kunde")}) {
        const QString suffix = command == u"info" ? QStringLiteral(".ORv") : QStringLiteral(".cfg");
        const CliRun r = shell(QStringLiteral("exec \"$0\" %1 %2").arg(command, name), {dir.path(), suffix});
        EXPECT_EQ(r.exitCode, 0) << command.toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(QJsonDocument::fromJson(r.out).isObject());
    }
}

TEST(Cli, FullDiskIsSaidInGermanAndLeavesNothing)
{
    test::TempProgramFolder dir;
    const QString json = dir.write(QStringLiteral("k.json"), demoJson().toUtf8());
    const QString mount = dir.file(QStringLiteral("klein"));
    ASSERT_TRUE(QDir().mkdir(mount));
    // A tiny file system of our own, filled up (needs user namespaces).
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=16k none \"$1\" || exit 77; "
        "dd if=/dev/zero of=\"$1/voll\" bs=1k count=64 2>/dev/null; "
        "\"$0\" kunde-schreiben \"$2\" \"$1/Kunde.cfg\"; rc=$?; ls \"$1\"; exit $rc");
    const CliRun r = runProgram(QStringLiteral("unshare"),
                                {QStringLiteral("-rm"), QStringLiteral("/bin/sh"), QStringLiteral("-c"), script, test::cliPath(), mount, json});
    if (r.exitCode == 77 || (r.exitCode != 1 && r.errText().contains(u"unshare")))
        GTEST_SKIP() << "no private mount possible here: " << r.err.toStdString();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errText().contains(u"Der Datenträger ist voll.")) << r.err.toStdString();
    EXPECT_EQ(r.outText(), u"voll\n") << "neither Kunde.cfg nor a temporary file";
}

TEST(Cli, DbErzeugenReplacesAnExistingDatabaseOnlyWhenTold)
{
    test::TempProgramFolder dir;
    const QString schema = dir.write(QStringLiteral("s.sql"), "CREATE TABLE T (A INTEGER);\n");
    const QString broken = dir.write(QStringLiteral("kaputt.sql"), "CREATE TABLE T (A INTEGER);\nKEIN SQL;\n");
    const QString db = dir.file(QStringLiteral("db.sqlite"));
    ASSERT_EQ(runCli({QStringLiteral("db-erzeugen"), schema, db}).exitCode, 0);
    const QByteArray first = dir.read(QStringLiteral("db.sqlite"));
    ASSERT_FALSE(first.isEmpty());

    const CliRun refused = runCli({QStringLiteral("db-erzeugen"), schema, db});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errText().contains(u"--ersetzen")) << refused.err.toStdString();
    // A schema that fails leaves the old database as it was, even when replacing was asked for.
    EXPECT_EQ(runCli({QStringLiteral("db-erzeugen"), QStringLiteral("--ersetzen"), broken, db}).exitCode, 1);
    EXPECT_EQ(dir.read(QStringLiteral("db.sqlite")), first);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3) << "nothing left beside it";
    // The option may stand before or after the files.
    EXPECT_EQ(runCli({QStringLiteral("db-erzeugen"), schema, db, QStringLiteral("--ersetzen")}).exitCode, 0);
    EXPECT_EQ(runCli({QStringLiteral("db-erzeugen"), QStringLiteral("--ersetzen"), schema}).exitCode, 2);
}

TEST(Cli, ShippedDatabaseIsReplacedOnlyWhileNobodyEditedIt)
{
    test::TempProgramFolder dir;
    const QString neu = dir.write(QStringLiteral("neu.sqlite"), "Schema 1");
    const QString ziel = dir.file(QStringLiteral("BPRdb.sqlite"));
    const QString zuletzt = dir.file(QStringLiteral("zuletzt.sqlite"));
    const auto deliver = [&] {
        return runProgram(QStringLiteral(QV_CMAKE_COMMAND),
                          {QStringLiteral("-DNEU=") + neu, QStringLiteral("-DZIEL=") + ziel, QStringLiteral("-DZULETZT=") + zuletzt,
                           QStringLiteral("-P"), QStringLiteral(QV_SOURCE_DIR "/data/DatenbankAusliefern.cmake")});
    };
    ASSERT_EQ(deliver().exitCode, 0);
    EXPECT_EQ(dir.read(QStringLiteral("BPRdb.sqlite")), "Schema 1"); // missing: made

    dir.write(QStringLiteral("neu.sqlite"), "Schema 2");
    ASSERT_EQ(deliver().exitCode, 0);
    EXPECT_EQ(dir.read(QStringLiteral("BPRdb.sqlite")), "Schema 2"); // untouched: follows the schema

    dir.write(QStringLiteral("BPRdb.sqlite"), "Schema 2 mit Zeilen");
    dir.write(QStringLiteral("neu.sqlite"), "Schema 3");
    const CliRun edited = deliver();
    EXPECT_EQ(edited.exitCode, 0);
    EXPECT_EQ(dir.read(QStringLiteral("BPRdb.sqlite")), "Schema 2 mit Zeilen"); // edited: stays
    EXPECT_TRUE(edited.errText().contains(u"verändert")) << edited.err.toStdString();
}

TEST(Cli, KundeSchreibenRefusesWhatItWouldCutOrTheProgramWouldNotAccept)
{
    test::TempProgramFolder dir;
    const QJsonObject demo = QJsonDocument::fromJson(demoJson().toUtf8()).object();
    const auto with = [&](const std::function<void(QJsonObject &)> &change) {
        QJsonObject o = demo;
        change(o);
        return o;
    };
    const auto inDepartment = [](QJsonObject &o, const QString &key, const QJsonValue &v) {
        QJsonArray abts = o[QStringLiteral("Abteilungen")].toArray();
        QJsonObject abt = abts[0].toObject();
        abt[key] = v;
        abts[0] = abt;
        o[QStringLiteral("Abteilungen")] = abts;
    };
    const struct
    {
        const char *key;
        QJsonObject json;
    } cases[] = {
        {"Vertragspartner.Name", with([](QJsonObject &o) {
             QJsonObject p = o[QStringLiteral("Vertragspartner")].toObject();
             p[QStringLiteral("Name")] = QString(1'000'000, u'x');
             o[QStringLiteral("Vertragspartner")] = p;
         })},
        {"VertragsAdresse.PLZ", with([](QJsonObject &o) {
             QJsonObject a = o[QStringLiteral("VertragsAdresse")].toObject();
             a[QStringLiteral("PLZ")] = QStringLiteral("123456");
             o[QStringLiteral("VertragsAdresse")] = a;
         })},
        {"FFA", with([](QJsonObject &o) { o[QStringLiteral("FFA")] = -5; })},
        {"FFA", with([](QJsonObject &o) { o[QStringLiteral("FFA")] = 1e308; })},
        {"AktAbteilung", with([](QJsonObject &o) { o[QStringLiteral("AktAbteilung")] = 99; })},
        {"AktAbteilung", with([](QJsonObject &o) { o[QStringLiteral("AktAbteilung")] = -1; })},
        {"AktAbteilung", with([](QJsonObject &o) { o[QStringLiteral("AktAbteilung")] = 1e10; })}, // beyond 32 bits
        {"Abteilungen[0].AktBeschl", with([&](QJsonObject &o) { inDepartment(o, QStringLiteral("AktBeschl"), 55); })},
        {"Abteilungen[0].AktAnP", with([&](QJsonObject &o) { inDepartment(o, QStringLiteral("AktAnP"), -7); })},
        {"AktAbteilung", QJsonObject{}}, // no department at all
    };
    const QString out = dir.file(QStringLiteral("Kunde.cfg"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        const QString json = dir.write(QStringLiteral("k.json"), QJsonDocument(c.json).toJson());
        const CliRun r = runCli({QStringLiteral("kunde-schreiben"), json, out});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.errText().contains(QStringLiteral("\"%1\"").arg(QLatin1String(c.key)))) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out));
    }
    // The limits themselves are fine.
    const QString json = dir.write(QStringLiteral("k.json"), QJsonDocument(with([](QJsonObject &o) {
                                                                  o[QStringLiteral("FFA")] = 200;
                                                              })).toJson());
    EXPECT_EQ(runCli({QStringLiteral("kunde-schreiben"), json, out}).exitCode, 0);
}

TEST(Cli, BildDrehenRefusesWhatItCouldNotReadAgainAndWritesJpegForJpg)
{
    test::TempProgramFolder dir;
    // 15 000 × 1 turned by 45° is about 10 607 × 10 607 pixels: beyond the reading limit.
    const QString line = dir.write(QStringLiteral("linie.png"), png(QImage(15000, 1, QImage::Format_RGB32)));
    const CliRun big = runCli({QStringLiteral("bild-drehen"), line, dir.file(QStringLiteral("aus.png")), QStringLiteral("45")});
    EXPECT_EQ(big.exitCode, 1);
    EXPECT_TRUE(big.errText().contains(u"zu groß")) << big.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("aus.png"))));

    const QString image = dir.write(QStringLiteral("bild.png"), png(pattern(40, 30)));
    for (const QString &name : {QStringLiteral("aus.jpg"), QStringLiteral("aus.JPEG")}) {
        SCOPED_TRACE(name.toStdString());
        const CliRun r = runCli({QStringLiteral("bild-drehen"), image, dir.file(name), QStringLiteral("90")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QByteArray bytes = dir.read(name);
        EXPECT_TRUE(bytes.startsWith("\xff\xd8\xff"));
        const auto back = decodeJpeg(bytes);
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(r.outText(), QStringLiteral("%1 x %2\n").arg(back->width()).arg(back->height()));
    }

    // A JPEG that ends early is refused, whatever the decoder's letter case.
    QByteArray jpeg = encodeJpeg(pattern(400, 300));
    jpeg = jpeg.left(jpeg.size() * 2 / 3) + "\xff\xd9";
    const QString cut = dir.write(QStringLiteral("kaputt.jpg"), jpeg);
    const CliRun damaged = runCli({QStringLiteral("bild-drehen"), cut, dir.file(QStringLiteral("k.png")), QStringLiteral("0")});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.errText().contains(u"beschädigt")) << damaged.err.toStdString();
    EXPECT_EQ(damaged.errText().count(QStringLiteral("kaputt.jpg")), 1) << "the file is named once";
}
