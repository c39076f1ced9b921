#include "contour/TKontur.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Numbers.h"

#include <QBrush>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

// Compiled with -ffp-contract=off like the geometry, so that a rotation gives the same
// integer points on every machine.

namespace qv {

namespace {

int saettigen(qint64 v)
{
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int gerundet(double v)
{
    if (!std::isfinite(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return saettigen(roundHalfEven(v));
}

} // namespace

TKontur::TKontur(int nummer) : m_nummer(nummer) {}

TKontur::TKontur(KeineTag) : m_keine(true) {}

std::unique_ptr<TKontur> TKontur::KeineKontur()
{
    return std::unique_ptr<TKontur>(new TKontur(KeineTag{}));
}

void TKontur::setNummer(int nummer)
{
    if (!m_keine)
        m_nummer = nummer;
}

void TKontur::setMarkiert(bool markiert)
{
    if (!m_keine)
        m_markiert = markiert;
}

void TKontur::anhaengen(QPoint p)
{
    ++m_letzter;
    m_hoechster = m_letzter;
    m_punkte.resize(m_letzter + 1);
    m_punkte[m_letzter] = p;
}

KonturErgebnis TKontur::PunktHinzufuegen(const QPoint &p, bool Pruefen, int minPunktAbstand)
{
    if (m_keine)
        return KonturErgebnis::Unveraendert;
    if (Pruefen && m_letzter >= 0 && Abstand(m_punkte[m_letzter], p) <= minPunktAbstand)
        return KonturErgebnis::ZuNah;
    // From the third point on there is an earlier segment the new one could cross.
    if (Pruefen && m_letzter >= 2) {
        const TDPunkt a = AlsDPunkt(p);
        const TDPunkt b = AlsDPunkt(m_punkte[m_letzter]);
        // The segment that ends in the last point shares it with the new one: not tested.
        for (int i = m_letzter - 1; i >= 1; --i) {
            if (StreckenSchnitt(a, b, AlsDPunkt(m_punkte[i]), AlsDPunkt(m_punkte[i - 1])))
                return KonturErgebnis::Ueberschneidung;
        }
    }
    // Keep room for the closing point, so that every contour can still be closed.
    if (Anzahl() >= MaxPunkte - 1) {
        // A traced point is the person's click and always gets an answer; a long import
        // says it once instead of once per refused point.
        if (!Pruefen && m_grenzeGemeldet)
            return KonturErgebnis::PunktGrenzeSchonGemeldet;
        m_grenzeGemeldet = true;
        return KonturErgebnis::PunktGrenzeErreicht;
    }
    m_grenzeGemeldet = false;
    anhaengen(p);
    return KonturErgebnis::Angenommen;
}

KonturErgebnis TKontur::Schliessen(bool Pruefen)
{
    // A contour at the size limit already ends in its closing point.
    if (m_keine || Anzahl() >= MaxPunkte)
        return KonturErgebnis::Unveraendert;
    if (m_letzter < 2)
        return KonturErgebnis::ZuWenigePunkte;
    if (Pruefen) {
        const TDPunkt a = AlsDPunkt(m_punkte[m_letzter]);
        const TDPunkt b = AlsDPunkt(m_punkte[0]);
        // The first and the last segment share an end point with the closing one: not tested.
        for (int i = m_letzter - 1; i >= 2; --i) {
            if (StreckenSchnitt(a, b, AlsDPunkt(m_punkte[i]), AlsDPunkt(m_punkte[i - 1])))
                return KonturErgebnis::SchliessenUeberschneidung;
        }
    }
    anhaengen(m_punkte[0]);
    ExtremaBerechnen();
    return KonturErgebnis::Angenommen;
}

bool TKontur::IstGeschlossen() const
{
    if (m_keine)
        return true;
    // Counted on the valid points: after undoing down to the first point a contour must not
    // count as closed just because Punkte[Letzter] is Punkte[0].
    return m_letzter >= 3 && m_punkte[m_letzter] == m_punkte[0];
}

int TKontur::RedoAnzahl() const
{
    if (IstGeschlossen())
        return 0;
    return m_hoechster - m_letzter;
}

void TKontur::Rueckgaengig()
{
    if (Anzahl() > 0)
        --m_letzter;
}

void TKontur::Wiederherstellen()
{
    if (RedoAnzahl() > 0)
        ++m_letzter;
}

QColor TKontur::Farbe(int nummer)
{
    static constexpr unsigned char tabelle[11][3] = {
        {128, 0, 0},   {255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},   {0, 0, 128},
        {128, 0, 128}, {0, 128, 128}, {255, 255, 255}, {128, 128, 0}, {255, 0, 255},
    };
    if (nummer < 1 || nummer > 11)
        return QColor(0, 0, 0);
    const auto &f = tabelle[nummer - 1];
    return QColor(f[0], f[1], f[2]);
}

void TKontur::Zeichnen(QPainter &painter, bool PunkteZeigen) const
{
    if (m_keine)
        return;
    const QColor farbe = Farbe(m_nummer);
    painter.setPen(QPen(farbe, 1));
    if (m_letzter < 0)
        return;
    const auto kreuz = [&](const QPoint &q) {
        painter.drawLine(q.x() - 5, q.y() - 5, q.x() + 5, q.y() + 5);
        painter.drawLine(q.x() - 5, q.y() + 5, q.x() + 5, q.y() - 5);
    };
    if (PunkteZeigen) {
        for (int i = 0; i <= m_letzter; ++i)
            kreuz(m_punkte[i]);
    }
    if (m_hoechster < 1)
        return;
    if (m_letzter >= 1)
        painter.drawPolyline(m_punkte.constData(), m_letzter + 1);
    painter.setBrush(QBrush(farbe, m_markiert ? Qt::DiagCrossPattern : Qt::SolidPattern));
    // The hatch leaves the background visible between its lines.
    painter.setBackgroundMode(Qt::TransparentMode);
    if (IstGeschlossen())
        painter.drawPolygon(m_punkte.constData(), m_hoechster + 1);
}

std::unique_ptr<TKontur> TKontur::Kopie() const
{
    if (m_keine)
        return KeineKontur();
    auto k = std::make_unique<TKontur>(m_nummer);
    k->m_punkte.reserve(m_hoechster + 1);
    for (int i = 0; i <= m_hoechster; ++i)
        k->anhaengen(m_punkte[i]);
    k->ExtremaBerechnen();
    return k;
}

QPoint TKontur::LetzterPunkt() const
{
    return Anzahl() > 0 ? m_punkte[m_letzter] : QPoint(0, 0);
}

QPoint TKontur::Punkt(int i) const
{
    return i >= 0 && i < m_punkte.size() ? m_punkte[i] : QPoint(0, 0);
}

void TKontur::InStreamSchreiben(ByteWriter &w) const
{
    // A closed contour is written without its repeated closing point.
    const int n = m_keine ? -1 : m_letzter;
    w.int32(n);
    for (int i = 0; i < n; ++i) {
        w.int32(m_punkte[i].x());
        w.int32(m_punkte[i].y());
    }
}

Result<QStringList> TKontur::AusStreamLesen(ByteReader &r)
{
    const auto fehler = [&r] { return Error{r.error()}; };
    if (m_keine) {
        r.fail(QStringLiteral("Interner Fehler: Konturdaten ohne Kontur gelesen."));
        return fehler();
    }
    const qint32 n = r.int32("Punktanzahl der Kontur");
    if (!r.ok())
        return fehler();
    // -1 is what an empty contour writes.
    if (n < -1) {
        r.fail(QStringLiteral("Die Kontur Nr. %1 hat eine ungültige Punktanzahl (%2).").arg(m_nummer).arg(n));
        return fehler();
    }
    if (n > MaxPunkte - 1) {
        r.fail(QStringLiteral("Die Kontur Nr. %1 hat %2 Punkte; eine Kontur kann höchstens %3 Punkte haben.")
                   .arg(m_nummer)
                   .arg(n)
                   .arg(MaxPunkte - 1));
        return fehler();
    }
    const int anzahl = std::max(n, 0);
    if (!r.need(qsizetype(anzahl) * 8, "Punkten der Kontur"))
        return fehler();
    QList<QPoint> gelesen;
    gelesen.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        const qint32 x = r.int32("X eines Konturpunkts");
        const qint32 y = r.int32("Y eines Konturpunkts");
        gelesen.append(QPoint(x, y));
    }
    if (!r.ok())
        return fehler();
    // At most MaxPunkte - 1 points were read, so every one of them fits.
    for (const QPoint &p : std::as_const(gelesen))
        PunktHinzufuegen(p, false);
    QStringList hinweise;
    const QString hinweis = KonturMeldung(Schliessen());
    if (!hinweis.isEmpty())
        hinweise.append(hinweis);
    return hinweise;
}

bool TKontur::EnthaeltPunkt(const QPoint &p) const
{
    if (m_keine || m_hoechster < 0)
        return false;
    const TDPunkt von = AlsDPunkt(p);
    const TDPunkt fern{2147483647.0, von.y};
    int anzahl = 0;
    int j = 0;
    for (int i = 0; i <= m_hoechster; ++i) {
        const TDPunkt qi = AlsDPunkt(m_punkte[i]);
        // A vertex on the ray is skipped: the next edge starts at the last vertex off the ray.
        if (!StreckenKreuzen(von, fern, qi, qi)) {
            if (StreckenKreuzen(von, fern, qi, AlsDPunkt(m_punkte[j])))
                ++anzahl;
            j = i;
        }
    }
    return anzahl % 2 == 1;
}

void TKontur::sicherungNehmen()
{
    m_sicherung = m_punkte.mid(0, m_letzter + 1);
}

void TKontur::Verschieben(int dx, int dy)
{
    if (m_keine)
        return;
    if (m_sicherung.isEmpty())
        sicherungNehmen();
    for (int i = 0; i <= m_hoechster; ++i) {
        QPoint &q = m_punkte[i];
        q = QPoint(saettigen(qint64(q.x()) + dx), saettigen(qint64(q.y()) + dy));
    }
    ExtremaBerechnen();
}

void TKontur::ExtremaBerechnen()
{
    if (m_keine)
        return;
    if (m_letzter < 1) {
        m_extremX = QPoint(0, 0);
        m_extremY = QPoint(0, 0);
        return;
    }
    m_extremX = m_punkte[0];
    m_extremY = m_punkte[0];
    for (int i = 0; i <= m_letzter; ++i) {
        const QPoint &q = m_punkte[i];
        if (std::llabs(q.x()) > std::llabs(m_extremX.x()))
            m_extremX = q;
        if (std::llabs(q.y()) > std::llabs(m_extremY.y()))
            m_extremY = q;
    }
}

void TKontur::Drehen(double dW)
{
    if (m_keine)
        return;
    // Without a backup of every valid point there is nothing to turn from: take one now.
    if (m_sicherung.size() < m_letzter + 1) {
        sicherungNehmen();
        m_winkel = 0.0;
    }
    m_winkel += dW;
    const double c = std::cos(m_winkel);
    const double s = std::sin(m_winkel);
    for (int i = 0; i <= m_letzter; ++i) {
        const double x = m_sicherung[i].x();
        const double y = m_sicherung[i].y();
        m_punkte[i] = QPoint(gerundet(c * x + s * y), gerundet(-s * x + c * y));
    }
    ExtremaBerechnen();
}

void TKontur::Uebernehmen()
{
    if (m_keine)
        return;
    m_winkel = 0.0;
    sicherungNehmen();
}

void TKontur::Verwerfen()
{
    if (m_keine)
        return;
    // No backup means nothing was moved since it would have been taken.
    if (m_sicherung.size() >= m_letzter + 1) {
        for (int i = 0; i <= m_letzter; ++i)
            m_punkte[i] = m_sicherung[i];
    }
    ExtremaBerechnen();
}

} // namespace qv
