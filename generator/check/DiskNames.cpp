#include "generator/check/DiskNames.h"

#include <QDir>
#include <QFileInfo>

namespace pictavo {

bool DiskNames::exists(const QString& path) {
    QString folder = QStringLiteral("/");
    for (const QString& name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const std::optional<QSet<QString>>& entries = entriesOf(folder);
        // A folder that may be entered but not listed: the system decides.
        if (!entries)
            return QFileInfo::exists(path);
        if (!entries->contains(name))
            return false;
        folder = QDir(folder).filePath(name);
    }
    // Every name is spelt right; a dangling symbolic link is still missing.
    return QFileInfo::exists(path);
}

const std::optional<QSet<QString>>& DiskNames::entriesOf(const QString& folder) {
    auto found = listings_.find(folder);
    if (found != listings_.end())
        return *found;
    const QDir dir(folder);
    std::optional<QSet<QString>> entries;
    if (dir.isReadable()) {
        const QStringList names =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        entries = QSet<QString>(names.begin(), names.end());
    }
    return *listings_.insert(folder, std::move(entries));
}

}  // namespace pictavo
