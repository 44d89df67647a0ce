#include "generator/cd/CdAlbumPreview.h"

#include "generator/cd/CdAlbumExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pictavo {

QString viewerProgram() {
    const QString name = QStringLiteral("pictavo-viewer");
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {QDir(appDir).filePath(name),
          QDir(appDir).filePath(QStringLiteral("../imaging/gui/") + name)}) {
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? name : onPath;
}

Result<QString> PreviewCdAlbum(Album& album, const QString& lastOutputFolder,
                               const CdExportStep& exportAlbum, const ProgramStarter& start) {
    QString outputFolder = lastOutputFolder;
    if (album.tree.cdAlbumChanged() || outputFolder.isEmpty()) {
        Result<QString> exported = exportAlbum();
        if (!exported)
            return exported.error();
        outputFolder = exported.value();
    }
    auto startViewer = [&] {
        return start(viewerProgram(),
                     {QStringLiteral("--slideshow"), cdAlbumImageFolder(outputFolder)});
    };
    if (startViewer())
        return outputFolder;

    // One more export and one more try, as when the pictures are missing.
    Result<QString> exported = exportAlbum();
    if (!exported)
        return exported.error();
    outputFolder = exported.value();
    if (!startViewer())
        return Error(QStringLiteral("cannot start %1").arg(viewerProgram()));
    return outputFolder;
}

}  // namespace pictavo
