#pragma once

#include <QDialog>

class QButtonGroup;
class QSqlTableModel;
class QTableView;

namespace qv {

class Datenbank;

/// The rows of the format database (table FormatValue), one format at a time, edited in place:
/// every change is written to the database at once.
class TBPRDatenbankForm : public QDialog
{
    Q_OBJECT

public:
    TBPRDatenbankForm(const Datenbank &datenbank, QWidget *parent = nullptr);

    /// Shows the rows of format i + 1 (0 = Plato … 5 = Target).
    void FormatWaehlen(int i);
    int GewaehltesFormat() const { return m_format; }
    QSqlTableModel *Modell() const { return m_modell; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FilterAnwenden();

    QSqlTableModel *m_modell = nullptr;
    QTableView *DatenGrid = nullptr;
    QButtonGroup *RG_Wahl = nullptr;
    int m_format = 0;
};

} // namespace qv
