#include "contour/TKonturen.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <QPainter>

#include <cstdlib>

namespace qv {

TKonturen::TKonturen() : m_keine(TKontur::KeineKontur()) {}

TKonturen::TKonturen(const TKonturen &other)
    : m_anzahl(other.m_anzahl)
    , m_aktuell(other.m_aktuell)
    , m_punkteZeigen(other.m_punkteZeigen)
    , m_minPunktAbstand(other.m_minPunktAbstand)
    , m_keine(TKontur::KeineKontur())
{
    for (int k = 1; k <= m_anzahl; ++k)
        m_kontur[k - 1] = std::make_unique<TKontur>(*other.m_kontur[k - 1]);
}

TKonturen &TKonturen::operator=(const TKonturen &other)
{
    if (this != &other)
        *this = TKonturen(other);
    return *this;
}

TKonturen::~TKonturen() = default;

TKontur &TKonturen::Kontur(int k)
{
    if (k >= 1 && k <= m_anzahl)
        return *m_kontur[k - 1];
    return *m_keine;
}

const TKontur &TKonturen::Kontur(int k) const
{
    if (k >= 1 && k <= m_anzahl)
        return *m_kontur[k - 1];
    return *m_keine;
}

KonturErgebnis TKonturen::PunktHinzufuegen(const QPoint &p)
{
    return AktuelleKontur().PunktHinzufuegen(p, true, m_minPunktAbstand);
}

KonturErgebnis TKonturen::NeueKontur()
{
    if (m_anzahl >= MaxKonturen)
        return KonturErgebnis::KonturenGrenzeErreicht;
    ++m_anzahl;
    m_aktuell = m_anzahl;
    m_kontur[m_anzahl - 1] = std::make_unique<TKontur>(m_anzahl);
    return KonturErgebnis::Angenommen;
}

bool TKonturen::AlleGeschlossen() const
{
    for (int k = 1; k <= m_anzahl; ++k) {
        if (!Kontur(k).IstGeschlossen())
            return false;
    }
    return true;
}

KonturErgebnis TKonturen::Loeschen(int n)
{
    if (n < 1 || n > m_anzahl)
        return KonturErgebnis::Unveraendert;
    m_kontur[n - 1].reset();
    // Later contours move down through a copy: they take the colour of their new number and
    // lose their selection.
    for (int k = n; k <= m_anzahl - 1; ++k) {
        m_kontur[k - 1] = m_kontur[k]->Kopie();
        m_kontur[k - 1]->setNummer(k);
        m_kontur[k].reset();
    }
    --m_anzahl;
    m_aktuell = m_anzahl;
    return KonturErgebnis::Angenommen;
}

void TKonturen::Zeichnen(QPainter &painter) const
{
    painter.save();
    for (int k = 1; k <= m_anzahl; ++k)
        Kontur(k).Zeichnen(painter, m_punkteZeigen);
    painter.restore();
}

QPoint TKonturen::LetzterPunktAktuell() const
{
    const TKontur &k = AktuelleKontur();
    if (k.Anzahl() > 0 && !k.IstGeschlossen())
        return k.LetzterPunkt();
    return KeinPunkt;
}

void TKonturen::InStreamSchreiben(ByteWriter &w) const
{
    w.int32(m_anzahl);
    for (int k = 1; k <= m_anzahl; ++k)
        Kontur(k).InStreamSchreiben(w);
}

Result<QStringList> TKonturen::AusStreamLesen(ByteReader &r)
{
    const qint32 anzahl = r.int32("Anzahl der Konturen");
    if (!r.ok())
        return Error{r.error()};
    if (anzahl < 0 || anzahl > MaxKonturen) {
        r.fail(QStringLiteral("Die Anzahl der Konturen (%1) ist ungültig; möglich sind 0 bis %2.")
                   .arg(anzahl)
                   .arg(MaxKonturen));
        return Error{r.error()};
    }
    std::array<std::unique_ptr<TKontur>, MaxKonturen> gelesen;
    QStringList hinweise;
    for (int k = 1; k <= anzahl; ++k) {
        gelesen[k - 1] = std::make_unique<TKontur>(k);
        auto kontur = gelesen[k - 1]->AusStreamLesen(r);
        if (!kontur)
            return Error{kontur.error()};
        hinweise += *kontur;
    }
    m_kontur = std::move(gelesen);
    m_anzahl = anzahl;
    m_aktuell = anzahl;
    return hinweise;
}

KonturErgebnis TKonturen::Auswaehlen(int n)
{
    if (n < 1 || n > m_anzahl)
        return KonturErgebnis::Unveraendert;
    if (!AktuelleKontur().IstGeschlossen())
        return KonturErgebnis::AktuelleKonturOffen;
    m_aktuell = n;
    return KonturErgebnis::Angenommen;
}

QPoint TKonturen::ExtremX() const
{
    qint64 m = 0;
    QPoint ergebnis(0, 0);
    for (int k = 1; k <= m_anzahl; ++k) {
        const QPoint e = Kontur(k).ExtremX();
        if (std::llabs(e.x()) > m) {
            m = std::llabs(e.x());
            ergebnis = e;
        }
    }
    return ergebnis;
}

QPoint TKonturen::ExtremY() const
{
    qint64 m = 0;
    QPoint ergebnis(0, 0);
    for (int k = 1; k <= m_anzahl; ++k) {
        const QPoint e = Kontur(k).ExtremY();
        if (std::llabs(e.y()) > m) {
            m = std::llabs(e.y());
            ergebnis = e;
        }
    }
    return ergebnis;
}

void TKonturen::MarkierungUmschalten(const QPoint &p)
{
    for (int k = 1; k <= m_anzahl; ++k) {
        TKontur &c = Kontur(k);
        if (c.EnthaeltPunkt(p))
            c.setMarkiert(!c.Markiert());
    }
}

void TKonturen::AlleMarkieren()
{
    for (int k = 1; k <= m_anzahl; ++k)
        Kontur(k).setMarkiert(true);
}

void TKonturen::AlleDemarkieren()
{
    for (int k = 1; k <= m_anzahl; ++k)
        Kontur(k).setMarkiert(false);
}

bool TKonturen::MarkierteVerschieben(int dx, int dy)
{
    bool irgendeine = false;
    for (int k = 1; k <= m_anzahl; ++k) {
        TKontur &c = Kontur(k);
        if (c.Markiert()) {
            c.Verschieben(dx, dy);
            irgendeine = true;
        }
    }
    return irgendeine;
}

bool TKonturen::IrgendeineMarkiert() const
{
    for (int k = 1; k <= m_anzahl; ++k) {
        if (Kontur(k).Markiert())
            return true;
    }
    return false;
}

bool TKonturen::MarkierteDrehen(double w)
{
    bool irgendeine = false;
    for (int k = 1; k <= m_anzahl; ++k) {
        TKontur &c = Kontur(k);
        if (c.Markiert()) {
            c.Drehen(w);
            irgendeine = true;
        }
    }
    return irgendeine;
}

void TKonturen::AlleUebernehmen()
{
    for (int k = 1; k <= m_anzahl; ++k)
        Kontur(k).Uebernehmen();
}

void TKonturen::AlleVerwerfen()
{
    for (int k = 1; k <= m_anzahl; ++k)
        Kontur(k).Verwerfen();
}

} // namespace qv
