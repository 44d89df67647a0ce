#pragma once
// Events sent to a view's viewport as the window system delivers them: a
// whole drag over one point, and a right-click.

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace pictavo::test {

// Enters, moves over and drops mime at pos; the action reported back to the
// drag's source, IgnoreAction when the drop was refused.
inline Qt::DropAction sendDrop(QWidget* viewport, const QMimeData& mime, QPoint pos,
                               Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction,
                               Qt::KeyboardModifiers modifiers = {}) {
    QDragEnterEvent enter(pos, offered, &mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(pos, offered, &mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(QPointF(pos), offered, &mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

inline void sendRightClick(QWidget* viewport, QPoint pos) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
}

}  // namespace pictavo::test
