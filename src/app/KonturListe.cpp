#include "app/KonturListe.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

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

TKonturListe::TKonturListe(bool mitZeilen, QWidget *parent)
    : QGroupBox(QStringLiteral("Kontureingabe"), parent)
    , m_mitZeilen(mitZeilen)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(1);
    for (int n = 1; n <= 11; ++n) {
        auto *z = new TKonturZeile(n, this);
        z->hide();
        m_zeilen[n - 1] = z;
        layout->addWidget(z);
        connect(z, &TKonturZeile::angeklickt, this, [this, n] { emit auswaehlen(n); });
        connect(z, &TKonturZeile::loeschen, this, [this, n] { emit loeschen(n); });
    }
    layout->addStretch();
    auto *knoepfe = new QHBoxLayout;
    m_rueck = new QPushButton(QStringLiteral("0"), this);
    m_vor = new QPushButton(QStringLiteral("0"), this);
    m_rueck->setObjectName(mitZeilen ? QStringLiteral("BTN_KonturRueck") : QStringLiteral("BitBtn1"));
    m_vor->setObjectName(mitZeilen ? QStringLiteral("BTN_KonturVor") : QStringLiteral("BitBtn2"));
    m_rueck->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_vor->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_rueck->setToolTip(QStringLiteral("Rückgängig"));
    m_vor->setToolTip(QStringLiteral("Wiederherstellen"));
    m_rueck->setFocusPolicy(Qt::NoFocus);
    m_vor->setFocusPolicy(Qt::NoFocus);
    knoepfe->addWidget(m_rueck);
    knoepfe->addWidget(m_vor);
    layout->addLayout(knoepfe);
    connect(m_rueck, &QPushButton::clicked, this, &TKonturListe::rueckgaengig);
    connect(m_vor, &QPushButton::clicked, this, &TKonturListe::wiederherstellen);
}

void TKonturListe::aktualisieren(int anzahl, int aktuell, int punkte, int wiederherstellbar)
{
    for (int n = 1; n <= 11; ++n) {
        TKonturZeile *z = m_zeilen[n - 1];
        z->setVisible(m_mitZeilen && n <= anzahl);
        z->setAktuell(n == aktuell);
    }
    m_rueck->setText(QString::number(punkte));
    m_vor->setText(QString::number(wiederherstellbar));
}

} // namespace qv
