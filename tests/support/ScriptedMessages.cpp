#include "support/ScriptedMessages.h"

#include "support/TestFailure.h"

namespace qv::test {

namespace {

QString answerName(Messages::Answer a)
{
    switch (a) {
    case Messages::Answer::Ok: return QStringLiteral("Ok");
    case Messages::Answer::Yes: return QStringLiteral("Yes");
    case Messages::Answer::No: return QStringLiteral("No");
    case Messages::Answer::Cancel: return QStringLiteral("Cancel");
    }
    return QStringLiteral("?");
}

} // namespace

ScriptedMessages::~ScriptedMessages()
{
    checkAllAnswersUsed("at the end of the test");
}

void ScriptedMessages::clear()
{
    checkAllAnswersUsed("when the shown texts were cleared");
    m_shown.clear();
}

void ScriptedMessages::checkAllAnswersUsed(const char *when)
{
    if (m_answers.isEmpty())
        return;
    // An earlier failed check may have ended the test before the questions came.
    if (!currentTestFailed()) {
        QStringList names;
        for (Answer a : m_answers)
            names.append(answerName(a));
        failCurrentTest(QStringLiteral("ScriptedMessages: %1 scripted answer(s) never asked for %2: %3")
                            .arg(m_answers.size())
                            .arg(QLatin1String(when), names.join(QStringLiteral(", "))));
    }
    m_answers.clear();
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out.append(s.text);
    return out;
}

Messages::Answer ScriptedMessages::present(Kind kind, const QString &text, Buttons buttons)
{
    m_shown.append({kind, text, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty()) {
        failCurrentTest(QStringLiteral("ScriptedMessages: unscripted question: ") + text);
        return Answer::No;
    }
    const Answer a = m_answers.takeFirst();
    const bool offered = a == Answer::Yes || a == Answer::No
        || (a == Answer::Cancel && buttons == Buttons::YesNoCancel);
    if (!offered) {
        failCurrentTest(QStringLiteral("ScriptedMessages: scripted answer %1 is not offered for: %2")
                            .arg(answerName(a), text));
        return Answer::No;
    }
    return a;
}

} // namespace qv::test
