#include "contour/SchrittFeld.h"

#include "contour/Verschiebung.h"

namespace qv {

SchrittFeld::SchrittFeld(QWidget *parent) : QLineEdit(QStringLiteral("0"), parent)
{
    setMaxLength(SchrittStellen);
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textEdited, this, &SchrittFeld::bereinigen);
}

int SchrittFeld::Wert() const
{
    return SchrittWert(text());
}

void SchrittFeld::bereinigen(const QString &text)
{
    QString ziffern = text.left(SchrittStellen);
    for (QChar &c : ziffern)
        c = SchrittZeichen(c);
    if (ziffern == text)
        return;
    const int pos = std::min(cursorPosition(), int(ziffern.size()));
    setText(ziffern);
    setCursorPosition(pos);
}

} // namespace qv
