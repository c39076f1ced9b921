#include "base/Steuerzeichen.h"

namespace qv {

QString OhneSteuerzeichen(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return text;
}

} // namespace qv
