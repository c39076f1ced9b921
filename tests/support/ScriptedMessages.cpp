#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace qv::test {

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
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return Answer::No;
    }
    const Answer a = m_answers.takeFirst();
    const bool offered = a == Answer::Yes || a == Answer::No
        || (a == Answer::Cancel && buttons == Buttons::YesNoCancel);
    if (!offered) {
        ADD_FAILURE() << "scripted answer not offered for: " << text.toStdString();
        return Answer::No;
    }
    return a;
}

} // namespace qv::test
