#include "config/Datenbank.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QUuid>

#include <libpq-fe.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace qv {

namespace {

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

bool Datenbank::istServerVerbindung(const QString &ziel)
{
    const QString t = ziel.trimmed();
    if (t.startsWith(QLatin1String("postgresql://")) || t.startsWith(QLatin1String("postgres://")))
        return true;
    if (t.isEmpty() || !t.contains(u'='))
        return false;
    // key=value pairs that libpq itself accepts; a file name never parses as such.
    char *fehler = nullptr;
    PQconninfoOption *optionen = PQconninfoParse(t.toUtf8().constData(), &fehler);
    if (fehler)
        PQfreemem(fehler);
    if (!optionen)
        return false;
    PQconninfoFree(optionen);
    return true;
}

Datenbank::Engine Datenbank::engineFuer(const QString &ziel)
{
    return istServerVerbindung(ziel) ? Engine::PostgreSQL : Engine::SQLite;
}

Result<void> Datenbank::oeffnen(const QString &ziel)
{
    schliessen();
    m_schluessel.clear();
    const Engine engine = engineFuer(ziel);
    auto ok = engine == Engine::PostgreSQL ? oeffneServer(ziel.trimmed()) : oeffneDatei(ziel);
    if (!ok)
        return ok;
    m_datei = ziel;
    m_engine = engine;
    return {};
}

Result<void> Datenbank::oeffneDatei(const QString &datei)
{
    const QString name = QDir::toNativeSeparators(datei);
    // The engine would quietly create a missing file; a missing database is an error here.
    if (!QFileInfo(datei).isFile())
        return Error{QStringLiteral("Die Datenbank \"%1\" wurde nicht gefunden.").arg(name)};
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
    return {};
}

Result<void> Datenbank::oeffneServer(const QString &verbindung)
{
    // libpq parses the text; its values go to the driver one by one, quoted, so nothing in
    // the text ever becomes part of an SQL statement.
    char *fehler = nullptr;
    PQconninfoOption *optionen = PQconninfoParse(verbindung.toUtf8().constData(), &fehler);
    if (!optionen) {
        const QString grund = fehler ? QString::fromUtf8(fehler).trimmed() : QString();
        if (fehler)
            PQfreemem(fehler);
        return Error{QStringLiteral("Die Verbindungsangabe \"%1\" ist ungültig: %2").arg(verbindung, grund)};
    }
    QString host, dbname, user;
    int port = -1;
    QStringList weitere;
    QString problem;
    bool zeitlimit = false;
    for (PQconninfoOption *o = optionen; o->keyword; ++o) {
        if (!o->val)
            continue;
        const QString schluessel = QString::fromUtf8(o->keyword);
        const QString wert = QString::fromUtf8(o->val);
        if (schluessel == u"password") {
            problem = QStringLiteral("Die Verbindungsangabe zur Datenbank enthält ein Passwort. Passwörter stehen in der "
                                     "Datei ~/.pgpass oder in der Dienstdatei von PostgreSQL, nie in der Verbindungsangabe.");
            break;
        }
        if (schluessel == u"host") {
            host = wert;
        } else if (schluessel == u"dbname") {
            dbname = wert;
        } else if (schluessel == u"user") {
            user = wert;
        } else if (schluessel == u"port" && wert.toInt() > 0 && QString::number(wert.toInt()) == wert) {
            port = wert.toInt();
        } else {
            // The driver joins further options with ";" as separator and hands them to libpq;
            // a ";" inside a value would be taken for a separator.
            if (wert.contains(u';')) {
                problem = QStringLiteral("Der Wert von \"%1\" in der Verbindungsangabe enthält ein Semikolon; das kann "
                                         "nicht an den Datenbanktreiber übergeben werden.")
                              .arg(schluessel);
                break;
            }
            QString w = wert;
            w.replace(u'\\', QStringLiteral("\\\\"));
            w.replace(u'\'', QStringLiteral("\\'"));
            weitere << schluessel + QStringLiteral("='") + w + u'\'';
            zeitlimit = zeitlimit || schluessel == u"connect_timeout";
        }
    }
    PQconninfoFree(optionen);
    if (!problem.isEmpty())
        return Error{problem};
    if (!zeitlimit)
        weitere << QStringLiteral("connect_timeout=%1").arg(StandardVerbindungsZeitlimit);
    weitere << QStringLiteral("fallback_application_name=Quellvantar");

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    if (!db.isValid()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        return Error{QStringLiteral("Der PostgreSQL-Treiber von Qt fehlt (Debian-Paket libqt6sql6-psql).")};
    }
    db.setHostName(host);
    db.setDatabaseName(dbname);
    db.setUserName(user);
    db.setPort(port);
    db.setConnectOptions(weitere.join(u';'));
    if (!db.open()) {
        const QSqlError e = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        return engineFehler(QStringLiteral("Die Datenbank \"%1\" kann nicht geöffnet werden").arg(verbindung), e);
    }
    return {};
}

QStringList Datenbank::anweisungen(const QString &schemaSql, Engine engine)
{
    QStringList liste;
    QString anweisung;
    const QStringList zeilen = schemaSql.split(u'\n');
    for (const QString &zeile : zeilen) {
        const QString t = zeile.trimmed();
        if (t.startsWith(QStringLiteral("--")) || t.isEmpty())
            continue;
        anweisung += zeile + u'\n';
        if (!t.endsWith(u';'))
            continue;
        liste << anweisung;
        anweisung.clear();
    }
    if (!anweisung.trimmed().isEmpty())
        liste << anweisung;
    if (engine == Engine::PostgreSQL) {
        // The one phrase the two dialects write differently: an automatic key.
        static const QRegularExpression autoSchluessel(QStringLiteral("\\bINTEGER\\s+PRIMARY\\s+KEY\\s+AUTOINCREMENT\\b"),
                                                       QRegularExpression::CaseInsensitiveOption);
        for (QString &a : liste)
            a.replace(autoSchluessel, QStringLiteral("INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
    }
    return liste;
}

Result<void> Datenbank::erzeugen(const QString &ziel, const QString &schemaSql)
{
    const bool server = istServerVerbindung(ziel);
    const QString name = server ? ziel : QDir::toNativeSeparators(ziel);
    // A file is built beside under a name of its own and renamed over the old one only when
    // complete: a failed schema never costs the old database.
    const QString neueDatei =
        server ? QString() : QStringLiteral("%1.%2.neu").arg(ziel, QUuid::createUuid().toString(QUuid::Id128).left(12));
    Datenbank db;
    if (server) {
        if (auto ok = db.oeffnen(ziel); !ok)
            return ok;
    } else {
        const PathKind art = pathKind(ziel);
        if (art == PathKind::Folder || art == PathKind::Other)
            return Error{QStringLiteral("\"%1\" ist keine normale Datei und wird nicht ersetzt.").arg(name)};
        QSqlDatabase neu = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), db.m_name);
        neu.setDatabaseName(neueDatei);
        if (!neu.open()) {
            const QSqlError e = neu.lastError();
            neu = QSqlDatabase();
            db.schliessen();
            QFile::remove(neueDatei);
            return engineFehler(QStringLiteral("Die Datenbank \"%1\" kann nicht angelegt werden").arg(name), e);
        }
        db.m_datei = neueDatei;
        db.m_engine = Engine::SQLite;
    }
    Result<void> ergebnis;
    {
        QSqlDatabase verbindung = db.verbindung();
        if (!verbindung.transaction()) {
            ergebnis = engineFehler(QStringLiteral("Die Datenbank \"%1\" kann nicht angelegt werden").arg(name),
                                    verbindung.lastError());
        } else {
            QSqlQuery q(verbindung);
            for (const QString &anweisung : anweisungen(schemaSql, db.m_engine)) {
                if (!q.exec(anweisung)) {
                    ergebnis = engineFehler(
                        QStringLiteral("Fehler im Datenbankschema bei \"%1\"").arg(anweisung.trimmed().left(80)), q.lastError());
                    break;
                }
            }
            q = QSqlQuery();
            if (ergebnis.ok() && !verbindung.commit())
                ergebnis = engineFehler(QStringLiteral("Die Datenbank \"%1\" kann nicht angelegt werden").arg(name),
                                        verbindung.lastError());
            if (!ergebnis.ok())
                verbindung.rollback();
        }
    }
    db.schliessen();
    if (server)
        return ergebnis;
    if (ergebnis.ok() && ::rename(encodeFileName(neueDatei).constData(), encodeFileName(ziel).constData()) != 0)
        ergebnis = Error{QStringLiteral("Die Datenbank \"%1\" kann nicht gespeichert werden. %2").arg(name, systemErrorText(errno))};
    if (!ergebnis.ok())
        QFile::remove(neueDatei);
    return ergebnis;
}

Result<QStringList> Datenbank::tabellenAnlegen(const QString &schemaSql, const QStringList &nurDiese)
{
    auto vorhanden = tabellen();
    if (!vorhanden)
        return Error{vorhanden.error()};
    static const QRegularExpression anlegen(QStringLiteral("^\\s*CREATE\\s+TABLE\\s+(\"[^\"]+\"|\\w+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    // Rows and indexes belong to the table they name.
    static const QRegularExpression einfuegen(
        QStringLiteral("^\\s*(?:INSERT\\s+INTO|CREATE\\s+(?:UNIQUE\\s+)?INDEX\\s+(?:\"[^\"]+\"|\\w+)\\s+ON)\\s+(\"[^\"]+\"|\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    auto tabellenName = [](const QRegularExpressionMatch &m) {
        QString n = m.captured(1);
        if (n.startsWith(u'"'))
            n = n.mid(1, n.size() - 2);
        return n;
    };
    QStringList angelegt;
    QSqlQuery q(verbindung());
    m_schluessel.clear();
    for (const QString &anweisung : anweisungen(schemaSql, m_engine)) {
        QString tabelle;
        if (const auto m = anlegen.match(anweisung); m.hasMatch()) {
            tabelle = tabellenName(m);
            if (vorhanden->contains(tabelle) || (!nurDiese.isEmpty() && !nurDiese.contains(tabelle)))
                continue;
            angelegt << tabelle;
        } else if (const auto e = einfuegen.match(anweisung); e.hasMatch() && angelegt.contains(tabellenName(e))) {
            tabelle = tabellenName(e);
        } else {
            continue;
        }
        if (!q.exec(anweisung))
            return engineFehler(QStringLiteral("Die Tabelle \"%1\" kann nicht angelegt werden").arg(tabelle), q.lastError());
    }
    return angelegt;
}

void Datenbank::schliessen()
{
    m_schluessel.clear();
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
    const QString sql =
        m_engine == Engine::PostgreSQL
            ? QStringLiteral("SELECT c.relname::text FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
                             "WHERE c.relkind IN ('r', 'p') AND pg_catalog.pg_table_is_visible(c.oid) "
                             "AND n.nspname NOT IN ('pg_catalog', 'information_schema') ORDER BY c.relname::text COLLATE \"C\"")
            : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name");
    if (!q.exec(sql))
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
    static const QRegularExpression groesse(QStringLiteral("\\((\\d+)\\)"));
    QList<Feld> liste;
    if (m_engine == Engine::PostgreSQL) {
        q.prepare(QStringLiteral(
            "SELECT a.attname::text, pg_catalog.format_type(a.atttypid, a.atttypmod), "
            "a.attidentity <> '' OR COALESCE(pg_catalog.pg_get_expr(d.adbin, d.adrelid) LIKE 'nextval(%', false), "
            "COALESCE((SELECT k.n FROM unnest(i.indkey) WITH ORDINALITY AS k(nr, n) WHERE k.nr = a.attnum), 0) "
            "FROM pg_catalog.pg_attribute a "
            "LEFT JOIN pg_catalog.pg_attrdef d ON d.adrelid = a.attrelid AND d.adnum = a.attnum "
            "LEFT JOIN pg_catalog.pg_index i ON i.indrelid = a.attrelid AND i.indisprimary "
            "WHERE a.attrelid = pg_catalog.to_regclass(?) AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum"));
        q.addBindValue(Datenbank::bezeichner(tabelle));
        if (!q.exec())
            return engineFehler(QStringLiteral("Die Felder der Tabelle \"%1\" können nicht gelesen werden").arg(tabelle),
                                q.lastError());
        while (q.next()) {
            Feld f;
            f.name = q.value(0).toString();
            // Written as the schema text declares them.
            QString typ = q.value(1).toString();
            typ.replace(QStringLiteral("character varying"), QStringLiteral("VARCHAR"));
            f.typ = typ.toUpper();
            const auto m = groesse.match(f.typ);
            if (m.hasMatch())
                f.groesse = m.captured(1).toInt();
            f.autoWert = q.value(2).toBool();
            f.schluessel = q.value(3).toInt();
            liste << f;
        }
    } else {
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Datenbank::bezeichner(tabelle))))
            return engineFehler(QStringLiteral("Die Felder der Tabelle \"%1\" können nicht gelesen werden").arg(tabelle),
                                q.lastError());
        while (q.next()) {
            Feld f;
            f.name = q.value(1).toString();
            f.typ = q.value(2).toString();
            const auto m = groesse.match(f.typ);
            if (m.hasMatch())
                f.groesse = m.captured(1).toInt();
            f.schluessel = q.value(5).toInt();
            f.autoWert = f.schluessel > 0 && f.typ.compare(QStringLiteral("INTEGER"), Qt::CaseInsensitive) == 0;
            liste << f;
        }
    }
    if (liste.isEmpty())
        return Error{QStringLiteral("Die Tabelle \"%1\" gibt es in der Datenbank \"%2\" nicht.")
                         .arg(tabelle, QDir::toNativeSeparators(m_datei))};
    return liste;
}

Result<QStringList> Datenbank::schluesselFelder(const QString &tabelle) const
{
    if (const auto it = m_schluessel.constFind(tabelle); it != m_schluessel.cend())
        return *it;
    auto liste = felder(tabelle);
    if (!liste)
        return Error{liste.error()};
    QList<Feld> schluessel;
    for (const Feld &f : *liste) {
        if (f.schluessel > 0)
            schluessel << f;
    }
    std::sort(schluessel.begin(), schluessel.end(), [](const Feld &a, const Feld &b) { return a.schluessel < b.schluessel; });
    QStringList namen;
    for (const Feld &f : schluessel)
        namen << f.name;
    m_schluessel.insert(tabelle, namen);
    return namen;
}

Result<void> Datenbank::pruefen(const QString &tabelle, const QStringList &felder) const
{
    if (!offen())
        return Error{QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    QStringList spalten;
    for (const QString &f : felder)
        spalten << Datenbank::bezeichner(f);
    QSqlQuery q(verbindung());
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(spalten.join(QStringLiteral(", ")), Datenbank::bezeichner(tabelle))))
        return engineFehler(QStringLiteral("Die Tabelle \"%1\" mit den Feldern %2 gibt es in der Datenbank \"%3\" nicht")
                                .arg(tabelle, felder.join(QStringLiteral(", ")), QDir::toNativeSeparators(m_datei)),
                            q.lastError());
    // The query alone does not tell: SQLite reads a double-quoted name that is no column as a
    // text. The table's own description does.
    const QSqlRecord vorhanden = verbindung().record(tabelle);
    if (vorhanden.isEmpty())
        return {};
    QStringList fehlen;
    for (const QString &f : felder) {
        bool da = false;
        for (int i = 0; i < vorhanden.count() && !da; ++i)
            da = vorhanden.fieldName(i).compare(f, Qt::CaseInsensitive) == 0;
        if (!da)
            fehlen << f;
    }
    if (fehlen.isEmpty())
        return {};
    return Error{QStringLiteral("In der Tabelle \"%1\" der Datenbank \"%2\" %3: %4.")
                     .arg(tabelle, QDir::toNativeSeparators(m_datei),
                          fehlen.size() == 1 ? QStringLiteral("fehlt das Feld") : QStringLiteral("fehlen die Felder"),
                          fehlen.join(QStringLiteral(", ")))};
}

