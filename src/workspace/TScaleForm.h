#pragma once

#include <QDialog>

#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class IniFile;
class Messages;

/// The scale dialog: FFA of the image plane and, in the scale form, the real distance of the
/// two points the person is going to click. It starts from the order's values and gives back
/// the ones confirmed; the caller hands them to the order session.
class TScaleForm : public QDialog
{
    Q_OBJECT

public:
    /// What OK gives back: the FFA (cm) and the distance of the scale points (mm).
    struct Ergebnis
    {
        double FFA = 100.0;
        qint32 Abstand = 10;
    };

    /// ffa: the FFA of the customer data (cm); abstand: the scale distance of the order (mm).
    TScaleForm(double ffa, qint32 abstand, IniFile &einstellungen, Messages &messages, QWidget *parent = nullptr);

    /// 0 = scale form (FFA and distance), 1 = generation form (FFA only). Shows the dialog
    /// modally; the values on OK, nothing on Cancel.
    std::optional<Ergebnis> Zeigen(int form);

    int DialogForm() const { return m_dialogForm; }

signals:
    /// F1: the help window toggles.
    void hilfeUmschalten();

public slots:
    void btn_OKClick();
    void btn_AbbruchClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormShow();

    Ergebnis m_werte; // the dialog's own copy of the two values
    IniFile &m_einstellungen;
    Messages &m_messages;
    QLineEdit *E_FFA = nullptr;
    QLineEdit *E_Abstand = nullptr;
    QFrame *P_FFA = nullptr;
    QFrame *P_Scale = nullptr;
    QLabel *P_FFATitel = nullptr;
    QPushButton *btn_OK = nullptr;
    QPushButton *btn_Abbruch = nullptr;
    int m_dialogForm = 0;
    int m_knopfZeileHoehe = 0;
};

} // namespace qv
