#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomUebersicht.h"
#include "dicom/ProcessProgram.h"

#include "DumpBuilder.h"
#include "FakeProgram.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

using namespace qv;
using qv::test::FakeProgram;
using qv::test::finished;

/// What dcmdump +F prints for these files, each file's dump given by `dumpOf`.
QByteArray batchOutput(const QStringList &files, qsizetype from, qsizetype to,
                       const std::function<QByteArray(const QString &)> &dumpOf)
{
    QByteArray out;
    for (qsizetype i = from; i < to; ++i) {
        if (i > 0)
            out += '\n';
        out += "# dcmdump (" + QByteArray::number(i + 1) + '/' + QByteArray::number(files.size()) + "): " +
               QFile::encodeName(files[i]) + '\n' + dumpOf(files[i]);
    }
    return out;
}

QStringList filesOf(const QStringList &arguments)
{
    QStringList files;
    for (const QString &a : arguments) {
        if (a.startsWith(u'/'))
            files.append(a);
    }
    return files;
}

QByteArray dumpOf(const QString &file)
{
    return "(0010,0010) PN [" + QFile::encodeName(QFileInfo(file).fileName()) + "]\n";
}

FakeProgram::Answer batches()
{
    return [](const QStringList &arguments) {
        const QStringList files = filesOf(arguments);
        return finished(batchOutput(files, 0, files.size(), dumpOf), 1);
    };
}

TEST(DcmdumpRunner, SplitsOneBatchedRunByItsFileHeaders)
{
    FakeProgram fake(batches());
    DcmdumpRunner runner(fake, QStringLiteral("/opt/dcmdump"));
    const QStringList files{QStringLiteral("/d/a.dcm"), QStringLiteral("/d/b c.dcm"), QStringLiteral("/d/\"$(x)\";.dcm")};
    auto dumps = runner.DumpEach(files, {QStringLiteral("+L")});
    ASSERT_TRUE(dumps.ok());
    ASSERT_EQ(fake.calls.size(), 1);
    EXPECT_EQ(fake.programs[0], QStringLiteral("/opt/dcmdump"));
    EXPECT_EQ(fake.calls[0], QStringList{QStringLiteral("+F")} + QStringList{QStringLiteral("+L")} + files);
    for (qsizetype i = 0; i < files.size(); ++i) {
        ASSERT_TRUE((*dumps)[i].has_value());
        EXPECT_EQ(*(*dumps)[i], dumpOf(files[i]));
    }
}

TEST(DcmdumpRunner, LongListsRunInChunks)
{
    FakeProgram fake(batches());
    DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
    runner.setChunkLimits(2, 1 << 20);
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files.append(QStringLiteral("/d/%1.dcm").arg(i));
    QList<qsizetype> progress;
    auto dumps = runner.DumpEach(files, {}, [&](qsizetype done) { progress.append(done); });
    ASSERT_TRUE(dumps.ok());
    EXPECT_EQ(fake.calls.size(), 3);
    EXPECT_EQ(progress, (QList<qsizetype>{2, 4, 5}));
    for (qsizetype i = 0; i < files.size(); ++i)
        EXPECT_EQ(*(*dumps)[i], dumpOf(files[i])) << i;

    // The byte limit splits as well, but never below one file per run.
    fake.calls.clear();
    runner.setChunkLimits(100, 1);
    ASSERT_TRUE(runner.DumpEach(files, {}).ok());
    EXPECT_EQ(fake.calls.size(), 5);
}

