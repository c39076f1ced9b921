#include "base/UtilsUnit.h"

namespace qv {

QString VersionsTextFor(int major, int minor, int release)
{
    return QStringLiteral("V%1.%2%3").arg(major).arg(minor).arg(release).left(10);
}

QString VersionsText()
{
    return VersionsTextFor(QV_VERSION_MAJOR, QV_VERSION_MINOR, QV_VERSION_PATCH);
}

QString ZweiStellig(int n)
{
    return n >= 0 && n <= 9 ? u'0' + QString::number(n) : QString::number(n);
}

QString DatumsPfad(const QDate &date)
{
    return QStringLiteral("%1/%2/%3/")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(ZweiStellig(date.month()), ZweiStellig(date.day()));
}

QString ZeitStempel(const QDateTime &dt)
{
    const QDate d = dt.date();
    const QTime t = dt.time();
    return QStringLiteral("%1%2%3_%4%5%6")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(ZweiStellig(d.month()), ZweiStellig(d.day()), ZweiStellig(t.hour()), ZweiStellig(t.minute()),
             ZweiStellig(t.second()));
}

bool ZifferOderRuecktaste(QChar c)
{
    return c == QChar(8) || (c >= u'0' && c <= u'9');
}

} // namespace qv
