#include "shell/gui/ListViewBase.h"

#include "shell/gui/FileIcons.h"
#include "shell/gui/ThumbnailGeometry.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QStackedLayout>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <algorithm>

namespace pictavo {

// Gives file and folder rows their icon or tile, and asks for the tiles of
// the rows it paints.
class ListItemDelegate : public QStyledItemDelegate {
public:
    ListItemDelegate(ListViewBase& owner, QObject* parent)
        : QStyledItemDelegate(parent), owner_(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        owner_.requestTile(index);
        QStyledItemDelegate::paint(painter, option, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        owner_.decorate(option, index);
    }

private:
    ListViewBase& owner_;
};

namespace {

bool namesFile(const QModelIndex& index) {
    return index.column() == 0 && (index.data(ListViewBase::FilePathRole).isValid() ||
                                   index.data(ListViewBase::IsFolderRole).isValid());
}

// True while a child of view (a label editor) holds the focus.
bool isEditorFocused(const QWidget* view) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != view && view->isAncestorOf(focus);
}

}  // namespace

std::optional<ListStyle> listStyleForCommand(CommandId id) {
    switch (id) {
        case CommandId::LargeIcons:
            return ListStyle::LargeIcons;
        case CommandId::SmallIcons:
            return ListStyle::SmallIcons;
        case CommandId::List:
            return ListStyle::List;
        case CommandId::Details:
            return ListStyle::Details;
        case CommandId::Thumbnails:
            return ListStyle::Thumbnails;
        default:
            return std::nullopt;
    }
}

ListViewBase::ListViewBase(QWidget* parent) : QWidget(parent) {
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);

    list_ = new QListView(this);
    list_->setItemDelegate(new ListItemDelegate(*this, list_));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setLayoutMode(QListView::Batched);
    list_->setBatchSize(256);
    connectView(list_);
    stack_->addWidget(list_);

    details_ = new QTreeView(this);
    details_->setItemDelegate(new ListItemDelegate(*this, details_));
    details_->setRootIsDecorated(false);
    details_->setItemsExpandable(false);
    details_->setUniformRowHeights(true);
    details_->setAllColumnsShowFocus(true);
    details_->setSelectionBehavior(QAbstractItemView::SelectRows);
    details_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    details_->setIconSize(QSize(16, 16));
    details_->setSortingEnabled(false);
    details_->header()->setSectionsClickable(true);
    details_->header()->setStretchLastSection(false);
    connect(details_->header(), &QHeaderView::sectionClicked, this, &ListViewBase::headerClicked);
    connectView(details_);
    stack_->addWidget(details_);

    setListStyle(ListStyle::Details);
}

ListViewBase::~ListViewBase() {
    // The views go before the selection model they share.
    delete list_;
    delete details_;
}

void ListViewBase::connectView(QAbstractItemView* view) {
    view->installEventFilter(this);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
        // The position is in the viewport's coordinates.
        const QModelIndex index = view->indexAt(pos);
        emit contextMenuRequested(index.isValid() ? index.siblingAtColumn(0) : QModelIndex(),
                                  view->viewport()->mapToGlobal(pos));
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit activated(index.siblingAtColumn(0));
    });
}

