#pragma once

#include "app/ZuletztGeoeffnet.h"

#include <QObject>

#include <functional>

class QMenu;

namespace qv {

class IniFile;

/// "Zuletzt geöffnet" in the menu "Datei", after "Öffnen...": the order files last opened or
/// saved in the current mode, newest first; a file that is gone is shown disabled. The list
/// is read each time the menu opens; files gone at the start of a run are dropped then.
class ZuletztMenue : public QObject
{
    Q_OBJECT

public:
    /// datei: the menu "Datei" (the item goes after its item "oeffnen"); kundenModus tells
    /// which list is shown.
    ZuletztMenue(QMenu &datei, IniFile &einstellungen, std::function<bool()> kundenModus);

    QMenu *menue() const { return m_menue; }
    /// Puts a file opened or saved at the front of the current mode's list.
    void Benutzt(const QString &datei);
    /// Builds the items from the list (done each time the menu opens).
    void Fuellen();

signals:
    /// An entry was chosen.
    void oeffnen(const QString &datei);

private:
    ZuletztGeoeffnet m_liste;
    std::function<bool()> m_kundenModus;
    QMenu *m_menue = nullptr;
};

} // namespace qv
