#pragma once
// AlbumTreeView: the tree widget of the album explorer. It shows an
// AlbumTreeModel with icons, branch lines and the selection, edits labels in
// place (F2 or a click on the selected item), and turns input into requests
// that its pane carries out:
// - Delete, Ctrl+Up and Ctrl+Down become command requests; the view's own
//   key handling never sees them (Ctrl+arrows would otherwise only move the
//   current item);
// - a drag of a folder carries it as album items (album/mime/DragMime.h);
// - drags arriving over an item are offered to the drop policy for the
//   cursor (move, copy or no drop), and a drop is handed to the drop handler
//   with the folder under the cursor (null over empty space);
// - a right click asks for the context menu at that point.
//
// Ownership: a plain widget; the pane owns it and the model. GUI thread only.

#include "shell/gui/CommandId.h"

#include <QTreeView>

#include <functional>

class QMimeData;

namespace pictavo {

class CSiteFolder;

class AlbumTreeView : public QTreeView {
    Q_OBJECT
public:
    // The action a drag of mime would have over an item with the keyboard
    // modifiers given; Qt::IgnoreAction when it cannot drop at all.
    using DropPolicy = std::function<Qt::DropAction(const QMimeData&, Qt::KeyboardModifiers)>;
    // Carries out a drop on target (null: no item under the cursor); returns
    // the action done, Qt::IgnoreAction for a refused drop.
    using DropHandler =
        std::function<Qt::DropAction(const QMimeData&, CSiteFolder* target, Qt::KeyboardModifiers)>;

    explicit AlbumTreeView(QWidget* parent = nullptr);

    void setDropPolicy(DropPolicy policy) { dropPolicy_ = std::move(policy); }
    void setDropHandler(DropHandler handler) { dropHandler_ = std::move(handler); }
    CSiteFolder* folderAt(const QPoint& viewportPos) const;

signals:
    void commandRequested(CommandId id);
    void contextMenuRequested(const QPoint& viewportPos);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Qt::DropAction proposedAction(const QDropEvent& event) const;

    DropPolicy dropPolicy_;
    DropHandler dropHandler_;
};

}  // namespace pictavo
