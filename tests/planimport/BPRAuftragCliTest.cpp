#include "base/Numbers.h"
#include "support/CliRun.h"
#include "support/CompleteCustomer.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <limits>
#include <unistd.h>

#include "planimport/BPRDatei.h"
#include "planimport/TBPRDM.h"
#include "planimport/TBPRKonfig.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace qv;
using test::CliRun;
using test::runCli;

namespace {

QString example(const char *name)
{
    return qv::test::buildDir() + QStringLiteral("/DemoBPR/") + QString::fromUtf8(name);
}

// What the order holds for a contour of "bpr": each point at 3 pixels per millimetre, closed.
QJsonArray inPixels(const QJsonArray &kontur)
{
    QJsonArray punkte;
    for (const QJsonValue &p : kontur) {
        const QJsonArray xy = p.toArray();
        punkte.append(QJsonArray{qint64(roundHalfEven(3.0 * xy[0].toInt() / 10)), qint64(roundHalfEven(3.0 * xy[1].toInt() / 10))});
    }
    punkte.append(punkte.first());
    return punkte;
}

class BPRAuftragCli : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(qv::test::completeCustomer().SpeichereDatei(kunde)); }
    qv::test::TempProgramFolder folder;
    const QString kunde = folder.file(QStringLiteral("Kunde.cfg"));
    const QString aus = folder.file(QStringLiteral("aus.ORv"));
};

TEST_F(BPRAuftragCli, EverySampleFileBecomesAnOrderAsBprReadsIt)
{
    for (const char *name : {"HEK_Demo.hek", "Huestis_Demo.DAT", "Multidata_Demo.cif", "Parcientific_Demo.A1",
                             "Plato_Demo.pla", "Target_Demo.txt"}) {
        SCOPED_TRACE(name);
        const CliRun gelesen = runCli({QStringLiteral("bpr"), example(name), QStringLiteral("--kunde"), kunde});
        ASSERT_EQ(gelesen.exitCode, 0) << gelesen.err.toStdString();
        const QJsonArray beams = gelesen.json()[QStringLiteral("Beams")].toArray();
        bool einGueltiger = false;
        for (const QJsonValue &b : beams) {
            const QJsonObject beam = b.toObject();
            const QString position = QString::number(beam[QStringLiteral("Position")].toInt());
            const CliRun r = runCli({QStringLiteral("bpr-auftrag"), example(name), position, aus, QStringLiteral("--kunde"), kunde});
            if (!beam[QStringLiteral("Gueltig")].toBool()) {
                EXPECT_EQ(r.exitCode, 1) << position.toStdString();
                continue;
            }
            einGueltiger = true;
            ASSERT_EQ(r.exitCode, 0) << position.toStdString() << r.err.toStdString();
            const CliRun info = runCli({QStringLiteral("info"), aus});
            ASSERT_EQ(info.exitCode, 0);
            const QJsonObject o = info.json();
            const QJsonArray erwartet = beam[QStringLiteral("Konturen")].toArray();
            const QJsonArray konturen = o[QStringLiteral("Konturen")].toArray();
            ASSERT_EQ(konturen.size(), erwartet.size());
            for (qsizetype k = 0; k < konturen.size(); ++k) {
                EXPECT_TRUE(konturen[k][QStringLiteral("Geschlossen")].toBool());
                EXPECT_EQ(konturen[k][QStringLiteral("Punkte")].toArray(), inPixels(erwartet[k].toArray())) << k;
            }
            const QJsonObject daten = o[QStringLiteral("Auftragsdaten")].toObject();
            EXPECT_EQ(daten[QStringLiteral("PatientenID")].toString(), beam[QStringLiteral("PatientenID")].toString());
            EXPECT_EQ(daten[QStringLiteral("Zielvolumen")].toString(), beam[QStringLiteral("Zielvolumen")].toString());
            EXPECT_EQ(o[QStringLiteral("Auftragsart")].toInt(), 1);
        }
        EXPECT_TRUE(einGueltiger);
    }
}

