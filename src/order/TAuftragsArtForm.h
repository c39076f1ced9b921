#pragma once

#include "config/TKundenDaten.h"
#include "order/Auftragsart.h"
#include "order/AuftragsSitzung.h"
#include "order/TAuftragsart.h"

#include <QDialog>

#include <memory>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace qv {
struct TKonfiguration;

class Messages;
class TAuftrag;

/// "Auftrags-Art wählen": photon or electron order, the origin of the tray or frame, the tray
/// or frame, the coding of a customer's own tray, and the department, accelerator and contact
/// of the order. It works on a copy of the order and gives back the choice and the customer
/// data it chose in; the caller hands them to the order session.
class TAuftragsArtForm : public QDialog
{
    Q_OBJECT

public:
    /// What OK gives back.
    struct Ergebnis
    {
        AuftragsartWahl Wahl;
        TKundenDaten Kundendaten;
    };

    /// auftrag: the order as it stands (for the fit and the customer data); wahl: the choice
    /// the session holds; konfiguration: the product configuration (it outlives the dialog).
    TAuftragsArtForm(const TAuftrag &auftrag, const AuftragsartWahl &wahl, const TKonfiguration &konfiguration,
                     Messages &messages, QWidget *parent = nullptr);
    ~TAuftragsArtForm() override;

    TAuftragsart GetAuftragsart() const;
    /// The selected frame, empty when none is listed.
    QString GewaehlterRahmen() const;
    QString GewaehlteTragplatte() const;
    /// Sets the maker prefix from a maker text and refills both lists.
    void HerstellerSetzen(const QString &herstellerText);
    /// Selects the frame (the first when it is not listed); a "SIEMENS…" frame is kept in
    /// the customer's stock at the maker.
    void RahmenSetzen(const QString &rahmen);
    /// The fit check of the selected frame; asks only.
    bool RahmenPasst() const;
    /// The best fit: selects the first frame that fits; −1 when none does.
    int RahmenSuchen();
    int BestFitIndex() const { return m_bestFitIndex; }
    /// Fills the lists and shows the dialog modally; the choice on OK, nothing on Cancel.
    std::optional<Ergebnis> Zeigen();
    /// The choice as the dialog holds it now.
    Ergebnis Auswahl() const;

    // What a person can do in the dialog, for callers and tests.
    void ReiterWaehlen(int reiter);
    void SeiteWaehlen(int seite);
    int Seite() const { return m_seite; }
    void RahmenWaehlen(int index);
    void TragplatteWaehlen(int index);
    void AbteilungWaehlen(int index);
    void BeschleunigerWaehlen(int index);
    void AnPWaehlen(int index);
    void CodierungWaehlen(bool mitCodierung, const QString &codierung);
    QStringList Rahmenliste() const { return m_rahmen.Rahmen; }
    QStringList Tragplattenliste() const { return m_tragplatten; }
    QString RahmenPasstText() const;
    QString Hersteller() const { return m_hersteller; }

public slots:
    void BTN_OKClick();
    void BTN_AbbruchClick();
    void BTN_BestfitClick();

private:
    void FensterAufbauen();
    void ListenFuellen();
    void KundenlistenFuellen();
    void ReiterAnwenden();
    void Anzeigen();
    void PasstAnzeigen(bool passt);

    std::unique_ptr<TAuftrag> m_auftrag; // the dialog's copy
    const TKonfiguration &m_konfiguration;
    Messages &m_messages;
    QString m_startTragplatte;
    QString m_startRahmen;

    QString m_hersteller;
    TRahmenListe m_rahmen;
    QStringList m_tragplatten;
    int m_rahmenIndex = -1;
    int m_tragplattenIndex = -1;
    int m_seite = 0;
    int m_bestFitIndex = -1;
    bool m_aktualisieren = false;

    QTabBar *TC_Auftragsart = nullptr;
    QLabel *P_Herkunft = nullptr;
    QTabBar *PC_Herkunft = nullptr;
    QGroupBox *RG_Tragplatten = nullptr;
    QListWidget *LB_Tragplatten = nullptr;
    QGroupBox *RG_Blenden = nullptr;
    QListWidget *LB_Blenden = nullptr;
    QLabel *M_Memo = nullptr;
    QLabel *M_Vorablieferung2 = nullptr;
    QGroupBox *RG_Codierung = nullptr;
    QButtonGroup *m_codierung = nullptr;
    QLineEdit *E_Codierung = nullptr;
    QGroupBox *GB_RahmenPasst = nullptr;
    QLabel *L_RahmenPasst = nullptr;
    QPushButton *BTN_Bestfit = nullptr;
    QListWidget *LB_Abteilung = nullptr;
    QListWidget *LB_Beschleuniger = nullptr;
    QListWidget *LB_Ansprechpartner = nullptr;
    QPushButton *BTN_OK = nullptr;
    QPushButton *BTN_Abbruch = nullptr;
};

} // namespace qv
