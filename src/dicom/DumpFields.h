#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDumpUtils.h"

#include <QList>
#include <QString>

namespace qv {

// Conversions of one dump line into the field types of the plan classes, and the walk over
// items that every item reader shares.

/// A text field; an element without value stays empty.
QString DumpText(const DumpLines &lines, const DumpLine &line);
/// An integer string (IS); an element without value is 0.
Result<qint32> DumpInt(const DumpLine &line);
/// A decimal string read as a 32-bit float; an element without value is 0.
Result<float> DumpSingle(const DumpLine &line);
/// A decimal string in millimetres rounded to whole millimetres (halves to even).
Result<qint32> DumpRoundedMm(const DumpLine &line);

/// Stores a converted value in its field, or passes the conversion error on.
template <typename T>
Result<void> StoreField(Result<T> value, T &field)
{
    if (!value)
        return Error{value.error()};
    field = *value;
    return {};
}

/// A text field and its tag, for the top-level readers.
struct TagField
{
    quint32 tag;
    QString *field;
};

/// Stores the first top-level occurrence of each tag, scanning from `index`.
template <std::size_t N>
void ReadFirstTopLevel(const DumpLines &lines, qsizetype index, const TagField (&fields)[N])
{
    bool seen[N] = {};
    std::size_t missing = N;
    for (qsizetype i = index; i < lines.size() && missing > 0; ++i) {
        const DumpLine &line = lines[i];
        if (line.depth != 0)
            continue;
        for (std::size_t k = 0; k < N; ++k) {
            if (!seen[k] && line.tag == fields[k].tag) {
                *fields[k].field = DumpText(lines, line);
                seen[k] = true;
                --missing;
            }
        }
    }
}

/// A reader's message followed by the message that caused it.
inline Error Chained(const QString &message, const QString &cause)
{
    return Error{message + cause};
}

/// The message for an index outside a list: the text is formatted with (index, 0, highest),
/// an empty list gives (index, 0, 0).
Error AccessError(const QString &format, qsizetype index, qsizetype count);

/// Walks the item whose start line is at `index` and hands every element line of the item's
/// own level to `onLine`, which may move the index past a sequence it reads. Items of any
/// other sequence are skipped whole. `index` ends on the item's end line.
template <typename OnLine>
Result<void> ReadDumpItem(const DumpLines &lines, qsizetype &index, OnLine &&onLine)
{
    for (qsizetype i = index + 1; i < lines.size(); ++i) {
        const quint32 tag = lines[i].tag;
        if (tag == kItemEnd) {
            index = i;
            return {};
        }
        if (tag == kItemStart) {
            auto skipped = SkipDumpItem(lines, i);
            if (!skipped)
                return skipped;
            continue;
        }
        auto read = onLine(i);
        if (!read)
            return read;
    }
    return Error{QStringLiteral("Der Dump endet innerhalb eines Sequenz-Eintrags (Zeile %1).").arg(index + 1)};
}

/// The sequence loop: `index` is on a sequence line; each item that follows is read into a new
/// child, and `index` ends on the end line of the last item.
template <typename Child>
Result<void> ReadDumpSequence(const DumpLines &lines, qsizetype &index, QList<Child> &children)
{
    while (index + 1 < lines.size() && lines[index + 1].tag == kItemStart) {
        ++index;
        Child child;
        auto read = child.Read(lines, index);
        if (!read)
            return read;
        children.append(std::move(child));
    }
    return {};
}

} // namespace qv
