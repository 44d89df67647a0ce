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
#include "shell/gui/UserPrompts.h"
#include "shell/settings/RecentFileList.h"
#include "shell/settings/SettingsStore.h"

#include <QObject>
#include <QString>

#include <array>

namespace pictavo {

// The page buttons of the property area: which page row of the folder list
// to go to.
enum class PageStep : int { First, Previous, Next, Last };

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
    void setSelectedFolder(CSiteFolder* folder);
    // Selects folder and asks the album explorer to expand it (a folder row
    // opened in the folder list).
    void openFolderInTree(CSiteFolder* folder);
    // Asks the property area to show item (a folder or page chosen in the
    // folder list); an item of kind None clears it.
    void showInPropertyArea(const SiteNodeRef& item) { emit propertyItemRequested(item); }
    // Asks the folder list to select the page row step names (and so show
    // that page in the property area).
    void stepPage(PageStep step) { emit pageStepRequested(step); }

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

signals:
    void commandStateChanged();
    void selectedFolderChanged();
    void folderExpandRequested(CSiteFolder* folder);
    void propertyItemRequested(const SiteNodeRef& item);
    void pageStepRequested(PageStep step);
    void recentFilesChanged();
    // The title of the window changes with the path and the modified flag.
    void titleChanged();

private:
    class TreeWatcher;

    SettingsStore store_;
    UserPrompts* prompts_;
    Album album_;
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
