#pragma once
// AlbumFolderListPane: the album folder list. It shows the contents of the
// folder selected in the album explorer (AppContext::selectedFolder) on the
// list view base, in any of its five styles, and is where the user renames
// rows in place, sorts pages by a header click, moves rows up and down,
// cuts, copies, pastes and deletes rows, opens pages and drops folders and
// files onto folder rows.
//
// Exactly one selected row is shown in the property area
// (AppContext::showInPropertyArea); any other selection clears it. Opening
// a folder row selects and expands it in the album explorer
// (AppContext::setSelectedFolder).
//
// Ownership: a widget owned by the main window's splitter; owns its model
// and list. Borrows the context. Threading: GUI thread only.

#include "album/gui/FolderListModel.h"
#include "shell/gui/ListViewBase.h"
#include "shell/gui/Pane.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QMenu;

namespace pictavo {

class AppContext;
enum class MoveDirection : int;

class AlbumFolderListPane : public QWidget, public Pane {
    Q_OBJECT
public:
    // Shows images in the viewer: the paths and the index to start at.
    using ViewerOpener = std::function<void(const QStringList& paths, int startIndex)>;

    explicit AlbumFolderListPane(AppContext& context, QWidget* parent = nullptr);
    ~AlbumFolderListPane() override;

    PaneId paneId() const override { return PaneId::AlbumFolderList; }
    QWidget* widget() override { return this; }
    bool isCommandEnabled(CommandId id) const override;
    void runCommand(CommandId id) override;
    bool isCommandChecked(CommandId id) const override;
    void albumReplaced() override;

    ListViewBase* list() const { return list_; }
    FolderListModel* model() const { return model_; }
    // The image viewer by default (modal); replaced by tests.
    void setViewerOpener(ViewerOpener opener) { openViewer_ = std::move(opener); }
    // The list's commands, as the context menu shows them.
    void fillContextMenu(QMenu& menu) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSiteFolder* shownFolder() const { return model_->folder(); }
    std::vector<SiteNodeRef> selectedNodes() const;
    void followSelectedFolder();
    void showSelectionInPropertyArea();
    void selectRow(int row);

    void openRow(const QModelIndex& index);
    void openPage(const SiteNodeRef& page);
    void showContextMenu(const QModelIndex& index, const QPoint& globalPos);
    void sortByColumn(int column);
    void selectShownPage();

    void newLink();
    void takeToClipboard(bool cut);
    void paste();
    void deleteSelection();
    bool canMove(MoveDirection direction) const;
    void moveSelection(MoveDirection direction);

    AppContext& context_;
    FolderListModel* model_ = nullptr;
    ListViewBase* list_ = nullptr;
    bool sortAscending_ = true;  // the direction of the next header click
    ViewerOpener openViewer_;
};

}  // namespace pictavo
