#include "workspace/FeldPruefung.h"

#include "base/Numbers.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

const QString kKeineCmEinheit = QStringLiteral("Bitte geben Sie eine cm Einheit an. (Trennzeichen ist ein \",\")");

QString punktZuKomma(QString text)
{
    const qsizetype i = text.indexOf(u'.');
    if (i >= 0)
        text[i] = u',';
    return text;
}

} // namespace

FeldPruefung FFAPruefen(const QString &text)
{
    FeldPruefung p;
    p.feldText = punktZuKomma(text);
    const std::optional<double> v = parseDecimal(p.feldText);
    if (!v) {
        p.meldung = kKeineCmEinheit;
        p.feldText = QStringLiteral("100,0");
    } else if (*v < 20 || *v > 200) {
        p.meldung = QStringLiteral("Der FFA muß zwischen 20 und 200 cm liegen.");
    } else {
        p.wert = v;
    }
    return p;
}

FeldPruefung AbstandPruefen(const QString &text, qint32 &abstandMM)
{
    FeldPruefung p;
    p.feldText = punktZuKomma(text);
    const std::optional<double> v = parseDecimal(p.feldText);
    // A value beyond 32 bits of millimetres is no distance anyone can click.
    if (!v || std::abs(*v * 10) > std::numeric_limits<qint32>::max()) {
        p.meldung = kKeineCmEinheit;
        p.feldText = QStringLiteral("10");
        return p;
    }
    abstandMM = qint32(roundHalfEven(*v * 10));
    if (abstandMM <= 9)
        p.meldung = QStringLiteral("Die Punkte müssen mindestens 1cm auseinander liegen.");
    else
        p.wert = v;
    return p;
}

} // namespace qv
