#pragma once

#include "dicom/ExternalProgram.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace qv::test {

/// Stands in for dcmdump: each run is answered by a function of the arguments (or by prepared
/// outputs in turn), and every call is recorded.
class FakeProgram final : public ExternalProgram
{
public:
    using Answer = std::function<ProgramOutput(const QStringList &arguments)>;

    explicit FakeProgram(Answer answer = {}) : m_answer(std::move(answer)) {}

    /// Answers the next run with this output (before the answer function is asked).
    void queue(ProgramOutput output) { m_queued.append(std::move(output)); }

    ProgramOutput run(const QString &program, const QStringList &arguments, const RunLimits &) override
    {
        programs.append(program);
        calls.append(arguments);
        if (!m_queued.isEmpty())
            return m_queued.takeFirst();
        if (m_answer)
            return m_answer(arguments);
        return {};
    }

    QStringList programs;
    QList<QStringList> calls;

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
