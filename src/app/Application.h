#pragma once

#include "base/IniFile.h"

#include <QString>

#include <memory>

namespace qv {

class Clock;
class FileChooser;
class Messages;

/// The objects that live for the whole run: the files beside the executable, the three
/// settings objects and the seams to the person and the machine. main() creates one; a test
/// creates one in a temporary program folder.
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
    /// Frees the three settings objects (their values are on disk already).
    void IniDateienSchliessen();
    bool iniDateienOffen() const { return m_einstellungenIni != nullptr; }

    /// The folder of the executable.
    const QString &programmOrdner() const { return m_programmOrdner; }
    /// The full path of a file beside the executable.
    QString pfadImProgrammOrdner(const QString &dateiName) const;

    const QString &KundenDatenPfad() const { return m_kundenDatenPfad; }
    const QString &KundePfad() const { return m_kundePfad; }
    const QString &DemoKundePfad() const { return m_demoKundePfad; }
    const QString &ConfigPfad() const { return m_configPfad; }
    const QString &EinstellungenPfad() const { return m_einstellungenPfad; }

    /// The settings objects; only between IniDateienOeffnen and IniDateienSchliessen.
    IniFile &KundenDatenIni();
    IniFile &ConfigIni();
    IniFile &EinstellungenIni();

    Messages &messages() { return m_messages; }
    FileChooser &fileChooser() { return m_fileChooser; }
    Clock &clock() { return m_clock; }

    // --- Customer data ------------------------------------------------------------------
    // KundenDatenGlobal (TKundenDaten, config/) is owned here for the whole run once the
    // customer data model is in place: created and loaded by the main window's FormCreate,
    // reached by every window through this object.

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

    Messages &m_messages;
    FileChooser &m_fileChooser;
    Clock &m_clock;
};

} // namespace qv
