#include "planimport/BPRTools.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "planimport/BPRKatalog.h"

#include <QByteArray>

#include <cmath>
#include <limits>

namespace qv {

namespace {

qint32 saettigen(qint64 v)
{
    return qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

std::optional<qint32> alsInt32(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < double(std::numeric_limits<qint32>::min()) || r > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(r);
}

bool enthaelt(const QString &zeile, const QString &marker)
{
    return zeile.contains(marker, Qt::CaseInsensitive);
}

} // namespace

Result<QStringList> ConvertLineEnds(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return Error{QStringLiteral("Zugriff auf Datei nicht möglich - Überprüfen Sie die Attribute (FileKonvert)")};
    const QString text = fromCp1252(bytes);
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        zeilen << text.mid(anfang, i - anfang);
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen << text.mid(anfang);
    return zeilen;
}

bool RemoveBlankLines(QStringList &zeilen)
{
    for (qsizetype i = 1; i < zeilen.size(); i += 2) {
        if (!zeilen.at(i).trimmed().isEmpty())
            return false;
    }
    if (zeilen.size() < 2)
        return false;
    QStringList ungerade;
    ungerade.reserve(zeilen.size() / 2 + 1);
    for (qsizetype i = 0; i < zeilen.size(); i += 2)
        ungerade << zeilen.at(i);
    zeilen = std::move(ungerade);
    return true;
}

int DetectFormat(const QString &ersteZeile, const QString &gewaehlterName)
{
    const QString &z = ersteZeile;
    if (z.contains(QStringLiteral("<Plato")))
        return BPRFormat::Plato;
    if (z.contains(QStringLiteral("Patient code")))
        return BPRFormat::Target;
    if (z.size() > 1 && z.startsWith(u';'))
        return BPRFormat::Multidata;
    if (z.size() >= 21 && z.at(0) == u' ' && z.at(9) == u' ' && z.at(15) == u' ' && z.at(20) == u' ')
        return BPRFormat::HEK;
    if (gewaehlterName.endsWith(QStringLiteral("A1"), Qt::CaseInsensitive))
        return BPRFormat::Parcientific;
    if (gewaehlterName.endsWith(QStringLiteral("DAT"), Qt::CaseInsensitive))
        return BPRFormat::Huestis;
    return BPRFormat::Keins;
}

QString PathOf(const QString &dateiName)
{
    const qsizetype p = std::max(dateiName.lastIndexOf(u'\\'), dateiName.lastIndexOf(u'/'));
    return p < 0 ? dateiName : dateiName.left(p + 1);
}

BPRVorbereitung Vorbereiten(QByteArrayView bytes, const QString &gewaehlterName)
{
    BPRVorbereitung v;
    auto zeilen = ConvertLineEnds(bytes);
    if (!zeilen) {
        v.Meldungen << zeilen.error();
        return v;
    }
    v.Zeilen = std::move(*zeilen);
    v.FormatCode = DetectFormat(v.Zeilen.value(0), gewaehlterName);
    if (v.FormatCode == BPRFormat::Parcientific)
        v.LeerzeilenEntfernt = RemoveBlankLines(v.Zeilen);
    return v;
}

QString FindLineWith(BPRTextDatei &f, const QString &marker)
{
    // An empty marker (or one that is part of the start value) finds nothing and reads nothing.
    if (QStringLiteral("HUMBUG").contains(marker, Qt::CaseInsensitive))
        return QString();
    while (!f.Eof()) {
        const QString zeile = f.ReadLine();
        if (enthaelt(zeile, marker))
            return zeile;
    }
    return QStringLiteral("Dateiende");
}

QString ReadLines(BPRTextDatei &f, qint64 n, bool *complete)
{
    QString zeile;
    qint64 gelesen = 0;
    while (gelesen < n && !f.Eof()) {
        zeile = f.ReadLine();
        ++gelesen;
    }
    if (complete)
        *complete = gelesen == std::max<qint64>(n, 0);
    return zeile;
}

QString LastLineWith(BPRTextDatei &f, const QString &marker)
{
    QString letzte;
    while (!f.Eof()) {
        const QString zeile = f.ReadLine();
        if (!marker.isEmpty() && enthaelt(zeile, marker))
            letzte = zeile;
    }
    return letzte;
}

qint64 CountLinesWith(BPRTextDatei &f, const QString &marker)
{
    qint64 anzahl = 0;
    while (!f.Eof()) {
        if (enthaelt(f.ReadLine(), marker) && !marker.isEmpty())
            ++anzahl;
    }
    return anzahl;
}

void SkipToBeam(BPRTextDatei &f, qint64 beamNumber, const QString &marker, bool oneLess)
{
    if (beamNumber == 1)
        return;
    const qint64 mal = oneLess ? beamNumber - 1 : beamNumber;
    for (qint64 i = 0; i < mal && !f.Eof(); ++i)
        FindLineWith(f, marker);
}

QString TextAfter(const QString &line, const QString &marker)
{
    const qsizetype p = line.indexOf(marker, 0, Qt::CaseInsensitive);
    return p < 0 ? QString() : line.mid(p + marker.size());
}

QString TextBefore(const QString &line, const QString &marker, QChar stopChar)
{
    const qsizetype p = line.indexOf(marker, 0, Qt::CaseInsensitive);
    if (p <= 0)
        return QStringLiteral("None");
    const qsizetype q = line.lastIndexOf(stopChar, p - 1);
    if (q < 0)
        return QStringLiteral("None");
    return line.mid(q + 1, p - q - 1);
}

bool FindChar(const QString &line, QChar ch, qint32 &column)
{
    const qint64 von = std::max<qint64>(column, 1);
    if (von > line.size()) {
        column = 0;
        return false;
    }
    const qsizetype p = line.indexOf(ch, qsizetype(von - 1));
    column = p < 0 ? 0 : qint32(p + 1);
    return p >= 0;
}

QString TextCopy(const QString &line, qint64 start, qint64 count)
{
    const qint64 von = std::max<qint64>(start, 1);
    if (count <= 0 || von > line.size())
        return QString();
    return line.mid(qsizetype(von - 1), qsizetype(std::min<qint64>(count, line.size())));
}

std::optional<double> ZahlLesen(const QString &text, QChar dezimaltrenner)
{
    const QString t = text.trimmed();
    QByteArray ascii;
    ascii.reserve(t.size());
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ascii += char(t[i++].unicode());
    int ziffern = 0;
    bool trenner = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            ++ziffern;
        } else if (c == dezimaltrenner && !trenner) {
            trenner = true;
            ascii += '.';
        } else {
            break;
        }
    }
    if (ziffern == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            ascii += char(t[i++].unicode());
        int exp = 0;
        for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i, ++exp)
            ascii += char(t[i].unicode());
        if (exp == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    bool ok = false;
    const double v = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString ZahlSchreiben(double wert, QChar dezimaltrenner)
{
    QString s = formatDecimal(wert);
    s.replace(u',', dezimaltrenner);
    return s;
}

std::optional<qint32> ToTenths(const QString &text, int formatCode, double fba, double fia, QChar dezimaltrenner)
{
    double faktor = 0;
    switch (formatCode) {
    case BPRFormat::Plato: faktor = 100; break;
    case BPRFormat::HEK:
        if (fba == 0)
            return std::nullopt;
        faktor = fia * 100 / fba;
        break;
    case BPRFormat::Parcientific: faktor = 0.5; break;
    case BPRFormat::Multidata: faktor = 100; break;
    case BPRFormat::Huestis: faktor = 1; break;
    case BPRFormat::Target: faktor = 10; break;
    default: return 0;
    }
    const auto zahl = ZahlLesen(text, dezimaltrenner);
    if (!zahl)
        return std::nullopt;
    return alsInt32(*zahl * faktor);
}

std::optional<qint32> ScaleValue(qint64 v, double b, double c)
{
    if (c == 0)
        return std::nullopt;
    return alsInt32(double(v) / c * b);
}

void ShiftX(QList<QPoint> &punkte, double d)
{
    if (!(std::fabs(d) > 0))
        return;
    const qint64 r = roundHalfEven(d);
    for (QPoint &p : punkte)
        p.setX(saettigen(qint64(p.x()) + r));
}

void ShiftY(QList<QPoint> &punkte, double d)
{
    if (!(std::fabs(d) > 0))
        return;
    const qint64 r = roundHalfEven(d);
    for (QPoint &p : punkte)
        p.setY(saettigen(qint64(p.y()) + r));
}

void MirrorX(QList<QPoint> &punkte)
{
    for (QPoint &p : punkte)
        p.setX(saettigen(-qint64(p.x())));
}

void MirrorY(QList<QPoint> &punkte)
{
    for (QPoint &p : punkte)
        p.setY(saettigen(-qint64(p.y())));
}

QPoint RotatePoint(QPoint p, double winkel)
{
    const double a = winkel * M_PI / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double x = double(p.x());
    const double y = double(p.y());
    return QPoint(saettigen(roundHalfEven(x * c + y * s)), saettigen(roundHalfEven(-x * s + y * c)));
}

void RotatePoints(QList<QPoint> &punkte, double winkel)
{
    for (QPoint &p : punkte)
        p = RotatePoint(p, winkel);
}

void RotateRect(BPRFeld &feld, double winkel)
{
    const QPoint a = RotatePoint(QPoint(feld.Left, feld.Top), winkel);
    const QPoint b = RotatePoint(QPoint(feld.Right, feld.Bottom), winkel);
    feld = {a.x(), a.y(), b.x(), b.y()};
}

std::optional<qint32> InIsozentrumsEbene(qint32 wert, bool datenInFBA, double fba, double fia)
{
    if (datenInFBA)
        return ScaleValue(wert, 100, double(roundHalfEven(fba)));
    const qint64 f = roundHalfEven(fia);
    if (f != 100)
        return ScaleValue(wert, 100, double(f));
    return wert;
}

} // namespace qv
