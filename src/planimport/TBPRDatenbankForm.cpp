#include "planimport/TBPRDatenbankForm.h"

#include "config/Datenbank.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {

TBPRDatenbankForm::TBPRDatenbankForm(const Datenbank &datenbank, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("BPR-Datenbank"));
    resize(900, 560);
    auto *haupt = new QVBoxLayout(this);

    auto *wahl = new QGroupBox(QStringLiteral("Format Filter"), this);
    auto *raster = new QGridLayout(wahl);
    RG_Wahl = new QButtonGroup(this);
    const QStringList formate{QStringLiteral("Plato"),     QStringLiteral("HEK"),     QStringLiteral("ParScientific"),
                              QStringLiteral("Multidata"), QStringLiteral("HUESTIS"), QStringLiteral("Target")};
    for (int i = 0; i < formate.size(); ++i) {
        auto *knopf = new QRadioButton(formate[i], wahl);
        RG_Wahl->addButton(knopf, i);
        raster->addWidget(knopf, i / 3, i % 3);
    }
    RG_Wahl->button(0)->setChecked(true);
    haupt->addWidget(wahl);

    m_modell = datenbank.tabellenModell(QStringLiteral("FormatValue"), this);
    DatenGrid = new QTableView(this);
    DatenGrid->setModel(m_modell);
    DatenGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DatenGrid->horizontalHeader()->setStretchLastSection(true);
    haupt->addWidget(DatenGrid, 1);

    // The record navigator: add, delete, post, cancel and refresh rows.
    auto *navigator = new QHBoxLayout;
    auto knopf = [&](const QString &text, auto aktion) {
        auto *b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, aktion);
        navigator->addWidget(b);
    };
    knopf(QStringLiteral("Einfügen"), [this] {
        const int zeile = m_modell->rowCount();
        m_modell->insertRow(zeile);
        m_modell->setData(m_modell->index(zeile, m_modell->fieldIndex(QStringLiteral("ID_BPRFormat"))), m_format + 1);
        DatenGrid->setCurrentIndex(m_modell->index(zeile, 0));
    });
    knopf(QStringLiteral("Löschen"), [this] {
        const QModelIndex i = DatenGrid->currentIndex();
        if (i.isValid() && m_modell->removeRow(i.row()))
            FilterAnwenden();
    });
    knopf(QStringLiteral("Übernehmen"), [this] { m_modell->submitAll(); });
    knopf(QStringLiteral("Verwerfen"), [this] { m_modell->revertAll(); });
    knopf(QStringLiteral("Aktualisieren"), [this] { m_modell->select(); });
    navigator->addStretch();
    auto *BitBtn1 = new QPushButton(QStringLiteral("Schließen"), this);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    navigator->addWidget(BitBtn1);
    haupt->addLayout(navigator);

    connect(RG_Wahl, &QButtonGroup::idClicked, this, &TBPRDatenbankForm::FormatWaehlen);
    FilterAnwenden();
}

void TBPRDatenbankForm::FormatWaehlen(int i)
{
    if (i < 0 || i > 5)
        return;
    m_format = i;
    if (QAbstractButton *b = RG_Wahl->button(i))
        b->setChecked(true);
    FilterAnwenden();
}

void TBPRDatenbankForm::showEvent(QShowEvent *event)
{
    FilterAnwenden();
    QDialog::showEvent(event);
}

void TBPRDatenbankForm::FilterAnwenden()
{
    m_modell->setFilter(QStringLiteral("ID_BPRFormat = %1").arg(m_format + 1));
    m_modell->select();
}

} // namespace qv
