#include "app/TKonturListe.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace qv {

TKonturListe::TKonturListe(bool mitZeilen, QWidget *parent)
    : QGroupBox(QStringLiteral("Kontureingabe"), parent)
    , m_mitZeilen(mitZeilen)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(1);
    // The rows scroll when the list is given less height than eleven rows need (a low screen).
    auto *rollen = m_rollen = new QScrollArea(this);
    rollen->setObjectName(QStringLiteral("Konturzeilen"));
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollen->viewport()->setAutoFillBackground(false);
    auto *zeilen = new QWidget(rollen);
    zeilen->setAutoFillBackground(false);
    auto *zeilenLayout = new QVBoxLayout(zeilen);
    zeilenLayout->setContentsMargins(0, 0, 0, 0);
    zeilenLayout->setSpacing(1);
    for (int n = 1; n <= 11; ++n) {
        auto *z = new TKonturZeile(n, zeilen);
        z->hide();
        m_zeilen[n - 1] = z;
        zeilenLayout->addWidget(z);
        connect(z, &TKonturZeile::angeklickt, this, [this, n] { emit auswaehlen(n); });
        connect(z, &TKonturZeile::loeschen, this, [this, n] { emit loeschen(n); });
    }
    zeilenLayout->addStretch();
    rollen->setWidget(zeilen);
    layout->addWidget(rollen, 1);
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
    if (m_mitZeilen && aktuell >= 1 && aktuell <= anzahl) {
        // the current contour's row stays in view when the rows scroll (once the rows just
        // shown have their places)
        TKonturZeile *zeile = m_zeilen[aktuell - 1];
        QTimer::singleShot(0, zeile, [this, zeile] { m_rollen->ensureWidgetVisible(zeile, 0, 0); });
    }
    m_rueck->setText(QString::number(punkte));
    m_vor->setText(QString::number(wiederherstellbar));
}

} // namespace qv
