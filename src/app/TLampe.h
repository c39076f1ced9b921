#pragma once

#include "app/Ablauf.h"

#include <QFrame>

namespace qv {

/// The small status lamp left of a workflow button.
class TLampe : public QFrame
{
    Q_OBJECT

public:
    explicit TLampe(QWidget *parent = nullptr);
    void setFarbe(LampenFarbe farbe);
    LampenFarbe farbe() const { return m_farbe; }

private:
    LampenFarbe m_farbe = LampenFarbe::Rot;
};

} // namespace qv
