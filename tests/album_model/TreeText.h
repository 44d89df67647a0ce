#pragma once
// Test helpers that turn album structures into text, so that expectations
// read as the tree they describe and failures print readably.

#include "album/AlbumTree.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Readable gtest output for Qt strings (found by argument-dependent lookup
// in the global namespace, where QString lives).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace pictavo::test {

inline QStringList childCaptions(const CSiteFolder* folder) {
    QStringList captions;
    for (const auto& child : folder->children())
        captions << child->caption;
    return captions;
}

inline QStringList pageCaptions(const CSiteFolder* folder) {
    QStringList captions;
    for (const auto& page : folder->pages())
        captions << page->caption;
    return captions;
}

inline std::vector<int> pageIds(const CSiteFolder* folder) {
    std::vector<int> ids;
    for (const auto& page : folder->pages())
        ids.push_back(page->id);
    return ids;
}

// Pre-order outline: one "<depth>:<caption>" entry per folder.
inline QStringList outline(const AlbumTree& tree) {
    QStringList lines;
    tree.walk([&](CSiteFolder* folder, int depth) {
        lines << QString::number(depth) + QLatin1Char(':') + folder->caption;
    });
    return lines;
}

inline std::unique_ptr<CSitePage> makePage(const QString& caption) {
    auto page = std::make_unique<CSitePage>();
    page->caption = caption;
    return page;
}

}  // namespace pictavo::test
