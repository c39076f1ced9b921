#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomUebersicht.h"
#include "dicom/ProcessProgram.h"

#include "DumpBuilder.h"
#include "FakeProgram.h"
#include "HostilePlans.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <new>

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

bool batched(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("+F"));
}

/// dcmdump as it prints: a batched run gives each file's dump after its header, a run of one
/// file without +F gives just its dump.
FakeProgram::Answer dcmdumpLike(const std::function<QByteArray(const QString &)> &dump = dumpOf)
{
    return [dump](const QStringList &arguments) {
        const QStringList files = filesOf(arguments);
        if (!batched(arguments))
            return finished(dump(files.first()), 1);
        return finished(batchOutput(files, 0, files.size(), dump), 1);
    };
}

/// Every file's result as the runner hands it out; each file exactly once and in order.
QList<FileDump> dumpAll(DcmdumpRunner &runner, const QStringList &files, const QStringList &options = {},
                        const std::function<void(qsizetype)> &progress = {})
{
    QList<FileDump> dumps;
    const Result<void> done = runner.DumpEach(
        files, options,
        [&](qsizetype index, FileDump dump) {
            EXPECT_EQ(index, dumps.size()) << "in order, each once";
            dumps.append(std::move(dump));
        },
        progress);
    EXPECT_TRUE(done.ok()) << done.error().toStdString();
    EXPECT_EQ(dumps.size(), files.size());
    return dumps;
}

TEST(DcmdumpRunner, SplitsOneBatchedRunByItsFileHeaders)
{
    FakeProgram fake(dcmdumpLike());
    DcmdumpRunner runner(fake, QStringLiteral("/opt/dcmdump"));
    // A name may hold a line break and the text of the next header: the header is matched whole.
    const QStringList files{QStringLiteral("/d/a.dcm\n# dcmdump (2/3): /d/b c.dcm"), QStringLiteral("/d/b c.dcm"),
                            QStringLiteral("/d/\"$(x)\";.dcm")};
    for (const qsizetype piece : {qsizetype(1) << 20, qsizetype(1), qsizetype(5)}) {
        fake.pieceSize = piece;
        fake.calls.clear();
        const QList<FileDump> dumps = dumpAll(runner, files, {QStringLiteral("+L")});
        ASSERT_EQ(fake.calls.size(), 1);
        EXPECT_EQ(fake.programs[0], QStringLiteral("/opt/dcmdump"));
        EXPECT_EQ(fake.calls[0], (QStringList{QStringLiteral("+F"), QStringLiteral("+Qn"), QStringLiteral("+L")} + files));
        for (qsizetype i = 0; i < files.size(); ++i) {
            EXPECT_EQ(dumps[i].failure, FileDump::Failure::None) << piece << ' ' << i;
            EXPECT_EQ(dumps[i].dump, dumpOf(files[i])) << piece << ' ' << i;
        }
    }
}

TEST(DcmdumpRunner, LongListsRunInChunks)
{
    FakeProgram fake(dcmdumpLike());
    DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
    runner.setChunkLimits(2, 1 << 20);
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files.append(QStringLiteral("/d/%1.dcm").arg(i));
    QList<qsizetype> progress;
    const QList<FileDump> dumps = dumpAll(runner, files, {}, [&](qsizetype done) { progress.append(done); });
    EXPECT_EQ(fake.calls.size(), 3);
    EXPECT_EQ(progress, (QList<qsizetype>{2, 4, 5}));
    for (qsizetype i = 0; i < files.size(); ++i)
        EXPECT_EQ(dumps[i].dump, dumpOf(files[i])) << i;

    // The byte limit splits as well, but never below one file per run.
    fake.calls.clear();
    runner.setChunkLimits(100, 1);
    dumpAll(runner, files);
    EXPECT_EQ(fake.calls.size(), 5);
}

TEST(DcmdumpRunner, ACutRunIsDumpedAgainOneFileAtATimeFromTheFileBeforeTheCut)
{
    const QStringList files{QStringLiteral("/d/1"), QStringLiteral("/d/2"), QStringLiteral("/d/fifo"), QStringLiteral("/d/4"),
                            QStringLiteral("/d/crash")};
    FakeProgram fake([&](const QStringList &arguments) {
        const QStringList run = filesOf(arguments);
        ProgramOutput cut;
        if (run.first().endsWith(u"fifo")) {
            cut.status = ProgramOutput::Status::TimedOut;
            return cut;
        }
        if (batched(arguments) && run.contains(files[2])) {
            // Stalls in the third file after its header.
            cut.status = ProgramOutput::Status::TimedOut;
            cut.out = batchOutput(run, 0, 3, [](const QString &f) { return f.endsWith(u"fifo") ? QByteArray() : dumpOf(f); });
            return cut;
        }
        if (run.contains(files[4])) {
            // Dies in the middle of the file.
            cut.status = ProgramOutput::Status::Crashed;
            cut.out = batched(arguments) ? batchOutput(run, 0, run.size(), [](const QString &) { return QByteArray("(0010"); })
                                         : QByteArray("(0010");
            return cut;
        }
        return dcmdumpLike()(arguments);
    });
    DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
    const QList<FileDump> dumps = dumpAll(runner, files);
    QList<QStringList> runs;
    for (const QStringList &call : fake.calls)
        runs.append(QStringList{batched(call) ? QStringLiteral("batch") : QStringLiteral("one")} + filesOf(call));
    EXPECT_EQ(runs, (QList<QStringList>{QStringList{QStringLiteral("batch")} + files,
                                        {QStringLiteral("one"), files[1]}, // held when the run was cut
                                        {QStringLiteral("one"), files[2]},
                                        {QStringLiteral("batch"), files[3], files[4]},
                                        {QStringLiteral("one"), files[3]},
                                        {QStringLiteral("one"), files[4]}}));
    EXPECT_EQ(dumps[0].dump, dumpOf(files[0]));
    EXPECT_EQ(dumps[1].dump, dumpOf(files[1]));
    EXPECT_EQ(dumps[2].failure, FileDump::Failure::Stalled);
    EXPECT_EQ(dumps[3].dump, dumpOf(files[3]));
    EXPECT_EQ(dumps[4].failure, FileDump::Failure::Crashed);
}

