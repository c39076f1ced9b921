#pragma once

#include "print/PrintCanvas.h"

#include <QString>

namespace qv {

/// Writes a sheet line by line on a print canvas: keeps the current height y (1/600 inch,
/// growing downwards) and the font, and starts a new page where a text would run past the
/// bottom of the printable area.
class BlattSchreiber
{
public:
    /// Top of the first line on every page.
    static constexpr int kOben = 20;

    explicit BlattSchreiber(PrintCanvas &canvas);

    void schrift(int punkte, bool fett = false, bool unterstrichen = false, bool kursiv = false);
    /// Writes at column x on the current height; on a new page first when it would not fit.
    void text(int x, const QString &text);
    void weiter(int dy) { m_y += dy; }
    /// Starts a new page unless the next hoehe units fit on this one.
    void zusammenhalten(int hoehe);
    /// Height of a line in the given font size, in 1/600 inch.
    static int zeilenHoehe(int punkte);

    int y() const { return m_y; }

private:
    PrintCanvas &m_canvas;
    PrintFont m_font;
    int m_y = kOben;
};

} // namespace qv
