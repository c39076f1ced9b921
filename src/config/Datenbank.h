#pragma once

#include "base/Result.h"

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

/// A database file of the program: the embedded SQL engine behind one small interface.
/// Every engine error reaches the caller as an Error carrying the engine's own message.
class Datenbank
{
public:
    /// A field of a table with its declared type and maximum size (0 when the type has none).
    struct Feld
    {
        QString name;
        QString typ; // as declared, e.g. "VARCHAR(50)", "INTEGER"
        int groesse = 0;
        bool autoWert = false; // auto-increment key, read only
    };

    Datenbank();
    ~Datenbank();
    Datenbank(const Datenbank &) = delete;
    Datenbank &operator=(const Datenbank &) = delete;

    /// Opens an existing database file; a missing or foreign file is an error.
    Result<void> oeffnen(const QString &datei);
    /// Creates a new database file from SQL text (statements separated by ";").
    static Result<void> erzeugen(const QString &datei, const QString &schemaSql);
    void schliessen();
    bool offen() const;
    const QString &datei() const { return m_datei; }

    Result<QStringList> tabellen() const;
    Result<QList<Feld>> felder(const QString &tabelle) const;

    /// The first row in table order whose fields equal the given values exactly,
    /// optionally within a filter expression; nullopt when there is none.
    Result<std::optional<QSqlRecord>> suchen(const QString &tabelle, const QList<QPair<QString, QVariant>> &werte,
                                             const QString &filter = {}) const;
    /// A field of a found row as text (empty for NULL).
    static QString alsText(const QSqlRecord &zeile, const QString &feld);

    /// A model of one table for a grid with a navigator: every change of a field is written at
    /// once; a new row is written when it is posted (submitAll), removeRow deletes at once.
    /// The caller owns the model; it must not outlive this object's connection.
    QSqlTableModel *tabellenModell(const QString &tabelle, QObject *parent) const;

    /// The underlying connection, for code that runs its own statements (imports).
    QSqlDatabase verbindung() const;

private:
    QString m_name;
    QString m_datei;
};

} // namespace qv
