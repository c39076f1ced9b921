#pragma once

#include <QString>
#include <QStringList>

namespace qv {

/// A prepared planning-system file read line by line: a position that moves forward and a
/// reset back to the first line. The whole text is in memory; nothing is written to disk.
class BPRTextDatei
{
public:
    BPRTextDatei() = default;
    explicit BPRTextDatei(QStringList zeilen) : m_zeilen(std::move(zeilen)) {}

    void Reset() { m_pos = 0; }
    bool Eof() const { return m_pos >= m_zeilen.size(); }
    /// The next line; empty at the end.
    QString ReadLine() { return Eof() ? QString() : m_zeilen.at(m_pos++); }
    const QStringList &Zeilen() const { return m_zeilen; }
    /// How many lines have been read since the last reset: the 1-based number of the line read last.
    qsizetype Position() const { return m_pos; }

private:
    QStringList m_zeilen;
    qsizetype m_pos = 0;
};

} // namespace qv
