#include "config/TAnP.h"

namespace qv {

QString TAnP::AnzeigeName() const
{
    return (Geschlecht + u' ' + Titel + u' ' + Name).trimmed();
}

} // namespace qv
