#include "planimport/CValue.h"

#include "planimport/BPRTools.h"

#include <algorithm>
#include <limits>

namespace qv {

namespace {

const QString kDateilesefehler = QStringLiteral("Dateilesefehler");

QChar zeichen(QChar c)
{
    return c == u'T' ? QChar(u'\t') : c;
}

// '0' and 'o' (and an unset character) stand for "no character".
bool gesetzt(QChar c)
{
    return !c.isNull() && c != u'0' && c != u'o';
}

bool markeOhneFehler(const QString &tag)
{
    return tag == u"[PATIENT NAME]" || tag == u"[GERÄT]" || tag == u"[PATIENT ID]" || tag == u"<beginShape>";
}

// The line up to the character before the first c (the whole line without one).
QString bis(const QString &zeile, QChar c)
{
    const qsizetype p = zeile.indexOf(c);
    return p < 0 ? zeile : zeile.left(p);
}

} // namespace

bool CValue::Read(BPRTextDatei &f, BPRLeseZustand &zustand)
{
    Value = QStringLiteral("0");
    Zeile = 0;
    m_ueberEnde = false;
    const QChar begin = zeichen(beginchar);
    const QChar ende = zeichen(endchar);
    if (f.Eof() || zustand.Stopp)
        return false;

    if (tagstr != u"None") {
        QString zeile;
        if (endchar == u'V') {
            zeile = TextBefore(FindLineWith(f, tagstr), tagstr, begin);
        } else if (endchar == u'Z') {
            zeile = LastLineWith(f, tagstr);
        } else if (endchar == u'#') {
            zeile = QString::number(CountLinesWith(f, tagstr));
        } else if (lineoffset == -1) {
            zeile = QStringLiteral("Next Line...");
            lineoffset = 1;
        } else {
            zeile = FindLineWith(f, tagstr);
        }
        Zeile = qint32(std::min<qsizetype>(f.Position(), std::numeric_limits<qint32>::max()));
        if (endchar == u'#' || endchar == u'V') {
            Value = zeile.trimmed();
            return false;
        }
        if (zeile.isEmpty() || zeile == u"Dateiende") {
            if (!markeOhneFehler(tagstr) && endchar != u'o') {
                zustand.Melden(kDateilesefehler);
                zustand.Stopp = true;
            }
            Value = QStringLiteral("0");
            return false;
        }
        if (len == 0)
            len = qint32(std::min<qsizetype>(zeile.size(), std::numeric_limits<qint32>::max()));
        if (lineoffset != 0) {
            bool vollstaendig = true;
            zeile = ReadLines(f, lineoffset, &vollstaendig);
            len = qint32(zeile.size());
            Zeile = qint32(std::min<qsizetype>(f.Position(), std::numeric_limits<qint32>::max()));
            if (!vollstaendig) {
                // The value's line lies beyond the end of the file.
                m_ueberEnde = true;
                zustand.Melden(kDateilesefehler);
                zustand.Stopp = true;
                return false;
            }
        }
        if (gesetzt(begin)) {
            qint32 spalte = rowoffset;
            const bool gefunden = FindChar(zeile, begin, spalte);
            rowoffset = spalte;
            if (gefunden && gesetzt(ende)) {
                const qsizetype p = zeile.indexOf(ende, rowoffset); // from the column after rowoffset
                if (p >= 0) {
                    len = qint32(p + 1 - rowoffset);
                    Value = TextCopy(zeile, rowoffset, len).trimmed();
                    return true;
                }
                Value = zeile.mid(rowoffset - 1).trimmed();
            } else if (gefunden) {
                Value = TextCopy(zeile, rowoffset, len).trimmed();
            }
            return gefunden;
        }
        if (!gesetzt(ende)) {
            if (zeile.contains(tagstr, Qt::CaseInsensitive))
                Value = TextCopy(zeile, qint64(tagstr.size()) + rowoffset + 1, len).trimmed();
            else
                Value = TextCopy(zeile, rowoffset, len).trimmed();
        } else if (lineoffset != 0) {
            Value = bis(zeile, ende).trimmed();
        } else {
            Value = bis(TextAfter(zeile, tagstr), ende).trimmed();
        }
        return true;
    }

    // A value at a fixed line, counted from the first line.
    QString zeile;
    if (endchar == u'Z') {
        while (!f.Eof()) {
            const QString z = f.ReadLine();
            if (!z.trimmed().isEmpty())
                zeile = z;
        }
    } else {
        f.Reset();
        bool vollstaendig = true;
        zeile = ReadLines(f, qint64(lineoffset) + 1, &vollstaendig);
        if (!vollstaendig) {
            m_ueberEnde = true;
            zustand.Melden(kDateilesefehler);
            zustand.Stopp = true;
            return false;
        }
    }
    Zeile = qint32(std::min<qsizetype>(f.Position(), std::numeric_limits<qint32>::max()));
    if (len == 0)
        len = qint32(zeile.size());
    const bool mitBegin = gesetzt(begin);
    const bool mitEnde = gesetzt(ende) && endchar != u'Z';
    if (mitBegin && mitEnde) {
        const qsizetype b = zeile.indexOf(begin);
        if (b >= 0) {
            const qsizetype e = zeile.indexOf(ende, b + 1);
            Value = (e < 0 ? zeile.mid(b) : zeile.mid(b, e - b)).trimmed();
        } else {
            Value = QString();
        }
    } else if (mitBegin) {
        const qsizetype b = zeile.indexOf(begin);
        Value = b < 0 ? QString() : TextCopy(zeile, b + 1, len).trimmed();
    } else if (!mitEnde) {
        Value = TextCopy(zeile, rowoffset, len).trimmed();
    } else {
        Value = TextCopy(zeile, rowoffset, zeile.indexOf(ende) + 1).trimmed();
    }
    return true;
}

} // namespace qv
