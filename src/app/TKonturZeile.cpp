#include "app/TKonturZeile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace qv {

QColor konturListenFarbe(int n)
{
    static const QColor farben[11] = {
        QColor(128, 0, 0),   QColor(255, 0, 0),   QColor(255, 128, 0),   QColor(255, 255, 0),
        QColor(0, 255, 0),   QColor(0, 0, 128),   QColor(128, 0, 128),   QColor(128, 128, 128),
        QColor(255, 255, 255), QColor(128, 128, 0), QColor(255, 0, 255),
    };
    if (n < 1 || n > 11)
        return QColor(0, 0, 0);
    return farben[n - 1];
}

TKonturZeile::TKonturZeile(int nummer, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("P_K%1").arg(nummer));
    setAutoFillBackground(true);
    setFixedHeight(22);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    m_label = new QLabel(QStringLiteral("Kont. %1").arg(nummer), this);
    m_label->setObjectName(QStringLiteral("L_K%1").arg(nummer));
    m_farbe = new QFrame(this);
    m_farbe->setObjectName(QStringLiteral("P_%1").arg(nummer));
    m_farbe->setFixedSize(24, 14);
    m_farbe->setFrameShape(QFrame::Box);
    m_farbe->setAutoFillBackground(true);
    QPalette fp = m_farbe->palette();
    fp.setColor(QPalette::Window, konturListenFarbe(nummer));
    m_farbe->setPalette(fp);
    m_x = new QPushButton(QStringLiteral("X"), this);
    m_x->setObjectName(QStringLiteral("Button%1").arg(nummer));
    m_x->setFixedSize(20, 18);
    m_x->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_farbe);
    layout->addWidget(m_x);
    connect(m_x, &QPushButton::clicked, this, &TKonturZeile::loeschen);
    setAktuell(false);
}

void TKonturZeile::setAktuell(bool aktuell)
{
    m_aktuell = aktuell;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, aktuell ? QColor(0, 128, 128) : QPalette().color(QPalette::Window));
    setPalette(pal);
}

void TKonturZeile::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit angeklickt();
    QFrame::mousePressEvent(event);
}

} // namespace qv
