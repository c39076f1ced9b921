#include "cli/CliStruktur.h"

#include "base/FileNames.h"
#include "base/Numbers.h"
#include "dicom/Strukturset.h"

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
    const Result<RtPlanGeometrie> plan = RtPlanGeometrie::Lesen(aufruf.Plan);
    if (!plan) {
        io.err << plan.error() << '\n';
        return std::nullopt;
    }
    const Result<TStrahlGeometrie> strahl = plan->Strahl(aufruf.BeamIndex);
    if (!strahl) {
        io.err << strahl.error() << '\n';
        return std::nullopt;
    }
    const Result<Strukturset> set = Strukturset::Lesen(aufruf.Strukturset);
    if (!set) {
        io.err << set.error() << '\n';
        return std::nullopt;
    }
    const TStrukturROI *roi = set->ROI(aufruf.ROIName);
    if (!roi) {
        io.err << "Die Struktur \"" << aufruf.ROIName << "\" ist im RT-Strukturset "
               << fileNameForDisplay(aufruf.Strukturset) << " nicht vorhanden.\n";
        return std::nullopt;
    }
    if (set->AnzahlMitNamen(aufruf.ROIName) > 1) {
        io.err << "Den Namen \"" << aufruf.ROIName << "\" tragen im RT-Strukturset " << fileNameForDisplay(aufruf.Strukturset)
               << ' ' << set->AnzahlMitNamen(aufruf.ROIName) << " Strukturen; welche gemeint ist, bleibt offen.\n";
        return std::nullopt;
    }
    if (plan->FrameOfReferenceUID.isEmpty()) {
        io.err << "Der RT-Plan " << fileNameForDisplay(aufruf.Plan)
               << " nennt kein Bezugssystem (Frame of Reference UID); die Struktur kann ihm nicht zugeordnet werden.\n";
        return std::nullopt;
    }
    if (roi->FrameOfReferenceUID != plan->FrameOfReferenceUID) {
        io.err << "Die Struktur \"" << roi->Name << "\" liegt in einem anderen Bezugssystem (Frame of Reference \""
               << roi->FrameOfReferenceUID << "\") als der RT-Plan (\"" << plan->FrameOfReferenceUID << "\").\n";
        return std::nullopt;
    }
    const Result<Schattenwurf> schatten = Schattenwurf::Berechnen(*strahl, *roi);
    if (!schatten) {
        io.err << schatten.error() << '\n';
        return std::nullopt;
    }
    Result<TSchattenUmrisse> umrisse = schatten->Umrisse(aufruf.Rand);
    if (!umrisse) {
        io.err << umrisse.error() << '\n';
        return std::nullopt;
    }
    for (const QString &hinweis : umrisse->Hinweise)
        io.err << hinweis << '\n';
    StrukturSchatten ergebnis;
    ergebnis.Strahl = *strahl;
    ergebnis.ROINumber = roi->Nummer;
    ergebnis.ROIName = roi->Name;
    ergebnis.Umrisse = std::move(*umrisse);
    return ergebnis;
}

} // namespace qv::cli
