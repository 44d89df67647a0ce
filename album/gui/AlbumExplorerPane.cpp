#include "album/gui/AlbumExplorerPane.h"

#include "album/gui/AlbumTreeDrops.h"
#include "album/gui/AlbumTreeModel.h"
#include "album/gui/AlbumTreeView.h"
#include "album/gui/CaptionBar.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ContextMenuBuilder.h"

#include <QApplication>
#include <QMenu>
#include <QVBoxLayout>

namespace pictavo {

using C = CommandId;

AlbumExplorerPane::AlbumExplorerPane(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), view_(new AlbumTreeView(this)) {
    setObjectName(QStringLiteral("albumExplorer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new CaptionBar(uiText(sid::PaneAlbumExplorer), this));
    layout->addWidget(view_);
    setFocusProxy(view_);
    setMinimumSize(40, 20);

    // Created after the view, so deleted after it.
    model_ = new AlbumTreeModel(context_.album().tree, this);
    model_->setRenameHandler(
        [this](CSiteFolder* folder, const QString& text) { return rename(folder, text); });
    view_->setModel(model_);
    view_->setDropPolicy(&folderDropAction);
    view_->setDropHandler(
        [this](const QMimeData& mime, CSiteFolder* target, Qt::KeyboardModifiers modifiers) {
            return drop(mime, target, modifiers);
        });

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AlbumExplorerPane::followCurrentItem);
    connect(view_, &AlbumTreeView::commandRequested, this,
            [this](CommandId id) { context_.commands().action(id)->trigger(); });
    connect(view_, &AlbumTreeView::contextMenuRequested, this, &AlbumExplorerPane::showContextMenu);
    connect(&context_, &AppContext::selectedFolderChanged, this,
            &AlbumExplorerPane::showSelectedFolder);
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            &AlbumExplorerPane::rememberExpansion);
    connect(model_, &QAbstractItemModel::modelReset, this, &AlbumExplorerPane::restoreExpansion);
    connect(this, &AlbumExplorerPane::dropRefused, this, [] { QApplication::beep(); });

    restoreExpansion();
    showSelectedFolder();
}

AlbumExplorerPane::~AlbumExplorerPane() = default;

bool AlbumExplorerPane::isCommandEnabled(CommandId id) const {
    const TreeCommandState state = context_.editor().treeCommandState(context_.selectedFolder());
    switch (id) {
        case C::NewFolder:
            return state.newFolder;
        case C::NewLink:
            return state.newLink;
        case C::Cut:
            return state.cut;
        case C::Copy:
            return state.copy;
        case C::Paste:
            return state.paste;
        case C::Delete:
            return state.remove;
        case C::MoveUp:
            return state.moveUp;
        case C::MoveDown:
            return state.moveDown;
        default:
            return false;
    }
}

void AlbumExplorerPane::runCommand(CommandId id) {
    switch (id) {
        case C::NewFolder:
            return newFolder();
        case C::NewLink:
            return newLink();
        case C::Cut:
        case C::Copy:
            return cutOrCopy(id);
        case C::Paste:
            return paste();
        case C::Delete:
            return deleteSelected();
        case C::MoveUp:
            return move(MoveDirection::Up);
        case C::MoveDown:
            return move(MoveDirection::Down);
        default:
            return;
    }
}

void AlbumExplorerPane::albumReplaced() {
    // After an undo the selected folder may be gone: settle on what is shown.
    CSiteFolder* folder = context_.selectedFolder();
    selectInView(folder);
    context_.setSelectedFolder(folder);
}

void AlbumExplorerPane::newFolder() {
    CSiteFolder* created = nullptr;
    context_.edit(sid::EditNewFolder, [&] {
        created = context_.editor().newFolder(context_.selectedFolder());
        return created != nullptr;
    });
    if (!created)
        return;
    selectInView(created);
    view_->edit(model_->indexOf(created));
}

void AlbumExplorerPane::newLink() {
    context_.edit(sid::EditNewLink, [this] {
        return context_.editor().newLink(context_.selectedFolder()) != nullptr;
    });
}

void AlbumExplorerPane::cutOrCopy(CommandId id) {
    AlbumEditor& editor = context_.editor();
    const CSiteFolder* selected = context_.selectedFolder();
    if (id == C::Cut)
        editor.cutFolder(selected);
    else
        editor.copyFolder(selected);
    context_.announceCommandStateChanged();
}

void AlbumExplorerPane::paste() {
    CSiteFolder* target = context_.selectedFolder();
    if (context_.edit(sid::EditPaste, [&] { return context_.editor().paste(target); }))
        view_->expand(model_->indexOf(target));
    context_.announceCommandStateChanged();
}

void AlbumExplorerPane::deleteSelected() {
    const CSiteFolder* selected = context_.selectedFolder();
    if (!context_.editor().treeCommandState(selected).remove)
        return;
    const int id = selected->id;
    if (!context_.prompts().askYesNo(uiText(sid::DeleteThisItem)))
        return;
    // Looked up again: the question ran an event loop.
    CSiteFolder* folder = context_.album().tree.findFolderById(id);
    context_.edit(sid::EditDelete, [&] { return context_.editor().deleteFolder(folder); });
}

void AlbumExplorerPane::move(MoveDirection direction) {
    CSiteFolder* selected = context_.selectedFolder();
    if (context_.edit(sid::EditMove,
                      [&] { return context_.editor().moveFolder(selected, direction); }))
        view_->scrollTo(model_->indexOf(selected));
}

bool AlbumExplorerPane::rename(CSiteFolder* folder, const QString& text) {
    if (text == folder->caption)
        return false;  // the label was not changed: nothing to record
    return context_.edit(sid::EditRename,
                         [&] { return context_.editor().renameFolder(folder, text); });
}

Qt::DropAction AlbumExplorerPane::drop(const QMimeData& mime, CSiteFolder* target,
                                       Qt::KeyboardModifiers modifiers) {
    const int targetId = target ? target->id : -1;
    const Qt::DropAction done = dropOnFolder(context_, mime, target, modifiers);
    if (done == Qt::IgnoreAction) {
        emit dropRefused();
        return done;
    }
    // The target survives every drop on it; a move only removes the dragged
    // folder, which never contains it.
    CSiteFolder* dropped = context_.album().tree.findFolderById(targetId);
    selectInView(dropped);
    view_->expand(model_->indexOf(dropped));
    return done;
}

void AlbumExplorerPane::showContextMenu(const QPoint& viewportPos) {
    const QModelIndex index = view_->indexAt(viewportPos);
    const CSiteFolder* folder = AlbumTreeModel::folderAt(index);
    if (!folder)
        return;                             // over empty space: no menu, the selection stays
    view_->setFocus(Qt::PopupFocusReason);  // the menu's commands go to the tree
    view_->setCurrentIndex(index);
    context_.commands().refresh();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    contextMenuGroups(*folder).fill(*menu);
    menu->popup(view_->viewport()->mapToGlobal(viewportPos));
}

ContextMenuBuilder AlbumExplorerPane::contextMenuGroups(const CSiteFolder& folder) const {
    const bool isRoot = folder.parent() == nullptr;
    const CommandRegistry& commands = context_.commands();
    auto unlessRoot = [&](CommandId id) { return isRoot ? nullptr : commands.action(id); };
    QAction* paste = context_.editor().canPaste(&folder) ? commands.action(C::Paste) : nullptr;
    ContextMenuBuilder groups;
    groups.addGroup({commands.action(C::NewFolder), commands.action(C::NewLink)})
        .addGroup({unlessRoot(C::Cut), unlessRoot(C::Copy), paste, unlessRoot(C::Delete)})
        .addGroup({unlessRoot(C::MoveUp), unlessRoot(C::MoveDown)})
        .addGroup({unlessRoot(C::PreviewFolder)});
    return groups;
}

void AlbumExplorerPane::showSelectedFolder() {
    const CSiteFolder* folder = context_.selectedFolder();
    if (AlbumTreeModel::folderAt(view_->currentIndex()) == folder)
        return;
    // Chosen elsewhere (the folder list, New, Open): shown open.
    selectInView(folder);
    view_->expand(model_->indexOf(folder));
}

void AlbumExplorerPane::followCurrentItem(const QModelIndex& current) {
    if (CSiteFolder* folder = AlbumTreeModel::folderAt(current))
        context_.setSelectedFolder(folder);
}

void AlbumExplorerPane::selectInView(const CSiteFolder* folder) {
    const QModelIndex index = model_->indexOf(folder);
    if (!index.isValid())
        return;
    view_->setCurrentIndex(index);
    view_->scrollTo(index);
}

void AlbumExplorerPane::rememberExpansion() {
    restoring_ = context_.album().tree.isRestoring();
    expandedIds_.clear();
    if (!restoring_)
        return;
    context_.album().tree.walk([this](CSiteFolder* folder, int) {
        if (view_->isExpanded(model_->indexOf(folder)))
            expandedIds_.push_back(folder->id);
    });
}

void AlbumExplorerPane::restoreExpansion() {
    const AlbumTree& tree = context_.album().tree;
    if (!restoring_) {
        view_->expand(model_->indexOf(tree.root()));
        return;
    }
    for (int id : expandedIds_)
        view_->expand(model_->indexOf(tree.findFolderById(id)));
    expandedIds_.clear();
}

}  // namespace pictavo
