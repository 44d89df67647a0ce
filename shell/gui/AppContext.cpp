#include "shell/gui/AppContext.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace pictavo {

// Turns the tree's modified notifications into titleChanged and a fresh
// command state.
class AppContext::ModifiedWatcher : public AlbumObserver {
public:
    explicit ModifiedWatcher(AppContext& context) : context_(context) {}
    void modifiedChanged(bool /*modified*/) override { emit context_.titleChanged(); }

private:
    AppContext& context_;
};

AppContext::AppContext(SettingsStore store, UserPrompts& prompts, QObject* parent)
    : QObject(parent),
      store_(std::move(store)),
      prompts_(&prompts),
      editor_(album_),
      undo_(album_),
      modifiedWatcher_(std::make_unique<ModifiedWatcher>(*this)) {
    album_.tree.addObserver(modifiedWatcher_.get());
    undo_.setListener([this] { emit commandStateChanged(); });
}

AppContext::~AppContext() { album_.tree.removeObserver(modifiedWatcher_.get()); }

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

void AppContext::setPane(Pane* pane) { panes_[static_cast<int>(pane->paneId())] = pane; }

void AppContext::setFocusedPane(Pane* pane) {
    if (pane == focusedPane_) return;
    focusedPane_ = pane;
    emit commandStateChanged();
}

void AppContext::announceAlbumReplaced() {
    for (Pane* pane : panes_)
        if (pane) pane->albumReplaced();
    emit titleChanged();
    emit commandStateChanged();
}

}  // namespace pictavo
