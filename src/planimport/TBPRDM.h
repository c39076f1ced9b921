#pragma once

#include "base/Result.h"
#include "config/Datenbank.h"
#include "planimport/T_Werte.h"

#include <QString>

namespace qv {

/// The format database of the planning-system import: the tables BPRFormat, Value and
/// FormatValue, read only.
class TBPRDM
{
public:
    /// The database file in the program folder.
    static QString DateiImOrdner(const QString &programmOrdner);

    /// Opens the database and checks its three tables. A failure gives the import's message
    /// followed by the engine's.
    Result<void> Open(const QString &datei);
    /// Closes the tables and the connection (also done on destruction).
    void Close();
    bool IstOffen() const { return m_offen; }

    /// The descriptor of (format, value): true and filled when the row exists, false and the
    /// empty descriptor when not; an error when a number field of the row is no number.
    Result<bool> ReadFormatValue(T_Werte &werte, int formatCode, int valueCode) const;
    /// All rows of one format, each value code once (its first row in table order).
    Result<BPRFormatZeilen> FormatZeilen(int formatCode) const;

    /// The Name field of a format row; empty when there is none.
    Result<QString> FormatName(int formatCode) const;

    const Datenbank &datenbank() const { return m_db; }

private:
    Datenbank m_db;
    bool m_offen = false;
};

/// A FormatValue row as the reader holds it; an error when lineoffset, rowoffset or len is no
/// whole number.
Result<T_Werte> WerteAusZeile(const QSqlRecord &zeile);

} // namespace qv
