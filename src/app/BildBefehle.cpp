#include "app/BildBefehle.h"

#include "base/Messages.h"
#include "workspace/ArbeitsflaecheSteuerung.h"

namespace qv {

bool BildEinlesen(ArbeitsflaecheSteuerung &steuerung, Messages &meldungen)
{
    const BildEinlesenErgebnis ergebnis = steuerung.BildLaden();
    if (!ergebnis.fehler.isEmpty())
        meldungen.information(QStringLiteral("Das Bild konnte nicht einlgelesen werden.") + u'\r' + ergebnis.fehler);
    return ergebnis.geladen;
}

void BildDrehen(ArbeitsflaecheSteuerung &steuerung, Messages &meldungen)
{
    steuerung.BildDrehen([&meldungen] {
        return meldungen.warningQuestion(QStringLiteral("Alle Informationen vom Isozentrum, Feld, Konturen und Maßstab "
                                                        "gehen verloren!\rWollen Sie das Bild wirklich drehen?"))
               == Messages::Answer::Yes;
    });
}

} // namespace qv
