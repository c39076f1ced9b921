#pragma once

#include "order/AssistentenRahmen.h"

class QRadioButton;

namespace qv {

/// "Erster Start": shown once when no customer data exist yet. The person starts with the
/// demonstration data or configures the installation first.
class TFirstStartForm : public AssistentenRahmen
{
    Q_OBJECT

public:
    enum Wahl { DemoModus = 0, Konfigurieren = 1, Abgebrochen = 2 };

    explicit TFirstStartForm(QWidget *parent = nullptr);

    /// Shows the dialog modally: 0 demonstration mode, 1 configure, 2 cancelled.
    int Ausfuehren();

    /// The choice the radio buttons show (not Abgebrochen).
    Wahl gewaehlt() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QRadioButton *m_demo = nullptr;
    QRadioButton *m_konfig = nullptr;
};

} // namespace qv
