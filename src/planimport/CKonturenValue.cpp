#include "planimport/CKonturenValue.h"

#include "planimport/BPRKatalog.h"
#include "planimport/BPRTools.h"

#include <algorithm>
#include <limits>

namespace qv {

namespace {

std::optional<CValue> wert(const BPRFormatZeilen &zeilen, int code)
{
    T_Werte w;
    if (!ReadFormatValue(zeilen, w, code))
        return std::nullopt;
    return CValue(w);
}

qint32 plus(qint32 a, qint64 b)
{
    return qint32(std::clamp<qint64>(qint64(a) + b, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

} // namespace

bool WertFehlt(const QString &text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || t == u"None";
}

bool BPRLeseKontext::MarkeZwischen(qsizetype von, qsizetype bis, const QStringList &marken) const
{
    const QStringList &zeilen = f.Zeilen();
    for (qsizetype i = std::max<qsizetype>(von, 0); i < bis && i < zeilen.size(); ++i) {
        for (const QString &marke : marken) {
            if (!marke.trimmed().isEmpty() && marke != u"None" && zeilen.at(i).contains(marke, Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}

bool BPRLeseKontext::ZahlPruefen(const CValue &wert, bool mayBeAbsent)
{
    if (mayBeAbsent && WertFehlt(wert.Value))
        return true;
    if (ZahlLesen(wert.Value, dezimaltrenner))
        return true;
    if (wert.Value.trimmed().isEmpty())
        Fehler(QStringLiteral("In Zeile %1 fehlt eine Zahl.").arg(DateiZeile(wert.Zeile)));
    else
        Fehler(QStringLiteral("In Zeile %1 steht \"%2\" statt einer Zahl.").arg(DateiZeile(wert.Zeile)).arg(wert.Value.left(40)));
    return false;
}

qint32 BPRLeseKontext::Zehntel(const CValue &wert, bool mayBeAbsent)
{
    if (mayBeAbsent && WertFehlt(wert.Value))
        return 0;
    if (!ZahlPruefen(wert, false))
        return 0;
    const auto z = ToTenths(wert.Value, formatCode, fba, fia, dezimaltrenner);
    if (z)
        return *z;
    if (formatCode == BPRFormat::HEK && fba == 0)
        Fehler(QStringLiteral("Der FBA der Datei ist 0: die Koordinaten können nicht umgerechnet werden."));
    else
        Fehler(QStringLiteral("Die Zahl \"%1\" in Zeile %2 liegt außerhalb des zulässigen Bereichs.")
                   .arg(wert.Value.left(40))
                   .arg(DateiZeile(wert.Zeile)));
    return 0;
}

CKonturenValue::CKonturenValue(const BPRFormatZeilen &zeilen, int nummer)
    : PunktAnzahl(wert(zeilen, BPRWert::PunktAnzahl)), X(wert(zeilen, BPRWert::X)), Y(wert(zeilen, BPRWert::Y)),
      VerschiebungX(wert(zeilen, BPRWert::VerschiebungX)), VerschiebungY(wert(zeilen, BPRWert::VerschiebungY)),
      Drehung(wert(zeilen, BPRWert::Drehung)), m_nummer(nummer)
{
    ReadFormatValue(zeilen, m_xZeile, BPRWert::X);
    ReadFormatValue(zeilen, m_yZeile, BPRWert::Y);
    if (!X)
        X = CValue();
    if (!Y)
        Y = CValue();
}

double CKonturenValue::Winkel(QChar dezimaltrenner) const
{
    if (!Drehung)
        return 0;
    return ZahlLesen(Drehung->Value, dezimaltrenner).value_or(0);
}

bool CKonturenValue::Speichern(BPRLeseKontext &k, QPoint p)
{
    if (Punkte.size() >= MaxPunkte) {
        k.Fehler(QStringLiteral("Die Kontur %1 hat mehr als %2 Punkte.").arg(m_nummer).arg(MaxPunkte));
        return false;
    }
    Punkte << p;
    return true;
}

void CKonturenValue::LeseMitAnzahl(BPRLeseKontext &k, qint64 p)
{
    if (p > MaxPunkte) {
        k.Fehler(QStringLiteral("Die Kontur %1 hat %2 Punkte, mehr als %3 werden nicht gelesen.").arg(m_nummer).arg(p).arg(MaxPunkte));
        return;
    }
    Punkte.clear();
    Punkte.reserve(qsizetype(std::max<qint64>(p, 0)));
    for (qint64 m = 1; m <= p; ++m) {
        bool okX = false;
        bool okY = false;
        if (X->tagstr != u"None" || m == 1) {
            const qsizetype von = k.f.Position();
            okX = Gelesen(*X, X->Read(k.f, k.zustand));
            okY = Gelesen(*Y, Y->Read(k.f, k.zustand));
            // Lines passed on the way to this point (its own lines excluded) must not begin the
            // next contour or beam: the point count then promised more points than there are.
            if (okX && okY && X->tagstr != u"None" &&
                k.MarkeZwischen(von, std::min(X->Zeile, Y->Zeile) - 1,
                                k.beamGrenzen + QStringList{PunktAnzahl ? PunktAnzahl->tagstr : QString()})) {
                k.Fehler(QStringLiteral("Die Kontur %1 hat weniger Punkte, als ihre Punktanzahl %2 (Zeile %3) angibt.")
                             .arg(m_nummer)
                             .arg(p)
                             .arg(k.DateiZeile(PunktAnzahl ? PunktAnzahl->Zeile : 0)));
                return;
            }
        } else {
            // Each further point lies one line below the previous one.
            const qint32 xZeile = plus(X->lineoffset, 1);
            const qint32 yZeile = plus(Y->lineoffset, 1);
            X = CValue(m_xZeile);
            Y = CValue(m_yZeile);
            X->lineoffset = xZeile;
            Y->lineoffset = yZeile;
            okX = Gelesen(*X, X->Read(k.f, k.zustand));
            k.f.Reset();
            okY = Gelesen(*Y, Y->Read(k.f, k.zustand));
        }
        if (!okX || !okY) {
            k.Fehler(QStringLiteral("Dateilesefehler"));
            k.zustand.Stopp = true;
            return;
        }
        const QPoint punkt(k.Zehntel(*X), k.Zehntel(*Y));
        if (k.fehler)
            return;
        Punkte << punkt;
    }
    if (!k.einzelKontur)
        LeseKorrekturen(k, true);
}

void CKonturenValue::LeseBisGeschlossen(BPRLeseKontext &k, qint64 &a)
{
    QPoint erster(1, 1);
    QPoint letzter(-9999999, -9999999);
    qint64 l = 0;
    int o = 0;
    int ausstehend = 0;
    const QString marke = QStringLiteral("block%1pts").arg(m_nummer);
    Punkte.clear();
    if (X->lineoffset <= 0) {
        X->tagstr = marke;
        Y->tagstr = marke;
    } else {
        X->lineoffset = plus(X->lineoffset, a);
        Y->lineoffset = plus(Y->lineoffset, a);
    }
    const auto offen = [&](const QString &grund) {
        k.Fehler(QStringLiteral("Die Kontur %1 ist nicht geschlossen (%2).").arg(m_nummer).arg(grund));
    };
    while (erster != letzter || ausstehend > 0) {
        if (ausstehend == 1)
            ausstehend = 0;
        ++l;
        if (l > 1 && X->lineoffset != 0) {
            X->lineoffset = plus(X->lineoffset, 1);
            Y->lineoffset = plus(Y->lineoffset, 1);
        }
        // A read that finds nothing to cut (the blank at the end of a line) has no number either.
        const auto lesen = [&](CValue &v) { return Gelesen(v, v.Read(k.f, k.zustand)) && !v.Value.isEmpty(); };
        k.resetUndSkip(false);
        bool ok = lesen(*X);
        if (!ok && !k.zustand.Stopp) {
            // The points go on on a continuation line of the contour.
            ++o;
            X->tagstr = marke + QString::number(o);
            Y->tagstr = X->tagstr;
            X->rowoffset = 0;
            k.resetUndSkip(false);
            ok = lesen(*X);
        }
        if (!ok) {
            offen(QStringLiteral("Dateilesefehler"));
            return;
        }
        if (X->lineoffset == 0)
            Y->rowoffset = plus(X->rowoffset, 1);
        k.resetUndSkip(false);
        if (!lesen(*Y)) {
            offen(QStringLiteral("Dateilesefehler"));
            return;
        }
        if (X->lineoffset == 0)
            X->rowoffset = plus(Y->rowoffset, 1);
        const QPoint punkt(k.Zehntel(*X), k.Zehntel(*Y));
        if (k.fehler)
            return;
        if (l == 1)
            erster = punkt;
        else
            letzter = punkt;
        if (erster == letzter) {
            if (l == 2 && k.formatCode == BPRFormat::Parcientific) {
                ausstehend = 2;
                if (!Speichern(k, punkt))
                    return;
            } else if (ausstehend == 2) {
                if (!Speichern(k, punkt))
                    return;
                --ausstehend;
            } else {
                if (X->lineoffset > 0) {
                    X->lineoffset = plus(X->lineoffset, 1);
                    Y->lineoffset = plus(Y->lineoffset, 1);
                }
                a += l - 1;
                break;
            }
        } else if (!Speichern(k, punkt)) {
            return;
        }
    }
    LeseKorrekturen(k, false);
}

void CKonturenValue::LeseKorrekturen(BPRLeseKontext &k, bool mitVerschiebung)
{
    if (mitVerschiebung) {
        if (VerschiebungX)
            VerschiebungX->Read(k.f, k.zustand);
        if (VerschiebungY)
            VerschiebungY->Read(k.f, k.zustand);
    }
    if (Drehung && Gelesen(*Drehung, Drehung->Read(k.f, k.zustand)))
        k.ZahlPruefen(*Drehung, true);
}

} // namespace qv
