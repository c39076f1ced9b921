#include "app/Application.h"

#include <QDir>

namespace qv {

Application::Application(const QString &programFolder, Messages &messages, FileChooser &fileChooser,
                         Clock &clock)
    : m_programmOrdner(QDir::cleanPath(QDir(programFolder).absolutePath()))
    , m_messages(messages)
    , m_fileChooser(fileChooser)
    , m_clock(clock)
{
    m_kundenDatenPfad = pfadImProgrammOrdner(QString::fromUtf16(kKundenDatenDatei));
    m_kundePfad = pfadImProgrammOrdner(QString::fromUtf16(kKundeDatei));
    m_demoKundePfad = pfadImProgrammOrdner(QString::fromUtf16(kDemoKundeDatei));
    m_configPfad = pfadImProgrammOrdner(QString::fromUtf16(kConfigDatei));
    m_einstellungenPfad = pfadImProgrammOrdner(QString::fromUtf16(kEinstellungenDatei));
}

Application::~Application() = default;

QString Application::pfadImProgrammOrdner(const QString &dateiName) const
{
    return QDir(m_programmOrdner).filePath(dateiName);
}

void Application::IniDateienOeffnen()
{
    // Created once: windows keep references to them for the whole run.
    if (!m_einstellungenIni) {
        m_kundenDatenIni = std::make_unique<IniFile>(m_kundenDatenPfad);
        m_configIni = std::make_unique<IniFile>(m_configPfad);
        m_einstellungenIni = std::make_unique<IniFile>(m_einstellungenPfad);
    } else {
        m_kundenDatenIni->reload();
        m_configIni->reload();
        m_einstellungenIni->reload();
    }
    m_iniOffen = true;
}

void Application::IniDateienSchliessen()
{
    m_iniOffen = false;
}

IniFile &Application::KundenDatenIni()
{
    Q_ASSERT(m_kundenDatenIni);
    return *m_kundenDatenIni;
}

IniFile &Application::ConfigIni()
{
    Q_ASSERT(m_configIni);
    return *m_configIni;
}

IniFile &Application::EinstellungenIni()
{
    Q_ASSERT(m_einstellungenIni);
    return *m_einstellungenIni;
}

} // namespace qv
