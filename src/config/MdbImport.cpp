#include "config/MdbImport.h"

#include "config/Datenbank.h"

#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace qv {

namespace {

// The rows of one table, inside the caller's transaction.
// q lives on with the caller until the transaction has ended: a statement the server has
// prepared cannot be freed inside a failed transaction.
Result<int> kopiereZeilen(const MdbDatei::Tabelle &quelle, Datenbank &ziel, const QString &zielTabelle,
                          const ImportFortschritt &fortschritt, QSqlQuery &q)
{
    auto felder = ziel.felder(zielTabelle);
    if (!felder)
        return Error{felder.error()};
    QList<int> quellSpalten;
    QStringList namen;
    QStringList autoWerte;
    for (const Datenbank::Feld &f : *felder) {
        for (qsizetype j = 0; j < quelle.spalten.size(); ++j) {
            if (quelle.spalten[j].name.compare(f.name, Qt::CaseInsensitive) == 0) {
                quellSpalten << int(j);
                namen << Datenbank::bezeichner(f.name);
                if (f.autoWert)
                    autoWerte << f.name;
                break;
            }
        }
    }
    if (namen.isEmpty())
        return Error{QStringLiteral("Die Tabelle \"%1\" der Access-Datei hat keine Spalte der Tabelle \"%2\".")
                         .arg(quelle.name, zielTabelle)};

    const bool server = ziel.engine() == Datenbank::Engine::PostgreSQL;
    auto fehler = [&](const QString &was) -> Result<int> { return Error{QStringLiteral("%1: %2").arg(was, q.lastError().text())}; };
    if (!q.exec(QStringLiteral("DELETE FROM %1").arg(Datenbank::bezeichner(zielTabelle))))
        return fehler(QStringLiteral("Die Tabelle \"%1\" kann nicht geleert werden").arg(zielTabelle));
    QStringList platzhalter;
    for (qsizetype i = 0; i < namen.size(); ++i)
        platzhalter << QStringLiteral("?");
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(Datenbank::bezeichner(zielTabelle), namen.join(QStringLiteral(", ")), platzhalter.join(QStringLiteral(", ")))))
        return fehler(QStringLiteral("Import in die Tabelle \"%1\" nicht möglich").arg(zielTabelle));
    int anzahl = 0;
    for (const QVariantList &zeile : quelle.zeilen) {
        for (int j : quellSpalten) {
            QVariant v = zeile.value(j);
            if (v.typeId() == QMetaType::QDateTime)
                v = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            else if (v.typeId() == QMetaType::Bool && !server)
                v = v.toBool() ? 1 : 0;
            q.addBindValue(v);
        }
        if (!q.exec())
            return fehler(QStringLiteral("Zeile %1 der Tabelle \"%2\" kann nicht übernommen werden").arg(anzahl + 1).arg(zielTabelle));
        ++anzahl;
        if (fortschritt)
            fortschritt(anzahl);
    }
    // The server's key counter does not follow keys that were given; set it past the largest.
    if (server) {
        for (const QString &feld : autoWerte) {
            q.prepare(QStringLiteral("SELECT pg_catalog.setval(pg_catalog.pg_get_serial_sequence(?, ?), "
                                     "COALESCE((SELECT MAX(%1) FROM %2), 0) + 1, false)")
                          .arg(Datenbank::bezeichner(feld), Datenbank::bezeichner(zielTabelle)));
            q.addBindValue(Datenbank::bezeichner(zielTabelle));
            q.addBindValue(feld);
            if (!q.exec())
                return fehler(QStringLiteral("Der Schlüsselzähler der Tabelle \"%1\" kann nicht gesetzt werden").arg(zielTabelle));
        }
    }
    return anzahl;
}

} // namespace

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

Result<int> kopiereTabelle(const MdbDatei::Tabelle &quelle, Datenbank &ziel, const QString &zielTabelle,
                           const ImportFortschritt &fortschritt)
{
    QSqlDatabase db = ziel.verbindung();
    if (!db.transaction())
        return Error{QStringLiteral("Import nicht möglich: %1").arg(db.lastError().text())};
    QSqlQuery q(db);
    auto anzahl = kopiereZeilen(quelle, ziel, zielTabelle, fortschritt, q);
    if (!anzahl) {
        db.rollback();
        return anzahl;
    }
    if (!db.commit()) {
        const QString text = db.lastError().text();
        db.rollback();
        return Error{QStringLiteral("Import nicht möglich: %1").arg(text)};
    }
    return anzahl;
}

Result<QList<QPair<QString, int>>> importiere(const MdbDatei &quelle, const QStringList &tabellen, Datenbank &ziel,
                                              const QString &schemaSql)
{
    // Read everything first, so a broken Access file never opens a transaction.
    QList<MdbDatei::Tabelle> gelesen;
    for (const QString &t : tabellen) {
        auto tabelle = quelle.lesen(t);
        if (!tabelle)
            return Error{tabelle.error()};
        gelesen << std::move(*tabelle);
    }
    QSqlDatabase db = ziel.verbindung();
    if (!db.transaction())
        return Error{QStringLiteral("Import nicht möglich: %1").arg(db.lastError().text())};
    auto abbruch = [&](const QString &text) -> Result<QList<QPair<QString, int>>> {
        db.rollback();
        return Error{text};
    };
    if (auto angelegt = ziel.tabellenAnlegen(schemaSql, tabellen); !angelegt)
        return abbruch(angelegt.error());
    QList<QPair<QString, int>> anzahlen;
    QSqlQuery q(db);
    for (qsizetype i = 0; i < tabellen.size(); ++i) {
        auto anzahl = kopiereZeilen(gelesen[i], ziel, tabellen[i], {}, q);
        if (!anzahl)
            return abbruch(anzahl.error());
        anzahlen.append({tabellen[i], *anzahl});
    }
    if (!db.commit())
        return abbruch(QStringLiteral("Import nicht möglich: %1").arg(db.lastError().text()));
    return anzahlen;
}

} // namespace qv
