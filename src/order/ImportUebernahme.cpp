#include "order/ImportUebernahme.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "contour/KonturErgebnis.h"

namespace qv {

qint32 ZehntelMMInPixel(double pixelProMM, qint32 zehntelMM)
{
    if (pixelProMM == 0)
        return 0;
    return qint32(roundHalfEven(pixelProMM * double(zehntelMM) / 10.0));
}

QPoint ZehntelMMInPixel(double pixelProMM, QPoint zehntelMM)
{
    return {ZehntelMMInPixel(pixelProMM, zehntelMM.x()), ZehntelMMInPixel(pixelProMM, zehntelMM.y())};
}

QString AlsAuftragstext(const QString &text)
{
    return fromCp1252(toCp1252(text));
}

QString ZuVielePunkteText(const QString &name, qint64 punkte)
{
    return QStringLiteral("Die Kontur \"%1\" hat %2 Punkte; eine Kontur kann höchstens %3 Punkte haben.\r"
                          "Sie wird nicht übernommen.")
        .arg(name)
        .arg(punkte)
        .arg(TKontur::MaxPunkte - 1);
}

bool UmrissAlsKontur(TKonturen &konturen, const QList<QPoint> &zehntelMM, double pixelProMM, const QString &name,
                     QStringList &hinweise)
{
    const auto hinweis = [&hinweise](const QString &text) {
        if (!text.isEmpty() && !hinweise.contains(text))
            hinweise << text;
    };
    qsizetype anzahl = zehntelMM.size();
    // An outline that repeats its first point at the end is closed again by the contour, so
    // the repeated point needs no room of its own.
    if (anzahl == TKontur::MaxPunkte && zehntelMM.first() == zehntelMM.last())
        --anzahl;
    if (anzahl > TKontur::MaxPunkte - 1) {
        hinweis(ZuVielePunkteText(name, zehntelMM.size()));
        return false;
    }
    if (konturen.NeueKontur() != KonturErgebnis::Angenommen) {
        hinweis(KonturMeldung(KonturErgebnis::KonturenGrenzeErreicht));
        return false;
    }
    TKontur &kontur = konturen.Kontur(konturen.Anzahl());
    for (qsizetype i = 0; i < anzahl; ++i)
        kontur.PunktHinzufuegen(ZehntelMMInPixel(pixelProMM, zehntelMM[i]), false);
    const KonturErgebnis geschlossen = kontur.Schliessen();
    if (geschlossen == KonturErgebnis::ZuWenigePunkte)
        hinweis(KonturMeldung(geschlossen));
    return true;
}

QString FBANichtUebernommenText(bool ausPlan)
{
    return ausPlan ? QStringLiteral("Der FBA aus dem Plan liegt nicht zwischen 30 und 90 cm; der konfigurierte FBA bleibt erhalten.")
                   : QStringLiteral("Der FBA aus der Datei liegt nicht zwischen 30 und 90 cm; der konfigurierte FBA bleibt erhalten.");
}

QString RahmenPasstNichtFrage()
{
    return QStringLiteral("Der gewählte Rahmen passt nicht.\r\rIn speziellen Fällen von Standard-Blenden kann auch dieser\r"
                          "Rahmen verwendet werden. Halten Sie hierfür bitte Rücksprache mit\runserer Produktion.\r"
                          "Soll automatisch der nächste passende Rahmen gewählt werden?");
}

} // namespace qv
