#pragma once

#include "workspace/Arbeitsflaeche.h"
#include "workspace/TPaintBox.h"

#include <QWidget>

#include <functional>

namespace qv {

/// The panel `P_Main` that holds the paint box and keeps it fitted and centred.
class ArbeitsflaecheWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ArbeitsflaecheWidget(Arbeitsflaeche &a, QWidget *parent = nullptr);

    /// The mapping of the paint box (device = paint-box pixels).
    Abbildung abbildung() const { return m_box->abbildung(); }
    /// Where the picture is shown, for windows that must not cover it.
    QWidget &bildflaeche() const { return *m_box; }
    void setZeiger(Qt::CursorShape form);
    Qt::CursorShape zeiger() const;
    /// The paint box is hidden while the compensator picture replaces the workspace.
    void setBildSichtbar(bool sichtbar);
    /// Asks for a repaint of the paint box.
    void neuZeichnen();
    /// The extra layers of the paint box (see TPaintBox).
    void setRahmenZeichnen(std::function<void(QPainter &, const Abbildung &)> f);
    void setEingabeZeichnen(std::function<void(QPainter &, const Abbildung &)> f);

    /// Fits the paint box to the template (nothing without a template).
    void P_MainResize();
    /// A reset order: the paint box shrinks to 5 x 5 pixels at (5, 5).
    void Zuruecksetzen();

signals:
    // the paint box's mouse, in paint-box pixels
    void mausGedrueckt(const QPoint &geraet, Qt::MouseButton taste, Qt::KeyboardModifiers tasten);
    void mausBewegt(const QPoint &geraet, Qt::MouseButtons tasten, Qt::KeyboardModifiers modifier);
    void mausLosgelassen(const QPoint &geraet, Qt::MouseButton taste);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Arbeitsflaeche &m_a;
    TPaintBox *m_box = nullptr;
};

} // namespace qv