TEST_F(BPRAuftragCli, ErrorsLeaveTheTargetUnchanged)
{
    folder.write(QStringLiteral("aus.ORv"), "alt");
    const QString plato = example("Plato_Demo.pla");
    const struct
    {
        QStringList args;
        int rc;
        const char *meldung;
    } faelle[] = {
        {{plato, QStringLiteral("1")}, 2, "Aufruf:"},
        {{plato, QStringLiteral("1"), aus, QStringLiteral("--bpr-konfig"), QStringLiteral("9")}, 2, "Aufruf:"},
        {{plato, QStringLiteral("1"), aus, QStringLiteral("--art"), QStringLiteral("x")}, 2, "Aufruf:"},
        {{plato, QStringLiteral("0"), aus, QStringLiteral("--kunde"), kunde}, 1, "Position 0"},
        {{plato, QStringLiteral("1"), aus, QStringLiteral("--kunde"), folder.file(QStringLiteral("fehlt"))}, 1, "Kundendatei"},
        {{folder.write(QStringLiteral("x.unbekannt"), "1 2 3\n"), QStringLiteral("1"), aus, QStringLiteral("--kunde"), kunde},
         1, "keine Datei eines bekannten Planungssystems"},
    };
    for (const auto &f : faelle) {
        const CliRun r = runCli(QStringList{QStringLiteral("bpr-auftrag")} + f.args);
        EXPECT_EQ(r.exitCode, f.rc) << f.args.join(u' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.errText().contains(QString::fromUtf8(f.meldung))) << r.err.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("aus.ORv")), "alt");
    }
}

} // namespace

