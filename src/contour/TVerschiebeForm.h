#pragma once

#include "contour/Verschiebung.h"

#include <QDialog>

class QTextEdit;

namespace qv {

class SchrittFeld;

/// "Verschieben von Konturen": the small dialog of the move mode, beside the workspace and on
/// top of it. It holds only the step; what a button means for the contours is up to whoever
/// listens. Esc and closing the window count as cancel.
class TVerschiebeForm : public QDialog
{
    Q_OBJECT

public:
    explicit TVerschiebeForm(QWidget *parent = nullptr);

    /// The step in whole millimetres.
    int Schritt() const;

signals:
    /// An arrow button: the step in its direction.
    void verschieben(qv::Schrittrichtung richtung, int mm);
    /// "Übernehmen": the moved contours stay.
    void uebernehmen();
    /// Cancel, Esc or the window closed: every contour goes back.
    void abbrechen();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    SchrittFeld *Edit1 = nullptr;
    QTextEdit *M_Info = nullptr;
};

} // namespace qv
