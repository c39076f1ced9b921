#include "app/Application.h"

#include "order/AuftragsSitzung.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/QtDesktop.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace qv {

TAuftrag &Application::Auftrag()
{
    return m_sitzung->auftragZumAendern();
}

const TAuftrag &Application::Auftrag() const
{
    return m_sitzung->auftrag();
}

Application::Application(const QString &programFolder, Messages &messages, FileChooser &fileChooser,
                         Clock &clock)
    : Application(ProgramFolders::forExecutableFolder(programFolder), messages, fileChooser, clock)
{
}

Application::Application(const ProgramFolders &folders, Messages &messages, FileChooser &fileChooser, Clock &clock)
    : m_ordner(folders)
    , m_messages(messages)
    , m_fileChooser(fileChooser)
    , m_clock(clock)
{
    m_sitzung = std::make_unique<AuftragsSitzung>(m_konfiguration);
    m_kundenDatenPfad = pfadImBenutzerOrdner(QString::fromUtf16(kKundenDatenDatei));
    m_kundePfad = pfadImBenutzerOrdner(QString::fromUtf16(kKundeDatei));
    m_demoKundePfad = pfadImProgrammOrdner(QString::fromUtf16(kDemoKundeDatei));
    m_configPfad = m_ordner.personalCopyOrShipped(QString::fromUtf16(kConfigDatei));
    m_einstellungenPfad = pfadImBenutzerOrdner(QString::fromUtf16(kEinstellungenDatei));
}

Application::~Application() = default;

Desktop &Application::desktop()
{
    if (!m_desktop)
        m_desktop = std::make_unique<QtDesktop>();
    return *m_desktop;
}

void Application::setDesktop(std::unique_ptr<Desktop> desktop)
{
    m_desktop = std::move(desktop);
}

QString Application::pfadImProgrammOrdner(const QString &dateiName) const
{
    return m_ordner.shipped(dateiName);
}

QString Application::pfadImBenutzerOrdner(const QString &dateiName) const
{
    return m_ordner.personal(dateiName);
}

QString Application::EinstellungenNichtSpeicherbar() const
{
    const QString ordner = benutzerOrdner();
    if (pathKind(ordner) == PathKind::Folder && ::access(QFile::encodeName(ordner).constData(), W_OK) == 0)
        return {};
    return QStringLiteral("Der Ordner \"%1\" für die Einstellungen ist schreibgeschützt.\r"
                          "Einstellungen werden in dieser Sitzung nicht gespeichert.")
        .arg(QDir::toNativeSeparators(ordner));
}

KundenDateien Application::kundenDateien() const
{
    return {m_kundePfad, m_kundenDatenPfad, m_demoKundePfad};
}

QString Application::FormatDatenbankPfad() const
{
    return m_ordner.personalCopyOrShipped(QString::fromUtf16(kFormatDatenbankDatei));
}

Result<QString> Application::FormatDatenbankZumAendern() const
{
    const QString name = QString::fromUtf16(kFormatDatenbankDatei);
    const QString eigene = m_ordner.personal(name);
    if (!m_ordner.separateFolders() || pathKind(eigene) != PathKind::Missing)
        return eigene;
    const QString ausgeliefert = m_ordner.shipped(name);
    if (!QDir().mkpath(benutzerOrdner()))
        return Error{QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(QDir::toNativeSeparators(benutzerOrdner()))};
    // Copied whole, then renamed into place: a half copy never takes the shipped one's place.
    auto inhalt = readWholeFile(ausgeliefert, qint64(1) << 30);
    if (!inhalt)
        return Error{inhalt.error()};
    if (auto ok = writeFileAtomically(eigene, *inhalt); !ok)
        return Error{ok.error()};
    return eigene;
}

QString Application::BPRKonfigPfad() const
{
    return pfadImBenutzerOrdner(QString::fromUtf16(kBPRKonfigDatei));
}

void Application::IniDateienOeffnen()
{
    // The person's folder exists before anything is written into it; when it cannot be made,
    // EinstellungenNichtSpeicherbar says so.
    if (m_ordner.separateFolders())
        QDir().mkpath(benutzerOrdner());
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
    // The shipped configuration is never written: the maker's first change makes the person's
    // copy, which from then on is the one read.
    const QString eigeneConfig = pfadImBenutzerOrdner(QString::fromUtf16(kConfigDatei));
    if (m_configIni->path() != eigeneConfig)
        m_configIni->setWritePath(eigeneConfig);
    m_iniOffen = true;
    m_sitzung->setGedaechtnis(m_einstellungenIni.get());
    KonfigurationLaden();
}

void Application::KonfigurationLaden()
{
    m_konfiguration = TKonfiguration::Beispiel();
    m_konfiguration.Laden(*m_configIni);
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
