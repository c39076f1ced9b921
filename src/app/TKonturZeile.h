#pragma once

#include <QColor>
#include <QFrame>

class QLabel;
class QPushButton;

namespace qv {

/// Swatch colour of contour n (1..11) in the contour list.
QColor konturListenFarbe(int n);

/// One row of the contour list: "Kont. n", its colour and the delete button "X".
class TKonturZeile : public QFrame
{
    Q_OBJECT

public:
    TKonturZeile(int nummer, QWidget *parent = nullptr);
    void setAktuell(bool aktuell);
    bool aktuell() const { return m_aktuell; }

signals:
    void angeklickt();
    /// "X" was clicked.
    void loeschen();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_label = nullptr;
    QFrame *m_farbe = nullptr;
    QPushButton *m_x = nullptr;
    bool m_aktuell = false;
};

} // namespace qv
