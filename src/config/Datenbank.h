#pragma once

#include "base/Result.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class QObject;
class QSqlTableModel;

namespace qv {

/// A database of the program behind one small interface: a file of the embedded SQL engine,
/// or a database on a PostgreSQL server named by a libpq connection text (a URI
/// "postgresql://host:port/dbname?..." or key=value pairs such as "service=NAME").
/// Every engine error reaches the caller as an Error carrying the engine's own message.
class Datenbank
{
public:
    enum class Engine
    {
        SQLite,
        PostgreSQL
    };
    /// A table or column name as an SQL identifier: in double quotes, inner quotes doubled.
    /// Both engines read it the same way.
    static QString bezeichner(const QString &name);

    /// Seconds libpq waits for a server to accept the connection, unless the text says otherwise.
    static constexpr int StandardVerbindungsZeitlimit = 5;

    /// A field of a table with its declared type and maximum size (0 when the type has none).
    struct Feld
    {
        QString name;
        QString typ; // as declared, e.g. "VARCHAR(50)", "INTEGER"
        int groesse = 0;
        bool autoWert = false; // auto-increment key, read only
        int schluessel = 0;    // position in the primary key (1, 2, ...), 0 when not part of it
    };

    Datenbank();
    ~Datenbank();
    Datenbank(const Datenbank &) = delete;
    Datenbank &operator=(const Datenbank &) = delete;

    /// True when ziel names a PostgreSQL database rather than a file.
    static bool istServerVerbindung(const QString &ziel);
    /// The engine that serves ziel.
    static Engine engineFuer(const QString &ziel);

    /// Opens an existing database file or connects to a server database; a missing or foreign
    /// file, an unreachable server and a connection text with a password are errors.
    Result<void> oeffnen(const QString &ziel);
    /// Creates a new database file from SQL text (statements end with ";" at the end of a
    /// line, "--" starts a comment line). For a server database, which must exist, the
    /// tables are created in it; a table that exists already is an error. Either everything
    /// is created or nothing. A file is built beside and renamed over an existing one only when
    /// complete; a folder or device is refused.
    static Result<void> erzeugen(const QString &ziel, const QString &schemaSql);
    /// Runs the CREATE TABLE statements of the schema whose tables are missing (only those named
    /// in nurDiese, when given) and the INSERT statements into the tables it creates. Runs in
    /// the caller's transaction, if any. Returns the names of the created tables.
    Result<QStringList> tabellenAnlegen(const QString &schemaSql, const QStringList &nurDiese = {});
    void schliessen();
    bool offen() const;
    /// The file or connection text this database was opened with.
    const QString &datei() const { return m_datei; }
    Engine engine() const { return m_engine; }

    Result<QStringList> tabellen() const;
    Result<QList<Feld>> felder(const QString &tabelle) const;

    /// The first row in table order whose fields equal the given values exactly, optionally
    /// within a filter expression; nullopt when there is none. Table order is the order of the
    /// primary key, read from the table unless the caller names the key fields in ordnung.
    Result<std::optional<QSqlRecord>> suchen(const QString &tabelle, const QList<QPair<QString, QVariant>> &werte,
                                             const QString &filter = {}, const QStringList &ordnung = {}) const;
    /// The first rows (at most hoechstens) in table order, as suchen finds the first.
    Result<QList<QSqlRecord>> suchenMehrere(const QString &tabelle, const QList<QPair<QString, QVariant>> &werte,
                                            const QString &filter, const QStringList &ordnung, int hoechstens) const;
    /// Checks that the table exists with these fields (an error naming the table and every
    /// missing field otherwise); cheaper than reading all fields.
    Result<void> pruefen(const QString &tabelle, const QStringList &felder) const;
    /// A field of a found row as text (empty for NULL).
    static QString alsText(const QSqlRecord &zeile, const QString &feld);

    /// A model of one table for a grid with a navigator: every change of a field is written at
    /// once; a new row is written when it is posted (submitAll), removeRow deletes at once.
    /// The caller owns the model; it must not outlive this object's connection.
    QSqlTableModel *tabellenModell(const QString &tabelle, QObject *parent) const;

    /// The underlying connection, for code that runs its own statements (imports).
    QSqlDatabase verbindung() const;

    /// The statements of a schema text, each translated into the engine's dialect.
    static QStringList anweisungen(const QString &schemaSql, Engine engine);

private:
    Result<void> oeffneDatei(const QString &datei);
    Result<void> oeffneServer(const QString &verbindung);
    Result<QStringList> schluesselFelder(const QString &tabelle) const;

    QString m_name;
    QString m_datei;
    Engine m_engine = Engine::SQLite;
    mutable QHash<QString, QStringList> m_schluessel; // primary key fields per table, read once
};

} // namespace qv
