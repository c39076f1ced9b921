#include "cli/CliStruktur.h"

#include "base/FileNames.h"
#include "base/Numbers.h"
#include "dicom/Zielstruktur.h"

namespace qv::cli {

bool RandLesen(const QStringList &args, double &rand, QStringList &rest)
{
    bool gesetzt = false;
    rand = 0;
    rest.clear();
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] != u"--rand") {
            rest << args[i];
            continue;
        }
        if (gesetzt || i + 1 >= args.size())
            return false;
        QString text = args[++i];
        // A point is as good as the decimal comma here; both at once is no number.
        if (text.contains(u'.') && text.contains(u','))
            return false;
        text.replace(u'.', u',');
        const std::optional<double> wert = parseDecimal(text);
        if (!wert || !(*wert >= 0 && *wert <= Schattenwurf::MaxRand))
            return false;
        rand = *wert;
        gesetzt = true;
    }
    return true;
}

bool StrukturAufrufLesen(const QStringList &positionen, double rand, StrukturAufruf &aufruf)
{
    if (positionen.size() != 4)
        return false;
    for (const QString &p : positionen) {
        if (p.isEmpty() || p.startsWith(u"--"))
            return false;
    }
    const std::optional<qint64> index = parseInteger(positionen[1]);
    if (!index)
        return false;
    aufruf.Plan = positionen[0];
    aufruf.BeamIndex = *index;
    aufruf.Strukturset = positionen[2];
    aufruf.ROIName = positionen[3];
    aufruf.Rand = rand;
    return true;
}

std::optional<StrukturSchatten> StrukturSchattenBerechnen(const StrukturAufruf &aufruf, Streams &io)
{
    const Result<TZielstruktur> ziel = ZielstrukturLesen(aufruf.Plan, aufruf.BeamIndex, aufruf.Strukturset, aufruf.ROIName);
    if (!ziel) {
        io.err << ziel.error() << '\n';
        return std::nullopt;
    }
    Result<TSchattenUmrisse> umrisse = ziel->Schatten.Umrisse(aufruf.Rand);
    if (!umrisse) {
        io.err << umrisse.error() << '\n';
        return std::nullopt;
    }
    for (const QString &hinweis : umrisse->Hinweise)
        io.err << hinweis << '\n';
    StrukturSchatten ergebnis;
    ergebnis.Strahl = ziel->Strahl;
    ergebnis.ROINumber = ziel->ROINumber;
    ergebnis.ROIName = ziel->ROIName;
    ergebnis.Umrisse = std::move(*umrisse);
    return ergebnis;
}

} // namespace qv::cli
