#include "app/StartRegeln.h"

#include "base/IniFile.h"

namespace qv {

int ModusIndexLesen(const IniFile &einstellungen, int bisher)
{
    // A key that is missing or not a number behaves like a value out of range.
    const qint32 wert = einstellungen.readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), -1);
    return wert >= ModusBildVorlage && wert <= ModusDICOM ? wert : bisher;
}

int EinschubrichtungAusText(const QString &text)
{
    if (text == u"Links")
        return EinschubLinks;
    if (text == u"Rechts")
        return EinschubRechts;
    if (text == u"Oben")
        return EinschubOben;
    if (text == u"Unten")
        return EinschubUnten;
    return 0;
}

int EinschubrichtungLesen(const IniFile &einstellungen, int bisher)
{
    const int code = EinschubrichtungAusText(
        einstellungen.readString(QStringLiteral("Init"), QStringLiteral("Einschubrichtung"), QStringLiteral("Rechts")));
    return code != 0 ? code : bisher;
}

QString ConfigFehltMeldung(const QString &configPfad)
{
    return u'"' + configPfad + QStringLiteral("\" nicht gefunden.\rOhne diese Datei kann das Quellvantar nicht gestartet werden");
}

} // namespace qv
