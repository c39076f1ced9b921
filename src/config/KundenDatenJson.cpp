#include "config/KundenDatenJson.h"

#include "config/TKundenDaten.h"

#include <QJsonArray>
#include <QStringList>

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

namespace {

// Collects the first problem; reading goes on with defaults so the code stays linear.
struct Leser
{
    QString fehler;

    void problem(const QString &pfad, const char *erwartet)
    {
        if (fehler.isEmpty())
            fehler = QStringLiteral("JSON-Schlüssel \"%1\": %2 erwartet").arg(pfad, QString::fromUtf8(erwartet));
    }
    QString text(const QJsonObject &o, const QString &pfad, const QString &key)
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return {};
        if (!v.isString())
            problem(pfad + key, "Text");
        return v.toString();
    }
    double zahl(const QJsonObject &o, const QString &pfad, const QString &key, double standard)
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return standard;
        if (!v.isDouble())
            problem(pfad + key, "Zahl");
        return v.toDouble(standard);
    }
    qint32 ganz(const QJsonObject &o, const QString &pfad, const QString &key, qint32 standard)
    {
        const double d = zahl(o, pfad, key, standard);
        if (d != double(qint32(d)))
            problem(pfad + key, "ganze Zahl");
        return qint32(d);
    }
    QJsonObject objekt(const QJsonObject &o, const QString &pfad, const QString &key)
    {
        const QJsonValue v = o.value(key);
        if (!v.isUndefined() && !v.isObject())
            problem(pfad + key, "Objekt");
        return v.toObject();
    }
    QJsonArray liste(const QJsonObject &o, const QString &pfad, const QString &key)
    {
        const QJsonValue v = o.value(key);
        if (!v.isUndefined() && !v.isArray())
            problem(pfad + key, "Liste");
        return v.toArray();
    }
    TAnP anp(const QJsonObject &o, const QString &p)
    {
        return {text(o, p, QStringLiteral("Geschlecht")), text(o, p, QStringLiteral("Titel")), text(o, p, QStringLiteral("Name")),
                text(o, p, QStringLiteral("Telefon")),    text(o, p, QStringLiteral("Fax")),   text(o, p, QStringLiteral("EMail"))};
    }
    TAdresse adresse(const QJsonObject &o, const QString &p)
    {
        return {text(o, p, QStringLiteral("AnP")),     text(o, p, QStringLiteral("Institut")), text(o, p, QStringLiteral("Abteilung")),
                text(o, p, QStringLiteral("Strasse")), text(o, p, QStringLiteral("PLZ")),      text(o, p, QStringLiteral("Ort"))};
    }
    TBeschl beschl(const QJsonObject &o, const QString &p)
    {
        return {text(o, p, QStringLiteral("Beschleuniger")), text(o, p, QStringLiteral("KBez")), text(o, p, QStringLiteral("Typ")),
                text(o, p, QStringLiteral("FBA")),           text(o, p, QStringLiteral("EFBA")), text(o, p, QStringLiteral("Gusshoehe"))};
    }
    TAbteilung abteilung(const QJsonObject &o, const QString &p)
    {
        TAbteilung a;
        a.Version = ganz(o, p, QStringLiteral("Version"), 1);
        a.Name = text(o, p, QStringLiteral("Name"));
        a.Transport = text(o, p, QStringLiteral("Transport"));
        a.Herkunft = text(o, p, QStringLiteral("Herkunft"));
        a.Legierung = text(o, p, QStringLiteral("Legierung"));
        a.AktAnP = ganz(o, p, QStringLiteral("AktAnP"), 0);
        a.AktBeschl = ganz(o, p, QStringLiteral("AktBeschl"), 0);
        const QJsonArray anps = liste(o, p, QStringLiteral("AnP"));
        for (qsizetype i = 0; i < anps.size(); ++i)
            a.AnP.append(anp(anps[i].toObject(), p + QStringLiteral("AnP[%1].").arg(i)));
        const QJsonArray bs = liste(o, p, QStringLiteral("Beschl"));
        for (qsizetype i = 0; i < bs.size(); ++i)
            a.Beschl.append(beschl(bs[i].toObject(), p + QStringLiteral("Beschl[%1].").arg(i)));
        a.Lieferanschrift = adresse(objekt(o, p, QStringLiteral("Lieferanschrift")), p + QStringLiteral("Lieferanschrift."));
        a.Rechnungsanschrift = adresse(objekt(o, p, QStringLiteral("Rechnungsanschrift")), p + QStringLiteral("Rechnungsanschrift."));
        a.Abholadresse = adresse(objekt(o, p, QStringLiteral("Abholadresse")), p + QStringLiteral("Abholadresse."));
        return a;
    }
};

} // namespace

qv::Result<TKundenDaten> KundenDatenAusJson(const QJsonObject &json)
{
    Leser l;
    TKundenDaten k;
    k.Version = l.ganz(json, {}, QStringLiteral("Version"), 1);
    k.FFA = l.zahl(json, {}, QStringLiteral("FFA"), 100.0);
    k.AktAbteilung = l.ganz(json, {}, QStringLiteral("AktAbteilung"), 0);
    k.Vertragspartner = l.anp(l.objekt(json, {}, QStringLiteral("Vertragspartner")), QStringLiteral("Vertragspartner."));
    k.VertragsAdresse = l.adresse(l.objekt(json, {}, QStringLiteral("VertragsAdresse")), QStringLiteral("VertragsAdresse."));
    const QJsonArray abts = l.liste(json, {}, QStringLiteral("Abteilungen"));
    for (qsizetype i = 0; i < abts.size(); ++i)
        k.Abteilungen.append(l.abteilung(abts[i].toObject(), QStringLiteral("Abteilungen[%1].").arg(i)));
    if (!l.fehler.isEmpty())
        return qv::Error{l.fehler};
    return k;
}
