#include "shell/explorer/FileListPane.h"

#include "imaging/gui/ImageViewerWindow.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ContextMenuBuilder.h"
#include "shell/gui/ListViewBase.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>

#include <optional>

namespace pictavo {

namespace {

constexpr int kColumnWidths[kFileColumnCount] = {150, 100, 100, 150};

}  // namespace

FileListPane::FileListPane(AppContext& context, ExplorerLocation& location, QWidget* parent)
    : QWidget(parent), context_(context), location_(location) {
    list_ = new ListViewBase(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    setFocusProxy(list_);

    list_->setModel(&model_);
    for (int column = 0; column < kFileColumnCount; ++column)
        list_->setColumnWidth(column, kColumnWidths[column]);
    list_->setDragEnabled(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(list_, &ListViewBase::activated, this, &FileListPane::openEntry);
    connect(list_, &ListViewBase::headerClicked, this, &FileListPane::headerClicked);
    connect(list_, &ListViewBase::contextMenuRequested, this, &FileListPane::showContextMenu);
    connect(list_, &ListViewBase::selectionChanged, this, [this] {
        showSelectedFile();
        context_.announceCommandStateChanged();
    });
    connect(list_, &ListViewBase::listStyleChanged, &context_,
            &AppContext::announceCommandStateChanged);
    connect(&location_, &ExplorerLocation::folderChanged, this, &FileListPane::showFolder);
    connect(&location_, &ExplorerLocation::refreshRequested, this, &FileListPane::reread);
    connect(&context_, &AppContext::folderContentsChanged, this,
            &FileListPane::folderContentsChanged);
    showFolder(location_.folder());
}

void FileListPane::showFolder(const QString& folder) {
    model_.showFolder(folder, sortColumn_, sortOrder_);
    context_.announceCommandStateChanged();
}

// The same folder read again: the entries still there stay selected.
void FileListPane::reread() {
    const QStringList selected = selectedPaths();
    const QModelIndex current = list_->currentIndex();
    const QString currentPath = current.isValid() ? model_.entry(current).path : QString();
    showFolder(model_.folder());
    QItemSelectionModel* selection = list_->selectionModel();
    for (const QString& path : selected)
        if (const int row = model_.rowOfPath(path); row >= 0)
            selection->select(model_.index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (const int row = model_.rowOfPath(currentPath); row >= 0)
        selection->setCurrentIndex(model_.index(row, 0), QItemSelectionModel::NoUpdate);
}

void FileListPane::folderContentsChanged(const QString& folder) {
    if (isSameFolder(folder, model_.folder()))
        reread();
}

void FileListPane::headerClicked(int column) {
    if (column < 0 || column >= kFileColumnCount)
        return;
    sortColumn_ = static_cast<FileColumn>(column);
    sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    model_.sortBy(sortColumn_, sortOrder_);
    list_->setSortIndicator(column, sortOrder_);
}

void FileListPane::showSelectedFile() {
    const QModelIndexList rows = list_->selectedRows();
    if (rows.size() == 1 && !model_.entry(rows.front()).isFolder)
        context_.shownItem().showFile(model_.entry(rows.front()).path);
}

QStringList FileListPane::selectedPaths() const {
    QStringList paths;
    for (const QModelIndex& index : list_->selectedRows())
        paths << model_.entry(index).path;
    return paths;
}

bool FileListPane::selectionIsAllImages() const {
    const QModelIndexList rows = list_->selectedRows();
    if (rows.isEmpty())
        return false;
    for (const QModelIndex& index : rows)
        if (!isImageEntry(model_.entry(index)))
            return false;
    return true;
}

void FileListPane::openEntry(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const FileEntry& entry = model_.entry(index);
    switch (openActionFor(entry)) {
        case OpenAction::Navigate:
            location_.setFolder(entry.path);
            break;
        case OpenAction::ViewImage:
            viewImage(entry.path);
            break;
        case OpenAction::OpenAlbum:
            emit context_.openAlbumRequested(entry.path);
            break;
        case OpenAction::OpenExternally:
            if (!context_.prompts().openExternally(entry.path))
                context_.prompts().showError(uiText(sid::FileOpenFailed).arg(entry.path));
            break;
    }
}

// The viewer steps through every image of the list, in list order.
void FileListPane::viewImage(const QString& path) {
    QStringList images;
    for (int row = 0; row < model_.rowCount(); ++row)
        if (isImageEntry(model_.entry(row)))
            images << model_.entry(row).path;
    ImageViewerWindow viewer(images, int(images.indexOf(path)), window());
    viewer.setWindowState(Qt::WindowMaximized);
    viewer.exec();
}

void FileListPane::showContextMenu(const QModelIndex& index, const QPoint& globalPos) {
    if (index.isValid() && !list_->selectionModel()->isRowSelected(index.row()))
        list_->selectOnly(index);
    if (!selectionIsAllImages())
        return;
    context_.commands().refresh();
    QMenu menu(this);
    ContextMenuBuilder()
        .addGroup({context_.commands().action(CommandId::ConvertImages)})
        .fill(menu);
    menu.exec(globalPos);
}

bool FileListPane::isCommandEnabled(CommandId id) const {
    if (listStyleForCommand(id))
        return true;
    switch (id) {
        case CommandId::Refresh:
            return true;
        case CommandId::ConvertImages:
            return selectionIsAllImages();
        default:
            break;
    }
    return false;
}

bool FileListPane::isCommandChecked(CommandId id) const {
    const std::optional<ListStyle> style = listStyleForCommand(id);
    return style && *style == list_->listStyle();
}

void FileListPane::runCommand(CommandId id) {
    if (const std::optional<ListStyle> style = listStyleForCommand(id)) {
        list_->setListStyle(*style);
        return;
    }
    switch (id) {
        case CommandId::Refresh:
            location_.refresh();
            break;
        case CommandId::ConvertImages:
            if (selectionIsAllImages())
                emit context_.convertImagesRequested(selectedPaths());
            break;
        default:
            break;
    }
}

}  // namespace pictavo
