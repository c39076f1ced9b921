#include "print/QtPrintJobs.h"

#include "print/PainterCanvas.h"

#include <QDir>
#include <QPrintDialog>

namespace qv {

QtPrintJobs::QtPrintJobs(QWidget *parent) : m_parent(parent)
{
    m_printer.setPageOrientation(QPageLayout::Portrait);
}

bool QtPrintJobs::choosePrinter()
{
    QPrintDialog dialog(&m_printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

Result<std::unique_ptr<PrintCanvas>> QtPrintJobs::beginJob(const QString &title)
{
    m_printer.setDocName(title.trimmed());
    m_printer.setPageOrientation(QPageLayout::Portrait);
    Result<std::unique_ptr<PainterCanvas>> canvas = PainterCanvas::begin(m_printer);
    if (!canvas) {
        if (m_printer.outputFormat() == QPrinter::PdfFormat)
            return Error{QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden.")
                             .arg(QDir::toNativeSeparators(m_printer.outputFileName()))};
        return Error{QStringLiteral("Der Drucker \"%1\" kann nicht geöffnet werden.").arg(m_printer.printerName())};
    }
    return std::unique_ptr<PrintCanvas>(std::move(*canvas));
}

} // namespace qv
