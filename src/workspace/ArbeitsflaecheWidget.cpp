#include "workspace/ArbeitsflaecheWidget.h"

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
    const bool invertiert = m_a.Invertiert && m_a.Modus == 0;
    if (m_cache.isNull() || m_cacheSchluessel != m_a.Vorlage.cacheKey() || m_cacheGroesse != size()
        || m_cacheModus != (m_a.Modus == 0 ? 0 : 1) || m_cacheInvertiert != invertiert) {
        m_cache = VorlageSkaliert(m_a.Vorlage, size(), m_a.Modus, m_a.Invertiert);
        m_cacheSchluessel = m_a.Vorlage.cacheKey();
        m_cacheGroesse = size();
        m_cacheModus = m_a.Modus == 0 ? 0 : 1;
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
    if (rahmenZeichnen && (m_a.AblaufStatus & 0x20) && istElektronenAuftrag(m_a.Auftragsart) && m_a.Massstab.PixelProMM != 0)
        rahmenZeichnen(p, abb);
    if (eingabeZeichnen)
        eingabeZeichnen(p, abb);
    p.end();
    emit gezeichnet(MassstabText(m_a));
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

ArbeitsflaecheWidget::ArbeitsflaecheWidget(Arbeitsflaeche &a, QWidget *parent) : QWidget(parent), m_a(a)
{
    setObjectName(QStringLiteral("P_Main"));
    PaintBox = new TPaintBox(a, this);
    Zuruecksetzen();
}

void ArbeitsflaecheWidget::P_MainResize()
{
    if (!m_a.hatVorlage())
        return;
    const QRect box = PaintBoxEinpassen(size(), m_a.Vorlage.size());
    if (!box.isEmpty())
        PaintBox->setGeometry(box);
    PaintBox->update();
}

void ArbeitsflaecheWidget::Zuruecksetzen()
{
    PaintBox->setGeometry(5, 5, 5, 5);
    PaintBox->update();
}

void ArbeitsflaecheWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    P_MainResize();
}

} // namespace qv
