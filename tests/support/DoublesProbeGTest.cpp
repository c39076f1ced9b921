// Not part of the suite: the child cases that the doubles self-check runs and expects to fail
// (all but ScriptedAsAsked). See ExpectChildFailures.cmake.
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using qv::Messages;
using qv::test::FakeFileChooser;
using qv::test::ScriptedMessages;

TEST(Probe, ScriptedAsAsked)
{
    ScriptedMessages messages;
    FakeFileChooser chooser;
    messages.expectAnswer(Messages::Answer::Cancel);
    chooser.expectCancel();
    messages.information(QStringLiteral("Nur ein Hinweis"));
    EXPECT_EQ(messages.question(QStringLiteral("Weiter?"), Messages::Buttons::YesNoCancel), Messages::Answer::Cancel);
    EXPECT_TRUE(chooser.openFile(QStringLiteral("Öffnen"), {}, {}).isEmpty());
}

TEST(Probe, UnscriptedQuestion)
{
    ScriptedMessages messages;
    messages.question(QStringLiteral("Weiter?"));
}

TEST(Probe, AnswerNotOffered)
{
    ScriptedMessages messages;
    messages.expectAnswer(Messages::Answer::Cancel);
    messages.question(QStringLiteral("Weiter?"), Messages::Buttons::YesNo);
}

TEST(Probe, AnswerLeftUnused)
{
    ScriptedMessages messages;
    messages.expectAnswer(Messages::Answer::Yes);
}

TEST(Probe, AnswerLeftAtClear)
{
    ScriptedMessages messages;
    messages.expectAnswer(Messages::Answer::Yes);
    messages.clear();
}

TEST(Probe, UnpreparedChooser)
{
    FakeFileChooser chooser;
    chooser.saveFile(QStringLiteral("Speichern"), {}, {});
}

TEST(Probe, ChoiceLeftUnused)
{
    FakeFileChooser chooser;
    chooser.expectPath(QStringLiteral("/tmp/a.png"));
}
