#pragma once

#include "contour/KonturWerkzeugForm.h"

namespace qv {

/// "Drehen von Konturen": the dialog of the rotate mode. It holds only the angle.
class TDrehenForm : public KonturWerkzeugForm
{
    Q_OBJECT

public:
    explicit TDrehenForm(QWidget *parent = nullptr);

    /// The angle in whole degrees.
    int Winkel() const;

signals:
    /// A rotate button: clockwise (rechts) or counter-clockwise by the angle.
    void drehen(int grad, bool rechts);

private:
    SchrittFeld *E_Drehen = nullptr;
};

} // namespace qv
