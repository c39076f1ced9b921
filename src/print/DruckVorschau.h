#pragma once

#include "base/Result.h"
#include "print/PrintUtils.h"

class QPagedPaintDevice;
class QWidget;

namespace qv {

/// The chosen sheets on one paged device, the order sheet first, each sheet from a new page.
/// The order sheet shows an empty coding as printing fills it in; daten is only read.
Result<void> BlaetterZeichnen(QPagedPaintDevice &geraet, DruckAuswahl auswahl, const DruckDaten &daten);

/// "Druckvorschau": the chosen sheets in the print preview (QPrintPreviewDialog) before a
/// printer is chosen; printing from there prints what it shows. Modal.
void DruckvorschauZeigen(DruckAuswahl auswahl, const DruckDaten &daten, QWidget *parent);

} // namespace qv
