#pragma once

#include "base/Result.h"
#include "export/ExportQuelle.h"

#include <QByteArray>
#include <QString>

namespace qv {

/// The bytes of the laser-cutter layer file (Windows-1252, CR LF): every contour as a
/// polyline in whole millimetres of the picture plane.
QByteArray LAPDateiInhalt(const ExportQuelle &quelle);

/// Whether the order gives a layer file: it can be measured and has a contour (else the reason).
Result<void> LAPExportMoeglich(const ExportQuelle &quelle);

/// Writes the layer file atomically; on failure (also when LAPExportMoeglich refuses) no file
/// is created and an existing one stays.
Result<void> ExportLAPDatei(const ExportQuelle &quelle, const QString &fileName);

} // namespace qv
