#include "shell/explorer/ExplorerLocation.h"

#include <QDir>
#include <QFileInfo>

namespace pictavo {

namespace {

QString cleanAbsolute(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir(path).absolutePath());
}

}  // namespace

ExplorerLocation::ExplorerLocation(QString folder, QObject* parent)
    : QObject(parent), folder_(cleanAbsolute(folder)) {}

void ExplorerLocation::setFolder(const QString& path) {
    const QString folder = cleanAbsolute(path);
    if (folder == folder_)
        return;
    folder_ = folder;
    emit folderChanged(folder_);
}

bool isSameFolder(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty())
        return canonicalA == canonicalB;
    return cleanAbsolute(a) == cleanAbsolute(b);
}

}  // namespace pictavo