TEST(DcmdumpRunner, ABatchPastTheLimitIsDumpedAgainAndOnlyAFileTooLargeAloneIsLeftOut)
{
    // 45 copies of one plan whose batched output is far beyond the limit, one file too large
    // for it on its own.
    QStringList files;
    for (int i = 0; i < 45; ++i)
        files.append(QStringLiteral("/d/kopie%1.dcm").arg(i, 2, 10, QLatin1Char('0')));
    files.insert(20, QStringLiteral("/d/gross.dcm"));
    const auto dump = [](const QString &file) {
        return file.endsWith(u"gross.dcm") ? QByteArray(5000, 'x') : dumpOf(file) + QByteArray(100, 'y');
    };
    FakeProgram fake(dcmdumpLike(dump));
    fake.pieceSize = 64;
    DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
    runner.setMaxDumpBytes(1000);
    const QList<FileDump> dumps = dumpAll(runner, files);
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (i == 20) {
            EXPECT_EQ(dumps[i].failure, FileDump::Failure::TooLarge);
            EXPECT_TRUE(dumps[i].dump.isEmpty());
        } else {
            EXPECT_EQ(dumps[i].dump, dump(files[i])) << i;
        }
    }
    EXPECT_EQ(fake.calls.size(), 4) << "the batch, the file before the big one, the big one alone, the rest";
    EXPECT_EQ(DumpFehlerText(FileDump::Failure::TooLarge, files[20], runner.maxDumpBytes()),
              QStringLiteral("Die Datei /d/gross.dcm ergibt mit dcmdump mehr als 0 KB Text und wird nicht gelesen."));
    EXPECT_EQ(DumpFehlerText(FileDump::Failure::TooLarge, files[20], qint64(512) << 20),
              QStringLiteral("Die Datei /d/gross.dcm ergibt mit dcmdump mehr als 512 MB Text und wird nicht gelesen."));
}

TEST(DcmdumpRunner, AFileIsGivenOnlyItsOwnTextWhateverItsValuesHold)
{
    // A printer that does not quote values: a line break and a header for the next file inside
    // a value of the first, once with room for all, once with the limit reached inside it.
    const QStringList files{QStringLiteral("/d/a"), QStringLiteral("/d/b"), QStringLiteral("/d/c")};
    const auto dump = [](const QString &f) {
        if (f.endsWith(u'a'))
            return QByteArray("(0010,0010) PN [echt]\n(4010,1000) ST [x\r\n\n# dcmdump (2/3): /d/b\n(0010,0010) PN [fremd]\n]\n") +
                   QByteArray(300, 'z') + '\n';
        return dumpOf(f);
    };
    for (const qint64 room : {qint64(1) << 20, qint64(200)}) {
        FakeProgram fake(dcmdumpLike(dump));
        fake.pieceSize = 16;
        DcmdumpRunner runner(fake, QStringLiteral("dcmdump"));
        runner.setMaxDumpBytes(room);
        const QList<FileDump> dumps = dumpAll(runner, files);
        if (room > 1000)
            EXPECT_EQ(dumps[0].dump, dump(files[0]));
        else
            EXPECT_EQ(dumps[0].failure, FileDump::Failure::TooLarge);
        EXPECT_EQ(dumps[1].dump, dumpOf(files[1])) << room;
        EXPECT_EQ(dumps[2].dump, dumpOf(files[2])) << room;
        EXPECT_TRUE(fake.calls.contains(QStringList{QStringLiteral("+Qn"), files[1]})) << "decided by a run of its own";
    }
}

