#include "order/AuftragAusJson.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Cp1252.h"
#include "config/TKundenDaten.h"
#include "contour/TKontur.h"
#include "order/TAuftrag.h"

#include <QJsonArray>
#include <QSet>

#include <initializer_list>

#include <cmath>
#include <limits>

namespace qv {

namespace {

// Reads one JSON object strictly; the first problem stops everything and names its key.
class StrengerLeser
{
public:
    QString fehler;

    bool ok() const { return fehler.isEmpty(); }

    void problem(const QString &text)
    {
        if (fehler.isEmpty())
            fehler = text;
    }

    // Every key of o must be one of the known ones.
    void nurBekannte(const QJsonObject &o, const QString &pfad, std::initializer_list<const char *> bekannt,
                     std::initializer_list<const char *> ignoriert = {})
    {
        QSet<QString> erlaubt;
        for (const char *k : bekannt)
            erlaubt.insert(QString::fromLatin1(k));
        for (const char *k : ignoriert)
            erlaubt.insert(QString::fromLatin1(k));
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!erlaubt.contains(it.key())) {
                problem(QStringLiteral("Unbekannter Schlüssel \"%1\".").arg(pfad + it.key()));
                return;
            }
        }
    }

    QJsonValue wert(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            problem(QStringLiteral("Der Schlüssel \"%1\" fehlt.").arg(pfad + QLatin1String(key)));
        return v;
    }

    QString text(const QJsonObject &o, const QString &pfad, const char *key, int kapazitaet)
    {
        const QJsonValue v = wert(o, pfad, key);
        if (!ok())
            return {};
        const QString name = pfad + QLatin1String(key);
        if (!v.isString()) {
            problem(QStringLiteral("Der Schlüssel \"%1\" muss ein Text sein.").arg(name));
            return {};
        }
        const QString t = v.toString();
        if (fromCp1252(toCp1252(t)) != t) {
            problem(QStringLiteral("Der Text von \"%1\" enthält ein Zeichen, das Windows-1252 nicht darstellen kann.").arg(name));
            return {};
        }
        if (t.size() > kapazitaet) {
            problem(QStringLiteral("Der Text von \"%1\" hat %2 Zeichen; das Feld fasst höchstens %3.")
                        .arg(name)
                        .arg(t.size())
                        .arg(kapazitaet));
            return {};
        }
        return t;
    }

    double zahl(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        if (!ok())
            return 0;
        if (!v.isDouble()) {
            problem(QStringLiteral("Der Schlüssel \"%1\" muss eine Zahl sein.").arg(pfad + QLatin1String(key)));
            return 0;
        }
        return v.toDouble();
    }

