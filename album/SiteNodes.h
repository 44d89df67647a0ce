#pragma once
// The nodes of the album tree: folders (CSiteFolder) and the pages they hold
// (CSitePage). Fields are named by their album-file keys.
//
// Ownership: the AlbumTree owns the root folder; every folder owns its child
// folders and its pages. Fields may be read freely; change them through
// AlbumTree::editFolder / editPage so that observers hear of it, and change
// the structure only through AlbumTree.

#include <QString>

#include <memory>
#include <vector>

namespace pictavo {

// How a link places its image and its text.
enum PosStyle : int {
    kLeftImageRightText = 0,
    kRightImageLeftText = 1,
    kTopImageBottomText = 2,
    kBottomImageTopText = 3,
};

// Which part of a link is linked.
enum LnkStyle : int {
    kTextLink = 0,
    kImageLink = 1,
    kBothLink = 2,
};

class CSitePage {
public:
    int id = -1;        // 0-based position in its folder's list
    QString caption;
    QString lnkimg;
    int posstyle = kTopImageBottomText;
    int lnkstyle = kBothLink;
    QString url;        // full path of a file on disk, or a link target
    QString desc;

    bool operator==(const CSitePage&) const = default;
};

class CSiteFolder {
public:
    CSiteFolder() = default;
    CSiteFolder(const CSiteFolder&) = delete;
    CSiteFolder& operator=(const CSiteFolder&) = delete;

    int col = 0;        // depth, recomputed on save
    int id = -1;        // album-wide unique number
    QString caption;
    QString desc;
    QString url;
    int rows = -1;      // -1: not set on this folder
    int cols = -1;
    QString lnkimg;
    int posstyle = kTopImageBottomText;
    int lnkstyle = kTextLink;
    int pagecount = 0;  // equals pages().size() after every edit

    CSiteFolder* parent() const { return parent_; }
    const std::vector<std::unique_ptr<CSiteFolder>>& children() const { return children_; }
    const std::vector<std::unique_ptr<CSitePage>>& pages() const { return pages_; }
    CSiteFolder* child(int index) const { return children_.at(index).get(); }
    CSitePage* page(int index) const { return pages_.at(index).get(); }
    int childCount() const { return static_cast<int>(children_.size()); }
    int pageListSize() const { return static_cast<int>(pages_.size()); }

    // Position among the parent's children; 0 for the root.
    int indexInParent() const;
    // Position of page in this folder's list, or -1.
    int indexOfPage(const CSitePage* page) const;
    // True when this folder is other or lies inside other's subtree.
    bool isSameOrInside(const CSiteFolder* other) const;

    // A detached copy of every field and a deep copy of every page (ids
    // kept); no children, id -1, pagecount = number of pages.
    std::unique_ptr<CSiteFolder> cloneWithoutChildren() const;

    // Assembly of a detached subtree (a file reader builds one before it
    // hands it to AlbumTree::replaceRoot). Appends as given: ids and
    // pagecount are left alone and nobody is notified, so never call these
    // on a folder that is part of a live tree.
    CSiteFolder* appendDetachedChild(std::unique_ptr<CSiteFolder> child);
    CSitePage* appendDetachedPage(std::unique_ptr<CSitePage> page);

private:
    friend class AlbumTree;
    CSiteFolder* parent_ = nullptr;
    std::vector<std::unique_ptr<CSiteFolder>> children_;
    std::vector<std::unique_ptr<CSitePage>> pages_;
};

enum class SiteNodeKind : int { None = 0, Folder = 1, Page = 2 };

// What a tree item or a folder-list row stands for.
struct SiteNodeRef {
    SiteNodeKind kind = SiteNodeKind::None;
    CSiteFolder* folder = nullptr;  // the folder (kind Folder) or the page's folder
    CSitePage* page = nullptr;      // kind Page only

    static SiteNodeRef forFolder(CSiteFolder* f) { return {SiteNodeKind::Folder, f, nullptr}; }
    static SiteNodeRef forPage(CSiteFolder* f, CSitePage* p) { return {SiteNodeKind::Page, f, p}; }
};

}  // namespace pictavo
