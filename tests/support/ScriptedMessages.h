#pragma once

#include "base/Messages.h"

#include <QList>
#include <QString>

namespace qv::test {

/// Messages double: answers questions from a queue and records every text shown.
/// A question without a scripted answer, or an answer the buttons do not offer, fails the test.
class ScriptedMessages final : public Messages
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    void expectAnswer(Answer answer) { m_answers.append(answer); }
    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int pendingAnswers() const { return int(m_answers.size()); }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

protected:
    Answer present(Kind kind, const QString &text, Buttons buttons) override;

private:
    QList<Answer> m_answers;
    QList<Shown> m_shown;
};

} // namespace qv::test
