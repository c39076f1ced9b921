#pragma once

#include "config/KundenEinstellungen.h"
#include "config/TKundenDaten.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QWidget;

namespace qv {

class Application;
class FileChooser;
class IniFile;
class Messages;

/// "Konfiguration": the customer settings dialog. Works on a copy of the given customer data,
/// taking each group of fields as the person leaves it; "Speichern" checks them and writes
/// Kunde.cfg, "Abbrechen" gives up the edits. The caller takes Daten() when the dialog closed.
class TKonfigForm : public QDialog
{
    Q_OBJECT

public:
    /// What the dialog needs from the program: the customer files, the settings file and the
    /// lists of the product configuration.
    struct Umgebung
    {
        KundenDateien dateien;
        qv::IniFile *einstellungen = nullptr;
        QStringList beschleuniger; // makers offered for an accelerator
        QStringList transport;     // delivery choices
        qv::Messages *meldungen = nullptr;
        qv::FileChooser *dateiauswahl = nullptr;
        std::function<void()> hilfe; // F1: shows the help window
    };

    TKonfigForm(const TKundenDaten &daten, const Umgebung &umgebung, QWidget *parent = nullptr);
    ~TKonfigForm() override;

    /// Shows the dialog modally on the program's customer data; what it leaves goes to the order
    /// session. False when the person chose to end the program because the data are incomplete.
    static bool Ausfuehren(qv::Application &app, QWidget *parent, std::function<void()> hilfe = {});

    /// The dialog was left with incomplete data and the person confirmed quitting the program.
    bool beendenAngefordert() const { return m_beenden; }
    bool geaendert() const { return m_einstellungen.geaendert(); }
    /// The customer data as the dialog holds them: the saved ones after "Speichern", the given
    /// ones after "Abbrechen".
    const TKundenDaten &Daten() const { return m_daten; }
    /// For tests: every field filled in at once, as if typed.
    void DatenEingeben(const TKundenDaten &daten);
    /// Writes every group with pending edits into the customer data.
    void flush();

public slots:
    void reject() override;

private:
    enum Gruppe { Vertragspartner, AnP, Adresse, Beschl, Lieferart, AbteilungsName, FFA, GruppenAnzahl };

    // Building the pages (TKonfigFormAufbau.cpp).
    void aufbauen();
    void lesemodusKopf(const QString &text);
    QWidget *baueProgramm();
    QWidget *baueKunde();
    QWidget *baueAnP();
    QWidget *baueAnschriften();
    QWidget *baueBeschleuniger();
    QWidget *baueLieferart();

    void alleAnzeigen();
    void abteilungenAnzeigen();
    void vertragspartnerAnzeigen();
    void anpAnzeigen();
    void adresseAnzeigen();
    void beschlAnzeigen();
    void lieferartAnzeigen();
    void programmAnzeigen();
    void herkunftFaerben();

    void zurueckschreiben(Gruppe g);
    void geaendertMarkieren(Gruppe g) { m_offen[g] = true; }
    void fokusGewechselt(QWidget *alt, QWidget *neu);
    void seiteZeigen(int seite);
    void programmZeigen(bool programm);
    void speichernClick();
    void verzeichnisClick();

    const TKundenDaten m_eingang; // what the dialog was given, what Cancel returns to
    TKundenDaten m_daten;
    Umgebung m_umgebung;
    qv::KundenEinstellungen m_einstellungen;
    bool m_beenden = false;
    bool m_anzeigen = false; // filling the fields: edits are not the person's
    bool m_offen[GruppenAnzahl] = {};
    QWidget *m_gruppen[GruppenAnzahl] = {};

    QLabel *m_kopf = nullptr;
    QPushButton *m_btnSave = nullptr;
    QList<QPushButton *> m_seitenKnoepfe;
    QPushButton *m_programmKnopf = nullptr;
    QPushButton *m_vertragKnopf = nullptr;
    QWidget *m_abteilungsSpalte = nullptr;
    QStackedWidget *m_haupt = nullptr;
    QStackedWidget *m_seiten = nullptr;
    QComboBox *m_abteilung = nullptr;
    QLineEdit *m_abteilungsName = nullptr;

    QComboBox *m_vGeschlecht = nullptr;
    QComboBox *m_vTitel = nullptr;
    QLineEdit *m_vName = nullptr, *m_vInstitut = nullptr, *m_vAbteilung = nullptr, *m_vStrasse = nullptr,
              *m_vPLZ = nullptr, *m_vOrt = nullptr;

    QListWidget *m_anpListe = nullptr;
    QComboBox *m_anpGeschlecht = nullptr, *m_anpTitel = nullptr;
    QLineEdit *m_anpName = nullptr, *m_anpTelefon = nullptr, *m_anpFax = nullptr, *m_anpEMail = nullptr;

    QTabBar *m_tabs = nullptr;
    QComboBox *m_adressat = nullptr;
    QLineEdit *m_aInstitut = nullptr, *m_aAbteilung = nullptr, *m_aStrasse = nullptr, *m_aPLZ = nullptr,
              *m_aOrt = nullptr;
    QPushButton *m_uebernahme = nullptr;
    QLabel *m_adressHilfe = nullptr;

    QComboBox *m_hersteller = nullptr;
    QListWidget *m_beschlListe = nullptr;
    QLineEdit *m_kBez = nullptr, *m_typ = nullptr, *m_fba = nullptr;
    QComboBox *m_efba = nullptr, *m_gusshoehe = nullptr;

    QComboBox *m_transport = nullptr, *m_herkunft = nullptr, *m_legierung = nullptr;
    QWidget *m_herkunftHinweis = nullptr;

    QLineEdit *m_ffa = nullptr;
    QLineEdit *m_verzeichnis = nullptr;
    QCheckBox *m_help = nullptr, *m_startassistent = nullptr, *m_bildvorschau = nullptr;
};

} // namespace qv
