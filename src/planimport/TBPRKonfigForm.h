#pragma once

#include "planimport/TBPRKonfig.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

class Messages;

/// "Konfiguration": edits the six accelerator configurations of the planning-system import on
/// a working copy, which the caller takes back whatever closed the dialog.
class TBPRKonfigForm : public QDialog
{
    Q_OBJECT

public:
    TBPRKonfigForm(const TBPRKonfigurationen &konfig, int index, Messages &messages, QWidget *parent = nullptr);

    const TBPRKonfigurationen &Konfigurationen() const { return m_konfig; }
    int AktuellerSlot() const { return m_slot; }
    bool Bearbeiten() const { return m_bearbeiten; }
    /// The names in the list, in list order.
    QStringList ListenEintraege() const;

    /// For tests and callers: select a list entry, and the detail fields as typed.
    void EintragWaehlen(int listenPosition);
    void DetailsSetzen(const QString &beschreibung, const QString &drehung, bool xSpiegel, bool ySpiegel, bool inFBA,
                       const QString &kolliDreh, const QString &blendeDreh);

public slots:
    void BTN_NeuClick();
    void BTN_bearbeitenClick();
    void BTN_loeschenClick();
    void SpeichernClick();
    void AbbruchClick();

signals:
    /// F1: the caller switches the help window.
    void hilfeUmschalten();

private:
    void ListeFuellen();
    void SlotZeigen();
    void BearbeitenSetzen(bool an);

    TBPRKonfigurationen m_konfig;
    QList<int> m_auswahl; // list position -> slot
    int m_slot = 0;
    bool m_bearbeiten = false;
    Messages &m_messages;

    QListWidget *LB_Konfigs = nullptr;
    QPushButton *BTN_Neu = nullptr;
    QPushButton *BTN_bearbeiten = nullptr;
    QPushButton *BTN_loeschen = nullptr;
    QGroupBox *P_Details = nullptr;
    QLineEdit *E_Beschreibung = nullptr;
    QLineEdit *E_Konfig_Drehung = nullptr;
    QComboBox *CB_YSpiegel = nullptr;
    QComboBox *CB_XSpiegel = nullptr;
    QComboBox *CB_inFBA = nullptr;
    QLineEdit *E_Konfig_KolliDreh = nullptr;
    QLineEdit *E_Konfig_BlendeDreh = nullptr;
    QWidget *P_Save = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *BTN_Ende = nullptr;
};

} // namespace qv