bool ListViewBase::eventFilter(QObject* watched, QEvent* event) {
    // While a label is edited the keys go to the editor, not to the view;
    // the Enter that ends the edit comes on to the view and opens nothing.
    if (event->type() == QEvent::KeyPress && (watched == list_ || watched == details_) &&
        !isEditorFocused(static_cast<QWidget*>(watched))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            currentIndex().isValid()) {
            emit activated(currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListViewBase::setModel(QAbstractItemModel* model) {
    if (model_)
        disconnect(model_, nullptr, this, nullptr);
    QItemSelectionModel* old = selection_;
    selection_ = nullptr;
    model_ = model;
    list_->setModel(model);
    details_->setModel(model);
    // Each view made a selection model of its own; both use one instead.
    QItemSelectionModel* madeByList = list_->selectionModel();
    QItemSelectionModel* madeByDetails = details_->selectionModel();
    if (model) {
        selection_ = new QItemSelectionModel(model, this);
        list_->setSelectionModel(selection_);
        details_->setSelectionModel(selection_);
        delete madeByList;
        delete madeByDetails;
        connect(selection_, &QItemSelectionModel::selectionChanged, this,
                &ListViewBase::selectionChanged);
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            applyColumnWidths();
            nextGeneration();
        });
        connect(model, &QAbstractItemModel::columnsInserted, this,
                &ListViewBase::applyColumnWidths);
        connect(model, &QAbstractItemModel::headerDataChanged, this,
                &ListViewBase::applyColumnWidths);
    }
    delete old;
    applyColumnWidths();
    nextGeneration();
}

QAbstractItemView* ListViewBase::currentView() const {
    return style_ == ListStyle::Details ? static_cast<QAbstractItemView*>(details_) : list_;
}

int ListViewBase::iconSide() const {
    switch (style_) {
        case ListStyle::LargeIcons:
            return 32;
        case ListStyle::Thumbnails:
            return kThumbnailTileSide;
        case ListStyle::SmallIcons:
        case ListStyle::List:
        case ListStyle::Details:
            break;
    }
    return 16;
}

void ListViewBase::setListStyle(ListStyle style) {
    const bool changed = style != style_;
    const bool hadFocus = currentView()->hasFocus();
    style_ = style;
    if (style == ListStyle::Details) {
        stack_->setCurrentWidget(details_);
    } else {
        configureIconView();
        stack_->setCurrentWidget(list_);
    }
    setFocusProxy(currentView());
    if (hadFocus)
        currentView()->setFocus(Qt::OtherFocusReason);
    if (const QModelIndex current = currentIndex(); current.isValid())
        currentView()->scrollTo(current);
    currentView()->viewport()->update();
    if (changed)
        emit listStyleChanged(style);
}

void ListViewBase::configureIconView() {
    const int side = iconSide();
    const int lineHeight = list_->fontMetrics().height();
    const bool iconGrid = style_ == ListStyle::LargeIcons || style_ == ListStyle::Thumbnails;
    // setViewMode resets flow, wrapping and the drag settings: it goes first.
    list_->setViewMode(iconGrid ? QListView::IconMode : QListView::ListMode);
    list_->setMovement(QListView::Static);
    list_->setFlow(style_ == ListStyle::List ? QListView::TopToBottom : QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setIconSize(QSize(side, side));
    list_->setWordWrap(iconGrid);
    list_->setTextElideMode(Qt::ElideRight);
    switch (style_) {
        case ListStyle::LargeIcons:
            list_->setSpacing(0);
            list_->setGridSize(
                QSize(std::max(side + 44, 8 * lineHeight / 2), side + 2 * lineHeight + 12));
            break;
        case ListStyle::Thumbnails:
            list_->setSpacing(0);
            list_->setGridSize(QSize(side + 20, side + 2 * lineHeight + 12));
            break;
        case ListStyle::SmallIcons:
            list_->setSpacing(0);
            list_->setGridSize(QSize(10 * lineHeight, std::max(side, lineHeight) + 4));
            break;
        case ListStyle::List:
        case ListStyle::Details:
            list_->setGridSize(QSize());
            list_->setSpacing(1);
            break;
    }
    applyDragDrop(list_);
}

QModelIndexList ListViewBase::selectedRows() const {
    if (!selection_)
        return {};
    QModelIndexList rows = selection_->selectedRows(0);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return rows;
}

QModelIndex ListViewBase::currentIndex() const {
    if (!selection_)
        return {};
    const QModelIndex current = selection_->currentIndex();
    return current.isValid() ? current.siblingAtColumn(0) : QModelIndex();
}

void ListViewBase::selectOnly(const QModelIndex& index) {
    if (!selection_)
        return;
    if (!index.isValid()) {
        selection_->clear();
        return;
    }
    selection_->setCurrentIndex(index.siblingAtColumn(0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    currentView()->scrollTo(index);
}

void ListViewBase::setColumnWidth(int column, int width) {
    if (column < 0)
        return;
    if (columnWidths_.size() <= column)
        columnWidths_.resize(column + 1, -1);
    columnWidths_[column] = width;
    applyColumnWidths();
}

int ListViewBase::columnWidth(int column) const {
    return details_->columnWidth(column);
}

void ListViewBase::applyColumnWidths() {
    for (int column = 0; column < columnWidths_.size(); ++column)
        if (columnWidths_[column] >= 0)
            details_->setColumnWidth(column, columnWidths_[column]);
}

void ListViewBase::setSortIndicator(int column, Qt::SortOrder order) {
    details_->header()->setSortIndicatorShown(column >= 0);
    details_->header()->setSortIndicator(column, order);
}

void ListViewBase::setSelectionMode(QAbstractItemView::SelectionMode mode) {
    list_->setSelectionMode(mode);
    details_->setSelectionMode(mode);
}

void ListViewBase::setEditTriggers(QAbstractItemView::EditTriggers triggers) {
    list_->setEditTriggers(triggers);
    details_->setEditTriggers(triggers);
}

void ListViewBase::applyDragDrop(QAbstractItemView* view) {
    QAbstractItemView::DragDropMode mode = QAbstractItemView::NoDragDrop;
    if (dragEnabled_ && dropEnabled_)
        mode = QAbstractItemView::DragDrop;
    else if (dragEnabled_)
        mode = QAbstractItemView::DragOnly;
    else if (dropEnabled_)
        mode = QAbstractItemView::DropOnly;
    view->setDragDropMode(mode);
    view->setDragEnabled(dragEnabled_);
    view->viewport()->setAcceptDrops(dropEnabled_);
    view->setDropIndicatorShown(dropEnabled_);
    view->setDefaultDropAction(dropAction_);
}

void ListViewBase::setDragEnabled(bool enabled) {
    dragEnabled_ = enabled;
    applyDragDrop(list_);
    applyDragDrop(details_);
}

void ListViewBase::setDropEnabled(bool enabled) {
    dropEnabled_ = enabled;
    applyDragDrop(list_);
    applyDragDrop(details_);
}

void ListViewBase::setDefaultDropAction(Qt::DropAction action) {
    dropAction_ = action;
    applyDragDrop(list_);
    applyDragDrop(details_);
}

void ListViewBase::setThumbnailLoader(ThumbnailLoader* loader) {
    if (loader_)
        disconnect(loader_, nullptr, this, nullptr);
    loader_ = loader;
    if (loader_)
        connect(loader_, &ThumbnailLoader::thumbnailFinished, this, &ListViewBase::tileFinished);
    nextGeneration();
}

ThumbnailLoader* ListViewBase::thumbnailLoader() {
    if (!loader_) {
        if (!ownLoader_)
            ownLoader_ = std::make_unique<ThumbnailLoader>();
        loader_ = ownLoader_.get();
        connect(loader_, &ThumbnailLoader::thumbnailFinished, this, &ListViewBase::tileFinished);
    }
    return loader_;
}

void ListViewBase::nextGeneration() {
    ++generation_;
    tiles_.clear();
    if (loader_)
        loader_->cancelBefore(generation_);
    currentView()->viewport()->update();
}

QImage ListViewBase::thumbnail(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const auto tile = tiles_.constFind(index.siblingAtColumn(0).data(FilePathRole).toString());
    if (tile == tiles_.constEnd() || tile->state != ThumbnailLoader::State::Ready)
        return {};
    return tile->image;
}

void ListViewBase::requestTile(const QModelIndex& index) {
    if (style_ != ListStyle::Thumbnails || !namesFile(index) || index.data(IsFolderRole).toBool())
        return;
    const QString path = index.data(FilePathRole).toString();
    if (path.isEmpty() || tiles_.contains(path))
        return;
    const ThumbnailLoader::Answer answer = thumbnailLoader()->request(path, generation_);
    Tile tile;
    tile.state = answer.state;
    if (answer.state == ThumbnailLoader::State::Ready) {
        tile.image = answer.tile;
        tile.pixmap = QPixmap::fromImage(answer.tile);
    }
    tiles_.insert(path, tile);
}

void ListViewBase::tileFinished(const QString& path, int generation, const QImage& image) {
    if (generation != generation_)
        return;  // a folder no longer shown
    const auto tile = tiles_.find(path);
    if (tile == tiles_.end())
        return;
    tile->state =
        image.isNull() ? ThumbnailLoader::State::NoThumbnail : ThumbnailLoader::State::Ready;
    tile->image = image;
    tile->pixmap = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    if (style_ == ListStyle::Thumbnails)
        list_->viewport()->update();
    emit thumbnailUpdated(path);
}

void ListViewBase::decorate(QStyleOptionViewItem* option, const QModelIndex& index) {
    if (!namesFile(index))
        return;
    const QString path = index.data(FilePathRole).toString();
    const bool folder = index.data(IsFolderRole).toBool();
    FileIconCache& icons = FileIconCache::instance();
    QPixmap pixmap;
    if (style_ == ListStyle::Thumbnails) {
        if (!folder) {
            const auto tile = tiles_.constFind(path);
            if (tile != tiles_.constEnd())
                pixmap = tile->pixmap;
        }
        if (pixmap.isNull())
            pixmap = icons.tile(icons.kindFor(path, folder), kThumbnailTileSide);
    } else {
        pixmap = icons.iconFor(path, folder, iconSide());
    }
    option->icon = QIcon(pixmap);
    option->decorationSize = pixmap.size();
    option->features |= QStyleOptionViewItem::HasDecoration;
}

}  // namespace pictavo
