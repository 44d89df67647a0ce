#pragma once
// ListViewBase: the list of the album folder list and of the file list. One
// QAbstractItemModel, provided by the pane, shown in one of five styles:
// large icons (32 x 32 in an icon grid), small icons (16 x 16 flowing left
// to right), list (16 x 16, top to bottom in columns), details (a report
// with the model's columns and a clickable header) and thumbnails (80 x 80
// tiles in an icon grid). The two inner views share one selection model,
// so a change of style keeps the selection and the current item.
//
// Icons: a row whose model answers FilePathRole or IsFolderRole gets its
// icon from the file type (FileIcons.h) and, in the thumbnail style, the
// tile of its file from a ThumbnailLoader; other rows show the model's own
// decoration. Only rows that are painted ask for a tile. The list keeps a
// generation counter: nextGeneration() (also run when the model resets)
// forgets the tiles shown so far and makes results still on their way for
// the old contents arrive unseen; a pane calls it when it shows another
// folder.
//
// Sorting belongs to the pane: a header click is only reported. Drags take
// their data from the model's mimeData(), drops go to its dropMimeData().
//
// Ownership: borrows the model (which must outlive its use here); owns the
// selection model (replaced by setModel) and, unless one is set, its
// thumbnail loader. Threading: GUI thread only.

#include "shell/gui/CommandId.h"
#include "shell/gui/ThumbnailLoader.h"

#include <QAbstractItemView>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>

class QListView;
class QStackedLayout;
class QStyleOptionViewItem;
class QTreeView;

namespace pictavo {

enum class ListStyle : int { LargeIcons, SmallIcons, List, Details, Thumbnails };

// The style the View menu's list-style command id chooses; none for any
// other command.
std::optional<ListStyle> listStyleForCommand(CommandId id);

class ListViewBase : public QWidget {
    Q_OBJECT
public:
    // The file a row stands for (QString): its icon by type, its thumbnail.
    static constexpr int FilePathRole = Qt::UserRole + 0x500;
    // True for a folder row (bool): the folder icon, no thumbnail.
    static constexpr int IsFolderRole = Qt::UserRole + 0x501;

    explicit ListViewBase(QWidget* parent = nullptr);
    ~ListViewBase() override;

    // Shows model (null: nothing) with a new selection model; the old
    // selection model is deleted.
    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const { return model_; }
    // Shared by both inner views; null without a model.
    QItemSelectionModel* selectionModel() const { return selection_; }

    void setListStyle(ListStyle style);
    ListStyle listStyle() const { return style_; }

    // The inner view of the current style, which takes the focus.
    QAbstractItemView* currentView() const;
    QListView* iconView() const { return list_; }
    QTreeView* detailsView() const { return details_; }

    // Column 0 of every selected row, in row order.
    QModelIndexList selectedRows() const;
    QModelIndex currentIndex() const;
    // Makes index current and the only selected row, and shows it.
    void selectOnly(const QModelIndex& index);

    // Widths of the details columns; kept across model resets.
    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    void setSortIndicator(int column, Qt::SortOrder order);

    void setSelectionMode(QAbstractItemView::SelectionMode mode);
    void setEditTriggers(QAbstractItemView::EditTriggers triggers);
    void setDragEnabled(bool enabled);
    void setDropEnabled(bool enabled);
    void setDefaultDropAction(Qt::DropAction action);

    // Borrows loader (null: back to the list's own loader).
    void setThumbnailLoader(ThumbnailLoader* loader);
    ThumbnailLoader* thumbnailLoader();

    int generation() const { return generation_; }
    void nextGeneration();
    // The tile shown for index in the thumbnail style; null while none is
    // known or when the file has none (its icon is shown).
    QImage thumbnail(const QModelIndex& index) const;

signals:
    // Double-click or Enter on a row.
    void activated(const QModelIndex& index);
    // Right-click or the menu key; index is invalid on empty space.
    void contextMenuRequested(const QModelIndex& index, const QPoint& globalPos);
    void headerClicked(int column);
    void selectionChanged();
    void listStyleChanged(ListStyle style);
    // A tile of the current generation arrived (tile null: none).
    void thumbnailUpdated(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ListItemDelegate;

    struct Tile {
        ThumbnailLoader::State state = ThumbnailLoader::State::Pending;
        QImage image;
        QPixmap pixmap;
    };

    void configureIconView();
    void applyDragDrop(QAbstractItemView* view);
    void applyColumnWidths();
    void connectView(QAbstractItemView* view);
    int iconSide() const;
    // Sets the decoration of a row that names a file or folder.
    void decorate(QStyleOptionViewItem* option, const QModelIndex& index);
    // In the thumbnail style, asks for the tile of a painted row.
    void requestTile(const QModelIndex& index);
    void tileFinished(const QString& path, int generation, const QImage& tile);

    QStackedLayout* stack_ = nullptr;
    QListView* list_ = nullptr;
    QTreeView* details_ = nullptr;
    QPointer<QAbstractItemModel> model_;
    QItemSelectionModel* selection_ = nullptr;
    ListStyle style_ = ListStyle::Details;

    bool dragEnabled_ = false;
    bool dropEnabled_ = false;
    Qt::DropAction dropAction_ = Qt::CopyAction;
    QVector<int> columnWidths_;  // -1: the header's default

    std::unique_ptr<ThumbnailLoader> ownLoader_;
    QPointer<ThumbnailLoader> loader_;
    int generation_ = 0;
    QHash<QString, Tile> tiles_;
};

}  // namespace pictavo
