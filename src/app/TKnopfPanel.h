#pragma once

#include <QFrame>

class QLabel;

namespace qv {

/// A workflow button: a raised panel with its caption. Normal, pressed (while its operation
/// runs) and disabled look; a disabled panel ignores clicks.
class TKnopfPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TKnopfPanel(const QString &caption, QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);
    bool gedrueckt() const { return m_gedrueckt; }
    bool freigegeben() const { return m_freigegeben; }

    void setGedrueckt(bool gedrueckt);
    void setFreigegeben(bool freigegeben);
    /// Fires clicked() as a person's click would, when the panel is enabled.
    void klicken();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void aussehen();

    QLabel *m_label = nullptr;
    bool m_gedrueckt = false;
    bool m_freigegeben = true;
};

/// The pressed look of a workflow button (and back to normal).
void KnopfGedrueckt(TKnopfPanel *panel, bool gedrueckt);
/// The enabled look; enabling a pressed button keeps its pressed background.
void KnopfFreigeben(TKnopfPanel *panel, bool freigegeben);

} // namespace qv
