#include "config/MdbImport.h"

#include "config/Datenbank.h"

#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace qv {

QStringList bekannteTabellen()
{
    return {QStringLiteral("BPRFormat"), QStringLiteral("Value"), QStringLiteral("FormatValue"), QStringLiteral("Kunde")};
}

QString datenbankSchema(const QString &name)
{
    QFile f(QStringLiteral(":/schema/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

Result<int> kopiereTabelle(const MdbDatei::Tabelle &quelle, Datenbank &ziel, const QString &zielTabelle)
{
    auto felder = ziel.felder(zielTabelle);
    if (!felder)
        return Error{felder.error()};
    QList<int> quellSpalten;
    QStringList namen;
    for (const Datenbank::Feld &f : *felder) {
        for (qsizetype j = 0; j < quelle.spalten.size(); ++j) {
            if (quelle.spalten[j].name.compare(f.name, Qt::CaseInsensitive) == 0) {
                quellSpalten << int(j);
                namen << u'"' + f.name + u'"';
                break;
            }
        }
    }
    if (namen.isEmpty())
        return Error{QStringLiteral("Die Tabelle \"%1\" der Access-Datei hat keine Spalte der Tabelle \"%2\".")
                         .arg(quelle.name, zielTabelle)};

    QSqlDatabase db = ziel.verbindung();
    if (!db.transaction())
        return Error{QStringLiteral("Import nicht möglich: %1").arg(db.lastError().text())};
    QSqlQuery q(db);
    auto abbruch = [&](const QString &was) -> Result<int> {
        const QString text = QStringLiteral("%1: %2").arg(was, q.lastError().text());
        db.rollback();
        return Error{text};
    };
    if (!q.exec(QStringLiteral("DELETE FROM \"%1\"").arg(zielTabelle)))
        return abbruch(QStringLiteral("Die Tabelle \"%1\" kann nicht geleert werden").arg(zielTabelle));
    QStringList platzhalter;
    for (qsizetype i = 0; i < namen.size(); ++i)
        platzhalter << QStringLiteral("?");
    if (!q.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                       .arg(zielTabelle, namen.join(QStringLiteral(", ")), platzhalter.join(QStringLiteral(", ")))))
        return abbruch(QStringLiteral("Import in die Tabelle \"%1\" nicht möglich").arg(zielTabelle));
    int anzahl = 0;
    for (const QVariantList &zeile : quelle.zeilen) {
        for (int j : quellSpalten) {
            QVariant v = zeile.value(j);
            if (v.typeId() == QMetaType::QDateTime)
                v = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            else if (v.typeId() == QMetaType::Bool)
                v = v.toBool() ? 1 : 0;
            q.addBindValue(v);
        }
        if (!q.exec())
            return abbruch(QStringLiteral("Zeile %1 der Tabelle \"%2\" kann nicht übernommen werden").arg(anzahl + 1).arg(zielTabelle));
        ++anzahl;
    }
    q = QSqlQuery();
    if (!db.commit())
        return Error{QStringLiteral("Import nicht möglich: %1").arg(db.lastError().text())};
    return anzahl;
}

} // namespace qv
