#include "workspace/TPaintBox.h"

#include "workspace/ArbeitsflaecheZeichnen.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

TPaintBox::TPaintBox(Arbeitsflaeche &a, QWidget *parent) : QWidget(parent), m_a(a)
{
    setObjectName(QStringLiteral("PaintBox"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

const QImage &TPaintBox::skaliert()
{
    const bool invertiert = m_a.Invertiert && m_a.Modus == ModusBildVorlage;
    if (m_cache.isNull() || m_cacheSchluessel != m_a.auftrag().Vorlage.cacheKey() || m_cacheGroesse != size()
        || m_cacheModus != (m_a.Modus == ModusBildVorlage ? 0 : 1) || m_cacheInvertiert != invertiert) {
        m_cache = VorlageSkaliert(m_a.auftrag().Vorlage, size(), m_a.Modus, m_a.Invertiert);
        m_cacheSchluessel = m_a.auftrag().Vorlage.cacheKey();
        m_cacheGroesse = size();
        m_cacheModus = m_a.Modus == ModusBildVorlage ? 0 : 1;
        m_cacheInvertiert = invertiert;
        ++m_neuaufbauten;
    }
    return m_cache;
}

void TPaintBox::paintEvent(QPaintEvent *)
{
    if (!m_a.hatVorlage())
        return;
    QPainter p(this);
    const Abbildung abb = abbildung();
    ArbeitsflaecheZeichnen(p, m_a, abb, m_a.anzeige.Bild ? skaliert() : QImage());
    // The insertion-direction preview has its own paint box; the electron frame comes last.
    if (rahmenZeichnen && (m_a.AblaufStatus & ablauf::Auftragsart) && istElektronenAuftrag(m_a.auftrag().Auftragsart)
        && m_a.auftrag().Massstab.PixelProMM != 0)
        rahmenZeichnen(p, abb);
    if (eingabeZeichnen)
        eingabeZeichnen(p, abb);
    p.end();
}

void TPaintBox::mousePressEvent(QMouseEvent *event)
{
    emit mausGedrueckt(event->position().toPoint(), event->button(), event->modifiers());
}

void TPaintBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mausBewegt(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit mausLosgelassen(event->position().toPoint(), event->button());
}

} // namespace qv
