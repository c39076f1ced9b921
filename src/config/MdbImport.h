#pragma once

#include "base/Result.h"
#include "config/MdbDatei.h"

#include <QString>
#include <QStringList>

namespace qv {

class Datenbank;

/// The tables the program knows, in the order they are imported.
QStringList bekannteTabellen();

/// The SQL text that creates all tables the program knows (format and customer database).
QString datenbankSchema(const QString &name);

/// Replaces the rows of zielTabelle by the rows of quelle, in one transaction; columns are
/// matched by name, columns only one side has are left out. Returns the number of rows.
Result<int> kopiereTabelle(const MdbDatei::Tabelle &quelle, Datenbank &ziel, const QString &zielTabelle);

} // namespace qv
