#include "order/OrderJson.h"

#include "config/KundenDatenJson.h"
#include "order/OrderDocument.h"

#include <QJsonArray>

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
    QJsonObject o;
    o.insert(QStringLiteral("Version"), doc.Version);
    o.insert(QStringLiteral("GeladeneVersion"), doc.GeladeneVersion);
    if (doc.Version <= 0)
        return o;
    o.insert(QStringLiteral("Isozentrum"), punkt(doc.Isozentrum));
    o.insert(QStringLiteral("Konturen"), konturen(doc.Konturen));
    o.insert(QStringLiteral("MassstabPunkt1"), punkt(doc.MassstabPunkt1));
    o.insert(QStringLiteral("MassstabPunkt2"), punkt(doc.MassstabPunkt2));
    o.insert(QStringLiteral("MassstabAbstand"), doc.MassstabAbstand);
    o.insert(QStringLiteral("PixelProMM"), doc.PixelProMM());
    o.insert(QStringLiteral("FeldEcke1"), punkt(doc.FeldEcke1));
    o.insert(QStringLiteral("FeldEcke2"), punkt(doc.FeldEcke2));
    o.insert(QStringLiteral("Einschubrichtung"), int(doc.Einschubrichtung));
    o.insert(QStringLiteral("Auftragsdaten"), doc.Auftragsdaten.toJson());
    o.insert(QStringLiteral("Kundendaten"), KundenDatenAlsJson(doc.Kundendaten));
    o.insert(QStringLiteral("Auftragsart"), doc.Version >= 3 ? QJsonValue(int(doc.Auftragsart)) : QJsonValue());
    o.insert(QStringLiteral("Bild"), doc.Vorlage.isNull()
                                         ? QJsonValue()
                                         : QJsonValue(QJsonObject{{QStringLiteral("Breite"), doc.Vorlage.width()},
                                                                  {QStringLiteral("Hoehe"), doc.Vorlage.height()}}));
    return o;
}
