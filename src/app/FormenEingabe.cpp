#include "app/FormenEingabe.h"

#include "base/Messages.h"
#include "base/Numbers.h"
#include "contour/TKonturen.h"

namespace qv {

namespace {

const QString &weitereFormFrage()
{
    static const QString text = QStringLiteral(
        "Es wurde bereits eine geometrische Form generiert.\r\n"
        "Wollen Sie eine weitere in der gleichen Ebene generieren? [Ja]\r\n"
        "Andernfalls wird die bereits erstellte Form gelöscht und Sie können\r\n"
        "einen neuen FFA eingeben. [Nein]");
    return text;
}

} // namespace

FormenStart FormenEingabeBeginnen(TKonturen &konturen, Messages &messages,
                                  const std::function<bool()> &ffaBestaetigt)
{
    Messages::Answer antwort = Messages::Answer::No;
    if (konturen.Anzahl() > 0)
        antwort = messages.question(weitereFormFrage(), Messages::Buttons::YesNoCancel);
    if (antwort == Messages::Answer::Yes)
        return FormenStart::Weitere;
    if (antwort != Messages::Answer::No)
        return FormenStart::Abgebrochen;
    if (!ffaBestaetigt())
        return FormenStart::Abgebrochen;
    const int minAbstand = konturen.MinPunktAbstand();
    konturen = TKonturen();
    konturen.setMinPunktAbstand(minAbstand);
    return FormenStart::NeuesFFA;
}

QString FormGroesseText(const QString &text)
{
    QString t = text;
    t.replace(u'.', u',');
    return t;
}

std::optional<double> FormGroesseLesen(const QString &text)
{
    return parseDecimal(FormGroesseText(text));
}

} // namespace qv
