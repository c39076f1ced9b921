// dcmdump text is printed from outside files byte for byte: the dump lines, the item walk and
// every reader must survive anything, end in bounded time, and the splitting of a batched run
// must hand out only text that was printed.
#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomUebersichtJson.h"
#include "dicom/DumpLines.h"
#include "dicom/TvelDICOMRTPlanClass.h"
#include "dicom/velDumpUtils.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

class ReplayProgram final : public qv::ExternalProgram
{
public:
    QByteArray output;
    qv::ProgramOutput::Status status = qv::ProgramOutput::Status::Finished;
    qsizetype pieceSize = 1;

    qv::ProgramOutput run(const QString &, const QStringList &, const qv::RunLimits &,
                          const qv::OutputSink &sink = {}) override
    {
        qv::ProgramOutput o;
        o.status = status;
        for (qsizetype at = 0; at < output.size(); at += pieceSize) {
            if (!sink(QByteArrayView(output).sliced(at, std::min(pieceSize, output.size() - at)))) {
                o.status = qv::ProgramOutput::Status::Stopped;
                break;
            }
        }
        // A rerun prints nothing, so every file is decided after a few runs.
        status = qv::ProgramOutput::Status::Finished;
        output.clear();
        return o;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    (void)quiet;
    const QByteArray dump(reinterpret_cast<const char *>(data), qsizetype(size));

    qv::TvelDICOMRTPlanClass plan;
    const auto loaded = plan.LoadFromDump(dump);
    if (loaded.ok()) {
        qv::DicomUebersicht overview;
        overview.Plaene.append({QStringLiteral("/f"), plan});
        const QByteArray json = qv::DicomUebersichtAlsJson(overview);
        if (json.isEmpty())
            std::abort();
        for (const qv::TvelDICOMRTBeamClass &beam : plan.Plan.Beams) {
            for (qsizetype i = -1; i <= beam.Blocks.size(); ++i) {
                if (beam.Block(i).ok() != (i >= 0 && i < beam.Blocks.size()))
                    std::abort();
            }
        }
    } else if (!plan.IsEmpty() || loaded.error().isEmpty()) {
        std::abort();
    }

    // Every item start either skips to a later end line or reports the missing end.
    const qv::DumpLines lines(dump);
    for (qsizetype i = 0; i < lines.size() && i < 200; ++i) {
        if (lines[i].tag != qv::kItemStart)
            continue;
        qsizetype index = i;
        if (qv::SkipDumpItem(lines, index).ok() && (index <= i || lines[index].tag != qv::kItemEnd))
            std::abort();
    }

    // Entities only ever shorten a value.
    if (qv::UnquoteDumpValue(dump).size() > dump.size())
        std::abort();

    // The same bytes as the output of a batched run over three files, complete or stopped, read
    // whole or in pieces, with room for all of it or for a part: every file is decided once, in
    // order, and a dump is only ever text that was printed.
    const QStringList files{QStringLiteral("/d/a"), QStringLiteral("/d/b"), QStringLiteral("/d/c")};
    for (const auto status : {qv::ProgramOutput::Status::Finished, qv::ProgramOutput::Status::TimedOut}) {
        for (const qsizetype piece : {qsizetype(1) << 30, qsizetype(7)}) {
            for (const qint64 room : {qint64(1) << 30, qint64(64)}) {
                ReplayProgram program;
                program.output = dump;
                program.status = status;
                program.pieceSize = piece;
                qv::DcmdumpRunner runner(program, QStringLiteral("dcmdump"));
                runner.setMaxDumpBytes(room);
                qsizetype expected = 0;
                const auto done = runner.DumpEach(files, {}, [&](qsizetype index, qv::FileDump d) {
                    if (index != expected++ || d.dump.size() > room || !dump.contains(d.dump) ||
                        (d.failure == qv::FileDump::Failure::None) == d.dump.isEmpty())
                        std::abort();
                });
                if (!done.ok() || expected != files.size())
                    std::abort();
            }
        }
    }
    return 0;
}
