#pragma once
// AlbumExplorerPane: the pane that shows the album's folder tree under its
// caption bar and edits it. It keeps the tree view's current item and the
// context's selected folder the same (either side may change it), runs the
// editing commands routed to it while it has the focus (New folder, New
// link, Cut, Copy, Paste, Delete, Move up, Move down), renames folders in
// place, offers the context menu of the item under a right click, and
// carries out drops (AlbumTreeDrops.h). Every change of the album is one
// undoable step through AppContext::edit.
//
// After New or Open the root is selected and expanded; after an undo or redo
// the folders that were expanded stay expanded and the selection stays on
// the same folder when it still exists. Showing the album never marks it
// modified.
//
// Ownership: owns its view and model; borrows the context, which must
// outlive it. GUI thread only.

#include "shell/gui/Pane.h"

#include <QWidget>

#include <vector>

class QMimeData;

namespace pictavo {

class AlbumTreeModel;
class AlbumTreeView;
class AppContext;
class CSiteFolder;
class ContextMenuBuilder;
enum class MoveDirection : int;

class AlbumExplorerPane : public QWidget, public Pane {
    Q_OBJECT
public:
    explicit AlbumExplorerPane(AppContext& context, QWidget* parent = nullptr);
    ~AlbumExplorerPane() override;

    PaneId paneId() const override { return PaneId::AlbumExplorer; }
    QWidget* widget() override { return this; }
    bool isCommandEnabled(CommandId id) const override;
    void runCommand(CommandId id) override;
    void albumReplaced() override;

    AlbumTreeView* treeView() const { return view_; }
    AlbumTreeModel* treeModel() const { return model_; }

signals:
    // A drop was refused and changed nothing (the pane beeps).
    void dropRefused();

private:
    void newFolder();
    void newLink();
    void cutOrCopy(CommandId id);
    void paste();
    void deleteSelected();
    void move(MoveDirection direction);
    bool rename(CSiteFolder* folder, const QString& text);
    Qt::DropAction drop(const QMimeData& mime, CSiteFolder* target,
                        Qt::KeyboardModifiers modifiers);

    void showContextMenu(const QPoint& viewportPos);
    ContextMenuBuilder contextMenuGroups(const CSiteFolder& folder) const;

    // The view follows the context's selection and the context the view's.
    void showSelectedFolder();
    void followCurrentItem(const QModelIndex& current);
    void selectInView(const CSiteFolder* folder);

    // Expanded folders, by id, across a restore of the album.
    void rememberExpansion();
    void restoreExpansion();

    AppContext& context_;
    AlbumTreeView* view_;
    AlbumTreeModel* model_;
    bool restoring_ = false;
    std::vector<int> expandedIds_;
};

}  // namespace pictavo
