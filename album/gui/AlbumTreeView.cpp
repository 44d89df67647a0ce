#include "album/gui/AlbumTreeView.h"

#include "album/gui/AlbumTreeModel.h"
#include "album/gui/TreeLineStyle.h"
#include "album/mime/DragMime.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>

#include <optional>

namespace pictavo {

namespace {

constexpr int kIconSize = 16;
constexpr int kAutoExpandDelayMs = 700;

// The keys the pane handles as commands, whatever the tree would do with them.
std::optional<CommandId> commandForKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Delete && modifiers == Qt::NoModifier)
        return CommandId::Delete;
    if (modifiers != Qt::ControlModifier)
        return std::nullopt;
    if (event.key() == Qt::Key_Up)
        return CommandId::MoveUp;
    if (event.key() == Qt::Key_Down)
        return CommandId::MoveDown;
    return std::nullopt;
}

}  // namespace

AlbumTreeView::AlbumTreeView(QWidget* parent) : QTreeView(parent) {
    auto* lines = new TreeLineStyle;
    lines->setParent(this);
    setStyle(lines);
    setHeaderHidden(true);
    setRootIsDecorated(false);  // the root is the only top-level item
    setUniformRowHeights(true);
    setIconSize(QSize(kIconSize, kIconSize));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(true);  // drops land on items, never between them
    setAutoExpandDelay(kAutoExpandDelayMs);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

CSiteFolder* AlbumTreeView::folderAt(const QPoint& viewportPos) const {
    return AlbumTreeModel::folderAt(indexAt(viewportPos));
}

bool AlbumTreeView::event(QEvent* event) {
    // Claiming the keys here keeps the window's shortcuts from taking them
    // first; keyPressEvent then turns them into commands.
    if (event->type() == QEvent::ShortcutOverride &&
        commandForKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTreeView::event(event);
}

void AlbumTreeView::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<CommandId> id = commandForKey(*event)) {
        event->accept();
        emit commandRequested(*id);
        return;
    }
    QTreeView::keyPressEvent(event);
}

void AlbumTreeView::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint pos = event->reason() == QContextMenuEvent::Keyboard
                           ? visualRect(currentIndex()).center()
                           : event->pos();
    event->accept();
    emit contextMenuRequested(pos);
}

void AlbumTreeView::startDrag(Qt::DropActions /*supportedActions*/) {
    const QModelIndex index = currentIndex();
    const CSiteFolder* folder = AlbumTreeModel::folderAt(index);
    if (!folder || !folder->parent())
        return;
    auto* mime = new QMimeData;
    setAlbumItems(*mime, AlbumDragItems::treeFolder(folder->id));
    auto* drag = new QDrag(this);  // deleted by Qt when the drag ends
    drag->setMimeData(mime);
    drag->setPixmap(index.data(Qt::DecorationRole).value<QIcon>().pixmap(kIconSize, kIconSize));
    // The drop did all the work, a move included: nothing is left to do here.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

Qt::DropAction AlbumTreeView::proposedAction(const QDropEvent& event) const {
    if (!dropPolicy_ || !event.mimeData())
        return Qt::IgnoreAction;
    return dropPolicy_(*event.mimeData(), event.modifiers());
}

void AlbumTreeView::dragEnterEvent(QDragEnterEvent* event) {
    const Qt::DropAction action = proposedAction(*event);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    setState(DraggingState);
}

void AlbumTreeView::dragMoveEvent(QDragMoveEvent* event) {
    QTreeView::dragMoveEvent(event);  // scrolling, expanding, the drop highlight
    const bool overItem = folderAt(event->position().toPoint()) != nullptr;
    const Qt::DropAction action = overItem ? proposedAction(*event) : Qt::IgnoreAction;
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void AlbumTreeView::dropEvent(QDropEvent* event) {
    CSiteFolder* target = folderAt(event->position().toPoint());
    const Qt::DropAction done = dropHandler_ && event->mimeData()
                                    ? dropHandler_(*event->mimeData(), target, event->modifiers())
                                    : Qt::IgnoreAction;
    if (done == Qt::IgnoreAction) {
        event->ignore();
    } else {
        event->setDropAction(done);
        event->accept();
    }
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

}  // namespace pictavo
