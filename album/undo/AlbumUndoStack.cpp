// The stack is a list of steps and a position: the steps before the position
// are done (undo takes back the last of them), the ones after it were undone
// (redo takes the first of them again). Position p stands for the album as it
// is after p steps; the saved position is the one markSaved or clear
// recorded, or -1 once that state can no longer be reached.
//
// A state is the album file's bytes, compressed, with the tree's counters
// that the file leaves out. The state before a step is usually the state
// after the step before it; the two then share one byte array.

#include "album/undo/AlbumUndoStack.h"

#include "album/file/AlbumFile.h"

#include <QByteArray>

#include <deque>

namespace pictavo {

namespace {

struct AlbumState {
    QByteArray compressed;  // qCompress of serializeAlbum
    AlbumTree::Counters counters;

    bool operator==(const AlbumState&) const = default;
};

AlbumState captureState(Album& album) {
    // The fastest level: a snapshot is taken twice per edit, and on a large
    // album the default level costs more than the serialization itself.
    return {qCompress(serializeAlbum(album), 1), album.tree.counters()};
}

struct Step {
    QString name;
    AlbumState before;
    AlbumState after;
};

// Marks the tree as restoring for the lifetime of the guard.
class RestoringGuard {
public:
    explicit RestoringGuard(AlbumTree& tree) : tree_(tree) { tree_.setRestoring(true); }
    ~RestoringGuard() { tree_.setRestoring(false); }
    RestoringGuard(const RestoringGuard&) = delete;
    RestoringGuard& operator=(const RestoringGuard&) = delete;

private:
    AlbumTree& tree_;
};

}  // namespace

struct AlbumUndoStack::Impl {
    Impl(Album& a, int l) : album(a), limit(l < 0 ? 0 : l) {}

    void changed() const {
        if (listener)
            listener();
    }

    // Puts the album back into state, as it was when captured, and sets the
    // modified flag for the (already updated) position.
    bool restore(const AlbumState& state) {
        const QByteArray bytes = qUncompress(state.compressed);
        if (bytes.isEmpty())
            return false;
        {
            RestoringGuard guard(album.tree);
            if (!parseAlbum(album, bytes))
                return false;
        }
        AlbumTree& tree = album.tree;
        tree.setCounters(state.counters);
        tree.setModified(position != savedPosition);
        // The album differs from what was generated last, whichever way it
        // moved.
        tree.setAlbumChanged(true);
        tree.setCdAlbumChanged(true);
        return true;
    }

    void dropRedoSteps() {
        const auto size = static_cast<int>(steps.size());
        if (position >= size)
            return;
        steps.erase(steps.begin() + position, steps.end());
        if (savedPosition > position)
            savedPosition = -1;
    }

    void enforceLimit() {
        while (static_cast<int>(steps.size()) > limit) {
            steps.pop_front();
            position -= 1;
            // Position 0 was the state before the dropped step.
            savedPosition = savedPosition > 0 ? savedPosition - 1 : -1;
        }
    }

    Album& album;
    const int limit;
    std::deque<Step> steps;
    int position = 0;
    int savedPosition = 0;
    bool performing = false;
    std::function<void()> listener;
};

AlbumUndoStack::AlbumUndoStack(Album& album, int limit)
    : impl_(std::make_unique<Impl>(album, limit)) {}

AlbumUndoStack::~AlbumUndoStack() = default;

bool AlbumUndoStack::perform(const QString& name, const std::function<bool()>& edit) {
    Impl& d = *impl_;
    // An edit that performs another edit makes one step, the outer one.
    if (d.performing)
        return edit();
    AlbumState before = captureState(d.album);
    d.performing = true;
    bool editChanged = false;
    try {
        editChanged = edit();
    } catch (...) {
        d.performing = false;
        throw;
    }
    d.performing = false;
    if (!editChanged)
        return false;
    AlbumState after = captureState(d.album);
    if (after == before)
        return true;  // reported as a change, yet nothing to take back

    d.dropRedoSteps();
    if (d.position > 0 && d.steps[d.position - 1].after == before)
        before = d.steps[d.position - 1].after;  // share the bytes
    d.steps.push_back(Step{name, std::move(before), std::move(after)});
    d.position += 1;
    d.enforceLimit();
    // The edit itself may not have gone through the tree (a property record).
    d.album.tree.setModified(true);
    d.changed();
    return true;
}

bool AlbumUndoStack::canUndo() const {
    return impl_->position > 0;
}

bool AlbumUndoStack::canRedo() const {
    return impl_->position < static_cast<int>(impl_->steps.size());
}

QString AlbumUndoStack::undoName() const {
    return canUndo() ? impl_->steps[impl_->position - 1].name : QString();
}

QString AlbumUndoStack::redoName() const {
    return canRedo() ? impl_->steps[impl_->position].name : QString();
}

bool AlbumUndoStack::undo() {
    Impl& d = *impl_;
    if (!canUndo() || d.performing)
        return false;
    d.position -= 1;
    if (!d.restore(d.steps[d.position].before)) {
        d.position += 1;
        return false;
    }
    d.changed();
    return true;
}

bool AlbumUndoStack::redo() {
    Impl& d = *impl_;
    if (!canRedo() || d.performing)
        return false;
    d.position += 1;
    if (!d.restore(d.steps[d.position - 1].after)) {
        d.position -= 1;
        return false;
    }
    d.changed();
    return true;
}

void AlbumUndoStack::markSaved() {
    impl_->savedPosition = impl_->position;
    impl_->changed();
}

void AlbumUndoStack::clear() {
    impl_->steps.clear();
    impl_->position = 0;
    impl_->savedPosition = 0;
    impl_->changed();
}

void AlbumUndoStack::setListener(std::function<void()> changed) {
    impl_->listener = std::move(changed);
}

}  // namespace pictavo
