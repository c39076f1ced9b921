#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace qv {

/// Tags of the dump written as one number: group in the high, element in the low 16 bits.
constexpr quint32 dicomTag(quint16 group, quint16 element)
{
    return (quint32(group) << 16) | element;
}
constexpr quint32 kItemStart = dicomTag(0xfffe, 0xe000);
constexpr quint32 kItemEnd = dicomTag(0xfffe, 0xe00d);
constexpr quint32 kSequenceEnd = dicomTag(0xfffe, 0xe0dd);

/// One data element line of a dcmdump text. dcmdump is run with +Qn, which prints line breaks
/// and other control characters in values as entities ("&#13;&#10;"), so every element is
/// exactly one line and a value can never print a line of its own.
struct DumpLine
{
    quint32 tag = 0;
    /// Number of items that enclose the element; 0 for the top level of the data set.
    int depth = 0;
    /// The whole line, indentation included, without its final line feed.
    QByteArrayView text;
};

/// How the texts of a plan are decoded, chosen by its Specific Character Set (0008,0005).
enum class DumpCharset { Latin1, Utf8 };

/// The data element lines of a dcmdump text. Lines that do not begin with a tag after the
/// indentation (comments, blank lines, file headers) are not elements and belong to none: no
/// text can extend, end or open an element, item or sequence except a line of its own. The
/// dump bytes are kept, the lines point into them.
class DumpLines
{
public:
    DumpLines() = default;
    explicit DumpLines(QByteArray dump);

    qsizetype size() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const DumpLine &operator[](qsizetype i) const { return m_lines[i]; }
    const QList<DumpLine> &lines() const { return m_lines; }

    /// The character set of the data set: ISO_IR 192 is UTF-8, anything else is read as Latin-1.
    DumpCharset charset() const { return m_charset; }
    QString decode(QByteArrayView bytes) const;

private:
    QByteArray m_dump;
    QList<DumpLine> m_lines;
    DumpCharset m_charset = DumpCharset::Latin1;
};

/// The tag at the start of a line after its indentation, or nothing. `end` receives the index
/// just after the closing parenthesis.
bool parseDumpTag(QByteArrayView line, quint32 &tag, qsizetype &end);

} // namespace qv
