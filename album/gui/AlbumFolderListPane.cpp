#include "album/gui/AlbumFolderListPane.h"

#include "album/gui/FolderListOpening.h"
#include "album/gui/FolderListSort.h"
#include "imaging/gui/ImageViewerWindow.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ContextMenuBuilder.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace pictavo {

namespace {

constexpr int kLinkTextWidth = 150;
constexpr int kLinkToWidth = 350;

void showInViewer(QWidget* parent, const QStringList& paths, int startIndex) {
    ImageViewerWindow viewer(paths, startIndex, parent);
    viewer.exec();
}

}  // namespace

AlbumFolderListPane::AlbumFolderListPane(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    model_ = new FolderListModel(context, this);
    list_ = new ListViewBase(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    setFocusProxy(list_);

    list_->setModel(model_);
    list_->setColumnWidth(FolderListModel::LinkTextColumn, kLinkTextWidth);
    list_->setColumnWidth(FolderListModel::LinkToColumn, kLinkToWidth);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list_->setDragEnabled(true);
    list_->setDropEnabled(true);
    list_->setDefaultDropAction(Qt::MoveAction);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(list_->iconView()),
                                    static_cast<QAbstractItemView*>(list_->detailsView())}) {
        // A drop lands on the row under the cursor, never between rows.
        view->setDragDropOverwriteMode(true);
        view->installEventFilter(this);
    }
    openViewer_ = [this](const QStringList& paths, int start) { showInViewer(this, paths, start); };

    connect(&context_, &AppContext::selectedFolderChanged, this,
            &AlbumFolderListPane::followSelectedFolder);
    connect(list_, &ListViewBase::selectionChanged, this,
            &AlbumFolderListPane::showSelectionInPropertyArea);
    // Another folder listed (or the album rebuilt): the property area shows
    // the listed folder, as after a selection in the album explorer.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (CSiteFolder* folder = shownFolder())
            context_.showInPropertyArea(SiteNodeRef::forFolder(folder));
    });
    // The property area's page buttons show another page: its row follows.
    connect(&context_.shownItem(), &ShownItem::changed, this,
            &AlbumFolderListPane::selectShownPage);
    connect(list_, &ListViewBase::activated, this, &AlbumFolderListPane::openRow);
    connect(list_, &ListViewBase::contextMenuRequested, this,
            &AlbumFolderListPane::showContextMenu);
    connect(list_, &ListViewBase::headerClicked, this, &AlbumFolderListPane::sortByColumn);
    connect(list_, &ListViewBase::listStyleChanged, &context_,
            &AppContext::announceCommandStateChanged);

    model_->setFolder(context_.selectedFolder());
}

AlbumFolderListPane::~AlbumFolderListPane() {
    // The list goes before the model it shows.
    delete list_;
}

void AlbumFolderListPane::albumReplaced() {
    followSelectedFolder();
}

void AlbumFolderListPane::followSelectedFolder() {
    model_->setFolder(context_.selectedFolder());
}

std::vector<SiteNodeRef> AlbumFolderListPane::selectedNodes() const {
    std::vector<SiteNodeRef> nodes;
    for (const QModelIndex& index : list_->selectedRows()) {
        const SiteNodeRef node = model_->nodeAt(index.row());
        if (node.kind != SiteNodeKind::None)
            nodes.push_back(node);
    }
    return nodes;
}

void AlbumFolderListPane::showSelectionInPropertyArea() {
    const std::vector<SiteNodeRef> nodes = selectedNodes();
    context_.showInPropertyArea(nodes.size() == 1 ? nodes.front() : SiteNodeRef());
    context_.announceCommandStateChanged();
}

void AlbumFolderListPane::selectRow(int row) {
    list_->selectOnly(row >= 0 ? model_->index(row, 0) : QModelIndex());
}

bool AlbumFolderListPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        showSelectionInPropertyArea();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            if (isCommandEnabled(CommandId::Delete))
                deleteSelection();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- commands

