#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <concepts>
#include <cstdint>

namespace qv {

/// Reads little-endian values from a byte span and never reads past its end.
///
/// The first failure is sticky: every later read returns 0 / empty and ok() stays false,
/// so a record can be read field by field and checked once. The error names the field
/// and says how many bytes were wanted and how many remained.
class ByteReader
{
public:
    /// Reads from bytes that the caller keeps alive.
    explicit ByteReader(QByteArrayView data) : m_data(data) {}
    /// Reads from a temporary byte array (a function's result), which the reader keeps alive;
    /// a view of it would dangle as soon as the statement ends.
    template <typename T>
        requires std::same_as<T, QByteArray>
    explicit ByteReader(T &&data) : m_owned(std::move(data)), m_data(m_owned)
    {
    }

    bool ok() const { return m_ok; }
    const QString &error() const { return m_error; }
    qsizetype pos() const { return m_pos; }
    qsizetype remaining() const { return m_ok ? m_data.size() - m_pos : 0; }
    bool atEnd() const { return remaining() == 0; }

    /// Checks that n bytes remain without reading them; call before allocating for n.
    bool need(qsizetype n, const char *what);
    /// Marks the reader failed with the given message (for semantic checks by the caller).
    void fail(const QString &message);

    qint32 int32(const char *what = "Ganzzahl");
    quint8 byte(const char *what = "Byte");
    bool boolean(const char *what = "Wahrheitswert");
    double float64(const char *what = "Gleitkommazahl");
    /// The 80-bit extended float, converted to double.
    double extended(const char *what = "Gleitkommazahl (80 Bit)");
    /// A fixed-capacity string s[n]: n+1 bytes.
    QString shortString(int capacity, const char *what = "Text");
    QByteArray bytes(qsizetype n, const char *what = "Daten");
    QByteArrayView view(qsizetype n, const char *what = "Daten");
    void skip(qsizetype n, const char *what = "Daten");

private:
    const char *take(qsizetype n, const char *what);

    QByteArray m_owned; // only for the temporary-array constructor; declared before m_data
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
    QString m_error;
};

} // namespace qv
