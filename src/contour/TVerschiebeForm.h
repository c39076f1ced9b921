#pragma once

#include "contour/KonturWerkzeugForm.h"
#include "contour/Verschiebung.h"

namespace qv {

/// "Verschieben von Konturen": the dialog of the move mode. It holds only the step; what a
/// button means for the contours is up to whoever listens.
class TVerschiebeForm : public KonturWerkzeugForm
{
    Q_OBJECT

public:
    explicit TVerschiebeForm(QWidget *parent = nullptr);

    /// The step in whole millimetres.
    int Schritt() const;

signals:
    /// An arrow button: the step in its direction.
    void verschieben(qv::Schrittrichtung richtung, int mm);

private:
    SchrittFeld *Edit1 = nullptr;
};

} // namespace qv
