#include "generator/cd/CdAlbumExport.h"

#include "core/AtomicFile.h"
#include "core/DataFolder.h"
#include "core/ParallelJobs.h"
#include "core/PathUtil.h"
#include "generator/cd/CdImageCopy.h"
#include "imaging/ImageType.h"

#include <QDir>

#include <atomic>
#include <mutex>

namespace pictavo {

namespace {

constexpr int kNumberWidth = 8;
const char kAutorunInf[] = "[autorun]\r\nopen=lumabox.exe\r\nicon=lumabox.exe,0\r\n";

void planFolder(const CSiteFolder* folder, const QString& imageFolder, int& counter,
                std::vector<CdAlbumEntry>& entries) {
    entries.push_back({CdAlbumEntry::TitleCard, folder->caption, folder->desc, QString(),
                       path::join(imageFolder, ZeroPaddedNumber(counter++, kNumberWidth) +
                                                   QStringLiteral(".jpg"))});
    for (const auto& page : folder->pages()) {
        if (imageTypeFromPath(page->url) == -1)
            continue;
        entries.push_back({CdAlbumEntry::Image, QString(), QString(), page->url,
                           path::join(imageFolder, ZeroPaddedNumber(counter++, kNumberWidth) +
                                                       QLatin1Char('.'))});
    }
    for (const auto& child : folder->children())
        planFolder(child.get(), imageFolder, counter, entries);
}

// Copies the viewer and its language files from the data folder; a missing
// file is reported, the export goes on.
void copyViewer(const QString& outputFolder, QStringList& failures) {
    const QString data = dataFolder();
    for (const char* name : {"lumabox.exe", "lang/lumabox.sch", "lang/lumabox.tch"}) {
        const QString relative = QString::fromLatin1(name);
        if (Status copied =
                copyFileAtomically(path::join(data, relative), path::join(outputFolder, relative));
            !copied)
            failures << copied.error().message();
    }
}

}  // namespace

QString cdAlbumImageFolder(const QString& outputFolder) {
    return path::join(outputFolder, QStringLiteral("image"));
}

std::vector<CdAlbumEntry> planCdAlbum(const Album& album, const QString& imageFolder) {
    std::vector<CdAlbumEntry> entries;
    int counter = 0;
    if (const CSiteFolder* root = album.tree.root())
        planFolder(root, imageFolder, counter, entries);
    return entries;
}

Result<CdExportReport> ExportCdAlbum(Album& album, const CdExportOptions& options) {
    if (!album.tree.root())
        return Error(QStringLiteral("the album has no folders"));
    const QString imageFolder = cdAlbumImageFolder(options.outputFolder);
    QDir().mkpath(path::join(options.outputFolder, QStringLiteral("lang")));
    QDir().mkpath(imageFolder);

    CdExportReport report;
    copyViewer(options.outputFolder, report.failures);
    const std::vector<CdAlbumEntry> entries = planCdAlbum(album, imageFolder);
    std::mutex lock;
    // A write error that every further file would meet (disk full,
    // read-only output) is reported once and ends the run.
    std::atomic<bool> stopped{false};
    auto finished = [&](const Status& status, int& counter) {
        const std::lock_guard guard(lock);
        if (status)
            ++counter;
        else if (!stopped.load()) {
            report.failures << status.error().message();
            stopped.store(status.error().affectsEveryFile());
        }
    };
    auto cancelled = [&] { return options.cancel && options.cancel->load(); };

    ParallelRunOptions run;
    run.progress = options.progress;
    run.stopRequested = [&] { return cancelled() || stopped.load(); };
    runParallel(
        entries.size(),
        [&](std::size_t i) {
            const CdAlbumEntry& entry = entries[i];
            if (entry.kind == CdAlbumEntry::TitleCard) {
                if (options.fileStarted)
                    options.fileStarted(entry.destination);
                finished(MakeTitleCard(entry.caption, entry.description, entry.destination,
                                       options.canvas),
                         report.titleCards);
                return;
            }
            if (options.fileStarted)
                options.fileStarted(entry.source);
            const Result<QString> copied =
                CopyCdImage(entry.source, entry.destination, options.exportMax, options.cancel);
            finished(copied ? Status::success() : Status(copied.error()), report.images);
        },
        run);
    report.cancelled = cancelled();
    report.stopped = stopped.load();
    if (report.cancelled || report.stopped)
        return report;

    if (Status written =
            writeFileAtomically(path::join(options.outputFolder, QStringLiteral("autorun.inf")),
                                QByteArray(kAutorunInf));
        !written)
        report.failures << written.error().message();
    album.tree.setCdAlbumChanged(false);
    return report;
}

}  // namespace pictavo
