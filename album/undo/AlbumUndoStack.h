#pragma once
// AlbumUndoStack: undo and redo of album edits. Each step is one edit
// performed through perform(); the stack keeps the album as it was before
// and after the edit, so undo and redo restore it exactly: the tree with its
// ids, order and texts, the website and layout properties and the album's
// counters. Reaching the saved state again by undo or redo clears the
// modified flag; leaving it sets the flag.
//
// Ownership: borrows the Album, which must outlive it. Threading: GUI
// thread only, like every edit of the album.

#include "album/Album.h"

#include <QString>

#include <functional>
#include <memory>

namespace pictavo {

class AlbumUndoStack {
public:
    explicit AlbumUndoStack(Album& album, int limit = 100);
    ~AlbumUndoStack();
    AlbumUndoStack(const AlbumUndoStack&) = delete;
    AlbumUndoStack& operator=(const AlbumUndoStack&) = delete;

    // Runs edit as one step named name. edit returns whether it changed
    // the album; a step that changed nothing is not recorded. Returns what
    // edit returned.
    bool perform(const QString& name, const std::function<bool()>& edit);

    bool canUndo() const;
    bool canRedo() const;
    // The name of the step Undo or Redo would take back; empty when none.
    QString undoName() const;
    QString redoName() const;
    bool undo();
    bool redo();

    // After a save: the album as it is now is the saved state.
    void markSaved();
    // After New or Open: no steps; the album as it is now is the saved state.
    void clear();

    // Called after every change of the stack (perform, undo, redo, clear).
    void setListener(std::function<void()> changed);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pictavo