TEST(DcmdumpRunner, AStalledFileCountsAsUnreadableAndTheRestRunAgain)
{
    const QStringList files{QStringLiteral("/d/1"), QStringLiteral("/d/2"), QStringLiteral("/d/fifo"), QStringLiteral("/d/4"),
                            QStringLiteral("/d/5")};
    FakeProgram fake(batches());
    ProgramOutput stalled;
    stalled.status = ProgramOutput::Status::TimedOut;
    stalled.out = batchOutput(files, 0, 3, [](const QString &f) { return f.endsWith(u"fifo") ? QByteArray() : dumpOf(f); });
    fake.queue(stalled);
    ProgramOutput crashed;
    crashed.status = ProgramOutput::Status::Crashed;
    fake.queue(crashed); // dies before its first header: its first file is the one that failed
    DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
    auto dumps = runner.DumpEach(files, {});
    ASSERT_TRUE(dumps.ok());
    ASSERT_EQ(fake.calls.size(), 3);
    EXPECT_EQ(filesOf(fake.calls[1]), files.mid(3));
    EXPECT_EQ(filesOf(fake.calls[2]), files.mid(4));
    EXPECT_TRUE((*dumps)[0].has_value());
    EXPECT_TRUE((*dumps)[1].has_value());
    EXPECT_FALSE((*dumps)[2].has_value());
    EXPECT_FALSE((*dumps)[3].has_value());
    ASSERT_TRUE((*dumps)[4].has_value());
    EXPECT_EQ(*(*dumps)[4], dumpOf(files[4]));
}

TEST(DcmdumpRunner, AHeaderInsideAValueOnlyDisturbsItsOwnFile)
{
    const QStringList files{QStringLiteral("/d/a"), QStringLiteral("/d/b"), QStringLiteral("/d/c")};
    FakeProgram fake([&](const QStringList &) {
        return finished(batchOutput(files, 0, 3, [](const QString &f) {
            if (f.endsWith(u'a'))
                return QByteArray("(4010,1000) ST [x\r\n\n# dcmdump (2/3): /d/b\n(0010,0010) PN [fake]\n]\n");
            return dumpOf(f);
        }));
    });
    DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
    auto dumps = runner.DumpEach(files, {});
    ASSERT_TRUE(dumps.ok());
    EXPECT_EQ(*(*dumps)[1], dumpOf(files[1]));
    EXPECT_EQ(*(*dumps)[2], dumpOf(files[2]));
}

TEST(DcmdumpRunner, AProgramThatCannotStartIsAnError)
{
    FakeProgram fake;
    ProgramOutput missing;
    missing.message = QStringLiteral("Das Programm wurde nicht gefunden.");
    fake.queue(missing);
    DcmdumpRunner runner(fake, QStringLiteral("/nirgends/dcmdump"));
    auto dumps = runner.DumpEach({QStringLiteral("/d/a")}, {});
    ASSERT_FALSE(dumps.ok());
    EXPECT_EQ(dumps.error(), QStringLiteral("dcmdump konnte nicht gestartet werden (/nirgends/dcmdump): Das Programm wurde nicht gefunden."));
}

TEST(ProcessProgram, CapturesOutputApartAndEndsStalledRuns)
{
    ProcessProgram program;
    const ProgramOutput ok = program.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo out; echo err >&2; exit 3")}, {});
    EXPECT_EQ(ok.status, ProgramOutput::Status::Finished);
    EXPECT_EQ(ok.exitCode, 3);
    EXPECT_EQ(ok.out, QByteArray("out\n"));
    EXPECT_EQ(ok.err, QByteArray("err\n"));

    RunLimits limits;
    limits.idleTimeoutMs = 300;
    const ProgramOutput stalled = program.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo first; exec sleep 30")}, limits);
    EXPECT_EQ(stalled.status, ProgramOutput::Status::TimedOut);
    EXPECT_EQ(stalled.out, QByteArray("first\n"));

    limits.maxOutputBytes = 1000;
    const ProgramOutput flood = program.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec yes")}, limits);
    EXPECT_EQ(flood.status, ProgramOutput::Status::TooMuchOutput);

    // Why a program did not start is said in German (Qt's own text is English).
    QTemporaryDir dir;
    const QString nichtAusfuehrbar = dir.filePath(QStringLiteral("dcmdump"));
    QFile f(nichtAusfuehrbar);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const struct
    {
        QString program, message;
    } faelle[] = {
        {QStringLiteral("/nirgends/dcmdump"), QStringLiteral("Das Programm wurde nicht gefunden.")},
        {QStringLiteral("kein-solches-programm-qv"), QStringLiteral("Das Programm wurde nicht gefunden.")},
        {nichtAusfuehrbar, QStringLiteral("Die Datei ist kein ausführbares Programm.")},
        {dir.path(), QStringLiteral("Die Datei ist kein ausführbares Programm.")},
    };
    for (const auto &fall : faelle) {
        const ProgramOutput none = program.run(fall.program, {}, {});
        EXPECT_EQ(none.status, ProgramOutput::Status::NotStarted) << fall.program.toStdString();
        EXPECT_EQ(none.message, fall.message) << fall.program.toStdString();
    }
}

