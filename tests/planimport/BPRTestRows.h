#pragma once

// Format rows for reader tests: a test database made from SQL text, independent of the rows
// the program ships.

#include "base/AtomicWriter.h"
#include "config/Datenbank.h"
#include "planimport/BPRFileBasic.h"
#include "planimport/BPRTools.h"
#include "planimport/TBPRDM.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <initializer_list>

namespace qv::test {

struct Row
{
    int wert;
    const char *tagstr;
    int lineoffset = 0;
    int rowoffset = 0;
    int len = 0;
    const char *endchar = "0";
    const char *beginchar = "0";
};

inline QString schemaSql()
{
    auto s = readWholeFile(QStringLiteral(QV_SCHEMA_DIR "/BPRdb.sql"), 1 << 20);
    EXPECT_TRUE(s.ok());
    return s.ok() ? QString::fromUtf8(*s) : QString();
}

inline QString asSql(int format, std::initializer_list<Row> rows)
{
    QString sql;
    for (const Row &z : rows) {
        const auto q = [](const char *t) { return u'\'' + QString::fromUtf8(t).replace(u'\'', QStringLiteral("''")) + u'\''; };
        sql += QStringLiteral("INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, "
                              "beginchar, ID_NextFormatValue) VALUES (%1, %2, %3, %4, %5, %6, %7, %8, 0);\n")
                   .arg(format)
                   .arg(z.wert)
                   .arg(q(z.tagstr))
                   .arg(z.lineoffset)
                   .arg(z.rowoffset)
                   .arg(z.len)
                   .arg(q(z.endchar), q(z.beginchar));
    }
    return sql;
}

/// A database made from the schema and the given SQL text, opened.
class TestDatabase
{
public:
    explicit TestDatabase(const QString &zeilenSql)
    {
        const QString datei = m_ordner.file(QStringLiteral("BPRdb.sqlite"));
        const auto ok = Datenbank::erzeugen(datei, schemaSql() + u'\n' + zeilenSql);
        EXPECT_TRUE(ok.ok()) << ok.error().toStdString();
        const auto offen = dm.Open(datei);
        EXPECT_TRUE(offen.ok()) << offen.error().toStdString();
    }
    BPRFormatZeilen rows(int format) const
    {
        auto z = dm.FormatZeilen(format);
        EXPECT_TRUE(z.ok()) << z.error().toStdString();
        return z.ok() ? *z : BPRFormatZeilen{};
    }

    TBPRDM dm;

private:
    TempProgramFolder m_ordner;
};

/// The lines of a file text ("\n" between lines) and its format, prepared as the import does.
inline BPRVorbereitung prepared(const QByteArray &text, const QString &name = QStringLiteral("plan.txt"))
{
    return Vorbereiten(text, name);
}

} // namespace qv::test
