#include "planimport/CBlendeValue.h"

#include "planimport/BPRKatalog.h"

#include <limits>

namespace qv {

namespace {

constexpr int kCodes[] = {14, 15, 16, 17, 18, 19, 24, 25, 26, 27, 31, 32, 33, 34, 35};

// Integer division toward zero, as the jaws of a symmetric field are halved.
qint32 halb(qint32 d)
{
    return d / 2;
}

qint32 minus(qint32 v)
{
    return v == std::numeric_limits<qint32>::min() ? std::numeric_limits<qint32>::max() : -v;
}

} // namespace

CBlendeValue::CBlendeValue(const BPRFormatZeilen &zeilen)
{
    for (int code : kCodes) {
        T_Werte w;
        if (ReadFormatValue(zeilen, w, code))
            m_werte.emplace(code, CValue(w));
    }
}

QString CBlendeValue::Lies(BPRLeseKontext &k, int code)
{
    auto it = m_werte.find(code);
    if (it == m_werte.end())
        return QString();
    it->second.Read(k.f, k.zustand);
    return it->second.Value;
}

qint32 CBlendeValue::V(BPRLeseKontext &k, int code)
{
    auto it = m_werte.find(code);
    // A jaw the file leaves out is 0: the field then has no jaws.
    return it == m_werte.end() ? 0 : k.Zehntel(it->second, true);
}

void CBlendeValue::Read(BPRLeseKontext &k)
{
    m_feld = {};
    if (k.formatCode == BPRFormat::Plato) {
        const QString modus = Lies(k, BPRWert::BlendenModus);
        const QChar erster = modus.isEmpty() ? QChar() : modus.at(0);
        const QChar zweiter = modus.size() < 2 ? QChar() : modus.at(1);
        Lies(k, BPRWert::FeldY);
        if (erster == u'A') {
            Lies(k, BPRWert::AsymY1);
            Lies(k, BPRWert::AsymY2);
            m_feld.Top = V(k, BPRWert::AsymY1);
            m_feld.Bottom = V(k, BPRWert::AsymY2);
        } else {
            const qint32 d = V(k, BPRWert::FeldY);
            m_feld.Top = minus(halb(d));
            m_feld.Bottom = halb(d);
        }
        Lies(k, BPRWert::FeldX);
        if (zweiter != u'A' || erster == u'E') {
            const qint32 d = V(k, BPRWert::FeldX);
            m_feld.Left = minus(halb(d));
            m_feld.Right = halb(d);
        } else {
            Lies(k, BPRWert::AsymX1);
            Lies(k, BPRWert::AsymX2);
            m_feld.Left = minus(V(k, BPRWert::AsymX1));
            m_feld.Right = minus(V(k, BPRWert::AsymX2));
        }
    } else if (k.formatCode == BPRFormat::Multidata) {
        if (Hat(BPRWert::Feld1X)) {
            QStringList zahlen = Lies(k, BPRWert::Feld1X).split(u' ', Qt::SkipEmptyParts);
            // The block file writes gantry and collimator angle on the same line, before the jaws.
            if (zahlen.size() == 6)
                zahlen = zahlen.mid(2);
            // A number that cannot be read makes the beam unusable; values out of range leave
            // it without jaws.
            const auto z = [&](const QString &t) { return ToTenths(t, k.formatCode, k.fba, k.fia, k.dezimaltrenner); };
            const CValue &zeile = m_werte.at(BPRWert::Feld1X);
            for (qsizetype i = 0; zahlen.size() >= 4 && i < 4; ++i) {
                CValue zahl = zeile;
                zahl.Value = i < 3 ? zahlen.at(i) : zahlen.mid(3).join(u' ');
                if (!k.ZahlPruefen(zahl, false))
                    return;
            }
            if (zahlen.size() >= 4) {
                const auto v25 = z(zahlen.at(0));
                const auto v24 = z(zahlen.at(1));
                const auto v27 = z(zahlen.at(2));
                const auto v26 = z(zahlen.mid(3).join(u' '));
                if (v25 && v24 && v27 && v26) {
                    const auto l = ScaleValue(minus(*v25), k.fba, 100);
                    const auto t = ScaleValue(minus(*v27), k.fba, 100);
                    const auto r = ScaleValue(*v24, k.fba, 100);
                    const auto b = ScaleValue(*v26, k.fba, 100);
                    if (l && t && r && b)
                        m_feld = {*l, *t, *r, *b};
                }
            }
        }
    } else if (Hat(BPRWert::Feld2X)) {
        k.resetUndSkip(false);
        const QString probe = Lies(k, BPRWert::Feld2X);
        if (!probe.isEmpty() && !probe.contains(u',')) {
            k.resetUndSkip(false);
            Lies(k, BPRWert::Feld1X);
            m_feld.Left = V(k, BPRWert::Feld1X);
            k.resetUndSkip(false);
            Lies(k, BPRWert::Feld2X);
            m_feld.Right = V(k, BPRWert::Feld2X);
            k.resetUndSkip(false);
            Lies(k, BPRWert::Feld1Y);
            m_feld.Top = minus(V(k, BPRWert::Feld1Y));
            k.resetUndSkip(false);
            Lies(k, BPRWert::Feld2Y);
            m_feld.Bottom = minus(V(k, BPRWert::Feld2Y));
        }
    }
    const auto leer = [](qint32 v) { return v == 0 || v > 2000; };
    if (leer(m_feld.Left) && leer(m_feld.Top) && leer(m_feld.Right) && leer(m_feld.Bottom))
        m_feld = {};
}

} // namespace qv
