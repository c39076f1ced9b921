#pragma once

#include "base/Messages.h"

#include <QList>
#include <QString>

namespace qv::test {

/// Messages double: answers questions from a queue and records every text shown.
/// A question without a scripted answer, an answer the buttons do not offer, and answers still
/// queued when the double is cleared or destroyed each fail the running test (GoogleTest or
/// Qt Test alike).
class ScriptedMessages final : public Messages
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    ScriptedMessages() = default;
    ScriptedMessages(const ScriptedMessages &) = delete;
    ScriptedMessages &operator=(const ScriptedMessages &) = delete;
    ~ScriptedMessages() override;

    void expectAnswer(Answer answer) { m_answers.append(answer); }
    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int pendingAnswers() const { return int(m_answers.size()); }
    /// Forgets the texts shown so far; every scripted answer must have been used by now.
    void clear();

protected:
    Answer present(Kind kind, const QString &text, Buttons buttons) override;

private:
    void checkAllAnswersUsed(const char *when);

    QList<Answer> m_answers;
    QList<Shown> m_shown;
};

} // namespace qv::test
