#include "dicom/DicomUebersicht.h"

#include "dicom/DumpLines.h"
#include "dicom/velDumpUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <new>
#include <utility>

namespace qv {

namespace {

const QStringList kKopfOptionen{QStringLiteral("+P"), QStringLiteral("0008,0060"), QStringLiteral("+P"),
                                QStringLiteral("300a,00f4")};
const QStringList kVollOptionen{QStringLiteral("+L")};

/// Whether the short dump (Modality and Block Sequence lines) is that of an RT Plan with blocks.
/// The Modality printed first must read "RTPLAN" exactly, and the Block Sequence part must have
/// more than one line.
bool istPlanMitBloecken(const QByteArray &kopf)
{
    const DumpLines lines(kopf);
    bool modalitaetGesehen = false;
    bool rtPlan = false;
    qsizetype blockZeilen = 0;
    for (const DumpLine &line : lines.lines()) {
        if (line.tag == dicomTag(0x0008, 0x0060) && line.depth == 0) {
            if (!modalitaetGesehen)
                rtPlan = DumpValue(line.text) == "RTPLAN";
            modalitaetGesehen = true;
        } else {
            ++blockZeilen;
        }
    }
    return rtPlan && blockZeilen > 1;
}

QString anzeige(const QString &datei)
{
    return QDir::toNativeSeparators(datei);
}

} // namespace

QString DateiMaske(const QString &dateiTyp)
{
    const qsizetype auf = dateiTyp.indexOf(u'(');
    const qsizetype zu = dateiTyp.indexOf(u')', auf + 1);
    if (auf < 0 || zu < 0)
        return QStringLiteral("*.*");
    return dateiTyp.mid(auf + 1, zu - auf - 1).trimmed();
}

QStringList DicomDateien(const QString &verzeichnis, const QString &maske)
{
    const QDir dir(verzeichnis);
    const bool alle = maske == u"*.*" || maske == u"*" || maske.isEmpty();
    const QRegularExpression muster(QRegularExpression::wildcardToRegularExpression(maske),
                                    QRegularExpression::CaseInsensitiveOption);
    struct Name
    {
        QByteArray bytes;
        QString pfad;
    };
    QList<Name> namen;
    const QFileInfoList eintraege = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &info : eintraege) {
        if (!info.isFile())
            continue;
        if (!alle && !muster.match(info.fileName()).hasMatch())
            continue;
        namen.append({QFile::encodeName(info.fileName()), info.absoluteFilePath()});
    }
    std::sort(namen.begin(), namen.end(), [](const Name &a, const Name &b) { return a.bytes < b.bytes; });
    QStringList pfade;
    pfade.reserve(namen.size());
    for (const Name &n : namen)
        pfade.append(n.pfad);
    return pfade;
}

namespace {

const QString kSpeicherVoll = QStringLiteral("Der Arbeitsspeicher reicht zum Lesen der DICOM-Dateien nicht aus.");

Result<QList<DicomPlanErgebnis>> planeLesen(DcmdumpRunner &runner, const QStringList &dateien,
                                            const DicomFortschritt &fortschritt)
{
    QList<DicomPlanErgebnis> ergebnisse(dateien.size());
    qsizetype gesamt = dateien.size();
    QStringList kandidaten;
    QList<qsizetype> herkunft;
    const auto grund = [&](FileDump::Failure fehler, const QString &datei) {
        return DumpFehlerText(fehler, datei, runner.maxDumpBytes());
    };
    auto kopf = runner.DumpEach(
        dateien, kKopfOptionen,
        [&](qsizetype i, FileDump kopfDump) {
            if (kopfDump.failure != FileDump::Failure::None)
                ergebnisse[i].Grund = grund(kopfDump.failure, dateien[i]);
            else if (!istPlanMitBloecken(kopfDump.dump))
                ergebnisse[i].Grund = QStringLiteral("Die Datei %1 ist kein RT-Plan mit Blöcken.").arg(anzeige(dateien[i]));
            else {
                kandidaten.append(dateien[i]);
                herkunft.append(i);
            }
        },
        [&](qsizetype fertig) {
            if (fortschritt)
                fortschritt(fertig, gesamt);
        });
    if (!kopf)
        return Error{kopf.error()};

    gesamt = dateien.size() + kandidaten.size();
    // Each plan is read as soon as its dump is there; only the plans are kept, not the dumps.
    auto voll = runner.DumpEach(
        kandidaten, kVollOptionen,
        [&](qsizetype k, FileDump vollDump) {
            DicomPlanErgebnis &ergebnis = ergebnisse[herkunft[k]];
            if (vollDump.failure != FileDump::Failure::None) {
                ergebnis.Grund = grund(vollDump.failure, kandidaten[k]);
                return;
            }
            try {
                TvelDICOMRTPlanClass plan;
                auto geladen = plan.LoadFromDump(std::exchange(vollDump.dump, QByteArray()));
                if (!geladen)
                    ergebnis.Grund = QStringLiteral("Die Datei %1 kann nicht als RT-Plan gelesen werden.\n\r")
                                         .arg(anzeige(kandidaten[k])) +
                                     geladen.error();
                else if (plan.Plan.BeamCount() == 0)
                    ergebnis.Grund = QStringLiteral("Der Plan in %1 enthält keine Beams.").arg(anzeige(kandidaten[k]));
                else
                    ergebnis.Plan = std::move(plan);
            } catch (const std::bad_alloc &) {
                ergebnis.Plan.reset();
                ergebnis.Grund = grund(FileDump::Failure::OutOfMemory, kandidaten[k]);
            }
        },
        [&](qsizetype fertig) {
            if (fortschritt)
                fortschritt(dateien.size() + fertig, gesamt);
        });
    if (!voll)
        return Error{voll.error()};
    if (fortschritt)
        fortschritt(gesamt, gesamt);
    return ergebnisse;
}

} // namespace

