#include "app/StartAblauf.h"

#include "base/IniFile.h"
#include "base/Messages.h"
#include "workspace/Arbeitsmodus.h"

#include <utility>

namespace qv {

namespace {
const QString kInit = QStringLiteral("Init");
const QString kStartAssistent = QStringLiteral("StartAssistent");
} // namespace

bool StartAssistentAn(const IniFile &einstellungen)
{
    return einstellungen.readBool(kInit, kStartAssistent, true);
}

void StartAssistentSetzen(IniFile &einstellungen, bool an)
{
    einstellungen.writeBool(kInit, kStartAssistent, an);
}

StartAblauf::StartAblauf(StartFenster &fenster, TKundenDaten &daten, KundenDateien dateien, IniFile &einstellungen,
                         Messages &messages)
    : m_fenster(fenster), m_daten(daten), m_dateien(std::move(dateien)), m_einstellungen(einstellungen),
      m_messages(messages)
{
}

QString StartAblauf::UnvollstaendigMeldung()
{
    return QStringLiteral("Mit der neuen Version von Quellvantar haben sich die Kundendaten\rerweitert. Sie können "
                          "nun direkt Ihre Konfiguration anpassen.\rQuellvantar benötigt eine komplette Konfiguration.");
}

StartAblauf::Start StartAblauf::Starten()
{
    if (m_daten.ErsterStart) {
        for (;;) {
            switch (m_fenster.ErsterStartFragen()) {
            case ErsterStartWahl::Demo: {
                const Result<void> demo = m_daten.LadeDemo(m_dateien);
                if (!demo) {
                    // Without the demonstration data the person chooses again: configure or end.
                    m_messages.error(demo.error());
                    continue;
                }
                m_demoModus = true;
                return Start::Demo;
            }
            case ErsterStartWahl::Konfigurieren:
                return m_fenster.KundenEinstellungenZeigen() ? Start::Konfiguriert : Start::Abbruch;
            case ErsterStartWahl::Abgebrochen: return Start::Abbruch;
            }
        }
    }
    if (!m_daten.Vollstaendig()) {
        m_messages.information(UnvollstaendigMeldung());
        if (!m_fenster.KundenEinstellungenZeigen())
            return Start::Abbruch;
    }
    return Start::Normal;
}

bool StartAblauf::NeuerAuftrag(bool kundenModus, int modus)
{
    // Every new order works on a fresh copy of the customer data. While the demonstration mode
    // is on that is the demonstration customer, whether the assistant runs or not, so saving
    // stays disabled.
    if (m_demoModus) {
        DemoLaden();
    } else {
        const Result<void> geladen = m_daten.Laden(m_dateien);
        if (!geladen)
            m_messages.error(geladen.error());
    }

    int ziel = modus;
    if (kundenModus && StartAssistentAn(m_einstellungen)) {
        const int gewaehlt = m_fenster.StartAssistentFragen(modus);
        ziel = gewaehlt >= ModusBildVorlage && gewaehlt <= ModusDICOM ? gewaehlt : ModusBildVorlage;
    }
    return m_fenster.ModusSetzen(ziel);
}

void StartAblauf::DemoLaden()
{
    const Result<void> demo = m_daten.LadeDemo(m_dateien);
    if (demo)
        return;
    m_messages.error(demo.error());
    const Result<void> geladen = m_daten.Laden(m_dateien);
    if (!geladen)
        m_messages.error(geladen.error());
    m_daten.Demo = true;
}

} // namespace qv
