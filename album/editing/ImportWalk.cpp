#include "album/editing/ImportWalk.h"

#include "core/FileKind.h"
#include "core/PathUtil.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace pictavo {

namespace {

// One walk, over the paths given and down their folders. Keeps the
// canonical paths of the disk folders being walked on the way down, so that
// a subfolder leading back to one of them is recognised.
class PlanWalker {
public:
    PlanWalker(const EnvironmentSettings& settings, ImportWalkListener* listener)
        : settings_(settings), listener_(listener ? *listener : quiet_) {}

    void announce(int count) { listener_.entriesFound(count); }
    // Tells the listener the walk reaches path; false once it asked to stop.
    bool reach(const QString& path) {
        stopped_ = stopped_ || listener_.stopRequested();
        if (!stopped_)
            listener_.entryReached(path);
        return !stopped_;
    }
    ImportPlan take() { return std::move(plan_); }

    void addFile(const QString& path) {
        const QFileInfo file(path);
        if (!file.exists() || file.isDir())
            problem(path, "no such file");
        else
            addPage(file, 0);
    }
    void addContents(const QString& path) {
        const QFileInfo folder(path);
        if (!folder.isDir())
            problem(path, "no such folder");
        else
            walkContents(folder, 0);
    }
    void addNewFolder(const QString& path) {
        const QString caption = path::fileName(path);
        const QFileInfo folder(path);
        if (caption.isEmpty())
            return;
        if (!folder.isDir()) {
            problem(path, "no such folder");
            return;
        }
        addFolder(caption, folder, 0);
    }
    void addPath(const QString& path) {
        if (QFileInfo(path).isDir())
            addContents(path);
        else
            addFile(path);
    }
    void addDropped(const QString& path) {
        if (QFileInfo(path).isDir())
            addNewFolder(path);
        else
            addFile(path);
    }

private:
    void problem(const QString& path, const char* reason) {
        plan_.problems << path + QStringLiteral(": ") + QLatin1String(reason);
    }

    void walkContents(const QFileInfo& diskFolder, int depth) {
        const QDir dir(diskFolder.absoluteFilePath());
        if (!dir.isReadable()) {
            problem(diskFolder.absoluteFilePath(), "cannot read the folder");
            return;
        }
        ancestors_.push_back(diskFolder.canonicalFilePath());
        const QFileInfoList entries = dir.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        announce(static_cast<int>(entries.size()));
        for (const QFileInfo& entry : entries) {
            if (!reach(entry.absoluteFilePath()))
                break;
            if (entry.isDir())
                addSubfolder(entry, depth);
            else
                addPage(entry, depth);
        }
        ancestors_.pop_back();
    }

    void addSubfolder(const QFileInfo& entry, int depth) {
        if (isAncestor(entry.canonicalFilePath())) {
            problem(entry.absoluteFilePath(), "leads back to a folder being imported; left out");
            return;
        }
        addFolder(entry.fileName(), entry, depth);
    }

    void addFolder(const QString& caption, const QFileInfo& diskFolder, int depth) {
        plan_.items.push_back(
            {ImportItem::Type::Folder, depth, caption, diskFolder.absoluteFilePath()});
        walkContents(diskFolder, depth + 1);
    }

    void addPage(const QFileInfo& file, int depth) {
        ImportItem page{ImportItem::Type::TextPage, depth, file.fileName(),
                        file.absoluteFilePath()};
        if (ClassifyFileKind(page.path) == FileKind::Image) {
            page.type = ImportItem::Type::ImagePage;
            if (settings_.UseFilenameAsDefCaption == 0)
                page.caption.clear();
        }
        plan_.items.push_back(std::move(page));
    }

    bool isAncestor(const QString& canonicalPath) const {
        return std::find(ancestors_.begin(), ancestors_.end(), canonicalPath) != ancestors_.end();
    }

    ImportWalkListener quiet_;
    const EnvironmentSettings& settings_;
    ImportWalkListener& listener_;
    std::vector<QString> ancestors_;
    bool stopped_ = false;
    ImportPlan plan_;
};

using AddPath = void (PlanWalker::*)(const QString&);

ImportPlan planEach(const QStringList& paths, const EnvironmentSettings& settings,
                    ImportWalkListener* listener, AddPath add) {
    PlanWalker walker(settings, listener);
    QStringList given = paths;
    given.removeAll(QString());
    walker.announce(static_cast<int>(given.size()));
    for (const QString& path : given) {
        if (!walker.reach(path))
            break;
        (walker.*add)(path);
    }
    return walker.take();
}

}  // namespace

ImportPlan planFiles(const QStringList& paths, const EnvironmentSettings& settings,
                     ImportWalkListener* listener) {
    return planEach(paths, settings, listener, &PlanWalker::addFile);
}

ImportPlan planFolderContents(const QString& diskFolder, const EnvironmentSettings& settings,
                              ImportWalkListener* listener) {
    return planEach({diskFolder}, settings, listener, &PlanWalker::addContents);
}

ImportPlan planPath(const QString& path, const EnvironmentSettings& settings,
                    ImportWalkListener* listener) {
    return planEach({path}, settings, listener, &PlanWalker::addPath);
}

ImportPlan planAsNewFolder(const QString& diskFolder, const EnvironmentSettings& settings,
                           ImportWalkListener* listener) {
    return planEach({diskFolder}, settings, listener, &PlanWalker::addNewFolder);
}

ImportPlan planDroppedPaths(const QStringList& paths, const EnvironmentSettings& settings,
                            ImportWalkListener* listener) {
    return planEach(paths, settings, listener, &PlanWalker::addDropped);
}

}  // namespace pictavo
