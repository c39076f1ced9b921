#pragma once

#include "config/TKundenDaten.h"
#include "order/Auftragsart.h"
#include "order/TAuftragsart.h"

#include <QDialog>

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

class IniFile;
class Messages;
class TAuftrag;

/// "Auftrags-Art wählen": photon or electron order, the origin of the tray or frame, the tray
/// or frame, the coding of a customer's own tray, and the department, accelerator and contact
/// of the order. It keeps its choice between openings; the order's kind lives in the order.
class TAuftragsArtForm : public QDialog
{
    Q_OBJECT

public:
    /// konfiguration: the product configuration (it outlives the dialog); einstellungen: the
    /// program settings.
    TAuftragsArtForm(TAuftrag &auftrag, const TKonfiguration &konfiguration, IniFile &einstellungen, Messages &messages,
                     QWidget *parent = nullptr);

    /// Whether OK saves the customer data, and where.
    void setKundenModus(bool kundenModus) { m_kundenModus = kundenModus; }
    void setKundePfad(const QString &pfad) { m_kundePfad = pfad; }

    TAuftragsart GetAuftragsart() const;
    void SetAuftragsart(TAuftragsart art);
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
    /// The best fit: selects and remembers the first frame that fits; −1 when none does.
    int RahmenSuchen();
    int BestFitIndex() const { return m_bestFitIndex; }
    /// Re-initialisation for a new order or mode, without showing the dialog.
    void Initialisieren();
    /// Shows the dialog modally; QDialog::Accepted on OK.
    int Zeigen();

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

signals:
    /// The frame or the kind changed: the workspace redraws its overlay.
    void neuZeichnen();

private:
    void FensterAufbauen();
    void ListenFuellen();
    void KundenlistenFuellen();
    void ReiterAnwenden();
    void HerkunftAnwenden();
    void Merken();
    void Anzeigen();
    void PasstAnzeigen(bool passt);

    TAuftrag &m_auftrag;
    const TKonfiguration &m_konfiguration;
    IniFile &m_einstellungen;
    Messages &m_messages;
    bool m_kundenModus = true;
    QString m_kundePfad;

    QString m_hersteller;
    TRahmenListe m_rahmen;
    QStringList m_tragplatten;
    int m_rahmenIndex = -1;
    int m_tragplattenIndex = -1;
    int m_seite = 0;
    int m_bestFitIndex = -1;
    bool m_aktualisieren = false;

    // What Cancel restores: everything the dialog changes at once.
    struct Sicherung
    {
        TAuftragsart Auftragsart = TAuftragsart::Photonen;
        int RahmenIndex = 0;
        int TragplattenIndex = 0;
        qint32 AktAbteilung = 0;
        QList<QPair<qint32, qint32>> AktAnPBeschl;
        bool MitCodierung = false;
        QString Codierung;
        QString Elektronenblende;
        bool ElektronenblendeGesetzt = false;
    } m_sicherung;

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
