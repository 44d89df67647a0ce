#include "album/editing/AlbumImport.h"

#include "core/FileKind.h"
#include "core/PathUtil.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace pictavo {

namespace {

QString problem(const QString& path, const char* reason) {
    return path + QStringLiteral(": ") + QLatin1String(reason);
}

std::unique_ptr<CSitePage> pageForFile(const QFileInfo& file, const EnvironmentSettings& settings) {
    auto page = std::make_unique<CSitePage>();
    page->url = file.absoluteFilePath();
    if (settings.UseFilenameAsDefCaption != 0)
        page->caption = file.fileName();
    if (ClassifyFileKind(page->url) == FileKind::Image) {
        page->lnkstyle = kImageLink;
    } else {
        page->caption = file.fileName();
        page->lnkstyle = kTextLink;
    }
    return page;
}

// One recursive import of a disk folder's contents. Keeps the canonical
// paths of the disk folders being imported on the way down, so that a
// subfolder leading back to one of them is recognised.
class FolderImporter {
public:
    FolderImporter(AlbumTree& tree, const EnvironmentSettings& settings)
        : tree_(tree), settings_(settings) {}

    ImportResult run(CSiteFolder* target, const QFileInfo& diskFolder) {
        importContents(target, diskFolder);
        return result_;
    }

private:
    void importContents(CSiteFolder* target, const QFileInfo& diskFolder) {
        const QDir dir(diskFolder.absoluteFilePath());
        if (!dir.isReadable()) {
            result_.problems << problem(diskFolder.absoluteFilePath(), "cannot read the folder");
            return;
        }
        ancestors_.push_back(diskFolder.canonicalFilePath());
        const QFileInfoList entries = dir.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries) {
            if (entry.isDir())
                importSubfolder(target, entry);
            else
                addPage(target, entry);
        }
        ancestors_.pop_back();
    }

    void importSubfolder(CSiteFolder* target, const QFileInfo& entry) {
        if (isAncestor(entry.canonicalFilePath())) {
            result_.problems << problem(entry.absoluteFilePath(),
                                        "leads back to a folder being imported; left out");
            return;
        }
        CSiteFolder* folder = tree_.insertFolder(target, entry.fileName());
        result_.foldersAdded += 1;
        importContents(folder, entry);
    }

    void addPage(CSiteFolder* target, const QFileInfo& entry) {
        tree_.appendPage(target, pageForFile(entry, settings_));
        result_.pagesAdded += 1;
    }

    bool isAncestor(const QString& canonicalPath) const {
        return std::find(ancestors_.begin(), ancestors_.end(), canonicalPath) != ancestors_.end();
    }

    AlbumTree& tree_;
    const EnvironmentSettings& settings_;
    std::vector<QString> ancestors_;
    ImportResult result_;
};

}  // namespace

ImportResult& ImportResult::operator+=(const ImportResult& other) {
    pagesAdded += other.pagesAdded;
    foldersAdded += other.foldersAdded;
    problems += other.problems;
    return *this;
}

ImportResult importFile(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings) {
    ImportResult result;
    const QFileInfo file(path);
    if (!target)
        return result;
    if (!file.exists() || file.isDir()) {
        result.problems << problem(path, "no such file");
        return result;
    }
    album.tree.appendPage(target, pageForFile(file, settings));
    result.pagesAdded = 1;
    return result;
}

ImportResult importFiles(Album& album, CSiteFolder* target, const QStringList& paths,
                         const EnvironmentSettings& settings) {
    ImportResult result;
    for (const QString& path : paths) {
        if (!path.isEmpty())
            result += importFile(album, target, path, settings);
    }
    return result;
}

ImportResult importFolderContents(Album& album, CSiteFolder* target, const QString& diskFolder,
                                  const EnvironmentSettings& settings) {
    const QFileInfo folder(diskFolder);
    if (!target)
        return {};
    if (!folder.isDir()) {
        ImportResult result;
        result.problems << problem(diskFolder, "no such folder");
        return result;
    }
    return FolderImporter(album.tree, settings).run(target, folder);
}

ImportResult importPath(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings) {
    if (QFileInfo(path).isDir())
        return importFolderContents(album, target, path, settings);
    return importFile(album, target, path, settings);
}

ImportResult importAsNewFolder(Album& album, CSiteFolder* target, const QString& diskFolder,
                               const EnvironmentSettings& settings) {
    const QString caption = path::fileName(diskFolder);
    if (!target || caption.isEmpty())
        return {};
    if (!QFileInfo(diskFolder).isDir()) {
        ImportResult result;
        result.problems << problem(diskFolder, "no such folder");
        return result;
    }
    CSiteFolder* folder = album.tree.insertFolder(target, caption);
    ImportResult result = importFolderContents(album, folder, diskFolder, settings);
    result.foldersAdded += 1;
    result.createdFolder = folder;
    return result;
}

}  // namespace pictavo
