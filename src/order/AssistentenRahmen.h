#pragma once

#include <QDialog>

class QVBoxLayout;

namespace qv {

/// The look the small assistant dialogs share: a coloured header with title, subtitle and the
/// product name, a content area, and a button bar with "&Weiter" (default) and "&Abbrechen".
class AssistentenRahmen : public QDialog
{
    Q_OBJECT

public:
    /// The header colour (RGB 137, 151, 208); the order-finished dialog also marks the file
    /// name with it.
    static QColor kopfFarbe();

protected:
    AssistentenRahmen(const QString &titel, const QString &untertitel, QWidget *parent);
    /// Where a dialog puts its radio buttons and texts.
    QVBoxLayout *inhalt() const { return m_inhalt; }

private:
    QVBoxLayout *m_inhalt = nullptr;
};

} // namespace qv
