#include "workspace/ArbeitsflaecheWidget.h"

namespace qv {

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
