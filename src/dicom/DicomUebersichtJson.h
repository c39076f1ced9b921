#pragma once

#include "dicom/DicomUebersicht.h"

#include <QByteArray>

namespace qv {

/// The overview as UTF-8 JSON: {"Verzeichnis", "Plaene": [...]} with the keys in a fixed order,
/// coordinates in tenths of a millimetre, 32-bit floats as the shortest decimal that reads
/// back to the same float.
QByteArray DicomUebersichtAlsJson(const DicomUebersicht &uebersicht);

/// The shortest decimal text that reads back to the same 32-bit float ("950", "0.1", "1e-05").
QByteArray JsonFloat(float value);

} // namespace qv
