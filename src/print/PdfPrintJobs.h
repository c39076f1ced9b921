#pragma once

#include "print/PrintJobs.h"

namespace qv {

/// Print jobs into a PDF file (A4 portrait, 1200 dpi). The file is written atomically when a
/// job finishes; every job writes the file anew.
class PdfPrintJobs final : public PrintJobs
{
public:
    explicit PdfPrintJobs(QString pdfPath);

    bool choosePrinter() override { return true; }
    Result<std::unique_ptr<PrintCanvas>> beginJob(const QString &title) override;

private:
    QString m_path;
};

} // namespace qv
