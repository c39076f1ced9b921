#include "contour/KonturErgebnis.h"

#include "contour/TKontur.h"

namespace qv {

QString KonturMeldung(KonturErgebnis ergebnis)
{
    switch (ergebnis) {
    case KonturErgebnis::Ueberschneidung:
        return QStringLiteral("Der eingegebene Punkt führt zu einer Überschneidung \rin der Kontur. Das ist nicht "
                              "zulässig.\rDer letzte Punkt wurde entfernt.");
    case KonturErgebnis::SchliessenUeberschneidung:
        return QStringLiteral("Das Schließen führt zu einer Überschneidung \rin der Kontur. Das ist nicht zulässig.\r"
                              "Die Kontur bleibt offen.");
    case KonturErgebnis::PunktGrenzeErreicht:
        return QStringLiteral("Eine Kontur kann höchstens %1 Punkte haben.\rWeitere Punkte werden nicht übernommen.")
            .arg(TKontur::MaxPunkte - 1);
    case KonturErgebnis::ZuWenigePunkte:
        return QStringLiteral("Eine Kontur kann erst dann geschlossen werden, wenn Sie mind.3 Punkte hat. Bitte geben "
                              "Sie zunächst weitere Punkte ein.");
    case KonturErgebnis::KonturenGrenzeErreicht:
        return QStringLiteral("Es ist nur die Eingabe von 11 Konturen möglich.\rSie können andere Konturen löschen, "
                              "um eine neue einzugeben.");
    case KonturErgebnis::AktuelleKonturOffen:
        return QStringLiteral("Um die Kontur auszuwählen muß zunächst die aktuelle Kontur geschlossen werden.");
    case KonturErgebnis::Angenommen:
    case KonturErgebnis::Unveraendert:
    case KonturErgebnis::ZuNah:
    case KonturErgebnis::PunktGrenzeSchonGemeldet:
        break;
    }
    return {};
}

} // namespace qv
