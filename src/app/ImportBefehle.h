#pragma once

#include "order/ImportUebernahme.h"

#include <QString>

namespace qv {

class DcmdumpRunner;
class Messages;

/// What the import flows need from the main window.
class ImportFenster
{
public:
    virtual ~ImportFenster() = default;
    virtual TAuftrag &auftrag() = 0;
    /// A beam was taken over: the workflow status (with the field when it was set), the
    /// workflow, the frame-fit check and a repaint.
    virtual void ImportUebernommen(bool feldGesetzt) = 0;
};

/// Applies a transfer to the window's order and shows its notices; shows the reason of a
/// transfer that failed, leaving the order as it was. True when applied.
bool ImportErgebnisAnwenden(const ImportErgebnis &ergebnis, ImportFenster &fenster, Messages &messages);

/// "Öffnen" in the DICOM dialog: the chosen file is dumped once more (it may have changed) and
/// the beam taken from that dump. True when the order now holds the beam.
bool DicomPlanUebernehmen(DcmdumpRunner &runner, const QString &datei, qsizetype beamIndex, const ImportKontext &kontext,
                          ImportFenster &fenster, Messages &messages);

/// The message when dcmdump cannot be found.
QString DcmdumpFehltText();
/// The help texts of the DICOM import.
QString DicomHilfeTitel();
QString DicomHilfeText();

} // namespace qv
