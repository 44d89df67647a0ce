#pragma once
// AppContext: the one object that ties the program together. It owns the
// album, its editor and undo stack, the user's settings and recent albums,
// and publishes the five panes. Panes and dialogs reach each other only
// through it; the main window builds it and wires it to the widgets.
//
// Ownership: owns the album and everything about it; borrows the panes
// (owned by their widgets) and the prompts. Threading: GUI thread only.

#include "album/Album.h"
#include "album/editing/AlbumEditor.h"
#include "album/undo/AlbumUndoStack.h"
#include "properties/EnvironmentSettings.h"
#include "shell/gui/CommandRegistry.h"
#include "shell/gui/Pane.h"
#include "shell/gui/ShownItem.h"
#include "shell/gui/UserPrompts.h"
#include "shell/settings/RecentFileList.h"
#include "shell/settings/SettingsStore.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

namespace pictavo {

class AppContext : public QObject {
    Q_OBJECT
public:
    AppContext(SettingsStore store, UserPrompts& prompts, QObject* parent = nullptr);
    ~AppContext() override;

    Album& album() { return album_; }
    AlbumEditor& editor() { return editor_; }
    AlbumUndoStack& undoStack() { return undo_; }
    SettingsStore& settings() { return store_; }
    EnvironmentSettings& environment() { return environment_; }
    RecentFileList& recentFiles() { return recent_; }
    UserPrompts& prompts() { return *prompts_; }
    void setPrompts(UserPrompts& prompts) { prompts_ = &prompts; }

    // The path of the open album; empty for an album never saved.
    const QString& albumPath() const { return albumPath_; }
    void setAlbumPath(const QString& path);
    // The album's file name, or "Untitled".
    QString albumDisplayName() const;

    // Runs an album edit as one undoable step (see AlbumUndoStack).
    bool edit(int nameId, const std::function<bool()>& change);

    CommandRegistry& commands() { return *commands_; }

    // The album folder selected in the album explorer: the target of New
    // folder, New link, Paste and the imports. The root when nothing else
    // was chosen; never a removed folder (a removed selection falls back to
    // the removed folder's parent).
    CSiteFolder* selectedFolder() const;
    // Selecting a folder also shows it in the property area, also when it
    // was selected already (the album explorer calls this again when it
    // takes the focus back).
    void setSelectedFolder(CSiteFolder* folder);
    // The property area shows item (a folder or page chosen in the folder
    // list); an item of kind None clears it.
    void showInPropertyArea(const SiteNodeRef& item);

    // What the property area shows (see ShownItem.h).
    ShownItem& shownItem() { return shownItem_; }

    void setPane(Pane* pane);
    Pane* pane(PaneId id) const { return panes_[static_cast<int>(id)]; }
    // The pane holding the keyboard focus, or null.
    Pane* focusedPane() const { return focusedPane_; }
    void setFocusedPane(Pane* pane);

    // Tells every pane that the album was replaced (New, Open, undo).
    void announceAlbumReplaced();
    // Menus and toolbars re-read the enabled state of every command.
    void announceCommandStateChanged() { emit commandStateChanged(); }
    void announceRecentFilesChanged() { emit recentFilesChanged(); }
    // Files were written into folder (an export, a conversion): a list
    // showing that folder reads it again.
    void announceFolderContentsChanged(const QString& folder) {
        emit folderContentsChanged(folder);
    }

signals:
    void commandStateChanged();
    void selectedFolderChanged();
    void recentFilesChanged();
    // The title of the window changes with the path and the modified flag.
    void titleChanged();
    void folderContentsChanged(const QString& folder);

    // Requests between panes and commands (emitted by one, handled by
    // another): open an album file (after the save question), convert these
    // image files.
    void openAlbumRequested(const QString& path);
    void convertImagesRequested(const QStringList& paths);

private:
    class TreeWatcher;

    SettingsStore store_;
    UserPrompts* prompts_;
    Album album_;
    ShownItem shownItem_;
    AlbumEditor editor_;
    AlbumUndoStack undo_;
    EnvironmentSettings environment_;
    RecentFileList recent_;
    QString albumPath_;
    std::array<Pane*, kPaneCount> panes_{};
    Pane* focusedPane_ = nullptr;
    int selectedFolderId_ = 0;
    std::unique_ptr<TreeWatcher> treeWatcher_;
    std::unique_ptr<CommandRegistry> commands_;
};

}  // namespace pictavo
