#pragma once

#include <QString>

namespace qv {

/// The seam through which the program talks to the person: one real implementation with
/// message boxes, a scripted one in tests. Every text shown is also written to the log.
class Messages
{
public:
    enum class Kind { Information, Warning, Error, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Messages() = default;

    void information(const QString &text);
    void warning(const QString &text);
    void error(const QString &text);
    /// Only Yes proceeds; callers compare with Answer::Yes.
    Answer question(const QString &text, Buttons buttons = Buttons::YesNo);
    /// A question shown with the warning symbol (Yes/No).
    Answer warningQuestion(const QString &text, Buttons buttons = Buttons::YesNo);

    /// Shows any kind of message and logs it with the answer.
    Answer show(Kind kind, const QString &text, Buttons buttons);

protected:
    virtual Answer present(Kind kind, const QString &text, Buttons buttons) = 0;
};

} // namespace qv
