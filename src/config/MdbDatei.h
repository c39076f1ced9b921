#pragma once

#include "base/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace qv {

/// Reads tables of an Access (.mdb) file, for importing existing installations' databases.
/// Texts arrive as Unicode; numbers, booleans and dates with their types.
class MdbDatei
{
public:
    struct Spalte
    {
        QString name;
        QMetaType::Type typ = QMetaType::QString;
        int groesse = 0; // maximum text size, 0 for other types
    };
    struct Tabelle
    {
        QString name;
        QList<Spalte> spalten;
        QList<QVariantList> zeilen; // NULL as an invalid QVariant
    };

    MdbDatei();
    ~MdbDatei();
    MdbDatei(const MdbDatei &) = delete;
    MdbDatei &operator=(const MdbDatei &) = delete;

    /// False when this build has no Access support (the library was missing at build time).
    static bool verfuegbar();

    Result<void> oeffnen(const QString &datei);
    /// The user tables, in catalogue order.
    Result<QStringList> tabellen() const;
    /// A whole table; a table that is not there is an error naming it and the file.
    Result<Tabelle> lesen(const QString &tabelle) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace qv
