#pragma once

#include "print/PrintJobs.h"

#include <QPrinter>

class QWidget;

namespace qv {

/// Print jobs on the printer the person chooses in the platform's print dialog (which also
/// offers printing into a PDF file).
class QtPrintJobs final : public PrintJobs
{
public:
    explicit QtPrintJobs(QWidget *parent = nullptr);

    bool choosePrinter() override;
    Result<std::unique_ptr<PrintCanvas>> beginJob(const QString &title) override;

    QPrinter &printer() { return m_printer; }

private:
    QWidget *m_parent;
    QPrinter m_printer{QPrinter::HighResolution};
};

} // namespace qv
