#pragma once
// Rebuilds the folder hierarchy of an album file from the depth (col) of
// each folder, in file order: a folder deeper than the one before it becomes
// that folder's child (one level only, however large the jump); one at the
// same depth becomes its sibling; one shallower goes up by the difference.
//
// The first folder is the root. A later folder that would climb above the
// root (a second depth-0 folder, which this program never writes) is kept
// as the root's last child, so walks starting at the root still reach it.
// Nesting is capped at kMaxFolderDepth levels; a folder that would go deeper
// becomes a sibling of the one before it, so hostile files cannot make the
// recursive walks overflow the stack.
//
// Owns the detached tree until takeRoot(); single-threaded.

#include "album/SiteNodes.h"

#include <memory>

namespace pictavo {

class FolderTreeBuilder {
public:
    static constexpr int kMaxFolderDepth = 1000;

    void add(std::unique_ptr<CSiteFolder> folder);
    bool isEmpty() const { return root_ == nullptr; }
    std::unique_ptr<CSiteFolder> takeRoot() { return std::move(root_); }

private:
    std::unique_ptr<CSiteFolder> root_;
    CSiteFolder* previous_ = nullptr;  // the folder added last
    int previousDepth_ = 0;            // its depth in the tree
};

}  // namespace pictavo
