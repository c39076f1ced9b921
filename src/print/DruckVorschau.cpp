#include "print/DruckVorschau.h"

#include "order/TAuftragsdatenRec.h"
#include "print/PainterCanvas.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace qv {

Result<void> BlaetterZeichnen(QPagedPaintDevice &geraet, DruckAuswahl auswahl, const DruckDaten &daten)
{
    // The sheet as it will be printed, without touching the order's record.
    TAuftragsdatenRec auftragsdaten = daten.Auftragsdaten;
    CodierungErgaenzen(auftragsdaten);
    const DruckDaten kopie{auftragsdaten,         daten.Kundendaten, daten.Auftragsart, daten.EMailAdresse,
                           daten.MitAbholadresse, daten.Jetzt};

    Result<std::unique_ptr<PainterCanvas>> canvas = PainterCanvas::begin(geraet);
    if (!canvas)
        return Error{canvas.error()};
    if (auswahl != DruckAuswahl::Kundendaten)
        AuftragsdatenBlatt(**canvas, kopie);
    if (auswahl == DruckAuswahl::Alles)
        (*canvas)->newPage();
    if (auswahl != DruckAuswahl::Auftragsdaten)
        KundendatenBlatt(**canvas, kopie);
    return (*canvas)->finish();
}

void DruckvorschauZeigen(DruckAuswahl auswahl, const DruckDaten &daten, QWidget *parent)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setDocName((auswahl == DruckAuswahl::Kundendaten ? kKundendatenTitel : kAuftragsdatenTitel).trimmed());
    QPrintPreviewDialog dialog(&drucker, parent);
    dialog.setObjectName(QStringLiteral("Druckvorschau"));
    dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [auswahl, &daten](QPrinter *p) { (void)BlaetterZeichnen(*p, auswahl, daten); });
    dialog.exec();
}

} // namespace qv
