#pragma once

#include "config/TBerarbeitungsForm.h"
#include "config/TKonfiguration.h"

#include <QDialog>

#include <functional>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class IniFile;
class Messages;

/// The editor of the product configuration file (maker's internal use).
class TConfigForm : public QDialog
{
    Q_OBJECT

public:
    /// Shows the entry dialog; true when it was left with "Speichern". Tests replace it.
    using EingabeFn = std::function<bool(TBerarbeitungsForm::Eingabe &)>;

    /// Fills the editor from the configuration file unless start-up is already being abandoned.
    TConfigForm(qv::IniFile &configIni, qv::Messages &meldungen, bool startAbbruch, QWidget *parent = nullptr);

    QString GetEMailAdresse() const;
    QString GetWebsite() const;
    /// The lists as the editor holds them now.
    TKonfiguration Daten() const;

    void KonfigLaden(const qv::IniFile &ini);
    void setEingabe(EingabeFn eingabe) { m_eingabe = std::move(eingabe); }

    /// "QuellvantarConfig.cfg speichern".
    void BTN_SaveClick();
    /// "Abbrechen" and closing the window: asks before discarding.
    void reject() override;

Q_SIGNALS:
    void hilfeAngefordert();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Liste
    {
        QListWidget *anzeige = nullptr;
        QListWidget *parallelAnzeige = nullptr;
        QStringList *werte = nullptr;
        QStringList *parallelWerte = nullptr;
        bool nummeriert = false;
    };

    void anzeigen();
    void fuelle(const Liste &l);
    QMenu *kontextMenue(const QString &name, QListWidget *liste, const std::function<void()> &hinzufuegen,
                        const std::function<void()> &entfernen, const std::function<void()> &bearbeiten);
    void hinzufuegen(const Liste &l, TBerarbeitungsForm::Eingabe e);
    void bearbeiten(const Liste &l, TBerarbeitungsForm::Eingabe e, const QString &anhangParallel = {});
    void entfernen(const Liste &l, const QString &einleitung);
    void textBearbeiten(QStringList &zeilen, const QString &header);
    bool eingabeDialog(TBerarbeitungsForm::Eingabe &e);

    qv::IniFile &m_configIni;
    qv::Messages &m_meldungen;
    TKonfiguration m_daten;
    TKonfiguration m_beimOeffnen;
    EingabeFn m_eingabe;

    Liste m_tragplatten;
    Liste m_blenden;
    Liste m_transport;
    Liste m_leistung;

    QListWidget *LB_Beschleuniger;
    QListWidget *LB_Tragplatten;
    QListWidget *LB_Elektronenblenden;
    QListWidget *LB_Elektronenblenden_Groesse;
    QListWidget *LB_Transport;
    QListWidget *LB_Transport_Kosten;
    QListWidget *LB_Leistung;
    QListWidget *LB_Leistung_Kosten;
    QPlainTextEdit *Memo_AGB;
    QPlainTextEdit *Memo_Regularien;
    QLineEdit *E_EMail;
    QLineEdit *E_Website;
    QPushButton *BTN_Save;
    QPushButton *BTN_Open;
};

} // namespace qv
