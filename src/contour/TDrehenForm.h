#pragma once

#include <QDialog>

class QTextEdit;

namespace qv {

class SchrittFeld;

/// "Drehen von Konturen": the small dialog of the rotate mode, beside the workspace and on
/// top of it. It holds only the angle; Esc and closing the window count as cancel.
class TDrehenForm : public QDialog
{
    Q_OBJECT

public:
    explicit TDrehenForm(QWidget *parent = nullptr);

    /// The angle in whole degrees.
    int Winkel() const;

signals:
    /// A rotate button: clockwise (rechts) or counter-clockwise by the angle.
    void drehen(int grad, bool rechts);
    /// "Übernehmen": the turned contours stay.
    void uebernehmen();
    /// Cancel, Esc or the window closed: every contour goes back.
    void abbrechen();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    SchrittFeld *E_Drehen = nullptr;
    QTextEdit *M_Info = nullptr;
};

} // namespace qv
