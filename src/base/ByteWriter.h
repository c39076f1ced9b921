#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace qv {

/// Builds little-endian bytes in memory.
class ByteWriter
{
public:
    void int32(qint32 v);
    void byte(quint8 v);
    void boolean(bool v);
    void float64(double v);
    void extended(double v);
    void shortString(QStringView text, int capacity);
    void bytes(QByteArrayView data);

    const QByteArray &data() const { return m_data; }
    QByteArray take() { return std::move(m_data); }
    qsizetype size() const { return m_data.size(); }

private:
    QByteArray m_data;
};

} // namespace qv