    qint64 ganzeZahl(const QJsonValue &v, const QString &name, qint64 min, qint64 max)
    {
        if (!ok())
            return 0;
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || !std::isfinite(d) || d != std::trunc(d)) {
            problem(QStringLiteral("Der Schlüssel \"%1\" muss eine ganze Zahl sein.").arg(name));
            return 0;
        }
        if (d < double(min) || d > double(max)) {
            problem(QStringLiteral("Der Wert von \"%1\" (%2) liegt außerhalb von %3 bis %4.")
                        .arg(name, v.toVariant().toString())
                        .arg(min)
                        .arg(max));
            return 0;
        }
        return qint64(d);
    }

    qint32 int32(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        return qint32(ganzeZahl(v, pfad + QLatin1String(key), std::numeric_limits<qint32>::min(),
                                std::numeric_limits<qint32>::max()));
    }

    quint8 byte(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        return quint8(ganzeZahl(v, pfad + QLatin1String(key), 0, 255));
    }

    bool wahrheit(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        if (ok() && !v.isBool())
            problem(QStringLiteral("Der Schlüssel \"%1\" muss true oder false sein.").arg(pfad + QLatin1String(key)));
        return v.toBool();
    }

    QJsonObject objekt(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        if (ok() && !v.isObject())
            problem(QStringLiteral("Der Schlüssel \"%1\" muss ein Objekt sein.").arg(pfad + QLatin1String(key)));
        return v.toObject();
    }

    QJsonArray liste(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        if (ok() && !v.isArray())
            problem(QStringLiteral("Der Schlüssel \"%1\" muss eine Liste sein.").arg(pfad + QLatin1String(key)));
        return v.toArray();
    }

    QJsonObject element(const QJsonArray &a, qsizetype i, const QString &name)
    {
        if (ok() && !a[i].isObject())
            problem(QStringLiteral("\"%1\" muss ein Objekt sein.").arg(name));
        return a[i].toObject();
    }

    QPoint punkt(const QJsonValue &v, const QString &name)
    {
        if (!ok())
            return {};
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 2) {
            problem(QStringLiteral("\"%1\" muss ein Punkt [x, y] aus zwei ganzen Zahlen sein.").arg(name));
            return {};
        }
        const auto lo = std::numeric_limits<qint32>::min();
        const auto hi = std::numeric_limits<qint32>::max();
        const qint64 x = ganzeZahl(a[0], name + QStringLiteral("[0]"), lo, hi);
        const qint64 y = ganzeZahl(a[1], name + QStringLiteral("[1]"), lo, hi);
        return QPoint(int(x), int(y));
    }

    QPoint punkt(const QJsonObject &o, const QString &pfad, const char *key)
    {
        const QJsonValue v = wert(o, pfad, key);
        return punkt(v, pfad + QLatin1String(key));
    }

    TAnP anp(const QJsonObject &o, const QString &p)
    {
        nurBekannte(o, p, {"Geschlecht", "Titel", "Name", "Telefon", "Fax", "EMail"});
        return {text(o, p, "Geschlecht", 50), text(o, p, "Titel", 50), text(o, p, "Name", 50),
                text(o, p, "Telefon", 50),    text(o, p, "Fax", 50),   text(o, p, "EMail", 50)};
    }

    TAdresse adresse(const QJsonObject &o, const QString &p)
    {
        nurBekannte(o, p, {"AnP", "Institut", "Abteilung", "Strasse", "PLZ", "Ort"});
        return {text(o, p, "AnP", 200),    text(o, p, "Institut", 50), text(o, p, "Abteilung", 50),
                text(o, p, "Strasse", 50), text(o, p, "PLZ", 5),       text(o, p, "Ort", 50)};
    }

    TBeschl beschl(const QJsonObject &o, const QString &p)
    {
        nurBekannte(o, p, {"Beschleuniger", "KBez", "Typ", "FBA", "EFBA", "Gusshoehe"});
        return {text(o, p, "Beschleuniger", 50), text(o, p, "KBez", 50), text(o, p, "Typ", 50),
                text(o, p, "FBA", 10),           text(o, p, "EFBA", 10), text(o, p, "Gusshoehe", 10)};
    }

    TAbteilung abteilung(const QJsonObject &o, const QString &p)
    {
        nurBekannte(o, p, {"Version", "Name", "Transport", "Herkunft", "Legierung", "AktAnP", "AktBeschl", "AnP", "Beschl",
                           "Lieferanschrift", "Rechnungsanschrift", "Abholadresse"});
        TAbteilung a;
        a.Version = int32(o, p, "Version");
        a.Name = text(o, p, "Name", 50);
        a.Transport = text(o, p, "Transport", 50);
        a.Herkunft = text(o, p, "Herkunft", 50);
        a.Legierung = text(o, p, "Legierung", 50);
        a.AktAnP = int32(o, p, "AktAnP");
        a.AktBeschl = int32(o, p, "AktBeschl");
        const QJsonArray anps = liste(o, p, "AnP");
        for (qsizetype i = 0; ok() && i < anps.size(); ++i) {
            const QString name = p + QStringLiteral("AnP[%1]").arg(i);
            a.AnP.append(anp(element(anps, i, name), name + u'.'));
        }
        const QJsonArray bs = liste(o, p, "Beschl");
        for (qsizetype i = 0; ok() && i < bs.size(); ++i) {
            const QString name = p + QStringLiteral("Beschl[%1]").arg(i);
            a.Beschl.append(beschl(element(bs, i, name), name + u'.'));
        }
        a.Lieferanschrift = adresse(objekt(o, p, "Lieferanschrift"), p + QStringLiteral("Lieferanschrift."));
        a.Rechnungsanschrift = adresse(objekt(o, p, "Rechnungsanschrift"), p + QStringLiteral("Rechnungsanschrift."));
        a.Abholadresse = adresse(objekt(o, p, "Abholadresse"), p + QStringLiteral("Abholadresse."));
        return a;
    }

    TKundenDaten kundendaten(const QJsonObject &o, const QString &p)
    {
        nurBekannte(o, p, {"Version", "FFA", "AktAbteilung", "Vertragspartner", "VertragsAdresse", "Abteilungen"});
        TKundenDaten k;
        k.Version = int32(o, p, "Version");
        k.FFA = zahl(o, p, "FFA");
        k.AktAbteilung = int32(o, p, "AktAbteilung");
        k.Vertragspartner = anp(objekt(o, p, "Vertragspartner"), p + QStringLiteral("Vertragspartner."));
        k.VertragsAdresse = adresse(objekt(o, p, "VertragsAdresse"), p + QStringLiteral("VertragsAdresse."));
        const QJsonArray abts = liste(o, p, "Abteilungen");
        for (qsizetype i = 0; ok() && i < abts.size(); ++i) {
            const QString name = p + QStringLiteral("Abteilungen[%1]").arg(i);
            k.Abteilungen.append(abteilung(element(abts, i, name), name + u'.'));
        }
        return k;
    }

    TAuftragsdatenRec auftragsdaten(const QJsonObject &o, const QString &p)
    {
        nurBekannte(o, p, {"Gueltig", "Datum", "MitCodierung", "Kunde", "Beschleuniger", "Bearbeiter", "FBA", "EFBA", "Modus",
                           "TragplatteRahmen", "Herkunft", "Legierung", "Codierung", "PatientenID", "Zielvolumen",
                           "KurzKommentar", "Kollimatorwinkel", "Gantrywinkel", "Gusshoehe", "Transport"});
        TAuftragsdatenRec r;
        r.Gueltig = wahrheit(o, p, "Gueltig");
        r.Datum = zahl(o, p, "Datum");
        r.MitCodierung = wahrheit(o, p, "MitCodierung");
        r.Kunde = text(o, p, "Kunde", 200);
        r.Beschleuniger = text(o, p, "Beschleuniger", 50);
        r.Bearbeiter = text(o, p, "Bearbeiter", 50);
        r.FBA = text(o, p, "FBA", 5);
        r.EFBA = text(o, p, "EFBA", 10);
        r.Modus = text(o, p, "Modus", 50);
        r.TragplatteRahmen = text(o, p, "TragplatteRahmen", 50);
        r.Herkunft = text(o, p, "Herkunft", 50);
        r.Legierung = text(o, p, "Legierung", 50);
        r.Codierung = text(o, p, "Codierung", 50);
        r.PatientenID = text(o, p, "PatientenID", 50);
        r.Zielvolumen = text(o, p, "Zielvolumen", 50);
        r.KurzKommentar = text(o, p, "KurzKommentar", 50);
        r.Kollimatorwinkel = text(o, p, "Kollimatorwinkel", 50);
        r.Gantrywinkel = text(o, p, "Gantrywinkel", 50);
        r.Gusshoehe = text(o, p, "Gusshoehe", 50);
        r.Transport = text(o, p, "Transport", 50);
        return r;
    }

    // The contours as the file's contour stream holds them: count, then per contour its
    // points without the closing one.
    QByteArray konturStrom(const QJsonArray &konturen)
    {
        ByteWriter w;
        if (konturen.size() > TKonturen::MaxKonturen) {
            problem(QStringLiteral("\"Konturen\" hat %1 Konturen; eine Bestellung fasst höchstens %2.")
                        .arg(konturen.size())
                        .arg(TKonturen::MaxKonturen));
            return {};
        }
        w.int32(qint32(konturen.size()));
        for (qsizetype k = 0; ok() && k < konturen.size(); ++k) {
            const QString name = QStringLiteral("Konturen[%1]").arg(k);
            const QJsonObject o = element(konturen, k, name);
            const QString p = name + u'.';
            nurBekannte(o, p, {"Nummer", "Geschlossen", "Punkte"});
            const qint32 nummer = int32(o, p, "Nummer");
            if (ok() && nummer != k + 1) {
                problem(QStringLiteral("\"%1Nummer\" ist %2; die Konturen müssen 1, 2, … in dieser Reihenfolge heißen, hier %3.")
                            .arg(p)
                            .arg(nummer)
                            .arg(k + 1));
            }
            const bool geschlossen = wahrheit(o, p, "Geschlossen");
            const QJsonArray punkte = liste(o, p, "Punkte");
            if (!ok())
                break;
            if (punkte.size() > TKontur::MaxPunkte) {
                problem(QStringLiteral("\"%1Punkte\" hat %2 Punkte; eine Kontur fasst höchstens %3.")
                            .arg(p)
                            .arg(punkte.size())
                            .arg(TKontur::MaxPunkte));
                break;
            }
            QList<QPoint> gelesen;
            for (qsizetype i = 0; ok() && i < punkte.size(); ++i)
                gelesen.append(punkt(punkte[i], p + QStringLiteral("Punkte[%1]").arg(i)));
            if (!ok())
                break;
            // The file holds closed contours only: an open one would come back closed.
            if (!geschlossen || gelesen.size() < 4 || gelesen.first() != gelesen.last()) {
                problem(QStringLiteral("Die Kontur \"%1\" ist nicht geschlossen (\"Geschlossen\": true, mindestens 4 "
                                       "Punkte, der letzte gleich dem ersten).")
                            .arg(name));
                break;
            }
            w.int32(qint32(gelesen.size() - 1));
            for (qsizetype i = 0; i + 1 < gelesen.size(); ++i) {
                w.int32(gelesen[i].x());
                w.int32(gelesen[i].y());
            }
        }
        return w.data();
    }
};

} // namespace