bool AlbumFolderListPane::isCommandEnabled(CommandId id) const {
    switch (id) {
        case CommandId::NewLink:
            return shownFolder() != nullptr;
        case CommandId::Cut:
        case CommandId::Copy:
        case CommandId::Delete:
            return !selectedNodes().empty();
        case CommandId::Paste:
            return shownFolder() && context_.editor().canPaste(shownFolder());
        case CommandId::MoveUp:
            return canMove(MoveDirection::Up);
        case CommandId::MoveDown:
            return canMove(MoveDirection::Down);
        default:
            return listStyleForCommand(id).has_value();
    }
}

bool AlbumFolderListPane::isCommandChecked(CommandId id) const {
    const std::optional<ListStyle> style = listStyleForCommand(id);
    return style && *style == list_->listStyle();
}

void AlbumFolderListPane::runCommand(CommandId id) {
    switch (id) {
        case CommandId::NewLink:
            newLink();
            break;
        case CommandId::Cut:
            takeToClipboard(true);
            break;
        case CommandId::Copy:
            takeToClipboard(false);
            break;
        case CommandId::Paste:
            paste();
            break;
        case CommandId::Delete:
            deleteSelection();
            break;
        case CommandId::MoveUp:
            moveSelection(MoveDirection::Up);
            break;
        case CommandId::MoveDown:
            moveSelection(MoveDirection::Down);
            break;
        default:
            if (const std::optional<ListStyle> style = listStyleForCommand(id))
                list_->setListStyle(*style);
            break;
    }
    context_.announceCommandStateChanged();
}

void AlbumFolderListPane::newLink() {
    CSiteFolder* folder = shownFolder();
    CSitePage* link = nullptr;
    context_.edit(sid::EditNewLink, [&] {
        link = context_.editor().newLink(folder);
        return link != nullptr;
    });
    if (link)
        selectRow(model_->rowOfPage(folder->indexOfPage(link)));
}

void AlbumFolderListPane::takeToClipboard(bool cut) {
    std::vector<int> folderIds;
    std::vector<int> pageIds;
    for (const SiteNodeRef& node : selectedNodes()) {
        if (node.kind == SiteNodeKind::Folder)
            folderIds.push_back(node.folder->id);
        else
            pageIds.push_back(node.page->id);
    }
    context_.editor().setListClipboard(shownFolder(), std::move(folderIds), std::move(pageIds),
                                       cut ? ClipboardMode::Cut : ClipboardMode::Copy);
}

void AlbumFolderListPane::paste() {
    CSiteFolder* target = shownFolder();
    context_.edit(sid::EditPaste, [&] { return context_.editor().paste(target); });
}

void AlbumFolderListPane::deleteSelection() {
    const QModelIndexList rows = list_->selectedRows();
    CSiteFolder* folder = shownFolder();
    if (!folder || rows.isEmpty())
        return;
    const int question = rows.size() == 1 ? sid::DeleteThisItem : sid::DeleteTheseItems;
    if (!context_.prompts().askYesNo(uiText(question)))
        return;
    std::vector<ListEntry> entries;
    for (const SiteNodeRef& node : selectedNodes()) {
        if (node.kind == SiteNodeKind::Folder)
            entries.push_back({SiteNodeKind::Folder, node.folder->id});
        else
            entries.push_back({SiteNodeKind::Page, node.page->id});
    }
    ListDeleteResult result;
    context_.edit(sid::EditDelete, [&] {
        result = context_.editor().deleteListEntries(folder, entries, rows.front().row());
        return result.deleted;
    });
    if (!result.deleted)
        return;
    selectRow(result.rowToSelect);
    if (result.rowToSelect < 0)
        context_.showInPropertyArea({});  // the list is empty
}

