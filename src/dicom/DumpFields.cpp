#include "dicom/DumpFields.h"

#include "base/Numbers.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

QByteArray trimmedValue(const DumpLine &line)
{
    return DumpValue(line.text).trimmed();
}

QString shown(QByteArrayView value)
{
    return QString::fromLatin1(value.first(std::min<qsizetype>(value.size(), 40)));
}

} // namespace

QString DumpText(const DumpLines &lines, const DumpLine &line)
{
    return lines.decode(DumpValue(line.text));
}

Result<qint32> DumpInt(const DumpLine &line)
{
    const QByteArray value = trimmedValue(line);
    if (value.isEmpty())
        return 0;
    const std::optional<qint32> v = parseInt32(QString::fromLatin1(value));
    if (!v)
        return Error{QStringLiteral("\"%1\" ist keine gültige ganze Zahl.").arg(shown(value))};
    return *v;
}

Result<float> DumpSingle(const DumpLine &line)
{
    const QByteArray value = trimmedValue(line);
    if (value.isEmpty())
        return 0.0f;
    const std::optional<double> v = ParseDicomDecimal(value);
    if (!v)
        return Error{QStringLiteral("\"%1\" ist keine gültige Zahl.").arg(shown(value))};
    if (std::fabs(*v) > double(std::numeric_limits<float>::max()))
        return Error{QStringLiteral("Der Wert %1 liegt außerhalb des lesbaren Bereichs.").arg(shown(value))};
    return float(*v);
}

Result<qint32> DumpRoundedMm(const DumpLine &line)
{
    const QByteArray value = trimmedValue(line);
    if (value.isEmpty())
        return 0;
    const std::optional<double> v = ParseDicomDecimal(value);
    if (!v)
        return Error{QStringLiteral("\"%1\" ist keine gültige Zahl.").arg(shown(value))};
    if (!(std::fabs(*v) < 2147483647.0))
        return Error{QStringLiteral("Der Wert %1 liegt außerhalb des lesbaren Bereichs.").arg(shown(value))};
    return qint32(roundHalfEven(*v));
}

Error AccessError(const QString &format, qsizetype index, qsizetype count)
{
    const qsizetype highest = count > 0 ? count - 1 : 0;
    return Error{format.arg(index).arg(0).arg(highest)};
}

} // namespace qv
