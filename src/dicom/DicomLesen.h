#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QString>

#include <memory>

class DcmFileFormat;

namespace qv {

/// Reading DICOM objects with the DICOM library (for the RT Structure Set and the beam geometry
/// of an RT Plan; the plan's blocks still come from the text dump).

/// The largest DICOM file read whole: a structure set with many fine ROIs has a few hundred MB.
inline constexpr qint64 kDicomDateiGrenze = qint64(1) << 30;

/// Reads a DICOM file (with or without its preamble). Regular files only, at most
/// kDicomDateiGrenze bytes; the reason as a German message naming the file when it is none.
Result<std::shared_ptr<DcmFileFormat>> DicomDateiLaden(const QString &pfad);

/// The same from bytes in memory (a damaged file is an error, never a crash).
Result<std::shared_ptr<DcmFileFormat>> DicomBytesLaden(const QByteArray &bytes, const QString &anzeigeName);

/// Decodes a text value by the file's Specific Character Set (0008,0005, as it stands in the
/// file, e.g. "ISO_IR 100" or "ISO_IR 192"; empty means the default repertoire). A character set
/// the program does not know is an error naming it, so that a name is never matched or shown in
/// the wrong letters.
Result<QString> DicomTextDekodieren(const QByteArray &roh, const QByteArray &zeichensatz);

/// Silences the DICOM library's own log, so that standard error carries only the program's
/// verdict. Called by the loaders above; idempotent.
void DicomProtokollAbschalten();

} // namespace qv