TEST(DcmdumpRunner, AProgramThatCannotStartIsAnError)
{
    FakeProgram fake;
    ProgramOutput missing;
    missing.message = QStringLiteral("Das Programm wurde nicht gefunden.");
    fake.queue(missing);
    DcmdumpRunner runner(fake, QStringLiteral("/nirgends/dcmdump"));
    const Result<void> dumps = runner.DumpEach({QStringLiteral("/d/a")}, {}, [](qsizetype, FileDump) { ADD_FAILURE(); });
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

TEST(ProcessProgram, StreamsToTheSinkAndNeverThrowsThroughTheEventLoop)
{
    ProcessProgram program;
    RunLimits small;
    small.maxOutputBytes = 1000; // what a sink takes is not kept, so not counted
    QByteArray seen;
    const ProgramOutput streamed = program.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("head -c 300000 /dev/zero")},
                                               small, [&](QByteArrayView piece) {
                                                   seen += piece;
                                                   return true;
                                               });
    EXPECT_EQ(streamed.status, ProgramOutput::Status::Finished);
    EXPECT_EQ(seen, QByteArray(300000, '\0'));
    EXPECT_TRUE(streamed.out.isEmpty());

    const ProgramOutput stopped = program.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec yes")}, {},
                                              [](QByteArrayView) { return false; });
    EXPECT_EQ(stopped.status, ProgramOutput::Status::Stopped);

    // Memory running out while the output is taken ends the run; the failure comes back to the
    // caller once the program is gone.
    EXPECT_THROW(program.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec yes")}, {},
                             [](QByteArrayView) -> bool { throw std::bad_alloc(); }),
                 std::bad_alloc);
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

TEST(DicomUebersicht, CopiesPastTheLimitAreAllListedAndOnlyAFileTooLargeAloneIsLeftOut)
{
    // 45 copies of a plan whose full dumps (55 KB each) pass a limit of 120 KB many times over,
    // and in their middle a plan whose dump alone is larger (three blocks of 60 KB).
    qv::test::TempProgramFolder folder;
    for (int i = 0; i < 45; ++i)
        ASSERT_TRUE(QFile::copy(qv::test::dicomData(QStringLiteral("rtplan_electron_aperture_nose.dcm")),
                                folder.file(QStringLiteral("kopie%1.dcm").arg(i, 2, 10, QLatin1Char('0')))));
    QByteArray punkte;
    for (int i = 0; i < 5000; ++i)
        punkte += (i ? "\\" : "") + QByteArray::number(i % 97) + ".25\\" + QByteArray::number(i % 89) + ".75";
    QByteArray plan = qv::test::oneBeamPlan("Gross^G", "GROSS", "Feld", "ap");
    plan.replace("(300a,0104) IS [3]", "(300a,0104) IS [5000]").replace("DS [0\\0\\100\\0\\100\\50]", "DS [" + punkte + "]");
    const qsizetype blockStart = plan.indexOf("      (fffe,e000)");
    const QByteArray blockEnd = "      (fffe,e00d) na (ItemDelimitationItem)\n";
    const qsizetype blockStop = plan.indexOf(blockEnd, blockStart) + blockEnd.size();
    plan.insert(blockStop, plan.mid(blockStart, blockStop - blockStart).repeated(2));
    const QString gross = folder.file(QStringLiteral("kopie20x.dcm"));
    ASSERT_TRUE(qv::test::buildDicom(plan, gross));

    RealRunner real;
    real.runner.setMaxDumpBytes(120 * 1024);
    auto uebersicht = ErstelleDicomUebersicht(real.runner, folder.path(), QStringLiteral("*.*"));
    ASSERT_TRUE(uebersicht.ok()) << uebersicht.error().toStdString();
    EXPECT_EQ(uebersicht->Dateien, 46);
    ASSERT_EQ(uebersicht->Plaene.size(), 45);
    for (const auto &eintrag : uebersicht->Plaene) {
        EXPECT_EQ(eintrag.Plan.Patient.PatientID, QStringLiteral("ElectronCutout")) << eintrag.Datei.toStdString();
        ASSERT_EQ(eintrag.Plan.Plan.Beams.size(), 2);
        ASSERT_EQ(eintrag.Plan.Plan.Beams[0].Blocks.size(), 1);
        EXPECT_EQ(eintrag.Plan.Plan.Beams[0].Blocks[0].BlockData.size(), 135);
    }
    EXPECT_EQ(uebersicht->Hinweise,
              QStringList{QStringLiteral("Die Datei %1 ergibt mit dcmdump mehr als 120 KB Text und wird nicht gelesen.")
                              .arg(QFileInfo(gross).absoluteFilePath())});

    // With room for it, the large plan is read as well.
    real.runner.setMaxDumpBytes(qint64(512) << 20);
    auto alle = ErstelleDicomUebersicht(real.runner, folder.path(), QStringLiteral("*.*"));
    ASSERT_TRUE(alle.ok());
    ASSERT_EQ(alle->Plaene.size(), 46);
    ASSERT_EQ(alle->Plaene[21].Plan.Plan.Beams.size(), 1);
    ASSERT_EQ(alle->Plaene[21].Plan.Plan.Beams[0].Blocks.size(), 3) << alle->Hinweise.join(u'\n').toStdString();
    EXPECT_EQ(alle->Plaene[21].Plan.Plan.Beams[0].Blocks[2].BlockData.size(), 5000);
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
