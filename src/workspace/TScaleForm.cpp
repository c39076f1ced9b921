#include "workspace/TScaleForm.h"

#include "base/IniFile.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "workspace/FeldPruefung.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

namespace {

QFrame *abschnitt(QWidget *parent, const QString &name, const QString &titel, const QString &beschriftung,
                  QLineEdit *&edit, const QString &editName, int maxLaenge, const QString &vorgabe, QLabel **titelLabel)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    auto *layout = new QGridLayout(frame);
    layout->setContentsMargins(0, 0, 8, 8);
    auto *kopf = new QLabel(titel, frame);
    kopf->setAutoFillBackground(true);
    QPalette pal = kopf->palette();
    pal.setColor(QPalette::Window, QColor(137, 152, 208));
    pal.setColor(QPalette::WindowText, Qt::white);
    kopf->setPalette(pal);
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    kopf->setMinimumHeight(20);
    layout->addWidget(kopf, 0, 0, 1, 3);
    layout->addWidget(new QLabel(beschriftung, frame), 1, 0);
    edit = new QLineEdit(vorgabe, frame);
    edit->setObjectName(editName);
    edit->setMaxLength(maxLaenge);
    edit->setFixedWidth(60);
    layout->addWidget(edit, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("cm"), frame), 1, 2);
    layout->setColumnMinimumWidth(0, 190);
    if (titelLabel)
        *titelLabel = kopf;
    return frame;
}

} // namespace

TScaleForm::TScaleForm(double ffa, qint32 abstand, IniFile &einstellungen, Messages &messages, QWidget *parent)
    : QDialog(parent), m_werte{ffa, abstand}, m_einstellungen(einstellungen), m_messages(messages)
{
    setObjectName(QStringLiteral("ScaleForm"));
    setWindowTitle(QStringLiteral("Maßstab"));
    // No close box: the dialog ends with OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    P_FFA = abschnitt(this, QStringLiteral("P_FFA"), QStringLiteral("  Bild-/Film-/Eingabe-Ebene"),
                      QStringLiteral("Fokus Film Abstand (FFA)"), E_FFA, QStringLiteral("E_FFA"), 6,
                      QStringLiteral("100,0"), &P_FFATitel);
    P_Scale = abschnitt(this, QStringLiteral("P_Scale"), QStringLiteral("  Abstand von zwei bekannten Punkten"),
                        QStringLiteral("Abstand der einzugebenen Punkte "), E_Abstand, QStringLiteral("E_Abstand"), 5,
                        QStringLiteral("10,0"), nullptr);
    layout->addWidget(P_FFA);
    layout->addWidget(P_Scale);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btn_OK = new QPushButton(QStringLiteral("OK"), this);
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setDefault(true);
    btn_Abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
    btn_Abbruch->setObjectName(QStringLiteral("btn_Abbruch"));
    knoepfe->addWidget(btn_OK);
    knoepfe->addWidget(btn_Abbruch);
    layout->addLayout(knoepfe);
    m_knopfZeileHoehe = btn_OK->sizeHint().height() + 8;

    connect(btn_OK, &QPushButton::clicked, this, &TScaleForm::btn_OKClick);
    connect(btn_Abbruch, &QPushButton::clicked, this, &TScaleForm::btn_AbbruchClick);
}

std::optional<TScaleForm::Ergebnis> TScaleForm::Zeigen(int form)
{
    m_dialogForm = form;
    // The form-specific caption stays behind the header, as the header is what people know.
    P_FFATitel->setToolTip(form == 0 ? QStringLiteral("  Ebene des Maßstabes (des Bildes)")
                                     : QStringLiteral("  Generierung der Kontur/Apertur im"));
    P_Scale->setVisible(form == 0);
    const int h = P_FFA->sizeHint().height() + (form == 0 ? P_Scale->sizeHint().height() : 0) + m_knopfZeileHoehe + 25;
    resize(width(), h);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_werte;
}

void TScaleForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TScaleForm::FormShow()
{
    E_FFA->setText(formatDecimal(m_werte.FFA));
    if (m_dialogForm == 1) {
        E_FFA->setFocus();
        return;
    }
    E_Abstand->setText(m_einstellungen.readString(QStringLiteral("Init"), QStringLiteral("ScaleAbstand"), QStringLiteral("10,0")));
    E_Abstand->setFocus();
}

void TScaleForm::btn_OKClick()
{
    const FeldPruefung ffa = FFAPruefen(E_FFA->text());
    E_FFA->setText(ffa.feldText);
    if (!ffa.wert) {
        m_messages.information(ffa.meldung);
        E_FFA->setFocus();
        return;
    }
    m_werte.FFA = *ffa.wert;
    if (m_dialogForm == 1) {
        accept();
        return;
    }
    const FeldPruefung abstand = AbstandPruefen(E_Abstand->text(), m_werte.Abstand);
    E_Abstand->setText(abstand.feldText);
    if (!abstand.wert) {
        m_messages.information(abstand.meldung);
        E_Abstand->setFocus();
        return;
    }
    m_einstellungen.writeString(QStringLiteral("Init"), QStringLiteral("ScaleAbstand"), E_Abstand->text());
    accept();
}

void TScaleForm::btn_AbbruchClick()
{
    // The dialog worked on its own values: nothing to restore.
    reject();
}

void TScaleForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        emit hilfeUmschalten();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        // Escape is the cancel button.
        btn_AbbruchClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qv
