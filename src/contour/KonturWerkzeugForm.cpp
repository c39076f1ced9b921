#include "contour/KonturWerkzeugForm.h"

#include "contour/SchrittFeld.h"
#include "help/THelpForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace qv {

KonturWerkzeugForm::KonturWerkzeugForm(const QString &objektName, const QString &titel, const QString &ueberschrift,
                                       QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objektName);
    setWindowTitle(titel);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    m_spalte = new QVBoxLayout(this);
    m_spalte->addWidget(new QLabel(ueberschrift, this));
}

SchrittFeld *KonturWerkzeugForm::feldAnlegen(const char *name)
{
    m_feld = new SchrittFeld(this);
    m_feld->setObjectName(QString::fromLatin1(name));
    m_feld->setFixedWidth(50);
    return m_feld;
}

QPushButton *KonturWerkzeugForm::knopf(const char *name, const QString &text, const QString &tipp)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tipp);
    // Enter in the field must not press a button
    b->setAutoDefault(false);
    return b;
}

void KonturWerkzeugForm::abschliessen(QLayout *bedienung, const char *uebernehmenName, const char *abbrechenName,
                                      const QString &hinweis)
{
    m_spalte->addLayout(bedienung);

    auto *zeile = new QHBoxLayout;
    auto *uebernehmenKnopf = knopf(uebernehmenName, QStringLiteral("Übernehmen"));
    auto *abbrechenKnopf = knopf(abbrechenName, QStringLiteral("Abbrechen"));
    zeile->addWidget(uebernehmenKnopf);
    zeile->addWidget(abbrechenKnopf);
    m_spalte->addLayout(zeile);

    M_Info = new QTextEdit(this);
    M_Info->setObjectName(QStringLiteral("M_Info"));
    m_spalte->addWidget(M_Info);
    m_hinweis = hinweis;
    // the hint lines keep their breaks at this width
    setFixedWidth(420);

    connect(uebernehmenKnopf, &QPushButton::clicked, this, &KonturWerkzeugForm::uebernehmen);
    connect(abbrechenKnopf, &QPushButton::clicked, this, &KonturWerkzeugForm::abbrechen);
}

void KonturWerkzeugForm::reject()
{
    // Esc and the title bar's close: the mode ends as with cancel, and whoever ends it hides
    // the dialog
    emit abbrechen();
}

void KonturWerkzeugForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    THelpForm::HinweisMemo(M_Info, m_hinweis);
    // the hint's height is known only now, at the dialog's width: no empty band above it
    adjustSize();
    m_feld->setFocus();
    m_feld->selectAll();
}

} // namespace qv
