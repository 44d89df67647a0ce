#pragma once
// Sorting the pages of a folder by a column of the folder list: by caption
// (column 0) or by url (column 1), ignoring letter case. The sort is stable
// (pages that compare equal keep their order, whichever the direction) and
// touches only the pages; subfolders stay where they are, above them. The
// stored page order is rewritten and the ids renumbered through AlbumTree, so
// observers follow and the album is marked modified when an order changed.
//
// Threading: GUI thread, like every edit of the album.

#include <Qt>

namespace pictavo {

class AlbumTree;
class CSiteFolder;

// Returns true when the page order changed.
bool sortPagesByColumn(AlbumTree& tree, CSiteFolder* folder, int column, Qt::SortOrder order);

}  // namespace pictavo
