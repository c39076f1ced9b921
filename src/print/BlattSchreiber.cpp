#include "print/BlattSchreiber.h"

#include "base/Steuerzeichen.h"

namespace qv {

BlattSchreiber::BlattSchreiber(PrintCanvas &canvas) : m_canvas(canvas)
{
    m_canvas.setFont(m_font);
}

void BlattSchreiber::schrift(int punkte, bool fett, bool unterstrichen, bool kursiv)
{
    m_font.pointSize = punkte;
    m_font.bold = fett;
    m_font.underline = unterstrichen;
    m_font.italic = kursiv;
    m_canvas.setFont(m_font);
}

int BlattSchreiber::zeilenHoehe(int punkte)
{
    return (punkte * PrintCanvas::kUnitsPerInch + 71) / 72;
}

void BlattSchreiber::zusammenhalten(int hoehe)
{
    if (m_y > kOben && m_y + hoehe > m_canvas.pageHeight()) {
        m_canvas.newPage();
        m_y = kOben;
    }
}

void BlattSchreiber::text(int x, const QString &text)
{
    zusammenhalten(zeilenHoehe(m_font.pointSize));
    // One printed line each: a control character in a text must not move or cut it.
    m_canvas.drawText(x, m_y, OhneSteuerzeichen(text));
}

} // namespace qv
