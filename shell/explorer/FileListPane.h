#pragma once
// FileListPane: the file list of the file explorer. It shows the folder the
// shared ExplorerLocation names on the list view base, in the five styles
// (thumbnails included), sorts by a header click with the direction flipped
// on every click, and opens entries: a folder becomes the location, an
// image opens the viewer over the folder's images, an album is handed to
// the document flows (AppContext::openAlbumRequested), any other file goes
// to the desktop. Its context menu offers Convert Images when every
// selected entry is an image; the command hands the selected images on
// through AppContext::convertImagesRequested. Rows drag out as file URLs.
//
// Ownership: a widget owned by its parent (the main window's splitter);
// borrows the context and the location. GUI thread only.

#include "shell/explorer/FileListModel.h"
#include "shell/gui/Pane.h"

#include <QStringList>
#include <QWidget>

namespace pictavo {

class AppContext;
class ExplorerLocation;
class ListViewBase;

class FileListPane : public QWidget, public Pane {
    Q_OBJECT
public:
    FileListPane(AppContext& context, ExplorerLocation& location, QWidget* parent = nullptr);

    PaneId paneId() const override { return PaneId::FileList; }
    QWidget* widget() override { return this; }
    bool isCommandEnabled(CommandId id) const override;
    void runCommand(CommandId id) override;
    bool isCommandChecked(CommandId id) const override;

    ListViewBase& listView() const { return *list_; }
    const FileListModel& model() const { return model_; }

    // What a double-click or Enter on the row does.
    void openEntry(const QModelIndex& index);
    // The paths of the selected entries, in row order.
    QStringList selectedPaths() const;
    // True when something is selected and every selected entry is an image.
    bool selectionIsAllImages() const;

private:
    void showFolder(const QString& folder);
    // One selected file is shown in the property area's file form.
    void showSelectedFile();
    void reread();
    void folderContentsChanged(const QString& folder);
    void headerClicked(int column);
    void showContextMenu(const QModelIndex& index, const QPoint& globalPos);
    void viewImage(const QString& path);

    AppContext& context_;
    ExplorerLocation& location_;
    FileListModel model_;
    ListViewBase* list_ = nullptr;
    FileColumn sortColumn_ = FileColumn::Name;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;  // every header click flips it
};

}  // namespace pictavo
