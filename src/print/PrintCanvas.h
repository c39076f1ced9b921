#pragma once

#include "base/Result.h"

#include <QString>

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

} // namespace qv
