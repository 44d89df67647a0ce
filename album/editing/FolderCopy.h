#pragma once
// Copying a folder with its subtree inside the album, as paste and drag and
// drop do it: every copied folder takes all fields and a deep copy of the
// pages of its source (page ids kept) and a new id; each copy is inserted
// among its new siblings at the position that keeps them sorted by caption
// (see sortedChildIndex), so the children of a copy come out in caption
// order whatever their order in the source.
//
// Free functions over an AlbumTree; every insertion goes through the tree,
// so observers hear of each copied folder and the album is marked modified.

#include "album/AlbumTree.h"

namespace pictavo {

// Index at which a child captioned caption goes among parent's children:
// before the first child whose caption compares greater, ignoring letter
// case; after every child otherwise (equal captions keep insertion order).
int sortedChildIndex(const CSiteFolder& parent, const QString& caption);

// True when source may be copied under parent: parent is neither source nor
// inside source's subtree.
bool canCopyUnder(const CSiteFolder* source, const CSiteFolder* parent);

// Copies source and its subtree under parent. Returns the copy of source, or
// null when the copy is refused (see canCopyUnder) or an argument is null.
CSiteFolder* copySubtree(AlbumTree& tree, const CSiteFolder* source, CSiteFolder* parent);

}  // namespace pictavo
