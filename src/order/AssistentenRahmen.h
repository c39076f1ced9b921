#pragma once

#include <QDialog>
#include <QHash>

class QLabel;
class QRadioButton;
class QVBoxLayout;

namespace qv {

/// The look the small assistant dialogs share: a coloured header with title, subtitle and the
/// product name, a content area, and a button bar with "&Weiter" (default) and "&Abbrechen".
class AssistentenRahmen : public QDialog
{
    Q_OBJECT

public:
    /// The header colour (13670537: RGB 137, 152, 208); the order-finished dialog also marks
    /// the file name with it.
    static QColor kopfFarbe();

protected:
    AssistentenRahmen(const QString &titel, const QString &untertitel, QWidget *parent);
    /// Where a dialog puts its radio buttons and texts.
    QVBoxLayout *inhalt() const { return m_inhalt; }
    /// A choice with its explanation beneath it, one line of text per entry. Clicking the
    /// explanation chooses the radio button and gives it the focus.
    QRadioButton *auswahl(const char *name, const QString &text, const QStringList &erklaerung);
    /// The explanation shown with a radio button.
    QLabel *erklaerung(const QRadioButton *knopf) const;

    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QVBoxLayout *m_inhalt = nullptr;
    QHash<QObject *, QRadioButton *> m_erklaerungen;
};

} // namespace qv
