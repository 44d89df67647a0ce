#pragma once
// What the album explorer does with a drop on one of its folders:
// - a folder dragged inside the tree (album items of this process) moves
//   there, or is copied with Ctrl as the only modifier held, by the tree's
//   drop rule (AlbumEditor::treeDropAction): no target, the folder itself,
//   one of its descendants or its own parent refuse the drop;
// - disk files and folders (file URLs, as file managers drag them) are
//   imported, or an album file among them opened (DiskDrop.h); the
//   originals are only read, so the drop is reported as a copy.
// Anything else, album items of another process among them, is refused.
// Every change is one undoable step.
//
// Threading: GUI thread only, like every edit of the album.

#include <Qt>

class QMimeData;

namespace pictavo {

class AppContext;
class CSiteFolder;

// The action a drag of mime offers over a folder (the cursor it shows);
// Qt::IgnoreAction when the tree takes nothing from it.
Qt::DropAction folderDropAction(const QMimeData& mime, Qt::KeyboardModifiers modifiers);

// Drops mime on target (null: no folder under the cursor). Returns the
// action done; Qt::IgnoreAction when the drop was refused and nothing
// changed.
Qt::DropAction dropOnFolder(AppContext& context, const QMimeData& mime, CSiteFolder* target,
                            Qt::KeyboardModifiers modifiers);

}  // namespace pictavo
