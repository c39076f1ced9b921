#include "config/TBerarbeitungsForm.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TBerarbeitungsForm::TBerarbeitungsForm(const Eingabe &eingabe, QWidget *parent)
    : QDialog(parent), m_eingabe(eingabe), L_Header(new QLabel(eingabe.Header, this)), GB_Edit(new QGroupBox(this)),
      L_Edit1(new QLabel(eingabe.LabelEdit1, GB_Edit)), Edit1(new QLineEdit(eingabe.Edit1, GB_Edit)),
      L_Edit2(new QLabel(eingabe.LabelEdit2, GB_Edit)), Edit2(new QLineEdit(eingabe.Edit2, GB_Edit)), GB_Memo(new QGroupBox(this)),
      Memo1(new QPlainTextEdit(GB_Memo))
{
    setObjectName(QStringLiteral("BerarbeitungsForm"));
    setWindowTitle(eingabe.Header);
    L_Header->setObjectName(QStringLiteral("L_Header"));
    GB_Edit->setObjectName(QStringLiteral("GB_Edit"));
    L_Edit1->setObjectName(QStringLiteral("L_Edit1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    L_Edit2->setObjectName(QStringLiteral("L_Edit2"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    GB_Memo->setObjectName(QStringLiteral("GB_Memo"));
    Memo1->setObjectName(QStringLiteral("Memo1"));

    QFont f = L_Header->font();
    f.setBold(true);
    f.setItalic(true);
    f.setUnderline(true);
    L_Header->setFont(f);
    L_Header->setStyleSheet(QStringLiteral("color: blue;"));

    auto *felder = new QFormLayout(GB_Edit);
    felder->addRow(L_Edit1, Edit1);
    felder->addRow(L_Edit2, Edit2);
    auto *memoLayout = new QVBoxLayout(GB_Memo);
    memoLayout->addWidget(Memo1);
    Memo1->setPlainText(eingabe.Memo.join(u'\n'));

    const bool mitFeldern = !eingabe.Edit1.isEmpty();
    GB_Edit->setVisible(mitFeldern);
    GB_Memo->setVisible(!mitFeldern);
    L_Edit2->setVisible(!eingabe.Edit2.isEmpty());
    Edit2->setVisible(!eingabe.Edit2.isEmpty());

    auto *knoepfe = new QDialogButtonBox(this);
    QPushButton *ok = knoepfe->addButton(QStringLiteral("Speichern"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BTN_OK"));
    ok->setDefault(true);
    QPushButton *abbruch = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbruch->setObjectName(QStringLiteral("BTN_Cancel"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *AC_Help = new QAction(this);
    AC_Help->setObjectName(QStringLiteral("AC_Help"));
    AC_Help->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(AC_Help);
    connect(AC_Help, &QAction::triggered, this, &TBerarbeitungsForm::hilfeAngefordert);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(L_Header);
    layout->addWidget(GB_Edit);
    layout->addWidget(GB_Memo);
    layout->addWidget(knoepfe);
}

TBerarbeitungsForm::Eingabe TBerarbeitungsForm::Ergebnis() const
{
    Eingabe e = m_eingabe;
    e.Edit1 = Edit1->text();
    e.Edit2 = Edit2->text();
    e.Memo = Memo1->toPlainText().split(u'\n');
    // An emptied text box holds no line, not one empty line.
    if (e.Memo.size() == 1 && e.Memo.first().isEmpty())
        e.Memo.clear();
    return e;
}

} // namespace qv