TEST(FindDcmdump, PrefersTheProgramFolder)
{
    qv::test::TempProgramFolder folder;
    EXPECT_EQ(FindDcmdump(folder.path()), QStringLiteral("/usr/bin/dcmdump")) << "from PATH";
    const QString own = folder.write(QStringLiteral("dcmdump"), "#!/bin/sh\n");
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(FindDcmdump(folder.path()), own);
}

// The real dcmdump on the shipped files.

struct RealRunner
{
    ProcessProgram program;
    DcmdumpRunner runner{program, FindDcmdump(QString())};
};

TEST(DicomUebersicht, ListsTheThreeShippedPlansWithTheirApertures)
{
    RealRunner real;
    QList<std::pair<qsizetype, qsizetype>> progress;
    auto uebersicht = ErstelleDicomUebersicht(real.runner, qv::test::dicomData(), QStringLiteral("*.*"),
                                              [&](qsizetype done, qsizetype total) { progress.append({done, total}); });
    ASSERT_TRUE(uebersicht.ok()) << uebersicht.error().toStdString();
    EXPECT_EQ(uebersicht->Dateien, 14);
    EXPECT_EQ(progress.last(), std::make_pair(qsizetype(17), qsizetype(17))) << "14 files, 3 of them dumped in full";
    struct Expected
    {
        const char *file;
        const char *patientId;
        qsizetype points;
        QPoint first;
        QPoint corner1Beam2;
    } const expected[] = {
        {"rtplan_electron_aperture_nose.dcm", "ElectronCutout", 135, {255, 44}, {-1000, 1000}},
        {"rtplan_electron_aperture_scalp.dcm", "ElectronQA1", 185, {277, 124}, {-1100, 1100}},
        {"rtplan_electron_aperture_shoulder.dcm", "CutoutTest2", 254, {377, 118}, {-1100, 1100}},
    };
    ASSERT_EQ(uebersicht->Plaene.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        const auto &eintrag = uebersicht->Plaene[i];
        const Expected &e = expected[i];
        EXPECT_EQ(QFileInfo(eintrag.Datei).fileName(), QLatin1String(e.file));
        EXPECT_EQ(eintrag.Plan.Patient.PatientID, QLatin1String(e.patientId));
        ASSERT_EQ(eintrag.Plan.Plan.BeamCount(), 2);
        for (const TvelDICOMRTBeamClass &beam : eintrag.Plan.Plan.Beams) {
            ASSERT_EQ(beam.Blocks.size(), 1);
            EXPECT_EQ(beam.Blocks[0].BlockType, QStringLiteral("APERTURE"));
            EXPECT_EQ(beam.Blocks[0].BlockData.size(), e.points);
            EXPECT_EQ(beam.Blocks[0].BlockNumberOfPoints, e.points);
            EXPECT_EQ(beam.Blocks[0].BlockData.first(), e.first);
            EXPECT_EQ(beam.Blocks[0].SourceToBlockTrayDistance, 950.0f);
            EXPECT_EQ(beam.Blocks[0].BlockThickness, 25.0f);
        }
        EXPECT_EQ(eintrag.Plan.Plan.Beams[1].ControlPoints.at(0).FieldCorner1(), e.corner1Beam2);
    }
    EXPECT_EQ(uebersicht->Plaene[1].Plan.Plan.Beams[0].BeamNumber, 2);
    EXPECT_EQ(uebersicht->Plaene[2].Plan.Plan.Beams[1].ControlPoints.at(0).GantryAngle, 260.0f);
}

