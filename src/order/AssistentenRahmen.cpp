#include "order/AssistentenRahmen.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {

QColor AssistentenRahmen::kopfFarbe()
{
    return QColor(137, 152, 208);
}

AssistentenRahmen::AssistentenRahmen(const QString &titel, const QString &untertitel, QWidget *parent)
    : QDialog(parent)
{
    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->setSpacing(0);

    auto *kopf = new QFrame(this);
    kopf->setObjectName(QStringLiteral("P_Kopf"));
    kopf->setAutoFillBackground(true);
    QPalette pal = kopf->palette();
    pal.setColor(QPalette::Window, kopfFarbe());
    pal.setColor(QPalette::WindowText, Qt::white);
    kopf->setPalette(pal);
    auto *kopfLayout = new QHBoxLayout(kopf);
    kopfLayout->setContentsMargins(16, 10, 16, 10);
    auto *texte = new QVBoxLayout;
    auto *lTitel = new QLabel(titel, kopf);
    lTitel->setObjectName(QStringLiteral("lbl_Titel"));
    QFont f = lTitel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    lTitel->setFont(f);
    auto *lUntertitel = new QLabel(untertitel, kopf);
    lUntertitel->setObjectName(QStringLiteral("lbl_Untertitel"));
    texte->addWidget(lTitel);
    texte->addWidget(lUntertitel);
    kopfLayout->addLayout(texte, 1);
    // The product name as the logo: two labels.
    auto *logo1 = new QLabel(QStringLiteral("Quell"), kopf);
    auto *logo2 = new QLabel(QStringLiteral("vantar"), kopf);
    QFont lf = logo1->font();
    lf.setBold(true);
    lf.setPointSizeF(lf.pointSizeF() * 1.8);
    logo1->setFont(lf);
    lf.setItalic(true);
    lf.setBold(false);
    logo2->setFont(lf);
    kopfLayout->addWidget(logo1, 0, Qt::AlignVCenter);
    kopfLayout->addWidget(logo2, 0, Qt::AlignVCenter);
    kopfLayout->setSpacing(0);
    aussen->addWidget(kopf);

    auto *mitte = new QWidget(this);
    m_inhalt = new QVBoxLayout(mitte);
    m_inhalt->setContentsMargins(24, 16, 24, 16);
    aussen->addWidget(mitte, 1);

    auto *linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    aussen->addWidget(linie);

    auto *knoepfe = new QDialogButtonBox(this);
    knoepfe->setContentsMargins(16, 8, 16, 12);
    QPushButton *weiter = knoepfe->addButton(QStringLiteral("&Weiter"), QDialogButtonBox::AcceptRole);
    weiter->setObjectName(QStringLiteral("btn_Weiter"));
    weiter->setDefault(true);
    QPushButton *abbrechen = knoepfe->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("btn_Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    aussen->addWidget(knoepfe);
}

QRadioButton *AssistentenRahmen::auswahl(const char *name, const QString &text, const QStringList &erklaerung)
{
    auto *knopf = new QRadioButton(text, this);
    knopf->setObjectName(QString::fromLatin1(name));
    QFont fett = knopf->font();
    fett.setBold(true);
    knopf->setFont(fett);
    m_inhalt->addWidget(knopf);

    auto *memo = new QLabel(erklaerung.join(u'\n'), this);
    memo->setObjectName(QStringLiteral("M_") + knopf->objectName());
    memo->setContentsMargins(24, 0, 0, 10);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    memo->installEventFilter(this);
    m_erklaerungen.insert(memo, knopf);
    m_inhalt->addWidget(memo);
    return knopf;
}

QLabel *AssistentenRahmen::erklaerung(const QRadioButton *knopf) const
{
    for (auto it = m_erklaerungen.cbegin(); it != m_erklaerungen.cend(); ++it)
        if (it.value() == knopf)
            return static_cast<QLabel *>(it.key());
    return nullptr;
}

bool AssistentenRahmen::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress) {
        if (QRadioButton *knopf = m_erklaerungen.value(objekt)) {
            knopf->setChecked(true);
            knopf->setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

} // namespace qv
