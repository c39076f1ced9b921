#include "config/KundenDatenJson.h"

#include "config/TKundenDaten.h"

#include <QJsonArray>

namespace {

QJsonObject anpAlsJson(const TAnP &a)
{
    return {{QStringLiteral("Geschlecht"), a.Geschlecht}, {QStringLiteral("Titel"), a.Titel},
            {QStringLiteral("Name"), a.Name},             {QStringLiteral("Telefon"), a.Telefon},
            {QStringLiteral("Fax"), a.Fax},               {QStringLiteral("EMail"), a.EMail}};
}

QJsonObject adresseAlsJson(const TAdresse &a)
{
    return {{QStringLiteral("AnP"), a.AnP},         {QStringLiteral("Institut"), a.Institut},
            {QStringLiteral("Abteilung"), a.Abteilung}, {QStringLiteral("Strasse"), a.Strasse},
            {QStringLiteral("PLZ"), a.PLZ},         {QStringLiteral("Ort"), a.Ort}};
}

QJsonObject beschlAlsJson(const TBeschl &b)
{
    return {{QStringLiteral("Beschleuniger"), b.Beschleuniger}, {QStringLiteral("KBez"), b.KBez},
            {QStringLiteral("Typ"), b.Typ},                     {QStringLiteral("FBA"), b.FBA},
            {QStringLiteral("EFBA"), b.EFBA},                   {QStringLiteral("Gusshoehe"), b.Gusshoehe}};
}

QJsonObject abteilungAlsJson(const TAbteilung &abt)
{
    QJsonArray anp;
    for (const TAnP &a : abt.AnP)
        anp.append(anpAlsJson(a));
    QJsonArray beschl;
    for (const TBeschl &b : abt.Beschl)
        beschl.append(beschlAlsJson(b));
    return {{QStringLiteral("Version"), abt.Version},
            {QStringLiteral("Name"), abt.Name},
            {QStringLiteral("Transport"), abt.Transport},
            {QStringLiteral("Herkunft"), abt.Herkunft},
            {QStringLiteral("Legierung"), abt.Legierung},
            {QStringLiteral("AktAnP"), abt.AktAnP},
            {QStringLiteral("AktBeschl"), abt.AktBeschl},
            {QStringLiteral("AnP"), anp},
            {QStringLiteral("Beschl"), beschl},
            {QStringLiteral("Lieferanschrift"), adresseAlsJson(abt.Lieferanschrift)},
            {QStringLiteral("Rechnungsanschrift"), adresseAlsJson(abt.Rechnungsanschrift)},
            {QStringLiteral("Abholadresse"), adresseAlsJson(abt.Abholadresse)}};
}

} // namespace

QJsonObject KundenDatenAlsJson(const TKundenDaten &kunde)
{
    QJsonArray abteilungen;
    for (const TAbteilung &abt : kunde.Abteilungen)
        abteilungen.append(abteilungAlsJson(abt));
    return {{QStringLiteral("Version"), kunde.Version},
            {QStringLiteral("FFA"), kunde.FFA},
            {QStringLiteral("AktAbteilung"), kunde.AktAbteilung},
            {QStringLiteral("Vertragspartner"), anpAlsJson(kunde.Vertragspartner)},
            {QStringLiteral("VertragsAdresse"), adresseAlsJson(kunde.VertragsAdresse)},
            {QStringLiteral("Abteilungen"), abteilungen}};
}
