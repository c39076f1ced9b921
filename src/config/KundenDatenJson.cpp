#include "config/KundenDatenJson.h"

#include "config/TKundenDaten.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"

#include <QJsonArray>
#include <QStringList>

#include <cmath>

namespace qv {

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
    bool programmBereiche = true;
    QString fehler;

    void melden(const QString &text)
    {
        if (fehler.isEmpty())
            fehler = text;
    }
    void problem(const QString &pfad, const char *erwartet)
    {
        melden(QStringLiteral("JSON-Schlüssel \"%1\": %2 erwartet").arg(pfad, QString::fromUtf8(erwartet)));
    }
    // A whole number within [von, bis]; the key is named when it is not.
    void bereich(const QString &pfad, double wert, double von, double bis)
    {
        if (programmBereiche && !(wert >= von && wert <= bis))
            melden(QStringLiteral("JSON-Schlüssel \"%1\": %2 liegt nicht zwischen %3 und %4")
                       .arg(pfad, qv::formatDecimal(wert), qv::formatDecimal(von), qv::formatDecimal(bis)));
    }
    // The file holds at most `kapazitaet` characters of Windows-1252: a longer text would be
    // cut and a character outside the code page stored as '?', so both are refused.
    QString text(const QJsonObject &o, const QString &pfad, const QString &key, int kapazitaet = 50)
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return {};
        if (!v.isString()) {
            problem(pfad + key, "Text");
            return {};
        }
        const QString t = v.toString();
        if (t.size() > kapazitaet)
            melden(QStringLiteral("JSON-Schlüssel \"%1\": Text mit höchstens %2 Zeichen erwartet, %3 Zeichen angegeben")
                       .arg(pfad + key)
                       .arg(kapazitaet)
                       .arg(t.size()));
        else if (qv::fromCp1252(qv::toCp1252(t)) != t)
            melden(QStringLiteral("JSON-Schlüssel \"%1\": Der Text enthält Zeichen, die die Kundendatei nicht speichern kann")
                       .arg(pfad + key));
        return t;
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
        // Checked before the conversion: a value outside 32 bits cannot be converted at all.
        if (!(d >= -2147483648.0 && d <= 2147483647.0) || d != std::trunc(d)) {
            problem(pfad + key, "ganze Zahl (32 Bit)");
            return standard;
        }
        return qint32(d);
    }
    QJsonObject element(const QJsonArray &liste, qsizetype i, const QString &pfad)
    {
        if (!liste[i].isObject())
            problem(pfad, "Objekt");
        return liste[i].toObject();
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
        return {text(o, p, QStringLiteral("AnP"), 200),     text(o, p, QStringLiteral("Institut")), text(o, p, QStringLiteral("Abteilung")),
                text(o, p, QStringLiteral("Strasse")), text(o, p, QStringLiteral("PLZ"), 5),      text(o, p, QStringLiteral("Ort"))};
    }
    TBeschl beschl(const QJsonObject &o, const QString &p)
    {
        return {text(o, p, QStringLiteral("Beschleuniger")), text(o, p, QStringLiteral("KBez")), text(o, p, QStringLiteral("Typ")),
                text(o, p, QStringLiteral("FBA"), 10),       text(o, p, QStringLiteral("EFBA"), 10),
                text(o, p, QStringLiteral("Gusshoehe"), 10)};
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
            a.AnP.append(anp(element(anps, i, p + QStringLiteral("AnP[%1]").arg(i)), p + QStringLiteral("AnP[%1].").arg(i)));
        const QJsonArray bs = liste(o, p, QStringLiteral("Beschl"));
        for (qsizetype i = 0; i < bs.size(); ++i)
            a.Beschl.append(beschl(element(bs, i, p + QStringLiteral("Beschl[%1]").arg(i)), p + QStringLiteral("Beschl[%1].").arg(i)));
        a.Lieferanschrift = adresse(objekt(o, p, QStringLiteral("Lieferanschrift")), p + QStringLiteral("Lieferanschrift."));
        a.Rechnungsanschrift = adresse(objekt(o, p, QStringLiteral("Rechnungsanschrift")), p + QStringLiteral("Rechnungsanschrift."));
        a.Abholadresse = adresse(objekt(o, p, QStringLiteral("Abholadresse")), p + QStringLiteral("Abholadresse."));
        // The program keeps at least one contact and one accelerator and points at one of them.
        bereich(p + QStringLiteral("AktAnP"), a.AktAnP, 0, double(a.AnP.size()) - 1);
        bereich(p + QStringLiteral("AktBeschl"), a.AktBeschl, 0, double(a.Beschl.size()) - 1);
        return a;
    }
};

} // namespace

qv::Result<TKundenDaten> KundenDatenAusJson(const QJsonObject &json, KundenJsonPruefung pruefung)
{
    Leser l;
    l.programmBereiche = pruefung == KundenJsonPruefung::WasDasProgrammAnnimmt;
    TKundenDaten k;
    k.Version = l.ganz(json, {}, QStringLiteral("Version"), 1);
    k.FFA = l.zahl(json, {}, QStringLiteral("FFA"), 100.0);
    k.AktAbteilung = l.ganz(json, {}, QStringLiteral("AktAbteilung"), 0);
    k.Vertragspartner = l.anp(l.objekt(json, {}, QStringLiteral("Vertragspartner")), QStringLiteral("Vertragspartner."));
    k.VertragsAdresse = l.adresse(l.objekt(json, {}, QStringLiteral("VertragsAdresse")), QStringLiteral("VertragsAdresse."));
    // The range the scale dialog accepts.
    l.bereich(QStringLiteral("FFA"), k.FFA, 20, 200);
    const QJsonArray abts = l.liste(json, {}, QStringLiteral("Abteilungen"));
    for (qsizetype i = 0; i < abts.size(); ++i)
        k.Abteilungen.append(l.abteilung(l.element(abts, i, QStringLiteral("Abteilungen[%1]").arg(i)),
                                         QStringLiteral("Abteilungen[%1].").arg(i)));
    l.bereich(QStringLiteral("AktAbteilung"), k.AktAbteilung, 0, double(k.Abteilungen.size()) - 1);
    if (!l.fehler.isEmpty())
        return qv::Error{l.fehler};
    return k;
}

} // namespace qv
