#include "dicom/DumpLines.h"

#include "dicom/velDumpUtils.h"

namespace qv {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseHex4(QByteArrayView text, qsizetype at, quint16 &out)
{
    quint16 v = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0)
            return false;
        v = quint16((v << 4) | d);
    }
    out = v;
    return true;
}

} // namespace

bool parseDumpTag(QByteArrayView line, quint32 &tag, qsizetype &end)
{
    qsizetype p = 0;
    while (p < line.size() && line[p] == ' ')
        ++p;
    // "(gggg,eeee)"
    if (line.size() - p < 11 || line[p] != '(' || line[p + 5] != ',' || line[p + 10] != ')')
        return false;
    quint16 group = 0;
    quint16 element = 0;
    if (!parseHex4(line, p + 1, group) || !parseHex4(line, p + 6, element))
        return false;
    tag = dicomTag(group, element);
    end = p + 11;
    return true;
}

DumpLines::DumpLines(QByteArray dump) : m_dump(std::move(dump))
{
    const QByteArrayView all(m_dump);
    int open = 0;
    bool charsetSeen = false;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype stop = all.indexOf('\n', start);
        if (stop < 0)
            stop = all.size();
        const QByteArrayView physical = all.sliced(start, stop - start);
        quint32 tag = 0;
        qsizetype tagEnd = 0;
        if (parseDumpTag(physical, tag, tagEnd)) {
            DumpLine line;
            line.tag = tag;
            if (tag == kItemStart) {
                line.depth = open++;
            } else if (tag == kItemEnd) {
                open = open > 0 ? open - 1 : 0;
                line.depth = open;
            } else {
                line.depth = open;
            }
            line.text = physical;
            m_lines.append(line);
        }
        start = stop + 1;
    }
    for (const DumpLine &line : std::as_const(m_lines)) {
        if (line.tag == dicomTag(0x0008, 0x0005) && line.depth == 0 && !charsetSeen) {
            charsetSeen = true;
            for (const QByteArray &term : DumpValue(line.text).split('\\')) {
                if (term.trimmed() == "ISO_IR 192")
                    m_charset = DumpCharset::Utf8;
            }
        }
    }
}

QString DumpLines::decode(QByteArrayView bytes) const
{
    return m_charset == DumpCharset::Utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

} // namespace qv