Result<void> AuftragAusJson(const QJsonObject &json, TAuftrag &doc)
{
    StrengerLeser l;
    const QString wurzel;
    l.nurBekannte(json, wurzel,
                  {"Isozentrum", "Konturen", "MassstabPunkt1", "MassstabPunkt2", "MassstabAbstand", "FeldEcke1", "FeldEcke2",
                   "Einschubrichtung", "Auftragsdaten", "Kundendaten", "Auftragsart"},
                  {"Version", "GeladeneVersion", "PixelProMM", "Bild"});
    const QPoint iso = l.punkt(json, wurzel, "Isozentrum");
    const QByteArray strom = l.konturStrom(l.liste(json, wurzel, "Konturen"));
    const QPoint m1 = l.punkt(json, wurzel, "MassstabPunkt1");
    const QPoint m2 = l.punkt(json, wurzel, "MassstabPunkt2");
    const qint32 abstand = l.int32(json, wurzel, "MassstabAbstand");
    const QPoint f1 = l.punkt(json, wurzel, "FeldEcke1");
    const QPoint f2 = l.punkt(json, wurzel, "FeldEcke2");
    const quint8 richtung = l.byte(json, wurzel, "Einschubrichtung");
    const TAuftragsdatenRec daten =
        l.auftragsdaten(l.objekt(json, wurzel, "Auftragsdaten"), QStringLiteral("Auftragsdaten."));
    TKundenDaten kunde = l.kundendaten(l.objekt(json, wurzel, "Kundendaten"), QStringLiteral("Kundendaten."));
    const quint8 art = l.byte(json, wurzel, "Auftragsart");
    if (!l.ok())
        return Error{l.fehler};

    TKonturen konturen;
    ByteReader r(strom);
    if (const auto gelesen = konturen.AusStreamLesen(r); !gelesen)
        return Error{gelesen.error()};

    doc.Isozentrum = iso;
    doc.Konturen = std::move(konturen);
    // Distance first, then point 1 and point 2, so the scale follows from them as on reading.
    doc.Massstab.MassstabAbstandSetzen(abstand);
    doc.MassstabPunktSetzen(1, m1);
    doc.MassstabPunktSetzen(2, m2);
    doc.FeldEcke1 = f1;
    doc.FeldEcke2 = f2;
    doc.Einschubrichtung = TEinschubrichtung(richtung);
    doc.Auftragsdaten = daten;
    doc.Kundendaten = std::move(kunde);
    doc.Auftragsart = TAuftragsart(art);
    return {};
}

} // namespace qv
