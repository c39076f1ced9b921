#pragma once

#include "workspace/TBilddrehung.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qv {

class Messages;

/// "Bild drehen": turns the template left or right by the typed angle, always from the image
/// as loaded; "Übernehmen" keeps the turn, Cancel goes back to the state before this run.
class TBilddrehungForm : public QDialog
{
    Q_OBJECT

public:
    explicit TBilddrehungForm(Messages &messages, QWidget *parent = nullptr);

    void AusgangsbildSetzen(const QImage &bild) { m_drehung.AusgangsbildSetzen(bild); }
    const TBilddrehung &drehung() const { return m_drehung; }
    /// Shows the dialog modally (a new run: the session angle starts at 0).
    int Zeigen();

signals:
    /// The template to show now (the caller makes it the template and fits the workspace).
    void vorlageGedreht(const QImage &bild);
    void hilfeUmschalten();

public slots:
    void BitBtn3Click();
    void BitBtn2Click();
    void BitBtn4Click();
    void BitBtn1Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool winkelLesen(double &winkel);
    void drehen(double winkel);

    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn3 = nullptr; // left: counter-clockwise
    QPushButton *BitBtn2 = nullptr; // right: clockwise
    QPushButton *BitBtn4 = nullptr; // "Übernehmen"
    QPushButton *BitBtn1 = nullptr; // cancel
    Messages &m_messages;
    TBilddrehung m_drehung;
};

} // namespace qv
