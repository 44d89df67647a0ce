#include "imaging/viewer/ViewerPaths.h"

#include "imaging/ImageType.h"

#include <QDir>
#include <QFileInfo>

namespace pictavo {

namespace {

QStringList imagesInFolder(const QString& folder) {
    QStringList images;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (imageTypeFromPath(entry.fileName()) != -1)
            images.append(entry.filePath());
    }
    return images;
}

}  // namespace

QStringList collectViewerPaths(const QStringList& arguments) {
    QStringList paths;
    for (const QString& argument : arguments) {
        if (QFileInfo(argument).isDir())
            paths.append(imagesInFolder(argument));
        else
            paths.append(argument);
    }
    return paths;
}

}  // namespace pictavo
