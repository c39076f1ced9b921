#pragma once

#include "order/AssistentenRahmen.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace qv {

class IniFile;

/// "Assistent für neuen Auftrag": asks at the beginning of a new order how it is made (from an
/// image, without template, from a planning-system file, from a DICOM RT plan). Its only
/// lasting state is the setting Init/StartAssistent.
class TStartAssistentForm : public AssistentenRahmen
{
    Q_OBJECT

public:
    /// The result when the person cancelled.
    static constexpr int Abgebrochen = 5;

    explicit TStartAssistentForm(IniFile &einstellungen, QWidget *parent = nullptr);

    /// Shows the dialog modally with the radio button of the current mode (0..3) checked: the
    /// chosen mode 0..3, or 5 when cancelled. "&Weiter" also stores whether the assistant is
    /// shown again; cancelling stores nothing.
    int Ausfuehren(int modus);

    /// The mode of the checked radio button (0 when none is checked).
    int gewaehlt() const;
    void waehlen(int modus);
    void nichtMehrAnzeigen(bool an);

protected:
    void showEvent(QShowEvent *event) override;

private:
    IniFile &m_einstellungen;
    std::array<QRadioButton *, 4> m_modi{};
    QCheckBox *m_nichtMehr = nullptr;
};

} // namespace qv
