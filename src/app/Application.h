#pragma once

#include "base/IniFile.h"
#include "base/ProgramFolders.h"
#include "config/TKonfiguration.h"
#include "base/Result.h"
#include "order/TAuftrag.h"

#include <QString>

#include <memory>

namespace qv {

class AuftragsSitzung;
class Clock;
class Desktop;
class FileChooser;
class Messages;

/// The objects that live for the whole run: the program's files, the three settings objects,
/// the current order (with its customer data) and the seams to the person and the machine.
/// main() creates one; a test creates one in a temporary program folder.
/// Windows receive references to what they need; everything here outlives them.
///
/// Every file name the program uses is made here. What the program ships lies in the program
/// folder; the person's files lie beside it in a writable portable folder, and in the user's
/// configuration folder when the program is installed or its folder cannot be written
/// (ProgramFolders decides).
class Application
{
public:
    /// programFolder is the folder of the executable.
    Application(const QString &programFolder, Messages &messages, FileChooser &fileChooser, Clock &clock);
    /// With the folders given (tests of the installed layout).
    Application(const ProgramFolders &folders, Messages &messages, FileChooser &fileChooser, Clock &clock);
    ~Application();

    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    static constexpr const char16_t *kKundenDatenDatei = u"KundenDaten.cfg";
    static constexpr const char16_t *kKundeDatei = u"Kunde.cfg";
    static constexpr const char16_t *kDemoKundeDatei = u"DemoKunde.cfg";
    static constexpr const char16_t *kConfigDatei = u"QuellvantarConfig.cfg";
    static constexpr const char16_t *kEinstellungenDatei = u"QuellvantarIni.ini";
    static constexpr const char16_t *kFormatDatenbankDatei = u"BPRdb.sqlite";
    static constexpr const char16_t *kBPRKonfigDatei = u"BPRKonfig.cfg";

    /// Opens the three settings objects (the full paths are known from construction). A missing file reads as
    /// empty; nothing is checked here. A separate folder for the person's files is made first.
    void IniDateienOeffnen();
    /// Ends the use of the settings objects: their values are on disk already. The objects
    /// stay until the application ends, so a window that writes its place while it closes
    /// still reaches them; opening again reads the files anew.
    void IniDateienSchliessen();
    bool iniDateienOffen() const { return m_iniOffen; }

    const ProgramFolders &ordner() const { return m_ordner; }
    /// The folder of what the program ships (the executable's folder unless installed): the
    /// demonstration customer, the format database, the demonstration folders, the sample order.
    const QString &programmOrdner() const { return m_ordner.shippedFolder(); }
    /// The full path of a shipped file.
    QString pfadImProgrammOrdner(const QString &dateiName) const;
    /// The folder of the person's settings and customer files.
    const QString &benutzerOrdner() const { return m_ordner.personalFolder(); }
    QString pfadImBenutzerOrdner(const QString &dateiName) const;
    /// Why the person's settings cannot be saved in this run (their folder cannot be made or
    /// written), as a message to show once; empty when they can.
    QString EinstellungenNichtSpeicherbar() const;

    /// Kunde.cfg and KundenDaten.cfg of the person, DemoKunde.cfg as shipped.
    KundenDateien kundenDateien() const;
    /// The format database in use: the person's copy once there is one, else the shipped one.
    QString FormatDatenbankPfad() const;
    /// The format database to change: the shipped one is first copied into the person's folder
    /// (in a portable folder the two are the same file).
    Result<QString> FormatDatenbankZumAendern() const;
    /// The accelerator configurations of the planning-system import (the person's file).
    QString BPRKonfigPfad() const;

    const QString &KundenDatenPfad() const { return m_kundenDatenPfad; }
    const QString &KundePfad() const { return m_kundePfad; }
    const QString &DemoKundePfad() const { return m_demoKundePfad; }
    /// The product configuration in use: the person's copy once the maker changed it, else the
    /// shipped file (also when neither exists, so a message names the shipped one).
    const QString &ConfigPfad() const { return m_configIni ? m_configIni->path() : m_configPfad; }
    const QString &EinstellungenPfad() const { return m_einstellungenPfad; }

    /// The settings objects, once IniDateienOeffnen has run.
    IniFile &KundenDatenIni();
    IniFile &ConfigIni();
    IniFile &EinstellungenIni();

    /// The product configuration in use, read when the settings objects are opened and again
    /// after the editor saved it. E-mail and web site keep their sample values when the file
    /// lacks them; the lists are the file's (empty without one).
    const TKonfiguration &Konfiguration() const { return m_konfiguration; }
    /// Reads the product configuration anew from its settings object.
    void KonfigurationLaden();

    Messages &messages() { return m_messages; }
    FileChooser &fileChooser() { return m_fileChooser; }
    Clock &clock() { return m_clock; }
    /// The desktop's helper programs and file manager (the real desktop unless a test set another).
    Desktop &desktop();
    void setDesktop(std::unique_ptr<Desktop> desktop);

    /// The order being built or shown, one for the whole run, held by the order session: a new
    /// order resets it, opening a file replaces its value.
    TAuftrag &Auftrag();
    const TAuftrag &Auftrag() const;
    /// The one owner of the order's state: every change of the order goes through it.
    AuftragsSitzung &Sitzung() { return *m_sitzung; }
    const AuftragsSitzung &Sitzung() const { return *m_sitzung; }

private:
    ProgramFolders m_ordner;
    QString m_kundenDatenPfad;
    QString m_kundePfad;
    QString m_demoKundePfad;
    QString m_configPfad;
    QString m_einstellungenPfad;

    std::unique_ptr<IniFile> m_kundenDatenIni;
    std::unique_ptr<IniFile> m_configIni;
    std::unique_ptr<IniFile> m_einstellungenIni;
    bool m_iniOffen = false;
    TKonfiguration m_konfiguration;

    std::unique_ptr<AuftragsSitzung> m_sitzung;

    Messages &m_messages;
    FileChooser &m_fileChooser;
    Clock &m_clock;
    std::unique_ptr<Desktop> m_desktop;
};

} // namespace qv
