#include "properties/gui/ItemValues.h"

#include "shell/gui/AppContext.h"

namespace pictavo {

namespace {

// Folders and pages share every field but rows and columns.
template <typename Node>
void readLinkFields(const Node& node, ItemValues& values) {
    values.caption = node.caption;
    values.desc = node.desc;
    values.url = node.url;
    values.lnkimg = node.lnkimg;
    values.posstyle = node.posstyle;
    values.lnkstyle = node.lnkstyle;
}

template <typename Node>
void writeLinkFields(const ItemValues& values, Node& node) {
    node.caption = values.caption;
    node.desc = values.desc;
    node.url = values.url;
    node.lnkimg = values.lnkimg;
    node.posstyle = values.posstyle;
    node.lnkstyle = values.lnkstyle;
}

}  // namespace

ItemValues itemValues(const SiteNodeRef& node) {
    ItemValues values;
    if (node.kind == SiteNodeKind::Folder && node.folder) {
        readLinkFields(*node.folder, values);
        values.rows = node.folder->rows;
        values.cols = node.folder->cols;
    } else if (node.kind == SiteNodeKind::Page && node.page) {
        readLinkFields(*node.page, values);
    }
    return values;
}

bool changeItem(AppContext& context, const SiteNodeRef& node, int nameId,
                const std::function<void(ItemValues&)>& change) {
    const ItemValues before = itemValues(node);
    ItemValues after = before;
    change(after);
    if (after == before)
        return false;
    AlbumTree& tree = context.album().tree;
    return context.edit(nameId, [&] {
        if (node.kind == SiteNodeKind::Folder && node.folder) {
            tree.editFolder(node.folder, [&](CSiteFolder& folder) {
                writeLinkFields(after, folder);
                folder.rows = after.rows;
                folder.cols = after.cols;
            });
            return true;
        }
        if (node.kind == SiteNodeKind::Page && node.folder) {
            const int index = node.folder->indexOfPage(node.page);
            if (index < 0)
                return false;
            tree.editPage(node.folder, index,
                          [&](CSitePage& page) { writeLinkFields(after, page); });
            return true;
        }
        return false;
    });
}

}  // namespace pictavo
