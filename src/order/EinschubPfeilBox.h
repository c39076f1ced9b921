#pragma once

#include "order/TEinschubrichtung.h"

#include <QWidget>

namespace qv {

/// The 60 x 60 box on the main window with the arrow of the insertion direction.
class EinschubPfeilBox : public QWidget
{
public:
    explicit EinschubPfeilBox(QWidget *parent = nullptr);
    void RichtungSetzen(TEinschubrichtung richtung);
    TEinschubrichtung richtung() const { return m_richtung; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TEinschubrichtung m_richtung = TEinschubrichtung::Rechts;
};

} // namespace qv
