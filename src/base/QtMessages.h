#pragma once

#include "base/Messages.h"

class QWidget;

namespace qv {

/// Message boxes, modal to the given parent (or the active window).
class QtMessages final : public Messages
{
public:
    explicit QtMessages(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

protected:
    Answer present(Kind kind, const QString &text, Buttons buttons) override;

private:
    QWidget *m_parent;
};

} // namespace qv
