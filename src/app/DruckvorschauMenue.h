#pragma once

#include "print/PrintUtils.h"

#include <QObject>

class QWidget;

namespace qv {

/// "Druckvorschau" in the main window's menus: a submenu of the menu "Drucken" with its three
/// choices, and "Druckvorschau ..." after "Drucken ..." in the menu "Datei", shown and enabled
/// as that item is (it previews what that item prints, the order sheet).
class DruckvorschauMenue : public QObject
{
    Q_OBJECT

public:
    /// fenster: the main window whose menus get the items.
    explicit DruckvorschauMenue(QWidget &fenster);

signals:
    void vorschau(qv::DruckAuswahl auswahl);
};

} // namespace qv
