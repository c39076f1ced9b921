#pragma once

#include "planimport/BPRDatei.h"
#include "planimport/TBPRDM.h"
#include "planimport/TBPRKonfig.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

class FileChooser;
class Messages;

/// The files the planning-system import reads and writes (the application object names them).
struct BPRDateien
{
    QString formatDatenbank; // the format database read
    QString bprKonfig;       // the accelerator configurations, made at first use
    /// The format database to edit ("Datenbank"): made on first use when the one read is
    /// shipped read-only; empty means the one read is edited.
    std::function<Result<QString>()> formatDatenbankZumAendern;

    /// Both files in one folder (a portable program folder, tests).
    static BPRDateien imOrdner(const QString &ordner);
};

/// "Bestrahlungs-Planungs-Rechner (BPR) Datei öffnen": the files of a folder, the beams of the
/// chosen file, the accelerator configuration applied to it, the values read and a preview.
/// After "Öffnen" the chosen beam (read with the chosen configuration) is GewaehlterBeam().
class TBPRMainOpenForm : public QDialog
{
    Q_OBJECT

public:
    /// Opens the format database of the program folder; see DatabaseOpen and OeffnenFehler.
    TBPRMainOpenForm(QString programmOrdner, Messages &messages, FileChooser &chooser, QWidget *parent = nullptr);
    TBPRMainOpenForm(BPRDateien dateien, Messages &messages, FileChooser &chooser, QWidget *parent = nullptr);

    bool DatabaseOpen() const { return m_dm.IstOffen(); }
    /// The message when the database could not be opened (empty otherwise).
    const QString &OeffnenFehler() const { return m_oeffnenFehler; }
    /// In the maker's mode the rows of the format database can be edited ("Datenbank").
    void setHerstellerModus(bool an);

    void SetDefaultFBA(double cm) { m_defaultFBA = cm; }
    void SetLastOpenFile(const QString &datei) { m_lastOpenFile = datei; }
    void SetLastOpenPath(const QString &ordner) { m_ordner = ordner; }
    void SetLastKonfigID(int id) { m_lastKonfigID = id; }
    QString LastOpenFile() const { return m_lastOpenFile; }
    QString LastOpenPath() const { return m_ordner; }
    int LastKonfigID() const { return m_lastKonfigID; }

    /// Configurations, folder, file and beam as the dialog shows them when it opens.
    void Vorbereiten();
    /// Vorbereiten and the modal dialog; true after "Öffnen".
    bool Execute();

    /// The beam shown (none before a file with beams was read).
    const BPRBeam *AktuellerBeam() const { return m_beam ? &*m_beam : nullptr; }
    /// The beam to import after "Öffnen".
    std::optional<BPRBeam> GewaehlterBeam() const { return m_gewaehlt; }
    QString CurrentFile() const { return m_currentFile; }

    // What the dialog shows, for tests.
    QStringList Dateien() const;
    QStringList Beams() const;
    QStringList Konfigurationen() const;
    int KonfigAuswahl() const;
    QString Feld(const QString &name) const;
    QString L_FileNameText() const;
    bool OeffnenAktiv() const;
    bool LeerBildSichtbar() const;
    bool DatenbankKnopfSichtbar() const;
    QImage VorschauBild() const;

public slots:
    void OpenFile(const QString &name);
    void DateiGeklickt(const QString &name);
    void BeamGeklickt(int listenPosition);
    void KonfigGewaehlt(int listenPosition);
    void BTN_KonfigBearbeitenClick();
    void BTN_VerzeichnisClick();
    void BTN_OpenClick();
    void BTN_DatenbankClick();

signals:
    /// The help window shows this (empty title: back to the import's own text).
    void hilfeText(const QString &titel, const QString &text);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    bool LoadConfigurations();
    bool SaveConfigurations();
    void ShowConfiguration(int slot);
    void ClearDisplay();
    bool LoadBeam(int n);
    void ShowValues();
    void OrdnerZeigen();
    const TBPRKonfig *GewaehlteKonfiguration() const;

    BPRDateien m_dateien;
    Messages &m_messages;
    FileChooser &m_chooser;
    TBPRDM m_dm;
    QString m_oeffnenFehler;
    double m_defaultFBA = 0;
    QString m_lastOpenFile;
    QString m_ordner;
    int m_lastKonfigID = 0;
    QString m_currentFile = QStringLiteral("none");
    TBPRKonfigurationen m_konfig = BPRKonfigStandard();
    QList<int> m_auswahl; // list position -> record
    std::optional<BPRDateiInhalt> m_inhalt;
    std::optional<BPRBeam> m_beam;
    std::optional<BPRBeam> m_gewaehlt;

    QLineEdit *E_Verzeichnis = nullptr;
    QPushButton *BTN_Verzeichnis = nullptr;
    QListWidget *LsFileLB = nullptr;
    QLineEdit *E_Format = nullptr;
    QListWidget *LB_Beams = nullptr;
    QComboBox *CB_Konfig = nullptr;
    QPushButton *BTN_KonfigBearbeiten = nullptr;
    QLineEdit *E_Konfig_Drehung = nullptr;
    QLineEdit *E_Konfig_XSpiegel = nullptr;
    QLineEdit *E_Konfig_YSpiegel = nullptr;
    QLineEdit *E_Konfig_FFA2FBA = nullptr;
    QLineEdit *E_Konfig_KolliDreh = nullptr;
    QLineEdit *E_Konfig_BlendeDreh = nullptr;
    QLineEdit *E_PatientID = nullptr;
    QLineEdit *E_Zielvolumen = nullptr;
    QLineEdit *E_Gantry = nullptr;
    QLineEdit *E_Kollimator = nullptr;
    QWidget *PB = nullptr;
    QLabel *Image_Leer = nullptr;
    QLabel *L_FileName = nullptr;
    QPushButton *BTN_Open = nullptr;
    QPushButton *BTN_Abbruch = nullptr;
    QPushButton *BTN_Datenbank = nullptr;
};

/// The help texts of the planning-system import.
QString BPRImportHilfeText();
QString BPRKonfigHilfeText();

} // namespace qv
