#pragma once

#include "app/AuftragsBefehle.h"
#include "app/AuftragsFenster.h"

namespace qv {

class TMainForm;
class Application;
class ZuletztMenue;

/// Connects the save and open commands to the main window and its order windows.
class MainWindowOrderFiles final : public AuftragsFenster
{
public:
    MainWindowOrderFiles(TMainForm &fenster, Application &app);

    AuftragsBefehle &befehle() { return m_befehle; }

    bool KundenModus() const override;
    int Modus() const override;
    void Kontexthilfe(const QString &text, const QString &titel) override;
    void ModusHilfe() override;
    void Fenstertitel(const QString &titel) override;
    void AuftragsdateiBenutzt(const QString &datei) override;
    void Beschaeftigt(bool an) override;
    void SpeichernKnopfGedrueckt(bool gedrueckt) override;
    void AblaufAktualisieren() override;
    void BearbeitungErlauben(bool erlaubt) override;
    bool AuftragsdatenVollstaendig() override;
    int AuftragAbgeschlossen(const QString &datei, const QString &lieferzeit) override;
    void NeuerAuftragBefehl() override;
    void ProgrammBeenden() override;
    bool NeuerAuftragImBildModus() override;
    void AuftragUebernommen() override;
    std::optional<QString> SpeichernVerhindert() const override;

private:
    TMainForm &m_fenster;
    Application &m_app;
    AuftragsBefehle m_befehle;
    ZuletztMenue *m_zuletzt = nullptr;
    int m_beschaeftigt = 0;
};

} // namespace qv