// A number that cannot be read gives no order, and the message names the line.
TEST_F(BPRAuftragCli, UnreadableNumberRefusesNamingTheLine)
{
    QFile f(example("Huestis_Demo.DAT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll();
    ASSERT_TRUE(text.contains("X: 300"));
    text.replace("X: 300", "X: 3OO"); // line 11 (CR line ends)
    const QString plan = folder.write(QStringLiteral("kaputt.DAT"), text);
    const CliRun r = runCli({QStringLiteral("bpr-auftrag"), plan, QStringLiteral("1"), aus, QStringLiteral("--kunde"), kunde});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errText().contains(QStringLiteral("In Zeile 11 steht \"3OO\" statt einer Zahl."))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(aus));
    const CliRun gelesen = runCli({QStringLiteral("bpr"), plan, QStringLiteral("--kunde"), kunde});
    ASSERT_EQ(gelesen.exitCode, 0);
    EXPECT_FALSE(gelesen.json()[QStringLiteral("Beams")][0][QStringLiteral("Gueltig")].toBool());
}

TEST_F(BPRAuftragCli, OutputThatIsAnInputIsRefused)
{
    const QString plan = folder.write(QStringLiteral("plan.pla"), [] {
        QFile f(example("Plato_Demo.pla"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }());
    const QByteArray vorher = folder.read(QStringLiteral("plan.pla"));
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    for (const QString &ziel : {plan, folder.file(QStringLiteral("sub/../plan.pla")), kunde}) {
        const CliRun r = runCli({QStringLiteral("bpr-auftrag"), plan, QStringLiteral("1"), ziel, QStringLiteral("--kunde"), kunde});
        EXPECT_EQ(r.exitCode, 1) << ziel.toStdString();
        EXPECT_TRUE(r.errText().contains(QStringLiteral("ist die Eingabedatei"))) << r.err.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("plan.pla")), vorher);
    }
}

// A planning file whose name is Latin-1, not UTF-8: read like any other.
TEST_F(BPRAuftragCli, FileNamesThatAreNotUtf8)
{
    QFile f(example("Plato_Demo.pla"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray name = QFile::encodeName(folder.path()) + "/M\xfcller.pla";
    {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray bytes = f.readAll();
        ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        ::close(fd);
    }
    // Through a shell, so the name reaches the program as its bytes.
    const CliRun gelesen = test::runProgram(QStringLiteral("/bin/sh"),
                                            {QStringLiteral("-c"), QStringLiteral("exec \"$0\" bpr \"$(printf 'M\\374ller.pla')\" --kunde Kunde.cfg"),
                                             test::cliPath()},
                                            CliRun::Options::inFolder(folder.path()));
    ASSERT_EQ(gelesen.exitCode, 0) << gelesen.err.toStdString();
    EXPECT_TRUE(gelesen.json()[QStringLiteral("Beams")][0][QStringLiteral("Gueltig")].toBool());
    const CliRun auftrag = test::runProgram(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("exec \"$0\" bpr-auftrag \"$(printf 'M\\374ller.pla')\" 1 aus.ORv --kunde Kunde.cfg"),
         test::cliPath()},
        CliRun::Options::inFolder(folder.path()));
    EXPECT_EQ(auftrag.exitCode, 0) << auftrag.err.toStdString();
    EXPECT_TRUE(QFile::exists(aus));
    ::unlink(name.constData()); // the folder's own clean-up handles only names Qt can spell
}

// A damaged accelerator configuration (a collimator offset of -2^31) turns nothing.
TEST(BPRKonfigCli, ValuesOutOfRangeRefuseTheConfiguration)
{
    qv::test::TempProgramFolder ordner;
    const QString programm = ordner.file(QStringLiteral("quellvantar-cli"));
    ASSERT_TRUE(QFile::copy(test::cliPath(), programm));
    ASSERT_TRUE(QFile::copy(qv::test::buildDir() + QStringLiteral("/BPRdb.sqlite"), ordner.file(QStringLiteral("BPRdb.sqlite"))));
    ASSERT_TRUE(QFile::copy(qv::test::buildDir() + QStringLiteral("/QuellvantarConfig.cfg"), ordner.file(QStringLiteral("QuellvantarConfig.cfg"))));
    ASSERT_TRUE(qv::test::completeCustomer().SpeichereDatei(ordner.file(QStringLiteral("Kunde.cfg"))));
    TBPRKonfigurationen k = BPRKonfigStandard();
    k[0] = {QStringLiteral("Linac 1"), 0, false, false, false, std::numeric_limits<qint32>::min(), 0};
    k[1] = {QStringLiteral("Linac 2"), 0, false, false, false, -360, 360};
    ordner.write(QStringLiteral("BPRKonfig.cfg"), BPRKonfigBytes(k));
    const QString plan = example("Huestis_Demo.DAT");
    const QString aus = ordner.file(QStringLiteral("aus.ORv"));
    for (const QString &befehl : {QStringLiteral("bpr"), QStringLiteral("bpr-auftrag")}) {
        QStringList args{befehl, plan};
        if (befehl == u"bpr-auftrag")
            args << QStringLiteral("1") << aus;
        const CliRun r = test::runProgram(programm, args + QStringList{QStringLiteral("--bpr-konfig"), QStringLiteral("0")});
        EXPECT_EQ(r.exitCode, 1) << befehl.toStdString();
        EXPECT_TRUE(r.errText().contains(QStringLiteral("Die BPR-Konfiguration \"Linac 1\" ist beschädigt: Kolli Dreh ist -2147483648")))
            << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(aus));
        const CliRun grenzen = test::runProgram(programm, args + QStringList{QStringLiteral("--bpr-konfig"), QStringLiteral("1")});
        EXPECT_EQ(grenzen.exitCode, 0) << "the limits themselves are allowed: " << grenzen.err.toStdString();
    }
    // Read by the import itself: the beam is not taken.
    BPRDateiInhalt inhalt;
    TBPRDM dm;
    ASSERT_TRUE(dm.Open(ordner.file(QStringLiteral("BPRdb.sqlite"))).ok());
    inhalt = BPRDateiLaden(plan, dm).value();
    const BPRBeam beam = BPRBeamLesen(inhalt, 1, 65, &k[0]);
    EXPECT_FALSE(beam.Gueltig);
    EXPECT_TRUE(beam.Meldungen.join(u'|').contains(QStringLiteral("Linac 1"))) << beam.Meldungen.join(u'|').toStdString();
}
