#pragma once

#include <QString>
#include <QStringList>

namespace qv {

/// A settings file in the classic INI layout, Windows-1252 on disk.
///
/// Section and key names match without regard to case, values are trimmed, a missing file,
/// section or key gives the caller's default. Every write goes to disk at once (atomically);
/// lines and sections the program does not know stay as they were. A broken line is kept
/// and otherwise ignored.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }
    /// For a shipped file the person may change but not overwrite: reads keep coming from
    /// path() until the first write, which goes to writePath; from then on writePath is the
    /// file's path. The folder of writePath must exist.
    void setWritePath(const QString &writePath) { m_writePath = writePath; }
    /// Re-reads the file from disk (a missing or unreadable file reads as empty).
    void reload();
    /// Why the file could not be read whole (too large, not a regular file, no permission);
    /// empty when it was read or is missing. Such a file is never written back.
    const QString &unreadable() const { return m_unreadable; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    qint32 readInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    /// "1"/"0", "true"/"false" in any case; any other whole number counts as true when not 0.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    /// Key names of a section in file order.
    QStringList keys(const QString &section) const;
    QStringList sections() const;

    /// Each write returns false (and logs why, once until a write succeeds again) when the
    /// file could not be written;
    /// the value is then still changed in memory. Line breaks in a value become blanks.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, qint32 value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool deleteKey(const QString &section, const QString &key);
    bool eraseSection(const QString &section);

    /// Sets many values and writes the file once (for editors that save a whole file).
    class Batch;

    /// Parses text as the file would hold it; used by the fuzz target and tests.
    void parse(const QByteArray &bytes);
    QByteArray serialize() const;

private:
    struct Line
    {
        QString text;    // the line as it stands in the file
        QString section; // section name for section lines
        QString key;     // key for key lines
        QString value;   // trimmed value for key lines
        enum Kind { Other, Section, Key } kind = Other;
    };

    qsizetype findSection(const QString &section) const;
    qsizetype findKey(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    bool flush();

    QString m_path;
    QString m_writePath; // empty: writes go to m_path
    QString m_unreadable;
    bool m_writeFailureLogged = false;
    QList<Line> m_lines;
    int m_batchDepth = 0;
    bool m_batchDirty = false;

    friend class Batch;
};

class IniFile::Batch
{
public:
    explicit Batch(IniFile &ini) : m_ini(ini) { ++m_ini.m_batchDepth; }
    ~Batch() { finish(); }
    /// Writes the file now; returns false when that failed.
    bool finish();

private:
    IniFile &m_ini;
    bool m_done = false;
    bool m_ok = true;
};

} // namespace qv
