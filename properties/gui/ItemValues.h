#pragma once
// The fields the property area edits, read from a folder or page into one
// plain record, and written back as one undoable step. Pages have no rows
// and columns; their record carries -1 there and writing ignores them.
//
// Threading: GUI thread (album edits).

#include "album/SiteNodes.h"

#include <QString>

#include <functional>

namespace pictavo {

class AppContext;

struct ItemValues {
    QString caption;
    QString desc;
    QString url;
    QString lnkimg;
    int posstyle = 0;
    int lnkstyle = 0;
    int rows = -1;
    int cols = -1;

    bool operator==(const ItemValues&) const = default;
};

// The values of a folder or page node; defaults for kind None.
ItemValues itemValues(const SiteNodeRef& node);

// Applies change to the values of node and stores the result as one step
// named by the text nameId (AppContext::edit). Nothing is stored and no
// step recorded when change leaves the values as they were. Returns
// whether the album changed.
bool changeItem(AppContext& context, const SiteNodeRef& node, int nameId,
                const std::function<void(ItemValues&)>& change);

}  // namespace pictavo
