#include "app/ZuletztGeoeffnet.h"

#include "base/FileNames.h"
#include "base/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {

const QString kAbschnitt = QStringLiteral("Zuletzt");

QString schluessel(bool kundenModus, int i)
{
    return (kundenModus ? QStringLiteral("Kunde") : QStringLiteral("Intern")) + QString::number(i + 1);
}

QString kodieren(const QString &pfad)
{
    return QString::fromLatin1(encodeFileName(pfad).toPercentEncoding("/"));
}

QString dekodieren(const QString &wert)
{
    return decodeFileName(QByteArray::fromPercentEncoding(wert.toLatin1()));
}

// One spelling per file: absolute, without "." and "..".
QString bereinigt(const QString &datei)
{
    return QDir::cleanPath(QFileInfo(datei).absoluteFilePath());
}

} // namespace

QStringList ZuletztGeoeffnet::Liste(bool kundenModus) const
{
    QStringList liste;
    for (int i = 0; i < kAnzahl; ++i) {
        const QString wert = m_einstellungen.readString(kAbschnitt, schluessel(kundenModus, i));
        if (wert.isEmpty())
            continue;
        const QString datei = dekodieren(wert);
        if (!liste.contains(datei))
            liste.append(datei);
    }
    return liste;
}

void ZuletztGeoeffnet::Hinzufuegen(bool kundenModus, const QString &datei)
{
    if (datei.isEmpty())
        return;
    const QString neu = bereinigt(datei);
    QStringList liste = Liste(kundenModus);
    liste.removeAll(neu);
    liste.prepend(neu);
    Schreiben(kundenModus, liste);
}

void ZuletztGeoeffnet::Bereinigen(const std::function<bool(const QString &)> &existiert)
{
    for (const bool kundenModus : {true, false}) {
        const QStringList liste = Liste(kundenModus);
        QStringList bleiben;
        for (const QString &datei : liste) {
            if (existiert(datei))
                bleiben.append(datei);
        }
        if (bleiben != liste)
            Schreiben(kundenModus, bleiben);
    }
}

void ZuletztGeoeffnet::Schreiben(bool kundenModus, const QStringList &liste)
{
    IniFile::Batch stapel(m_einstellungen);
    for (int i = 0; i < kAnzahl; ++i) {
        if (i < liste.size())
            m_einstellungen.writeString(kAbschnitt, schluessel(kundenModus, i), kodieren(liste[i]));
        else
            m_einstellungen.deleteKey(kAbschnitt, schluessel(kundenModus, i));
    }
}

} // namespace qv
