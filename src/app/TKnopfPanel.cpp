#include "app/TKnopfPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace qv {

namespace {

const QColor NormalFarbe(207, 218, 255);
const QColor GedruecktFarbe(137, 152, 208);

} // namespace

TKnopfPanel::TKnopfPanel(const QString &caption, QWidget *parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setLineWidth(2);
    setMinimumHeight(24);
    m_label = new QLabel(caption, this);
    m_label->setAlignment(Qt::AlignCenter);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_label);
    aussehen();
}

QString TKnopfPanel::caption() const
{
    return m_label->text();
}

void TKnopfPanel::setCaption(const QString &caption)
{
    m_label->setText(caption);
}

void TKnopfPanel::setGedrueckt(bool gedrueckt)
{
    m_gedrueckt = gedrueckt;
    aussehen();
}

void TKnopfPanel::setFreigegeben(bool freigegeben)
{
    m_freigegeben = freigegeben;
    aussehen();
}

void TKnopfPanel::aussehen()
{
    QPalette pal = palette();
    const QPalette standard = QPalette();
    setFrameShadow(m_gedrueckt ? QFrame::Sunken : QFrame::Raised);
    if (m_freigegeben) {
        pal.setColor(QPalette::Window, m_gedrueckt ? GedruecktFarbe : NormalFarbe);
        pal.setColor(QPalette::WindowText, Qt::black);
    } else {
        // a pressed button keeps its background while it is locked
        pal.setColor(QPalette::Window, m_gedrueckt ? GedruecktFarbe : standard.color(QPalette::Window));
        pal.setColor(QPalette::WindowText, standard.color(QPalette::Disabled, QPalette::WindowText));
    }
    setPalette(pal);
    m_label->setPalette(pal);
    setCursor(m_freigegeben ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TKnopfPanel::klicken()
{
    if (m_freigegeben && isEnabled())
        emit clicked();
}

void TKnopfPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        klicken();
    QFrame::mouseReleaseEvent(event);
}

void KnopfGedrueckt(TKnopfPanel *panel, bool gedrueckt)
{
    panel->setGedrueckt(gedrueckt);
}

void KnopfFreigeben(TKnopfPanel *panel, bool freigegeben)
{
    panel->setFreigegeben(freigegeben);
}

} // namespace qv
