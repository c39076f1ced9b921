#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {
class TKundenDaten;

class IniFile;
class Messages;
class TMassstab;

/// The scale dialog: FFA of the image plane and, in the scale form, the real distance of the
/// two points the person is going to click. The scale itself lives in TMassstab.
class TScaleForm : public QDialog
{
    Q_OBJECT

public:
    TScaleForm(TMassstab &massstab, TKundenDaten &kunde, IniFile &einstellungen, Messages &messages,
               QWidget *parent = nullptr);

    /// 0 = scale form (FFA and distance), 1 = generation form (FFA only). Shows the dialog
    /// modally and returns QDialog::Accepted or Rejected.
    int Zeigen(int form);

    int DialogForm() const { return m_dialogForm; }
    qint32 AlterAbstand() const { return m_alterAbstand; }

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

    TMassstab &m_massstab;
    TKundenDaten &m_kunde;
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
    qint32 m_alterAbstand = 10;
    int m_knopfZeileHoehe = 0;
};

} // namespace qv
