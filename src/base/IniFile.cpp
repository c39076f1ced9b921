#include "base/IniFile.h"

#include "base/AtomicWriter.h"
#include "base/Cp1252.h"
#include "base/Logging.h"
#include "base/Numbers.h"

#include <utility>

namespace qv {

namespace {
// A settings file of this size is damaged or not a settings file; read what fits.
constexpr qint64 kMaxIniSize = 64 * 1024 * 1024;
} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    reload();
}

void IniFile::reload()
{
    m_lines.clear();
    m_unreadable.clear();
    if (m_path.isEmpty() || pathKind(m_path) == PathKind::Missing)
        return;
    auto bytes = readWholeFile(m_path, kMaxIniSize);
    if (!bytes) {
        // Reads as empty; but writing it back would lose what could not be read.
        m_unreadable = bytes.error();
        qCWarning(lcDatei).noquote() << m_unreadable;
        return;
    }
    parse(*bytes);
}

void IniFile::parse(const QByteArray &bytes)
{
    m_lines.clear();
    const QString text = fromCp1252(bytes);
    QString current;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QString raw = text.mid(start, end - start);
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        start = end + 1;

        Line line;
        line.text = raw;
        const QString t = raw.trimmed();
        if (t.startsWith(u'[')) {
            const qsizetype close = t.indexOf(u']');
            if (close > 0) {
                line.kind = Line::Section;
                line.section = t.mid(1, close - 1).trimmed();
                current = line.section;
            }
        } else if (!t.startsWith(u';')) {
            const qsizetype eq = raw.indexOf(u'=');
            if (eq > 0) {
                line.kind = Line::Key;
                line.key = raw.left(eq).trimmed();
                line.value = raw.mid(eq + 1).trimmed();
                line.section = current;
                if (line.key.isEmpty())
                    line.kind = Line::Other;
            }
        }
        if (line.kind != Line::Section)
            line.section = current;
        m_lines.append(std::move(line));
    }
}

QByteArray IniFile::serialize() const
{
    QString text;
    for (const Line &line : m_lines) {
        text += line.text;
        text += QStringLiteral("\r\n");
    }
    return toCp1252(text);
}

qsizetype IniFile::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Line::Section && m_lines[i].section.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype IniFile::findKey(const QString &section, const QString &key) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &l = m_lines[i];
        if (l.kind == Line::Key && l.section.compare(section, Qt::CaseInsensitive) == 0
            && l.key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const qsizetype i = findKey(section, key);
    return i < 0 ? defaultValue : m_lines[i].value;
}

qint32 IniFile::readInteger(const QString &section, const QString &key, qint32 defaultValue) const
{
    const qsizetype i = findKey(section, key);
    if (i < 0)
        return defaultValue;
    const QString &v = m_lines[i].value;
    if (v.startsWith(u'$') || v.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        bool ok = false;
        const qint64 hex = v.mid(v.startsWith(u'$') ? 1 : 2).toLongLong(&ok, 16);
        return ok && hex >= 0 && hex <= 0xFFFFFFFFLL ? qint32(quint32(hex)) : defaultValue;
    }
    return parseInt32(v).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    const qsizetype i = findKey(section, key);
    if (i < 0)
        return defaultValue;
    const QString &v = m_lines[i].value;
    if (v.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (v.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto n = parseInt32(v))
        return *n != 0;
    return defaultValue;
}

bool IniFile::sectionExists(const QString &section) const
{
    return findSection(section) >= 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return findKey(section, key) >= 0;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    for (const Line &l : m_lines) {
        if (l.kind == Line::Key && l.section.compare(section, Qt::CaseInsensitive) == 0)
            out.append(l.key);
    }
    return out;
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Line &l : m_lines) {
        if (l.kind == Line::Section)
            out.append(l.section);
    }
    return out;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &rawValue)
{
    // A line break in a value would end the line on disk and turn the rest into a line of
    // its own (even a section header); a value stays on its one line.
    QString value = rawValue;
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    const qsizetype i = findKey(section, key);
    if (i >= 0) {
        Line &l = m_lines[i];
        l.value = value.trimmed();
        l.text = l.key + u'=' + value;
        return;
    }
    Line line;
    line.kind = Line::Key;
    line.key = key;
    line.value = value.trimmed();
    line.text = key + u'=' + value;
    qsizetype s = findSection(section);
    if (s < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty()) {
            Line blank;
            blank.section = m_lines.last().section;
            m_lines.append(blank);
        }
        Line head;
        head.kind = Line::Section;
        head.section = section;
        head.text = u'[' + section + u']';
        m_lines.append(head);
        line.section = section;
        m_lines.append(line);
        return;
    }
    line.section = m_lines[s].section;
    // After the last key of the section, so blank lines and comments before the next
    // section stay where they are.
    qsizetype insertAt = s + 1;
    for (qsizetype j = s + 1; j < m_lines.size() && m_lines[j].kind != Line::Section; ++j) {
        if (m_lines[j].kind == Line::Key)
            insertAt = j + 1;
    }
    m_lines.insert(insertAt, line);
}

bool IniFile::flush()
{
    if (m_batchDepth > 0) {
        m_batchDirty = true;
        return true;
    }
    Result<void> r;
    if (!m_unreadable.isEmpty())
        r = Error{QStringLiteral("Die Einstellungen werden nicht gespeichert, weil die Datei nicht vollständig gelesen "
                                 "werden konnte: %1")
                      .arg(m_unreadable)};
    else
        r = writeFileAtomically(m_writePath.isEmpty() ? m_path : m_writePath, serialize());
    if (r.ok()) {
        if (!m_writePath.isEmpty())
            m_path = std::exchange(m_writePath, QString());
        m_writeFailureLogged = false;
        return true;
    }
    // A read-only folder fails every write the same way: said once, not at every setting.
    if (!m_writeFailureLogged)
        qCWarning(lcDatei).noquote() << r.error();
    m_writeFailureLogged = true;
    return false;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // A setting written again with the value it already has leaves the file alone: the
    // commands store their folders at every use, and each write is a synchronised rename.
    const qsizetype i = findKey(section, key);
    if (i >= 0 && m_unreadable.isEmpty()) {
        QString zeile = value;
        zeile.replace(u'\r', u' ').replace(u'\n', u' ');
        if (m_lines[i].text == m_lines[i].key + u'=' + zeile)
            return true;
    }
    setValue(section, key, value);
    return flush();
}

bool IniFile::writeInteger(const QString &section, const QString &key, qint32 value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    const qsizetype i = findKey(section, key);
    if (i < 0)
        return true;
    m_lines.removeAt(i);
    return flush();
}

bool IniFile::eraseSection(const QString &section)
{
    qsizetype s = findSection(section);
    if (s < 0)
        return true;
    // A damaged file may hold the section twice: all copies go.
    for (; s >= 0; s = findSection(section)) {
        qsizetype e = s + 1;
        while (e < m_lines.size() && m_lines[e].kind != Line::Section)
            ++e;
        m_lines.remove(s, e - s);
    }
    return flush();
}

bool IniFile::Batch::finish()
{
    if (m_done)
        return m_ok;
    m_done = true;
    if (--m_ini.m_batchDepth == 0 && m_ini.m_batchDirty) {
        m_ini.m_batchDirty = false;
        m_ok = m_ini.flush();
    }
    return m_ok;
}

} // namespace qv
