#include "workspace/Anzeige.h"

namespace qv {

bool &Anzeige::operator[](Ebene e)
{
    switch (e) {
    case Ebene::Bild: return Bild;
    case Ebene::Iso: return Iso;
    case Ebene::Scale: return Scale;
    case Ebene::Konturen: return Konturen;
    case Ebene::Feld: break;
    }
    return Feld;
}

} // namespace qv
