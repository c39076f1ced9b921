#pragma once

#include "workspace/Arbeitsflaeche.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace qv {

/// The paint box: the template scaled to fit with the order drawn over it. The scaled
/// template is cached and rebuilt only when the image, the size, the mode or the inversion
/// changes, so mouse moves and rubber bands only repaint the overlays.
class TPaintBox : public QWidget
{
    Q_OBJECT

public:
    explicit TPaintBox(Arbeitsflaeche &a, QWidget *parent = nullptr);

    /// The mapping of this paint box (device = widget pixels).
    Abbildung abbildung() const { return m_a.abbildung(size()); }

    /// Extra layers: the electron frame (drawn when the order type is chosen, the order is an
    /// electron order and a scale exists) and the rubber bands of a running input, last.
    std::function<void(QPainter &, const Abbildung &)> rahmenZeichnen;
    std::function<void(QPainter &, const Abbildung &)> eingabeZeichnen;

    /// How often the scaled template was rebuilt (for tests).
    int cacheNeuaufbauten() const { return m_neuaufbauten; }

signals:
    void mausGedrueckt(const QPoint &geraet, Qt::MouseButton taste, Qt::KeyboardModifiers tasten);
    void mausBewegt(const QPoint &geraet, Qt::MouseButtons tasten, Qt::KeyboardModifiers modifier);
    void mausLosgelassen(const QPoint &geraet, Qt::MouseButton taste);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QImage &skaliert();

    Arbeitsflaeche &m_a;
    QImage m_cache;
    qint64 m_cacheSchluessel = 0;
    QSize m_cacheGroesse;
    int m_cacheModus = -1;
    bool m_cacheInvertiert = false;
    int m_neuaufbauten = 0;
};

} // namespace qv
