#pragma once

#include <QLabel>

namespace qv {

/// The light bulb that switches a layer of the workspace on and off.
class TGluehbirne : public QLabel
{
    Q_OBJECT

public:
    explicit TGluehbirne(QWidget *parent = nullptr);
    bool an() const { return m_an; }
    /// Shows the bulb on or off without telling anyone.
    void setAn(bool an);
    void klicken();

signals:
    void umgeschaltet(bool an);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_an = true;
};

} // namespace qv
