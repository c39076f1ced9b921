#pragma once

#include "config/TKundenDaten.h"
#include "order/TAuftragsdatenFelder.h"
#include "order/TAuftragsdatenRec.h"

#include <QDialog>

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qv {
struct TKonfiguration;

class Clock;
class IniFile;
class Messages;
class TAuftrag;

/// "Auftragsdaten": contract partner, accelerator, editor, distances, patient, angles, casting
/// height and delivery of the order. The rules live in TAuftragsdatenFelder.h; the dialog maps
/// its fields onto TAuftragsdatenFelder and back, and shows what the rules report. It works on a
/// copy of the order and gives back what OK took over; the caller hands that to the session.
class TAuftragsdatenForm : public QDialog
{
    Q_OBJECT

public:
    /// What OK took over: the order data, the order time and the accelerator's FBA as the
    /// fields left them.
    struct Ergebnis
    {
        TAuftragsdatenRec Auftragsdaten;
        QDateTime Auftragszeitpunkt;
        TKundenDaten Kundendaten;
    };

    /// auftrag: the order as it stands; vorgaben: the tray, frame and origin the order session
    /// holds as chosen; einstellungen: where the editor chosen is remembered.
    TAuftragsdatenForm(const TAuftrag &auftrag, const TAuftragsdatenEinstellungen &vorgaben, const TKonfiguration &konfiguration,
                       IniFile &einstellungen, Messages &messages, Clock &clock, bool kundenModus, QWidget *parent = nullptr);
    ~TAuftragsdatenForm() override;

    /// Lists and defaults, then the record.
    void Vorbelegen();
    /// Vorbelegen, the enabling for the order and the modal dialog. What the last OK took over,
    /// also when it kept the dialog open for a missing patient ID and the dialog was then
    /// closed; nothing when OK was never pressed.
    std::optional<Ergebnis> Zeigen();
    /// Fields → record (OK, and the imports after filling). Shows what went wrong.
    void DatenUebernehmen();
    /// The record is valid and carries a patient ID. Asks only.
    bool Vollstaendig() const;

    // Setters of the imports; they never run a leave-field check.
    void FBASetzen(double millimeter);
    void GantrySetzen(double grad);
    void KollimatorSetzen(double grad);
    void GusshoeheSetzen(double millimeter);
    void PatIDSetzen(const QString &text);
    void ZielvolumenSetzen(const QString &text);
    void KurzKommentarSetzen(const QString &text);
    QString PatID() const;

    const TAuftragsdatenFelder &Felder() const { return m_felder; }
    /// For tests: a field as typed and left.
    void FeldEingeben(const QString &feld, const QString &text);

public slots:
    void BTN_OKClick();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void FensterAufbauen();
    void FelderZeigen();
    void FelderLesen();
    void FeldVerlassen(QObject *feld);
    TAuftragsdatenEinstellungen Einstellungen() const;

    std::unique_ptr<TAuftrag> m_auftrag; // the dialog's copy
    TAuftragsdatenEinstellungen m_vorgaben;
    std::optional<Ergebnis> m_ergebnis;
    const TKonfiguration &m_konfiguration;
    IniFile &m_einstellungen;
    Messages &m_messages;
    Clock &m_clock;
    bool m_kundenModus = true;
    TAuftragsdatenFelder m_felder;
    bool m_zeigen = false;
    bool m_pruefen = false; // a leave-field check is showing its message

    QPlainTextEdit *M_Kunde = nullptr;
    QLineEdit *E_Datum = nullptr;
    QLineEdit *E_Beschleuniger = nullptr;
    QComboBox *CB_Bearbeiter = nullptr;
    QLabel *L_FBA = nullptr;
    QLabel *L_FBAEinheit = nullptr; // "cm" after the FBA
    QLineEdit *E_FBA = nullptr;
    QLabel *L_EFBA = nullptr;
    QComboBox *CB_EFBA = nullptr;
    QComboBox *CB_Modus = nullptr;
    QLabel *L_Modus = nullptr;
    QComboBox *CB_Tragplatte_Rahmen = nullptr;
    QComboBox *CB_Herkunft = nullptr;
    QComboBox *CB_Legierung = nullptr;
    QCheckBox *Check_Codierung = nullptr;
    QLineEdit *E_Codierung = nullptr;
    QLabel *L_nichtCodiert = nullptr;
    QLineEdit *E_PatID = nullptr;
    QLineEdit *E_Zielvolumen = nullptr;
    QLineEdit *E_KurzKommentar = nullptr;
    QLineEdit *E_Kollimatorwinkel = nullptr;
    QLineEdit *E_Gantrywinkel = nullptr;
    QLabel *L_Gusshoehe = nullptr;
    QComboBox *CB_Gusshoehe = nullptr;
    QComboBox *CB_Transport = nullptr;
    QLabel *L_EMail = nullptr;
    QLabel *L_Website = nullptr;
    QLabel *L_WrongFBA = nullptr;
    QPushButton *BTN_OK = nullptr;
    QPushButton *BTN_Abbruch = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *BTN_Drucken = nullptr;
};

} // namespace qv
