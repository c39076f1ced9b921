#pragma once

#include "order/TAuftragsdatenFelder.h"

#include <QDialog>

#include <functional>

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
/// height and delivery of the order. The rules live in Auftragsdaten.h; the dialog maps its
/// fields onto TAuftragsdatenFelder and back, and shows what the rules report.
class TAuftragsdatenForm : public QDialog
{
    Q_OBJECT

public:
    TAuftragsdatenForm(TAuftrag &auftrag, const TKonfiguration &konfiguration, IniFile &einstellungen, Messages &messages,
                       Clock &clock,
                       QWidget *parent = nullptr);

    void setKundenModus(bool kundenModus) { m_kundenModus = kundenModus; }
    /// Where the chosen tray, frame and origin come from (the order session); without one the
    /// lists start at their first entries.
    void setVorgaben(std::function<TAuftragsdatenEinstellungen()> vorgaben) { m_vorgaben = std::move(vorgaben); }

    /// Lists and defaults, then the record.
    void Vorbelegen();
    /// Vorbelegen, the enabling for the order and the modal dialog; QDialog::Accepted on OK.
    int Zeigen();
    /// Fields → record (OK, and the imports after filling). Shows what went wrong.
    void DatenUebernehmen();
    /// The record is valid and carries a patient ID. Asks only.
    bool Vollstaendig() const;
    void DatumNeu();
    void Zuruecksetzen();
    void CodierungSetzen(bool mitCodierung, const QString &codierung);
    void AuftragsartSetzen();

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

signals:
    /// OK was pressed: the order changed.
    void geaendert();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void FensterAufbauen();
    void FelderZeigen();
    void FelderLesen();
    void FeldVerlassen(QObject *feld);
    TAuftragsdatenEinstellungen Einstellungen() const;

    TAuftrag &m_auftrag;
    const TKonfiguration &m_konfiguration;
    IniFile &m_einstellungen;
    Messages &m_messages;
    Clock &m_clock;
    bool m_kundenModus = true;
    std::function<TAuftragsdatenEinstellungen()> m_vorgaben;
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
