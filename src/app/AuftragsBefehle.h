#pragma once

#include <QDateTime>
#include <QString>

namespace qv {

class AuftragsFenster;
class Clock;
class FileChooser;
class IniFile;
class Messages;
class TAuftrag;

/// "Speichern unter...", "Speichern" and "Öffnen...": the order moves between the program and
/// the disk. Asks through the message and file-chooser seams; what the window does around it
/// goes through AuftragsFenster.
class AuftragsBefehle
{
public:
    AuftragsBefehle(TAuftrag &auftrag, AuftragsFenster &fenster, Messages &meldungen, FileChooser &dateiWahl,
                    IniFile &einstellungen, const Clock &uhr);

    /// "Speichern unter..." and "Datei speichern": the chosen file, then the archive copy,
    /// then the order-finished dialog's choice.
    void AuftragSpeichernUnter();
    /// "Speichern": the archive copy only. True when it was written.
    bool AuftragArchivieren();
    /// The checks before the archive copy; the first that fails shows its message.
    bool SpeichernPruefen();
    /// "Öffnen...".
    void AuftragOeffnen();
    /// An order file named when the program was started: the new-order reset and the image
    /// mode, then the file as if it had been chosen in the open dialog.
    void AuftragOeffnenVonAussen(const QString &datei);

    /// The file filters of the dialogs: order files whatever the letter case of ".ORv".
    static QString SpeichernFilter();
    static QString OeffnenFilter();

private:
    void dateiOeffnen(const QString &datei);
    void oeffnenAbschliessen();
    /// The order time names the files; an order without one takes the time of this save.
    QDateTime auftragszeit();

    TAuftrag &m_auftrag;
    AuftragsFenster &m_fenster;
    Messages &m_meldungen;
    FileChooser &m_dateiWahl;
    IniFile &m_einstellungen;
    const Clock &m_uhr;
};

} // namespace qv
