#include "app/KundenDatenMeldungen.h"

#include "base/Messages.h"
#include "config/TKundenDaten.h"

namespace qv {

bool KundenDatenSpeichern(const TKundenDaten &kunde, const QString &kundePfad, Messages &messages)
{
    const Result<void> geschrieben = kunde.SpeichereDatei(kundePfad);
    if (!geschrieben)
        messages.error(geschrieben.error());
    return geschrieben.ok();
}

bool KundenDatenPruefen(const TKundenDaten &kunde, Messages &messages)
{
    const QString meldung = kunde.PruefMeldung();
    if (meldung.isEmpty())
        return true;
    messages.warning(meldung);
    return false;
}

} // namespace qv
