#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

class IniFile;

/// The order files last opened or saved, newest first and each once, in section "Zuletzt" of
/// the settings: one list for the customer's mode and one for the maker's, since the same
/// installation may serve both. Paths are stored percent-encoded, so that any file name
/// survives the settings file's code page.
class ZuletztGeoeffnet
{
public:
    static constexpr int kAnzahl = 8;

    explicit ZuletztGeoeffnet(IniFile &einstellungen) : m_einstellungen(einstellungen) {}

    /// The list of the mode, newest first.
    QStringList Liste(bool kundenModus) const;
    /// Puts the file at the front of the mode's list (an earlier entry of it goes) and keeps
    /// the newest kAnzahl.
    void Hinzufuegen(bool kundenModus, const QString &datei);
    /// Drops the files that no longer exist from both lists (at the start of a run; during the
    /// run they stay listed, shown as missing).
    void Bereinigen(const std::function<bool(const QString &)> &existiert);

private:
    void Schreiben(bool kundenModus, const QStringList &liste);

    IniFile &m_einstellungen;
};

} // namespace qv
