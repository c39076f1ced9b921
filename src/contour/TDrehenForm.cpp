#include "contour/TDrehenForm.h"

#include "contour/SchrittFeld.h"
#include "help/THelpForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace qv {

namespace {

QPushButton *knopf(QWidget *eltern, const char *name, const QString &text, const QString &tipp = {})
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tipp);
    // Enter in the angle field must not press a button
    b->setAutoDefault(false);
    return b;
}

} // namespace

TDrehenForm::TDrehenForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DrehenForm"));
    setWindowTitle(QStringLiteral("Drehen von Konturen"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(QStringLiteral("Drehen der Kontur/Apertur um"), this));

    auto *raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Winkel"), this), 0, 0);
    E_Drehen = new SchrittFeld(this);
    E_Drehen->setObjectName(QStringLiteral("E_Drehen"));
    E_Drehen->setFixedWidth(50);
    raster->addWidget(E_Drehen, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("°"), this), 0, 2);
    auto *btn_left = knopf(this, "btn_left", QStringLiteral("↺ CCW"), QStringLiteral("gegen den Uhrzeigersinn"));
    auto *btn_right = knopf(this, "btn_right", QStringLiteral("CW ↻"), QStringLiteral("im Uhrzeigersinn"));
    raster->addWidget(btn_left, 1, 0);
    raster->addWidget(btn_right, 1, 1, 1, 2);
    spalte->addLayout(raster);

    auto *zeile = new QHBoxLayout;
    auto *Btn_Uebernahme = knopf(this, "Btn_Uebernahme", QStringLiteral("Übernehmen"));
    auto *btn_cancel = knopf(this, "btn_cancel", QStringLiteral("Abbrechen"));
    zeile->addWidget(Btn_Uebernahme);
    zeile->addWidget(btn_cancel);
    spalte->addLayout(zeile);

    M_Info = new QTextEdit(this);
    M_Info->setObjectName(QStringLiteral("M_Info"));
    spalte->addWidget(M_Info);
    setFixedWidth(420);

    connect(btn_left, &QPushButton::clicked, this, [this] { emit drehen(Winkel(), false); });
    connect(btn_right, &QPushButton::clicked, this, [this] { emit drehen(Winkel(), true); });
    connect(Btn_Uebernahme, &QPushButton::clicked, this, &TDrehenForm::uebernehmen);
    connect(btn_cancel, &QPushButton::clicked, this, &TDrehenForm::abbrechen);
}

int TDrehenForm::Winkel() const
{
    return E_Drehen->Wert();
}

void TDrehenForm::reject()
{
    // Esc and the title bar's close: the mode ends as with cancel
    emit abbrechen();
}

void TDrehenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TDrehenForm::FormShow()
{
    THelpForm::HinweisMemo(M_Info, QStringLiteral("Zum Drehen die Kontur/Apertur mit Mausklick selektieren (Karomuster)."));
    E_Drehen->setFocus();
    E_Drehen->selectAll();
}

} // namespace qv
