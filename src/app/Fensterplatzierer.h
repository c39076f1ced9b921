#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace qv {

/// Keeps the program's windows on the screen and the image free where the screen allows:
/// every window and dialog that opens is moved onto the screen of the main window; the help
/// window and the dialogs whose values the person checks against the image (scale, rotation,
/// moving and turning contours) are moved off the image where the screen allows (the help
/// window never onto the workflow buttons), and follow when the image moves. The main
/// window's open and save dialogs stand left of the help window. Message boxes stay centred
/// on their parent as Qt places them, only kept on the screen.
class Fensterplatzierer final : public QObject
{
    Q_OBJECT

public:
    /// bild: the widget showing the image; knoepfe: the workflow buttons.
    Fensterplatzierer(QWidget &hauptfenster, QWidget &bild, QWidget &knoepfe);

    /// Places one window as described above.
    void Platzieren(QWidget &fenster) const;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QWidget &m_hauptfenster;
    QPointer<QWidget> m_bild;
    QPointer<QWidget> m_knoepfe;
};

} // namespace qv
