#include "order/OrderJson.h"

#include "config/KundenDatenJson.h"
#include "order/OrderDocument.h"

#include <QJsonArray>

namespace qv {

namespace {

QJsonArray punkt(QPoint p)
{
    return QJsonArray{p.x(), p.y()};
}

QJsonArray konturen(const qv::TKonturen &set)
{
    QJsonArray list;
    for (int k = 1; k <= set.Anzahl(); ++k) {
        const qv::TKontur &kontur = set.Kontur(k);
        QJsonArray punkte;
        // The valid points; a closed contour ends with its repeated first point.
        for (int i = 0; i <= kontur.Letzter() && i < kontur.Punkte().size(); ++i)
            punkte.append(punkt(kontur.Punkte()[i]));
        list.append(QJsonObject{{QStringLiteral("Nummer"), kontur.Nummer()},
                                {QStringLiteral("Geschlossen"), kontur.IstGeschlossen()},
                                {QStringLiteral("Punkte"), punkte}});
    }
    return list;
}

} // namespace

QJsonObject AuftragAlsJson(const OrderDocument &doc)
{
    const qv::TAuftrag &a = doc.Auftrag;
    QJsonObject o;
    o.insert(QStringLiteral("Version"), doc.Version);
    o.insert(QStringLiteral("GeladeneVersion"), doc.GeladeneVersion);
    if (doc.Version <= 0)
        return o;
    o.insert(QStringLiteral("Isozentrum"), punkt(a.Isozentrum));
    o.insert(QStringLiteral("Konturen"), konturen(a.Konturen));
    o.insert(QStringLiteral("MassstabPunkt1"), punkt(a.Massstab.MassstabPunkt1));
    o.insert(QStringLiteral("MassstabPunkt2"), punkt(a.Massstab.MassstabPunkt2));
    o.insert(QStringLiteral("MassstabAbstand"), a.Massstab.MassstabAbstand);
    o.insert(QStringLiteral("PixelProMM"), a.PixelProMM());
    o.insert(QStringLiteral("FeldEcke1"), punkt(a.FeldEcke1));
    o.insert(QStringLiteral("FeldEcke2"), punkt(a.FeldEcke2));
    // The byte as the file holds it, also a code the program does not know.
    o.insert(QStringLiteral("Einschubrichtung"), int(doc.EinschubrichtungsCode));
    o.insert(QStringLiteral("Auftragsdaten"), a.Auftragsdaten.toJson());
    o.insert(QStringLiteral("Kundendaten"), KundenDatenAlsJson(a.Kundendaten));
    o.insert(QStringLiteral("Auftragsart"), doc.Version >= 3 ? QJsonValue(int(a.Auftragsart)) : QJsonValue());
    o.insert(QStringLiteral("Bild"), a.Vorlage.isNull()
                                         ? QJsonValue()
                                         : QJsonValue(QJsonObject{{QStringLiteral("Breite"), a.Vorlage.width()},
                                                                  {QStringLiteral("Hoehe"), a.Vorlage.height()}}));
    return o;
}

} // namespace qv
