#include "shell/gui/AppContext.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace pictavo {

namespace {

bool isInside(const CSiteFolder* folder, const CSiteFolder* ancestor) {
    for (; folder; folder = folder->parent())
        if (folder == ancestor)
            return true;
    return false;
}

}  // namespace

// Follows the tree for the context: the title follows the modified flag, and
// the selected folder never names a folder that is going away (after a
// reset it is kept by id when the new tree has it, else it is the root).
class AppContext::TreeWatcher : public AlbumObserver {
public:
    explicit TreeWatcher(AppContext& context) : context_(context) {}
    void modifiedChanged(bool /*modified*/) override { emit context_.titleChanged(); }
    void folderAboutToBeRemoved(CSiteFolder* parent, int index) override {
        CSiteFolder* selected = context_.selectedFolder();
        if (selected && isInside(selected, parent->child(index)))
            context_.setSelectedFolder(parent);
    }

private:
    AppContext& context_;
};

AppContext::AppContext(SettingsStore store, UserPrompts& prompts, QObject* parent)
    : QObject(parent),
      store_(std::move(store)),
      prompts_(&prompts),
      shownItem_(album_.tree),
      editor_(album_),
      undo_(album_),
      treeWatcher_(std::make_unique<TreeWatcher>(*this)),
      commands_(std::make_unique<CommandRegistry>(*this)) {
    album_.tree.addObserver(treeWatcher_.get());
    undo_.setListener([this] { commands_->refresh(); });
    connect(this, &AppContext::commandStateChanged, commands_.get(), &CommandRegistry::refresh);
}

AppContext::~AppContext() {
    album_.tree.removeObserver(treeWatcher_.get());
}

void AppContext::setAlbumPath(const QString& path) {
    albumPath_ = path;
    emit titleChanged();
}

QString AppContext::albumDisplayName() const {
    return albumPath_.isEmpty() ? uiText(sid::Untitled) : QFileInfo(albumPath_).fileName();
}

bool AppContext::edit(int nameId, const std::function<bool()>& change) {
    return undo_.perform(uiText(nameId), change);
}

CSiteFolder* AppContext::selectedFolder() const {
    if (CSiteFolder* folder = album_.tree.findFolderById(selectedFolderId_))
        return folder;
    return album_.tree.root();
}

void AppContext::setSelectedFolder(CSiteFolder* folder) {
    const int id = folder ? folder->id : (album_.tree.root() ? album_.tree.root()->id : 0);
    if (id != selectedFolderId_) {
        selectedFolderId_ = id;
        emit selectedFolderChanged();
        emit commandStateChanged();
    }
    if (CSiteFolder* selected = selectedFolder())
        shownItem_.showNode(SiteNodeRef::forFolder(selected));
}

void AppContext::showInPropertyArea(const SiteNodeRef& item) {
    if (item.kind == SiteNodeKind::None)
        shownItem_.clear();
    else
        shownItem_.showNode(item);
}

void AppContext::setPane(Pane* pane) {
    panes_[static_cast<int>(pane->paneId())] = pane;
}

void AppContext::setFocusedPane(Pane* pane) {
    if (pane == focusedPane_)
        return;
    focusedPane_ = pane;
    emit commandStateChanged();
}

void AppContext::announceAlbumReplaced() {
    for (Pane* pane : panes_)
        if (pane)
            pane->albumReplaced();
    emit titleChanged();
    emit commandStateChanged();
}

}  // namespace pictavo
