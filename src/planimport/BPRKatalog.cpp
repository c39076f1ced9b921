#include "planimport/BPRKatalog.h"

namespace qv {

QString BPRFormat::Name(int formatCode)
{
    switch (formatCode) {
    case Plato: return QStringLiteral("Plato");
    case HEK: return QStringLiteral("HEK");
    case Parcientific: return QStringLiteral("Parcientific");
    case Multidata: return QStringLiteral("Multidata");
    case Huestis: return QStringLiteral("Huestis");
    case Target: return QStringLiteral("Target");
    default: return QString();
    }
}

} // namespace qv
