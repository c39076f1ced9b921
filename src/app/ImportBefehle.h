#pragma once

#include "app/ImportFenster.h"
#include "dicom/Zielstruktur.h"
#include "order/ImportUebernahme.h"

#include <QString>

namespace qv {

class DcmdumpRunner;
class Messages;

/// Applies a transfer to the window's order and shows its notices; shows the reason of a
/// transfer that failed, leaving the order as it was. True when applied.
bool ImportErgebnisAnwenden(const ImportErgebnis &ergebnis, ImportFenster &fenster, Messages &messages);

/// "Öffnen" in the DICOM dialog: the chosen file is dumped once more (it may have changed) and
/// the beam taken from that dump. True when the order now holds the beam.
bool DicomPlanUebernehmen(DcmdumpRunner &runner, const QString &datei, qsizetype beamIndex, const ImportKontext &kontext,
                          ImportFenster &fenster, Messages &messages);

/// "Übernehmen" with a target chosen: the ROI's shadow through the beam, widened by the margin,
/// taken over exactly as the beam's blocks would be (as APERTURE blocks in their place).
bool DicomZielstrukturUebernehmen(DcmdumpRunner &runner, const QString &datei, qsizetype beamIndex,
                                  const TZielstrukturWahl &ziel, const ImportKontext &kontext, ImportFenster &fenster,
                                  Messages &messages);

/// The message when dcmdump cannot be found.
QString DcmdumpFehltText();
/// The help texts of the DICOM import.
QString DicomHilfeTitel();
QString DicomHilfeText();

} // namespace qv