TEST(DicomUebersicht, TakesEveryRegularFileAndChangesNothing)
{
    qv::test::TempProgramFolder folder;
    QFile plan(qv::test::dicomData(QStringLiteral("rtplan_electron_aperture_nose.dcm")));
    const QStringList names{QStringLiteral("a \"b\"; $(touch pwned) c.DCM"), QStringLiteral(".versteckt"),
                            QStringLiteral("ohne-endung"), QStringLiteral("-L.dcm"), QStringLiteral("+L.ina")};
    for (const QString &name : names)
        ASSERT_TRUE(plan.copy(folder.file(name)));
    ASSERT_TRUE(QFile::copy(qv::test::dicomData(QStringLiteral("rtplan_damaged_truncated.dcm")), folder.file(QStringLiteral("0-kaputt.dcm"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ordner.dcm")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(QStringLiteral("fifo.dcm"))).constData(), 0600), 0);
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QStringList cwdBefore = QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

    RealRunner real;
    auto alle = ErstelleDicomUebersicht(real.runner, folder.path(), DateiMaske(QStringLiteral("Alle (*.*)")));
    ASSERT_TRUE(alle.ok()) << alle.error().toStdString();
    EXPECT_EQ(alle->Dateien, 6) << "the FIFO and the folder are never taken";
    QStringList listed;
    for (const auto &e : alle->Plaene)
        listed.append(QFileInfo(e.Datei).fileName());
    EXPECT_EQ(listed, (QStringList{QStringLiteral("+L.ina"), QStringLiteral("-L.dcm"), QStringLiteral(".versteckt"),
                                   QStringLiteral("a \"b\"; $(touch pwned) c.DCM"), QStringLiteral("ohne-endung")}));

    auto dcm = ErstelleDicomUebersicht(real.runner, folder.path(), DateiMaske(QStringLiteral("DICOM-Dateien (*.dcm)")));
    ASSERT_TRUE(dcm.ok());
    EXPECT_EQ(dcm->Dateien, 3);
    EXPECT_EQ(dcm->Plaene.size(), 2);

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), cwdBefore);

    auto missing = ErstelleDicomUebersicht(real.runner, folder.file(QStringLiteral("gibtsnicht")), QStringLiteral("*.*"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().startsWith(u"Das Verzeichnis ")) << missing.error().toStdString();
}

TEST(LoadRTPlan, ReadsOneFileOrSaysWhyNot)
{
    RealRunner real;
    auto nose = LoadRTPlan(real.runner, qv::test::dicomData(QStringLiteral("rtplan_electron_aperture_nose.dcm")));
    ASSERT_TRUE(nose.ok()) << nose.error().toStdString();
    EXPECT_EQ(nose->Plan.Beams.at(1).BeamName, QStringLiteral("GA45 6MEV"));

    struct Case
    {
        const char *file;
        const char *reason;
    } const cases[] = {
        {"rtplan_noblocks_xio_3dcrt.dcm", "ist kein RT-Plan mit Blöcken"},
        {"rtstruct_small.dcm", "ist kein RT-Plan mit Blöcken"},
        {"rtplan_damaged_truncated.dcm", "kann nicht als DICOM-Datei gelesen werden"},
        {"SOURCES.md", "kann nicht als DICOM-Datei gelesen werden"},
        {"gibtsnicht.dcm", "Die Datei ist nicht vorhanden."},
    };
    for (const Case &c : cases) {
        auto plan = LoadRTPlan(real.runner, qv::test::dicomData(QLatin1String(c.file)));
        ASSERT_FALSE(plan.ok()) << c.file;
        EXPECT_TRUE(plan.error().contains(QString::fromUtf8(c.reason))) << plan.error().toStdString();
    }
}

} // namespace
