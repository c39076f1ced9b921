#include "app/KonturMeldungen.h"

#include "base/Messages.h"
#include "contour/TKonturen.h"

namespace qv {

KonturErgebnis KonturMelden(Messages &messages, KonturErgebnis ergebnis)
{
    const QString text = KonturMeldung(ergebnis);
    if (!text.isEmpty())
        messages.information(text);
    return ergebnis;
}

KonturErgebnis KonturLoeschen(TKonturen &konturen, int n, bool Nachfragen, Messages &messages)
{
    if (n < 1 || n > konturen.Anzahl())
        return KonturErgebnis::Unveraendert;
    if (Nachfragen
        && messages.question(QStringLiteral("Wollen Sie die Kontur Nr. %1 wirklich löschen?").arg(n))
            != Messages::Answer::Yes)
        return KonturErgebnis::Unveraendert;
    return konturen.Loeschen(n);
}

} // namespace qv
