#pragma once

#include <QLineEdit>

namespace qv {

/// The step field of the move and rotate dialogs: a non-negative whole number of at most four
/// digits. A typed key that is not a digit becomes the digit 0 (pasted text likewise).
class SchrittFeld : public QLineEdit
{
    Q_OBJECT

public:
    explicit SchrittFeld(QWidget *parent = nullptr);

    /// The number in the field; an empty field counts as 0.
    int Wert() const;

private:
    void bereinigen(const QString &text);
};

} // namespace qv
