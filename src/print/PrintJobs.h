#pragma once

#include "base/Result.h"
#include "print/PrintCanvas.h"

#include <QString>

#include <memory>

namespace qv {

/// Where print jobs go: a printer chosen through the platform's dialog, a PDF file, or a
/// recorder in tests.
class PrintJobs
{
public:
    virtual ~PrintJobs() = default;
    /// Lets the person choose the printer; false when cancelled.
    virtual bool choosePrinter() = 0;
    /// Starts a job in portrait orientation; an error when the printer or file cannot be opened.
    virtual Result<std::unique_ptr<PrintCanvas>> beginJob(const QString &title) = 0;
};

} // namespace qv
