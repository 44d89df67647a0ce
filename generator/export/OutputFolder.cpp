#include "generator/export/OutputFolder.h"

#include "core/DataFolder.h"
#include "core/PathUtil.h"

#include <QDir>
#include <QFileInfo>

namespace pictavo {

namespace {

QString absoluteFolder(const QString& folder) {
    QString clean = QDir::cleanPath(QFileInfo(path::toNative(folder)).absoluteFilePath());
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    return clean;
}

bool folderHasEntries(const QString& folder) {
    return !QDir(folder)
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                .isEmpty();
}

bool prepareFolder(const QString& folder, const ExportCallbacks& callbacks) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        // One level only: a missing parent is an error, as a typo would be.
        if (QDir().mkdir(folder))
            return true;
    } else if (info.isDir()) {
        if (!folderHasEntries(folder))
            return true;
        return callbacks.confirmOverwrite && callbacks.confirmOverwrite(nonEmptyFolderQuestion());
    }
    if (callbacks.showError)
        callbacks.showError(cannotCreateFolderMessage(folder));
    return false;
}

}  // namespace

QString nonEmptyFolderQuestion() {
    return QStringLiteral(
        "This folder contains files or subfolders, they may be overwrited during the output "
        "process. Do you really want to export files to  this folder?");
}

QString cannotCreateFolderMessage(const QString& folder) {
    return QStringLiteral("Cannot create directory: %1").arg(folder);
}

QString proposedOutputFolder(const Album& album) {
    const QString location = album.website.general.location;
    if (!location.isEmpty())
        return location;
    return QDir::cleanPath(dataFolder() + QStringLiteral("/../Export"));
}

std::optional<QString> chooseOutputFolder(Album& album, const ExportCallbacks& callbacks) {
    const QString proposed = proposedOutputFolder(album);
    const std::optional<QString> chosen =
        callbacks.chooseFolder ? callbacks.chooseFolder(proposed) : std::optional(proposed);
    if (!chosen || chosen->trimmed().isEmpty())
        return std::nullopt;
    album.website.general.location = *chosen;
    const QString folder = absoluteFolder(*chosen);
    if (!prepareFolder(folder, callbacks))
        return std::nullopt;
    return folder;
}

}  // namespace pictavo
