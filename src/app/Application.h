#pragma once

#include "base/IniFile.h"
#include "order/TAuftrag.h"

#include <QString>

#include <memory>

namespace qv {

class Clock;
class FileChooser;
class Messages;

/// The objects that live for the whole run: the files beside the executable, the three
/// settings objects, the current order (with its customer data) and the seams to the person
/// and the machine. main() creates one; a test creates one in a temporary program folder.
/// Windows receive references to what they need; everything here outlives them.
class Application
{
public:
    /// programFolder is the folder of the executable; every file is looked up there only.
    Application(const QString &programFolder, Messages &messages, FileChooser &fileChooser, Clock &clock);
    ~Application();

    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    static constexpr const char16_t *kKundenDatenDatei = u"KundenDaten.cfg";
    static constexpr const char16_t *kKundeDatei = u"Kunde.cfg";
    static constexpr const char16_t *kDemoKundeDatei = u"DemoKunde.cfg";
    static constexpr const char16_t *kConfigDatei = u"QuellvantarConfig.cfg";
    static constexpr const char16_t *kEinstellungenDatei = u"QuellvantarIni.ini";

    /// Opens the three settings objects (the full paths are known from construction). A missing file reads as
    /// empty; nothing is checked here.
    void IniDateienOeffnen();
    /// Ends the use of the settings objects: their values are on disk already. The objects
    /// stay until the application ends, so a window that writes its place while it closes
    /// still reaches them; opening again reads the files anew.
    void IniDateienSchliessen();
    bool iniDateienOffen() const { return m_iniOffen; }

    /// The folder of the executable.
    const QString &programmOrdner() const { return m_programmOrdner; }
    /// The full path of a file beside the executable.
    QString pfadImProgrammOrdner(const QString &dateiName) const;

    const QString &KundenDatenPfad() const { return m_kundenDatenPfad; }
    const QString &KundePfad() const { return m_kundePfad; }
    const QString &DemoKundePfad() const { return m_demoKundePfad; }
    const QString &ConfigPfad() const { return m_configPfad; }
    const QString &EinstellungenPfad() const { return m_einstellungenPfad; }

    /// The settings objects, once IniDateienOeffnen has run.
    IniFile &KundenDatenIni();
    IniFile &ConfigIni();
    IniFile &EinstellungenIni();

    Messages &messages() { return m_messages; }
    FileChooser &fileChooser() { return m_fileChooser; }
    Clock &clock() { return m_clock; }

    /// The order being built or shown, one for the whole run: a new order resets it, opening
    /// a file replaces its value. Its customer data are the ones every window edits.
    TAuftrag &Auftrag() { return m_auftrag; }
    const TAuftrag &Auftrag() const { return m_auftrag; }

private:
    QString m_programmOrdner;
    QString m_kundenDatenPfad;
    QString m_kundePfad;
    QString m_demoKundePfad;
    QString m_configPfad;
    QString m_einstellungenPfad;

    std::unique_ptr<IniFile> m_kundenDatenIni;
    std::unique_ptr<IniFile> m_configIni;
    std::unique_ptr<IniFile> m_einstellungenIni;
    bool m_iniOffen = false;

    TAuftrag m_auftrag;

    Messages &m_messages;
    FileChooser &m_fileChooser;
    Clock &m_clock;
};

} // namespace qv
