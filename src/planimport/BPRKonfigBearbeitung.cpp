#include "planimport/BPRKonfigBearbeitung.h"

#include "base/Numbers.h"

namespace qv {

namespace {

constexpr int kMaxBeschreibung = 32;

// A whole number; 360 and more modulo 360. nullopt when the text is no whole number.
std::optional<qint32> winkel(const QString &text)
{
    const std::optional<qint32> v = parseInt32(text);
    if (!v)
        return std::nullopt;
    return *v >= 360 ? *v % 360 : *v;
}

} // namespace

BPRKonfigEingabe BPRKonfigAnzeige(const TBPRKonfig &k)
{
    return {k.Beschreibung,  QString::number(k.Drehung),   k.XSpiegelung, k.YSpiegelung,
            k.DatenInFBA,    QString::number(k.KolliDreh), QString::number(k.BlendeDreh)};
}

std::optional<QString> BPRKonfigSpeichern(TBPRKonfig &k, const BPRKonfigEingabe &e)
{
    QString meldung;
    // "none" marks an unused record; as a name it would hide the configuration.
    if (e.Beschreibung.left(kMaxBeschreibung) == u"none")
        meldung += QStringLiteral("Die Beschreibung \"none\" ist für unbenutzte Konfigurationen reserviert.\r");
    else
        k.Beschreibung = e.Beschreibung.left(kMaxBeschreibung);
    if (const auto w = winkel(e.Drehung)) {
        k.Drehung = *w;
    } else {
        k.Drehung = 0;
        meldung += QStringLiteral("Die standard Drehung muß eine Zahl sein (0-360°)\r");
    }
    k.XSpiegelung = e.XSpiegelung;
    k.YSpiegelung = e.YSpiegelung;
    k.DatenInFBA = e.DatenInFBA;
    if (const auto w = winkel(e.KolliDreh))
        k.KolliDreh = *w;
    else
        meldung += QStringLiteral("Die standard Kollimatordrehung muß eine Zahl sein (0-360°)\r");
    if (const auto w = winkel(e.BlendeDreh))
        k.BlendeDreh = *w;
    else
        meldung += QStringLiteral("Die standard Gantrydrehung muß eine Zahl sein (0-360°)\r");
    if (meldung.isEmpty())
        return std::nullopt;
    return meldung + QStringLiteral("\rEin speichern ist so nicht möglich.");
}

int BPRKonfigAnzahl(const TBPRKonfigurationen &konfig)
{
    return int(BPRKonfigAuswahl(konfig).size());
}

std::optional<int> BPRKonfigNeu(TBPRKonfigurationen &konfig)
{
    const int anzahl = BPRKonfigAnzahl(konfig);
    if (anzahl >= TBPRKonfig::Anzahl)
        return std::nullopt;
    konfig[size_t(anzahl)].Beschreibung = QStringLiteral("Linac X");
    return anzahl;
}

QString BPRKonfigVollText()
{
    return QStringLiteral("Es können nur 6 Konfigurationen gespeichert werden.\r"
                          "Bitte ändern oder löschen Sie eine vorhandene Konfiguration.");
}

bool BPRKonfigLoeschen(TBPRKonfigurationen &konfig, int slot)
{
    if (BPRKonfigAnzahl(konfig) < 2 || slot < 0 || slot >= TBPRKonfig::Anzahl)
        return false;
    konfig[size_t(slot)] = TBPRKonfig();
    for (int i = 0; i < TBPRKonfig::Anzahl - 1; ++i) {
        if (!konfig[size_t(i)].Unbenutzt())
            continue;
        for (int j = i; j < TBPRKonfig::Anzahl - 1; ++j)
            konfig[size_t(j)] = konfig[size_t(j + 1)];
        konfig[TBPRKonfig::Anzahl - 1] = TBPRKonfig();
        break;
    }
    return true;
}

QString BPRKonfigLetzteText()
{
    return QStringLiteral("Eine Konfiguration muß existieren. Bitte bearbeiten Sie diese,\ranstatt sie zu löschen.");
}

QString BPRKonfigLoeschenFrage(const QString &beschreibung)
{
    return QStringLiteral("Wollen Sie die ausgewählte Konfiguration ") + beschreibung + QStringLiteral("\rwirklich löschen?");
}

} // namespace qv
