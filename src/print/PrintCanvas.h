#pragma once

#include "base/Result.h"

#include <QString>

#include <memory>

namespace qv {

/// Font of a printed text; the sheets use one fixed-pitch family throughout.
struct PrintFont
{
    QString family = QStringLiteral("Courier New");
    int pointSize = 10;
    bool bold = false;
    bool underline = false;
    bool italic = false;

    bool operator==(const PrintFont &) const = default;
};

/// One print job's pages. Positions are in units of 1/600 inch from the top left of the
/// printable area, whatever the device's resolution; (x, y) is the left and top edge of a text.
class PrintCanvas
{
public:
    static constexpr int kUnitsPerInch = 600;

    virtual ~PrintCanvas() = default;
    virtual void setFont(const PrintFont &font) = 0;
    virtual void drawText(int x, int y, const QString &text) = 0;
    virtual void newPage() = 0;
    /// Height of the printable area of a page, in 1/600 inch.
    virtual int pageHeight() const = 0;
    /// Ends the job; an error when the output could not be completed.
    virtual Result<void> finish() = 0;
};

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
