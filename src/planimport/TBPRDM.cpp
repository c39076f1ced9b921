#include "planimport/TBPRDM.h"

#include "base/Numbers.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace qv {

namespace {

const QString kOeffnenFehler = QStringLiteral(
    "Es ist ein Fehler beim Öffnen des BPR-Moduls aufgetreten.\r\nBitte prüfen Sie ihre Quellvantar installation.\r\n\r\n");

Result<qint32> ganzeZahl(const QSqlRecord &zeile, const QString &feld)
{
    const QString text = Datenbank::alsText(zeile, feld);
    const auto wert = parseInt32(text);
    if (!wert)
        return Error{QStringLiteral("\"%1\" ist kein gültiger Integerwert (Feld %2 der Formatbeschreibung %3).")
                         .arg(text, feld, Datenbank::alsText(zeile, QStringLiteral("ID_FormatValue")))};
    return *wert;
}

QChar ersterBuchstabe(const QSqlRecord &zeile, const QString &feld)
{
    const QString text = Datenbank::alsText(zeile, feld);
    return text.isEmpty() ? QChar(u'0') : text.at(0);
}

} // namespace

bool ReadFormatValue(const BPRFormatZeilen &zeilen, T_Werte &werte, int valueCode)
{
    const auto it = zeilen.constFind(valueCode);
    if (it == zeilen.constEnd()) {
        werte = T_Werte{};
        return false;
    }
    werte = *it;
    return true;
}

Result<T_Werte> WerteAusZeile(const QSqlRecord &zeile)
{
    T_Werte w;
    w.tagstr = Datenbank::alsText(zeile, QStringLiteral("tagstr"));
    auto line = ganzeZahl(zeile, QStringLiteral("lineoffset"));
    if (!line)
        return Error{line.error()};
    auto row = ganzeZahl(zeile, QStringLiteral("rowoffset"));
    if (!row)
        return Error{row.error()};
    auto len = ganzeZahl(zeile, QStringLiteral("len"));
    if (!len)
        return Error{len.error()};
    w.lineoffset = *line;
    w.rowoffset = *row;
    w.len = *len;
    w.endchar = ersterBuchstabe(zeile, QStringLiteral("endchar"));
    w.beginchar = ersterBuchstabe(zeile, QStringLiteral("beginchar"));
    return w;
}

QString TBPRDM::DateiImOrdner(const QString &programmOrdner)
{
    return QDir(programmOrdner).filePath(QStringLiteral("BPRdb.sqlite"));
}

Result<void> TBPRDM::Open(const QString &datei)
{
    Close();
    if (auto ok = m_db.oeffnen(datei); !ok)
        return Error{kOeffnenFehler + ok.error()};
    for (const QString &tabelle : {QStringLiteral("BPRFormat"), QStringLiteral("Value"), QStringLiteral("FormatValue")}) {
        if (auto felder = m_db.felder(tabelle); !felder) {
            m_db.schliessen();
            return Error{kOeffnenFehler + felder.error()};
        }
    }
    m_offen = true;
    return {};
}

void TBPRDM::Close()
{
    m_db.schliessen();
    m_offen = false;
}

Result<bool> TBPRDM::ReadFormatValue(T_Werte &werte, int formatCode, int valueCode) const
{
    werte = T_Werte{};
    auto zeile = m_db.suchen(QStringLiteral("FormatValue"),
                             {{QStringLiteral("ID_BPRFormat"), formatCode}, {QStringLiteral("ID_Value"), valueCode}});
    if (!zeile)
        return Error{zeile.error()};
    if (!zeile->has_value())
        return false;
    auto w = WerteAusZeile(**zeile);
    if (!w)
        return Error{w.error()};
    werte = *w;
    return true;
}

Result<BPRFormatZeilen> TBPRDM::FormatZeilen(int formatCode) const
{
    if (!m_offen)
        return Error{QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    QSqlQuery q(m_db.verbindung());
    q.prepare(QStringLiteral("SELECT * FROM FormatValue WHERE ID_BPRFormat = ? ORDER BY rowid"));
    q.addBindValue(formatCode);
    if (!q.exec())
        return Error{QStringLiteral("Die Formatbeschreibung kann nicht gelesen werden: %1").arg(q.lastError().text())};
    BPRFormatZeilen zeilen;
    while (q.next()) {
        const QSqlRecord r = q.record();
        const auto code = parseInt32(Datenbank::alsText(r, QStringLiteral("ID_Value")));
        if (!code || zeilen.contains(*code))
            continue;
        auto w = WerteAusZeile(r);
        if (!w)
            return Error{w.error()};
        zeilen.insert(*code, *w);
    }
    return zeilen;
}

Result<QString> TBPRDM::FormatName(int formatCode) const
{
    auto zeile = m_db.suchen(QStringLiteral("BPRFormat"), {{QStringLiteral("ID_BPRFormat"), formatCode}});
    if (!zeile)
        return Error{zeile.error()};
    return zeile->has_value() ? Datenbank::alsText(**zeile, QStringLiteral("Name")) : QString();
}

} // namespace qv
