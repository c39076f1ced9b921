// Not part of the suite: the child functions that the doubles self-check runs and expects to
// fail (all but scriptedAsAsked). See ExpectChildFailures.cmake.
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"

#include <QTest>

using qv::Messages;
using qv::test::FakeFileChooser;
using qv::test::ScriptedMessages;

class Probe : public QObject
{
    Q_OBJECT

private slots:
    void scriptedAsAsked()
    {
        ScriptedMessages messages;
        FakeFileChooser chooser;
        messages.expectAnswer(Messages::Answer::Cancel);
        chooser.expectCancel();
        messages.information(QStringLiteral("Nur ein Hinweis"));
        QCOMPARE(messages.question(QStringLiteral("Weiter?"), Messages::Buttons::YesNoCancel), Messages::Answer::Cancel);
        QVERIFY(chooser.openFile(QStringLiteral("Öffnen"), {}, {}).isEmpty());
    }

    void unscriptedQuestion()
    {
        ScriptedMessages messages;
        messages.question(QStringLiteral("Weiter?"));
    }

    void answerNotOffered()
    {
        ScriptedMessages messages;
        messages.expectAnswer(Messages::Answer::Cancel);
        messages.question(QStringLiteral("Weiter?"), Messages::Buttons::YesNo);
    }

    void answerLeftUnused()
    {
        ScriptedMessages messages;
        messages.expectAnswer(Messages::Answer::Yes);
    }

    void answerLeftAtClear()
    {
        ScriptedMessages messages;
        messages.expectAnswer(Messages::Answer::Yes);
        messages.clear();
    }

    void unpreparedChooser()
    {
        FakeFileChooser chooser;
        chooser.saveFile(QStringLiteral("Speichern"), {}, {});
    }

    void choiceLeftUnused()
    {
        FakeFileChooser chooser;
        chooser.expectPath(QStringLiteral("/tmp/a.png"));
    }
};

QTEST_GUILESS_MAIN(Probe)
#include "DoublesProbeQtTest.moc"
