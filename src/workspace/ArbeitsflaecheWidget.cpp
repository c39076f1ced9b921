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

ArbeitsflaecheWidget::ArbeitsflaecheWidget(Arbeitsflaeche &a, QWidget *parent) : QWidget(parent), m_a(a)
{
    setObjectName(QStringLiteral("P_Main"));
    m_box = new TPaintBox(a, this);
    connect(m_box, &TPaintBox::mausGedrueckt, this, &ArbeitsflaecheWidget::mausGedrueckt);
    connect(m_box, &TPaintBox::mausBewegt, this, &ArbeitsflaecheWidget::mausBewegt);
    connect(m_box, &TPaintBox::mausLosgelassen, this, &ArbeitsflaecheWidget::mausLosgelassen);
    Zuruecksetzen();
}

void ArbeitsflaecheWidget::setZeiger(Qt::CursorShape form)
{
    m_box->setCursor(form);
}

Qt::CursorShape ArbeitsflaecheWidget::zeiger() const
{
    return m_box->cursor().shape();
}

void ArbeitsflaecheWidget::setBildSichtbar(bool sichtbar)
{
    m_box->setVisible(sichtbar);
}

void ArbeitsflaecheWidget::neuZeichnen()
{
    m_box->update();
}

void ArbeitsflaecheWidget::setRahmenZeichnen(std::function<void(QPainter &, const Abbildung &)> f)
{
    m_box->rahmenZeichnen = std::move(f);
}

void ArbeitsflaecheWidget::setEingabeZeichnen(std::function<void(QPainter &, const Abbildung &)> f)
{
    m_box->eingabeZeichnen = std::move(f);
}

void ArbeitsflaecheWidget::P_MainResize()
{
    if (!m_a.hatVorlage())
        return;
    const QRect box = PaintBoxEinpassen(size(), m_a.auftrag().Vorlage.size());
    if (!box.isEmpty())
        m_box->setGeometry(box);
    m_box->update();
}

void ArbeitsflaecheWidget::Zuruecksetzen()
{
    m_box->setGeometry(5, 5, 5, 5);
    m_box->update();
}

void ArbeitsflaecheWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    P_MainResize();
}

} // namespace qv
