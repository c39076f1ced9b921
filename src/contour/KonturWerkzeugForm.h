#pragma once

#include <QDialog>
#include <QString>

class QLayout;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

namespace qv {

class SchrittFeld;

/// The small dialog of the move and rotate modes, beside the workspace and on top of it: a
/// heading, the mode's own controls around one whole-number field, "Übernehmen" and
/// "Abbrechen", and a hint. Esc and closing the window count as cancel.
class KonturWerkzeugForm : public QDialog
{
    Q_OBJECT

signals:
    /// "Übernehmen": the moved or turned contours stay.
    void uebernehmen();
    /// Cancel, Esc or the window closed: every contour goes back.
    void abbrechen();

public slots:
    void reject() override;

protected:
    KonturWerkzeugForm(const QString &objektName, const QString &titel, const QString &ueberschrift,
                       QWidget *parent);

    /// The field of the mode: whole numbers, 50 pixels wide, focused and selected on showing.
    SchrittFeld *feldAnlegen(const char *name);
    /// Completes the dialog below the mode's controls: the two buttons (by their object
    /// names) and the hint shown each time the dialog appears.
    void abschliessen(QLayout *bedienung, const char *uebernehmenName, const char *abbrechenName,
                      const QString &hinweis);
    /// A button that Enter in the field never presses.
    QPushButton *knopf(const char *name, const QString &text, const QString &tipp = {});

    void showEvent(QShowEvent *event) override;

private:
    QVBoxLayout *m_spalte = nullptr;
    SchrittFeld *m_feld = nullptr;
    QTextEdit *M_Info = nullptr;
    QString m_hinweis;
};

} // namespace qv
