#include "base/Messages.h"

#include "base/Logging.h"

namespace qv {

namespace {

const char *kindName(Messages::Kind kind)
{
    switch (kind) {
    case Messages::Kind::Information: return "Information";
    case Messages::Kind::Warning: return "Warnung";
    case Messages::Kind::Error: return "Fehler";
    case Messages::Kind::Question: return "Frage";
    }
    return "";
}

const char *answerName(Messages::Answer answer)
{
    switch (answer) {
    case Messages::Answer::Ok: return "OK";
    case Messages::Answer::Yes: return "Ja";
    case Messages::Answer::No: return "Nein";
    case Messages::Answer::Cancel: return "Abbrechen";
    }
    return "";
}

} // namespace

Messages::Answer Messages::show(Kind kind, const QString &text, Buttons buttons)
{
    QString oneLine = text;
    oneLine.replace(u'\r', u' ');
    qCInfo(lcMeldung).noquote() << QString::fromLatin1(kindName(kind)) + QStringLiteral(": ") + oneLine;
    const Answer answer = present(kind, text, buttons);
    if (buttons != Buttons::Ok)
        qCInfo(lcMeldung).noquote() << QStringLiteral("Antwort: ") + QString::fromLatin1(answerName(answer));
    return answer;
}

void Messages::information(const QString &text)
{
    show(Kind::Information, text, Buttons::Ok);
}

void Messages::warning(const QString &text)
{
    show(Kind::Warning, text, Buttons::Ok);
}

void Messages::error(const QString &text)
{
    show(Kind::Error, text, Buttons::Ok);
}

Messages::Answer Messages::question(const QString &text, Buttons buttons)
{
    return show(Kind::Question, text, buttons);
}

Messages::Answer Messages::warningQuestion(const QString &text, Buttons buttons)
{
    return show(Kind::Warning, text, buttons);
}

} // namespace qv
