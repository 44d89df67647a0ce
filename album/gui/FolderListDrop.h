#pragma once
// Drops onto a folder row of the album folder list. Album items (a folder
// dragged from the album tree, or rows dragged out of the folder list) move
// into the folder, or are copied with Ctrl; files and folders dragged from
// the disk are imported into it, or an album file among them opened
// (DiskDrop.h). Each drop is one undoable step; a refused drop beeps and
// changes nothing; problems of an import are told in one message.
//
// Threading: GUI thread only.

class QMimeData;

namespace pictavo {

class AppContext;
class CSiteFolder;

// True when data carries something a folder row takes.
bool canDropOnFolder(const QMimeData& data);

// Drops data onto target; copy is the Ctrl drop. Returns true when the drop
// was taken: the album changed, or an album file is being opened.
bool dropOntoFolder(AppContext& context, const QMimeData& data, CSiteFolder* target, bool copy);

}  // namespace pictavo
