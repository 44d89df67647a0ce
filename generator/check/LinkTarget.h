#pragma once
// What a link reference of a page points to, as a browser reading the page
// from disk resolves it. A pure function of the reference text:
// - empty, "#anchor" or "?query" alone: the page itself;
// - a reference with a scheme ("https:", "mailto:", "javascript:") is a web
//   link, except "file:", which names a file on this machine;
// - anything else is a path: the fragment and the query are dropped, "\"
//   is read as "/" and %XX sequences are decoded (as UTF-8). A path starting
//   with "/" is absolute on this machine, every other path is relative to
//   the page's folder.

#include <QString>

namespace pictavo {

enum class LinkKind {
    SamePage,
    Web,
    File,
};

struct LinkTarget {
    LinkKind kind = LinkKind::SamePage;
    QString path;  // for File: the decoded path, "/" separators
};

LinkTarget resolveLinkTarget(const QString& reference);

}  // namespace pictavo