Result<std::optional<QSqlRecord>> Datenbank::suchen(const QString &tabelle, const QList<QPair<QString, QVariant>> &werte,
                                                    const QString &filter, const QStringList &ordnungsFelder) const
{
    auto zeilen = suchenMehrere(tabelle, werte, filter, ordnungsFelder, 1);
    if (!zeilen)
        return Error{zeilen.error()};
    if (zeilen->isEmpty())
        return std::optional<QSqlRecord>();
    return std::optional<QSqlRecord>(zeilen->first());
}

Result<QList<QSqlRecord>> Datenbank::suchenMehrere(const QString &tabelle, const QList<QPair<QString, QVariant>> &werte,
                                                   const QString &filter, const QStringList &ordnungsFelder, int hoechstens) const
{
    if (!offen())
        return Error{QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    auto schluessel = ordnungsFelder.isEmpty() ? schluesselFelder(tabelle) : Result<QStringList>(ordnungsFelder);
    if (!schluessel)
        return Error{schluessel.error()};
    QStringList bedingungen;
    for (const auto &w : werte)
        bedingungen << Datenbank::bezeichner(w.first) + QStringLiteral(" = ?");
    if (!filter.trimmed().isEmpty())
        bedingungen << u'(' + filter + u')';
    QString sql = QStringLiteral("SELECT * FROM %1").arg(Datenbank::bezeichner(tabelle));
    if (!bedingungen.isEmpty())
        sql += QStringLiteral(" WHERE ") + bedingungen.join(QStringLiteral(" AND "));
    // Table order is the order of the primary key, the same on every engine; a table without
    // one falls back to the engine's storage order.
    QStringList ordnung;
    for (const QString &s : *schluessel)
        ordnung << Datenbank::bezeichner(s);
    if (ordnung.isEmpty())
        ordnung << (m_engine == Engine::PostgreSQL ? QStringLiteral("ctid") : QStringLiteral("rowid"));
    sql += QStringLiteral(" ORDER BY ") + ordnung.join(QStringLiteral(", ")) + QStringLiteral(" LIMIT ") +
           QString::number(std::max(hoechstens, 1));
    QSqlQuery q(verbindung());
    if (!q.prepare(sql))
        return engineFehler(QStringLiteral("Suche in der Tabelle \"%1\" nicht möglich").arg(tabelle), q.lastError());
    for (const auto &w : werte)
        q.addBindValue(w.second);
    if (!q.exec())
        return engineFehler(QStringLiteral("Suche in der Tabelle \"%1\" nicht möglich").arg(tabelle), q.lastError());
    QList<QSqlRecord> zeilen;
    while (q.next())
        zeilen << q.record();
    return zeilen;
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

QString Datenbank::bezeichner(const QString &name)
{
    QString n = name;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}

} // namespace qv