Result<QList<DicomPlanErgebnis>> LeseRTPlaene(DcmdumpRunner &runner, const QStringList &dateien,
                                               const DicomFortschritt &fortschritt)
{
    // A file whose dump or plan does not fit into memory is left out by itself; memory that runs
    // out elsewhere ends the read with a message, never the program.
    try {
        return planeLesen(runner, dateien, fortschritt);
    } catch (const std::bad_alloc &) {
        return Error{kSpeicherVoll};
    }
}

namespace {

Result<DicomUebersicht> uebersichtLesen(DcmdumpRunner &runner, const QString &verzeichnis, const QString &maske,
                                        const DicomFortschritt &fortschritt)
{
    const QFileInfo info(verzeichnis);
    if (!info.isDir())
        return Error{QStringLiteral("Das Verzeichnis %1 ist nicht vorhanden.").arg(anzeige(verzeichnis))};
    DicomUebersicht uebersicht;
    uebersicht.Verzeichnis = QDir::cleanPath(info.absoluteFilePath());
    const QStringList dateien = DicomDateien(uebersicht.Verzeichnis, maske);
    uebersicht.Dateien = dateien.size();
    auto gelesen = LeseRTPlaene(runner, dateien, fortschritt);
    if (!gelesen)
        return Error{gelesen.error()};
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        DicomPlanErgebnis &ergebnis = (*gelesen)[i];
        if (!ergebnis.Plan) {
            uebersicht.Hinweise << ergebnis.Grund;
            continue;
        }
        for (const TvelDICOMRTBeamClass &beam : ergebnis.Plan->Plan.Beams) {
            for (const QString &hinweis : beam.AusgelasseneBloecke)
                uebersicht.Hinweise << QStringLiteral("Datei %1, %2").arg(anzeige(dateien[i]), hinweis);
        }
        uebersicht.Plaene.append({dateien[i], std::move(*ergebnis.Plan)});
    }
    return uebersicht;
}

} // namespace

Result<DicomUebersicht> ErstelleDicomUebersicht(DcmdumpRunner &runner, const QString &verzeichnis,
                                                const QString &maske, const DicomFortschritt &fortschritt)
{
    // Memory that runs out outside the reading of one file (a huge folder) ends the read with a
    // message, never the program.
    try {
        return uebersichtLesen(runner, verzeichnis, maske, fortschritt);
    } catch (const std::bad_alloc &) {
        return Error{kSpeicherVoll};
    }
}

Result<TvelDICOMRTPlanClass> LoadRTPlan(DcmdumpRunner &runner, const QString &datei)
{
    if (!QFileInfo(datei).isFile())
        return Error{QStringLiteral("Die Datei ist nicht vorhanden.")};
    auto gelesen = LeseRTPlaene(runner, {QFileInfo(datei).absoluteFilePath()});
    if (!gelesen)
        return Error{gelesen.error()};
    DicomPlanErgebnis &ergebnis = (*gelesen)[0];
    if (!ergebnis.Plan)
        return Error{ergebnis.Grund};
    return std::move(*ergebnis.Plan);
}

Result<TvelDICOMRTPlanClass> LoadRTPlanOhneBlockpruefung(DcmdumpRunner &runner, const QString &datei)
{
    const QFileInfo info(datei);
    if (!info.isFile())
        return Error{QStringLiteral("Die Datei ist nicht vorhanden.")};
    FileDump dump;
    auto gelaufen = runner.DumpEach({info.absoluteFilePath()}, kVollOptionen,
                                    [&](qsizetype, FileDump gegeben) { dump = std::move(gegeben); });
    if (!gelaufen)
        return Error{gelaufen.error()};
    if (dump.failure != FileDump::Failure::None)
        return Error{DumpFehlerText(dump.failure, datei, runner.maxDumpBytes())};
    TvelDICOMRTPlanClass plan;
    if (auto geladen = plan.LoadFromDump(dump.dump); !geladen)
        return Error{geladen.error()};
    if (plan.Plan.BeamCount() == 0)
        return Error{QStringLiteral("Der Plan in %1 enthält keine Beams.").arg(anzeige(datei))};
    return plan;
}

} // namespace qv
