#pragma once

#include "base/Result.h"
#include "dicom/DumpLines.h"
#include "dicom/velDICOMTypes.h"

#include <QByteArrayList>
#include <QByteArrayView>

#include <optional>

namespace qv {

/// The value of a dump line: from the first "[" after the value representation to the last "]"
/// before the comment (" #"). A line without brackets, or "(no value available)", gives an
/// empty value.
QByteArrayView GetDumpValue(QByteArrayView line);

/// A value as GetDumpValue cuts it out, with the entities that dcmdump +Qn prints for control
/// characters, non-ASCII bytes and markup ("&#13;", "&#252;", "&lt;", "&gt;", "&amp;", "&quot;",
/// "&apos;") turned back into the bytes of the file. Any other "&" stays as it is.
QByteArray UnquoteDumpValue(QByteArrayView printed);
/// The value of a dump line as the file holds it: UnquoteDumpValue(GetDumpValue(line)).
QByteArray DumpValue(QByteArrayView line);

/// Cuts a multi-valued value into its items: blanks and control characters around items are
/// skipped, items end at a backslash or a blank, a backslash at the very end adds an empty item,
/// and an item that begins with a double quote runs to the closing quote ("" inside is one ").
QByteArrayList SplitDumpItems(QByteArrayView value);

/// Reads a DICOM decimal string with "." as separator, independent of the locale: an optional
/// sign, digits with an optional fraction, an optional exponent ("7.0867745e-10").
/// Blanks around the number are allowed; anything else, and an empty text, is not a number.
std::optional<double> ParseDicomDecimal(QByteArrayView text);

/// Round(value × 10) with halves to even, as a 32-bit integer (millimetres to tenths).
Result<qint32> DumpTenths(QByteArrayView item);

/// Appends the items of the line, taken in pairs, as points in tenths.
[[nodiscard]] Result<void> GetDumpPoints(QByteArrayView line, TPointArray &points);
/// The first two items of the line as one point in tenths.
Result<QPoint> GetDumpPoint(QByteArrayView line);
/// Appends every item of the line in tenths.
[[nodiscard]] Result<void> GetDumpIntegers(QByteArrayView line, TIntegerArray &values);

/// Skips the item whose start line is at `index`, nested items included; `index` ends on the
/// item's own end line. An item without its end line is a format error.
[[nodiscard]] Result<void> SkipDumpItem(const DumpLines &lines, qsizetype &index);

} // namespace qv
