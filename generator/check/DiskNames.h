#pragma once
// Answers "does this path exist?" the way a web server on a case-sensitive
// file system would, whatever file system the site lies on: each component
// of the path must be an entry of its folder spelt exactly so. Folder
// listings are read once and kept, so checking every link of a large site
// lists each folder once.
//
// Not thread-safe: one walker uses one instance.

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace pictavo {

class DiskNames {
public:
    // path is absolute and clean (no "." or ".." components).
    bool exists(const QString& path);

private:
    // The entry names of folder, or nothing when it cannot be listed.
    const std::optional<QSet<QString>>& entriesOf(const QString& folder);

    QHash<QString, std::optional<QSet<QString>>> listings_;
};

}  // namespace pictavo
