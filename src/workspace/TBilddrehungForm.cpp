#include "workspace/TBilddrehungForm.h"

#include "base/Messages.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

TBilddrehungForm::TBilddrehungForm(Messages &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("BilddrehungForm"));
    setWindowTitle(QStringLiteral("Bild drehen"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Drehen des Bildes um "), this), 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Winkel"), this), 1, 0);
    Edit1 = new QLineEdit(QStringLiteral("90"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // Room for a decimal such as "12,5" (three characters would only take whole degrees).
    Edit1->setMaxLength(5);
    Edit1->setFixedWidth(50);
    layout->addWidget(Edit1, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("°"), this), 1, 2);

    const auto knopf = [this](const QString &name, const QString &text, const QString &tip) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    BitBtn3 = knopf(QStringLiteral("BitBtn3"), QStringLiteral("↺ Links"), QStringLiteral("gegen den Uhrzeigersinn drehen"));
    BitBtn2 = knopf(QStringLiteral("BitBtn2"), QStringLiteral("Rechts ↻"), QStringLiteral("im Uhrzeigersinn drehen"));
    BitBtn4 = knopf(QStringLiteral("BitBtn4"), QStringLiteral("Übernehmen"), {});
    BitBtn1 = knopf(QStringLiteral("BitBtn1"), QStringLiteral("Abbrechen"), {});
    layout->addWidget(BitBtn3, 2, 0);
    layout->addWidget(BitBtn2, 2, 1, 1, 2);
    layout->addWidget(BitBtn4, 3, 0);
    layout->addWidget(BitBtn1, 3, 1, 1, 2);

    connect(BitBtn3, &QPushButton::clicked, this, &TBilddrehungForm::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TBilddrehungForm::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TBilddrehungForm::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TBilddrehungForm::BitBtn1Click);
}

int TBilddrehungForm::Zeigen()
{
    m_drehung.SitzungBeginnen();
    return exec();
}

bool TBilddrehungForm::winkelLesen(double &winkel)
{
    const FeldPruefung p = WinkelPruefen(Edit1->text());
    Edit1->setText(p.feldText);
    if (!p.wert) {
        m_messages.information(p.meldung);
        Edit1->setFocus();
        return false;
    }
    winkel = *p.wert;
    return true;
}

void TBilddrehungForm::drehen(double winkel)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result<QImage> bild = m_drehung.Drehen(winkel);
    QApplication::restoreOverrideCursor();
    if (!bild) {
        m_messages.information(bild.error());
        return;
    }
    emit vorlageGedreht(*bild);
}

void TBilddrehungForm::BitBtn3Click()
{
    double w = 0;
    if (winkelLesen(w))
        drehen(w);
}

void TBilddrehungForm::BitBtn2Click()
{
    double w = 0;
    if (winkelLesen(w))
        drehen(-w);
}

void TBilddrehungForm::BitBtn4Click()
{
    m_drehung.Uebernehmen();
    accept();
}

void TBilddrehungForm::BitBtn1Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage bild = m_drehung.Abbrechen();
    QApplication::restoreOverrideCursor();
    if (!bild.isNull())
        emit vorlageGedreht(bild);
    reject();
}

void TBilddrehungForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        emit hilfeUmschalten();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        BitBtn1Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qv
