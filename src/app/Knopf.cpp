#include "app/Knopf.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

namespace qv {

namespace {

const QColor NormalFarbe(207, 218, 255);
const QColor GedruecktFarbe(137, 152, 208);

QPixmap birnenBild(bool an)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(an ? QColor(255, 230, 60) : QColor(170, 170, 170));
    p.drawEllipse(QRectF(3, 1, 10, 10));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(5.5, 11, 5, 4));
    return pm;
}

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

TLampe::TLampe(QWidget *parent)
    : QFrame(parent)
{
    setFixedSize(12, 22);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setFarbe(LampenFarbe::Rot);
}

void TLampe::setFarbe(LampenFarbe farbe)
{
    m_farbe = farbe;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, lampenRgb(farbe));
    setPalette(pal);
}

TGluehbirne::TGluehbirne(QWidget *parent)
    : QLabel(parent)
{
    setFixedSize(18, 22);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setAn(true);
}

void TGluehbirne::setAn(bool an)
{
    m_an = an;
    setPixmap(birnenBild(an));
}

void TGluehbirne::klicken()
{
    setAn(!m_an);
    emit umgeschaltet(m_an);
}

void TGluehbirne::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        klicken();
    QLabel::mouseReleaseEvent(event);
}

} // namespace qv