bool AlbumFolderListPane::canMove(MoveDirection direction) const {
    const std::vector<SiteNodeRef> nodes = selectedNodes();
    if (nodes.size() != 1)
        return false;
    const SiteNodeRef& node = nodes.front();
    const int index = node.kind == SiteNodeKind::Folder ? node.folder->indexInParent()
                                                        : node.folder->indexOfPage(node.page);
    const int count =
        node.kind == SiteNodeKind::Folder ? model_->folderRowCount() : model_->pageRowCount();
    return direction == MoveDirection::Up ? index > 0 : index < count - 1;
}

void AlbumFolderListPane::moveSelection(MoveDirection direction) {
    if (!canMove(direction))
        return;
    const SiteNodeRef node = selectedNodes().front();
    CSiteFolder* folder = shownFolder();
    AlbumEditor& editor = context_.editor();
    context_.edit(sid::EditMove, [&] {
        return node.kind == SiteNodeKind::Folder
                   ? editor.moveChildFolder(folder, node.folder->id, direction)
                   : editor.movePage(folder, node.page->id, direction);
    });
    // The moved row keeps its selection through the move; show it.
    const int row = node.kind == SiteNodeKind::Folder
                        ? model_->rowOfChildFolder(node.folder)
                        : model_->rowOfPage(folder->indexOfPage(node.page));
    selectRow(row);
}

// --- mouse

void AlbumFolderListPane::openRow(const QModelIndex& index) {
    const SiteNodeRef node = model_->nodeAt(index.row());
    if (node.kind == SiteNodeKind::Folder)
        context_.setSelectedFolder(node.folder);  // the album explorer selects and expands it
    else if (node.kind == SiteNodeKind::Page)
        openPage(node);
}

void AlbumFolderListPane::openPage(const SiteNodeRef& page) {
    const PageOpening opening = pageOpening(*page.folder, page.folder->indexOfPage(page.page));
    switch (opening.kind) {
        case PageOpening::Kind::Desktop:
            if (!context_.prompts().openExternally(opening.target))
                context_.prompts().showError(uiText(sid::CannotOpenFile));
            break;
        case PageOpening::Kind::Viewer:
            openViewer_(opening.imagePaths, opening.startIndex);
            break;
        case PageOpening::Kind::Nothing:
            break;
    }
}

void AlbumFolderListPane::fillContextMenu(QMenu& menu) const {
    CommandRegistry& commands = context_.commands();
    commands.refresh();
    ContextMenuBuilder()
        .addGroup({commands.action(CommandId::NewLink)})
        .addGroup({commands.action(CommandId::Cut), commands.action(CommandId::Copy),
                   commands.action(CommandId::Paste), commands.action(CommandId::Delete)})
        .addGroup({commands.action(CommandId::MoveUp), commands.action(CommandId::MoveDown)})
        .fill(menu);
}

void AlbumFolderListPane::showContextMenu(const QModelIndex& index, const QPoint& globalPos) {
    // A click on a row outside the selection makes that row the selection;
    // on empty space nothing stays selected, leaving New Link and Paste.
    if (!index.isValid())
        list_->selectOnly({});
    else if (!list_->selectionModel()->isRowSelected(index.row()))
        list_->selectOnly(index);
    QMenu menu(this);
    fillContextMenu(menu);
    menu.exec(globalPos);
}

void AlbumFolderListPane::sortByColumn(int column) {
    const Qt::SortOrder order = sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder;
    CSiteFolder* folder = shownFolder();
    context_.edit(sid::EditSort,
                  [&] { return sortPagesByColumn(context_.album().tree, folder, column, order); });
    sortAscending_ = !sortAscending_;
    list_->setSortIndicator(column, order);
}

void AlbumFolderListPane::selectShownPage() {
    const SiteNodeRef& shown = context_.shownItem().node();
    if (shown.kind != SiteNodeKind::Page || shown.folder != shownFolder())
        return;
    const int row = model_->folderRowCount() + shown.folder->indexOfPage(shown.page);
    const QModelIndexList selected = list_->selectedRows();
    if (selected.size() != 1 || selected.front().row() != row)
        selectRow(row);
}

}  // namespace pictavo
