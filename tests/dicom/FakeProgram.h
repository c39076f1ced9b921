#pragma once

#include "dicom/ExternalProgram.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace qv::test {

/// Stands in for dcmdump: each run is answered by a function of the arguments (or by prepared
/// outputs in turn), and every call is recorded. The output goes to the sink in pieces of
/// `pieceSize` bytes, as a pipe hands it over; a sink that says stop ends the run.
class FakeProgram final : public ExternalProgram
{
public:
    using Answer = std::function<ProgramOutput(const QStringList &arguments)>;

    explicit FakeProgram(Answer answer = {}) : m_answer(std::move(answer)) {}

    /// Answers the next run with this output (before the answer function is asked).
    void queue(ProgramOutput output) { m_queued.append(std::move(output)); }

    ProgramOutput run(const QString &program, const QStringList &arguments, const RunLimits &,
                      const OutputSink &sink = {}) override
    {
        programs.append(program);
        calls.append(arguments);
        ProgramOutput output;
        if (!m_queued.isEmpty())
            output = m_queued.takeFirst();
        else if (m_answer)
            output = m_answer(arguments);
        if (!sink || output.status == ProgramOutput::Status::NotStarted)
            return output;
        const QByteArray out = std::exchange(output.out, QByteArray());
        for (qsizetype at = 0; at < out.size(); at += pieceSize) {
            if (!sink(QByteArrayView(out).sliced(at, std::min(pieceSize, out.size() - at)))) {
                output.status = ProgramOutput::Status::Stopped;
                break;
            }
        }
        return output;
    }

    QStringList programs;
    QList<QStringList> calls;
    qsizetype pieceSize = 1 << 20;

private:
    Answer m_answer;
    QList<ProgramOutput> m_queued;
};

/// A finished run with this standard output.
inline ProgramOutput finished(const QByteArray &out, int exitCode = 0)
{
    ProgramOutput o;
    o.status = ProgramOutput::Status::Finished;
    o.exitCode = exitCode;
    o.out = out;
    return o;
}

} // namespace qv::test
