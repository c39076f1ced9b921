#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace qv {

/// Where a window of the given size goes: on the screen area, as near as possible to where it
/// would be (vorschlag), and covering as little as possible of what the person has to see.
/// freiHalten lists those areas by importance: less of the first one covered always wins,
/// then less of the others, then the smaller distance to vorschlag. A window that covers
/// nothing at vorschlag stays there. A window larger than the screen keeps its top left
/// corner on the screen.
QPoint FensterPlatz(const QRect &bildschirm, const QSize &fenster, const QPoint &vorschlag,
                    const QList<QRect> &freiHalten = {});

/// The open and save dialogs of the main window: the right edge touching the help window's
/// left edge, but not left of the main window; the top 40 pixels below the main window's top.
/// Without a visible help window (hilfe empty) the dialog stays where it is (vorschlag).
QPoint DateiDialogPlatz(const QRect &hauptfenster, const QRect &hilfe, const QSize &dialog, const QPoint &vorschlag);

} // namespace qv
