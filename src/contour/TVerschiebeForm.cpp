#include "contour/TVerschiebeForm.h"

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
    // Enter in the step field must not press a button
    b->setAutoDefault(false);
    return b;
}

} // namespace

TVerschiebeForm::TVerschiebeForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VerschiebeForm"));
    setWindowTitle(QStringLiteral("Verschieben von Konturen"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(QStringLiteral("Verschiebung der Kontur/Apertur"), this));

    // the arrows around the step field
    auto *kreuz = new QGridLayout;
    auto *links = knopf(this, "BitBtn3", QStringLiteral("←"), QStringLiteral("nach links"));
    auto *oben = knopf(this, "BitBtn4", QStringLiteral("↑"), QStringLiteral("nach oben"));
    auto *rechts = knopf(this, "BitBtn5", QStringLiteral("→"), QStringLiteral("nach rechts"));
    auto *unten = knopf(this, "BitBtn6", QStringLiteral("↓"), QStringLiteral("nach unten"));
    Edit1 = new SchrittFeld(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(50);
    kreuz->addWidget(oben, 0, 1);
    kreuz->addWidget(links, 1, 0);
    kreuz->addWidget(Edit1, 1, 1);
    kreuz->addWidget(rechts, 1, 2);
    kreuz->addWidget(new QLabel(QStringLiteral("in mm"), this), 1, 3);
    kreuz->addWidget(unten, 2, 1);
    spalte->addLayout(kreuz);

    auto *zeile = new QHBoxLayout;
    auto *BitBtn2 = knopf(this, "BitBtn2", QStringLiteral("Übernehmen"));
    auto *BitBtn1 = knopf(this, "BitBtn1", QStringLiteral("Abbrechen"));
    zeile->addWidget(BitBtn2);
    zeile->addWidget(BitBtn1);
    spalte->addLayout(zeile);

    M_Info = new QTextEdit(this);
    M_Info->setObjectName(QStringLiteral("M_Info"));
    spalte->addWidget(M_Info);
    // the hint lines keep their breaks at this width
    setFixedWidth(420);

    const auto schritt = [this](Schrittrichtung r) { emit verschieben(r, Schritt()); };
    connect(links, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Links); });
    connect(oben, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Oben); });
    connect(rechts, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Rechts); });
    connect(unten, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Unten); });
    connect(BitBtn2, &QPushButton::clicked, this, &TVerschiebeForm::uebernehmen);
    connect(BitBtn1, &QPushButton::clicked, this, &TVerschiebeForm::abbrechen);
}

int TVerschiebeForm::Schritt() const
{
    return Edit1->Wert();
}

void TVerschiebeForm::reject()
{
    // Esc and the title bar's close: the mode ends as with cancel, and whoever ends it hides
    // the dialog
    emit abbrechen();
}

void TVerschiebeForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TVerschiebeForm::FormShow()
{
    THelpForm::HinweisMemo(M_Info,
                           QStringLiteral("Zum Verschieben die Kontur/Apertur mit Mausklick selektieren (Karomuster).\r\n"
                                          "Alternativ, ohne sie zu selektieren, direkt mit Maus verschieben (Drag & Drop)."));
    Edit1->setFocus();
    Edit1->selectAll();
}

} // namespace qv
