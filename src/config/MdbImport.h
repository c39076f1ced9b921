#pragma once

#include "base/Result.h"
#include "config/MdbDatei.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

class Datenbank;

/// The tables the program knows, in the order they are imported.
QStringList bekannteTabellen();

/// The SQL text that creates all tables the program knows (format and customer database).
QString datenbankSchema(const QString &name);

/// Called after every copied row with the number of rows copied so far.
using ImportFortschritt = std::function<void(int zeilen)>;

/// Replaces the rows of zielTabelle by the rows of quelle, in one transaction; columns are
/// matched by name, columns only one side has are left out. Returns the number of rows.
Result<int> kopiereTabelle(const MdbDatei::Tabelle &quelle, Datenbank &ziel, const QString &zielTabelle,
                           const ImportFortschritt &fortschritt = {});

/// Imports tables of an Access file in one transaction: creates those of the tables that the
/// target lacks from the schema text, then replaces their rows. On any error the target is
/// left as it was. Returns the number of rows per table.
Result<QList<QPair<QString, int>>> importiere(const MdbDatei &quelle, const QStringList &tabellen, Datenbank &ziel,
                                              const QString &schemaSql);

} // namespace qv
