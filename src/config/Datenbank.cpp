#include "config/Datenbank.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QUuid>

namespace qv {

namespace {

QString zitiert(const QString &name)
{
    QString n = name;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}

Error engineFehler(const QString &was, const QSqlError &e)
{
    return Error{QStringLiteral("%1: %2").arg(was, e.text())};
}

} // namespace

Datenbank::Datenbank() : m_name(QStringLiteral("qv-db-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Datenbank::~Datenbank()
{
    schliessen();
}

Result<void> Datenbank::oeffnen(const QString &datei)
{
    schliessen();
    const QString name = QDir::toNativeSeparators(datei);
    // The engine would quietly create a missing file; a missing database is an error here.
    if (!QFileInfo(datei).isFile())
        return Error{QStringLiteral("Die Datenbank \"%1\" wurde nicht gefunden.").arg(name)};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(datei);
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            return engineFehler(QStringLiteral("Die Datenbank \"%1\" kann nicht geöffnet werden").arg(name), e);
        }
        // Opening does not read the file; a first query tells a foreign file.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            const QSqlError e = q.lastError();
            q = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            return engineFehler(QStringLiteral("Die Datei \"%1\" ist keine lesbare Datenbank").arg(name), e);
        }
    }
    m_datei = datei;
    return {};
}

Result<void> Datenbank::erzeugen(const QString &datei, const QString &schemaSql)
{
    const QString name = QDir::toNativeSeparators(datei);
    if (QFileInfo::exists(datei) && !QFile::remove(datei))
        return Error{QStringLiteral("Die Datei \"%1\" kann nicht ersetzt werden.").arg(name)};
    const QString verbindung = QStringLiteral("qv-neu-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Result<void> ergebnis;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung);
        db.setDatabaseName(datei);
        if (!db.open()) {
            ergebnis = engineFehler(QStringLiteral("Die Datenbank \"%1\" kann nicht angelegt werden").arg(name), db.lastError());
        } else {
            db.transaction();
            QSqlQuery q(db);
            // Statements end with ";" at the end of a line; "--" starts a comment line.
            QString anweisung;
            const QStringList zeilen = schemaSql.split(u'\n');
            for (const QString &zeile : zeilen) {
                const QString t = zeile.trimmed();
                if (t.startsWith(QStringLiteral("--")) || t.isEmpty())
                    continue;
                anweisung += zeile + u'\n';
                if (!t.endsWith(u';'))
                    continue;
                if (!q.exec(anweisung)) {
                    ergebnis = engineFehler(QStringLiteral("Fehler im Datenbankschema bei \"%1\"").arg(anweisung.trimmed().left(80)),
                                            q.lastError());
                    break;
                }
                anweisung.clear();
            }
            if (ergebnis.ok() && !anweisung.trimmed().isEmpty() && !q.exec(anweisung))
                ergebnis = engineFehler(QStringLiteral("Fehler im Datenbankschema"), q.lastError());
            if (ergebnis.ok())
                db.commit();
            else
                db.rollback();
            q = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(verbindung);
    if (!ergebnis.ok())
        QFile::remove(datei);
    return ergebnis;
}

void Datenbank::schliessen()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_datei.clear();
}

bool Datenbank::offen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Datenbank::verbindung() const
{
    return QSqlDatabase::database(m_name, false);
}

Result<QStringList> Datenbank::tabellen() const
{
    if (!offen())
        return Error{QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    QSqlQuery q(verbindung());
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name")))
        return engineFehler(QStringLiteral("Die Tabellen können nicht gelesen werden"), q.lastError());
    QStringList namen;
    while (q.next())
        namen << q.value(0).toString();
    return namen;
}

Result<QList<Datenbank::Feld>> Datenbank::felder(const QString &tabelle) const
{
    if (!offen())
        return Error{QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    QSqlQuery q(verbindung());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(zitiert(tabelle))))
        return engineFehler(QStringLiteral("Die Felder der Tabelle \"%1\" können nicht gelesen werden").arg(tabelle), q.lastError());
    QList<Feld> liste;
    static const QRegularExpression groesse(QStringLiteral("\\((\\d+)\\)"));
    while (q.next()) {
        Feld f;
        f.name = q.value(1).toString();
        f.typ = q.value(2).toString();
        const auto m = groesse.match(f.typ);
        if (m.hasMatch())
            f.groesse = m.captured(1).toInt();
        f.autoWert = q.value(5).toInt() > 0 && f.typ.compare(QStringLiteral("INTEGER"), Qt::CaseInsensitive) == 0;
        liste << f;
    }
    if (liste.isEmpty())
        return Error{QStringLiteral("Die Tabelle \"%1\" gibt es in der Datenbank \"%2\" nicht.")
                         .arg(tabelle, QDir::toNativeSeparators(m_datei))};
    return liste;
}

Result<std::optional<QSqlRecord>> Datenbank::suchen(const QString &tabelle, const QList<QPair<QString, QVariant>> &werte,
                                                    const QString &filter) const
{
    if (!offen())
        return Error{QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    QStringList bedingungen;
    for (const auto &w : werte)
        bedingungen << zitiert(w.first) + QStringLiteral(" = ?");
    if (!filter.trimmed().isEmpty())
        bedingungen << u'(' + filter + u')';
    QString sql = QStringLiteral("SELECT * FROM %1").arg(zitiert(tabelle));
    if (!bedingungen.isEmpty())
        sql += QStringLiteral(" WHERE ") + bedingungen.join(QStringLiteral(" AND "));
    // Table order is insertion order.
    sql += QStringLiteral(" ORDER BY rowid LIMIT 1");
    QSqlQuery q(verbindung());
    if (!q.prepare(sql))
        return engineFehler(QStringLiteral("Suche in der Tabelle \"%1\" nicht möglich").arg(tabelle), q.lastError());
    for (const auto &w : werte)
        q.addBindValue(w.second);
    if (!q.exec())
        return engineFehler(QStringLiteral("Suche in der Tabelle \"%1\" nicht möglich").arg(tabelle), q.lastError());
    if (!q.next())
        return std::optional<QSqlRecord>();
    return std::optional<QSqlRecord>(q.record());
}

QString Datenbank::alsText(const QSqlRecord &zeile, const QString &feld)
{
    const QVariant v = zeile.value(feld);
    return v.isNull() ? QString() : v.toString();
}

QSqlTableModel *Datenbank::tabellenModell(const QString &tabelle, QObject *parent) const
{
    auto *modell = new QSqlTableModel(parent, verbindung());
    modell->setTable(tabelle);
    modell->setEditStrategy(QSqlTableModel::OnFieldChange);
    modell->select();
    return modell;
}

} // namespace qv
