#pragma once

#include "base/Messages.h"

class QWidget;

namespace qv {

/// Message boxes, modal and centred on the given parent's window; without one (or when that
/// window is hidden or off every screen) on the main window, never on a hidden window.
class QtMessages final : public Messages
{
public:
    explicit QtMessages(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    /// The window a message shown now is centred on (none: the screen).
    QWidget *elternFenster() const;

protected:
    Answer present(Kind kind, const QString &text, Buttons buttons) override;

private:
    QWidget *m_parent;
};

} // namespace qv
