#include "app/StartRegeln.h"

#include "base/IniFile.h"

namespace qv {

int ModusIndexLesen(const IniFile &einstellungen, int bisher)
{
    // A key that is missing or not a number behaves like a value out of range.
    const qint32 wert = einstellungen.readInteger(QStringLiteral("Init"), QStringLiteral("ModusIndex"), -1);
    return wert >= ModusBildVorlage && wert <= ModusDICOM ? wert : bisher;
}

std::optional<TEinschubrichtung> EinschubrichtungAusText(const QString &text)
{
    if (text == u"Links")
        return TEinschubrichtung::Links;
    if (text == u"Rechts")
        return TEinschubrichtung::Rechts;
    if (text == u"Oben")
        return TEinschubrichtung::Oben;
    if (text == u"Unten")
        return TEinschubrichtung::Unten;
    return std::nullopt;
}

TEinschubrichtung EinschubrichtungLesen(const IniFile &einstellungen, TEinschubrichtung bisher)
{
    return EinschubrichtungAusText(einstellungen.readString(QStringLiteral("Init"), QStringLiteral("Einschubrichtung"),
                                                            QStringLiteral("Rechts")))
        .value_or(bisher);
}

QString ConfigFehltMeldung(const QString &configPfad)
{
    return u'"' + configPfad + QStringLiteral("\" nicht gefunden.\rOhne diese Datei kann das Quellvantar nicht gestartet werden");
}

} // namespace qv
