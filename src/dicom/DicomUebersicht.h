#pragma once

#include "base/Result.h"
#include "dicom/DcmdumpRunner.h"
#include "dicom/TvelDICOMRTPlanClass.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qv {

/// Progress of a long read: files done of all files to do (the total may grow once).
using DicomFortschritt = std::function<void(qsizetype fertig, qsizetype gesamt)>;

/// What a file of the import folder gave: its plan, or why it has none.
struct DicomPlanErgebnis
{
    std::optional<TvelDICOMRTPlanClass> Plan;
    QString Grund; ///< German reason when there is no plan
};

/// The RT Plans with blocks of an import folder, each parsed once.
struct DicomUebersicht
{
    struct Eintrag
    {
        QString Datei; ///< full path
        TvelDICOMRTPlanClass Plan;
    };
    QString Verzeichnis;  ///< absolute path
    qsizetype Dateien = 0; ///< files looked at
    QList<Eintrag> Plaene; ///< sorted by the bytes of the file names
    /// In the order of the files: each file left out with its reason, and each block left out
    /// of a listed plan (with its file, beam and block).
    QStringList Hinweise;
};

/// The mask of a file-type entry: the text between "(" and ")", e.g. "*.dcm".
QString DateiMaske(const QString &dateiTyp);

/// The regular files of a folder that match the mask, hidden files included; the letter case of
/// the mask does not matter and "*.*" means every file, also one without an extension.
/// Sorted by the bytes of their names. Folders, FIFOs and devices are never taken.
QStringList DicomDateien(const QString &verzeichnis, const QString &maske);

/// Reads the files as RT Plans: one batched run for Modality and Block Sequence, then one full
/// run for the plans with blocks, each plan read as its dump arrives. A file is a plan when its
/// Modality is "RTPLAN", it has a Block Sequence and its dump gives at least one beam. Fails only
/// when dcmdump cannot be started; every other reason names its file.
Result<QList<DicomPlanErgebnis>> LeseRTPlaene(DcmdumpRunner &runner, const QStringList &dateien,
                                               const DicomFortschritt &fortschritt = {});

/// The overview of a folder. A missing folder, dcmdump that cannot be started or memory running
/// out is an error; a file that cannot be read is left out and named in Hinweise, and the others
/// are still read.
Result<DicomUebersicht> ErstelleDicomUebersicht(DcmdumpRunner &runner, const QString &verzeichnis,
                                                const QString &maske, const DicomFortschritt &fortschritt = {});

/// Dumps and reads one file (the chosen plan, once more, as it now is).
Result<TvelDICOMRTPlanClass> LoadRTPlan(DcmdumpRunner &runner, const QString &datei);

/// The same for a plan that may have no blocks yet (the aperture from a target gives them).
Result<TvelDICOMRTPlanClass> LoadRTPlanOhneBlockpruefung(DcmdumpRunner &runner, const QString &datei);

} // namespace qv
