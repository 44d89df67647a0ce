#include "generator/export/SiteExport.h"

#include "core/DataFolder.h"
#include "core/PathUtil.h"
#include "generator/export/ExportOutputs.h"
#include "generator/export/ImageWork.h"
#include "generator/export/IncrementalExport.h"
#include "generator/export/SiteFiles.h"
#include "generator/pages/FolderPages.h"
#include "generator/pages/SiteGenerator.h"

#include <QDir>

#include <algorithm>

namespace pictavo {

namespace {

SiteOutputSettings outputSettings(const Album& album, const EnvironmentSettings& settings,
                                  const QString& folder) {
    SiteOutputSettings s;
    s.outputFolder = folder;
    s.switches.copyFiles = album.website.general.cpyfileauto != 0;
    s.switches.convertImages = album.website.general.cntimg != 0;
    s.displayBox = settings.exportLimit();
    s.charset = album.website.language.save;
    return s;
}

}  // namespace

QString SiteExporter::entryPage() const {
    return path::join(outputFolder_, QStringLiteral("index.htm"));
}

bool SiteExporter::exportSite(const CSiteFolder* selected, bool wholeAlbum,
                              const ExportCallbacks& callbacks) {
    report_.clear();
    cancelled_ = false;
    const std::optional<QString> chosen = chooseOutputFolder(album_, callbacks);
    if (!chosen)
        return false;
    return exportSiteTo(*chosen, selected, wholeAlbum, callbacks);
}

bool SiteExporter::exportSiteTo(const QString& folder, const CSiteFolder* selected, bool wholeAlbum,
                                const ExportCallbacks& callbacks) {
    report_.clear();
    cancelled_ = false;
    outputFolder_ = folder;
    createFilesTree(folder, report_);

    const CSiteFolder* start = wholeAlbum ? album_.tree.root() : selected;
    if (!start)
        return false;
    IncrementalExport incremental(folder, !fullExport_);
    if (!generate(start, callbacks, incremental))
        return false;
    const bool wholeSite = start == album_.tree.root();
    if (wholeSite)
        incremental.removeStaleOutputs(report_);

    const QString data = dataFolder();
    CopyNavigationButtons(data, folder, report_);
    writeAutorunFiles(data, folder, report_);
    // A write error every further file would meet: the run did not finish,
    // even when (re-exporting) the static files were the first it wrote.
    if (report_.stopped())
        return false;
    incremental.finish(wholeSite, report_);
    if (wholeAlbum)
        album_.tree.setAlbumChanged(false);
    return true;
}

ImageWorkOptions SiteExporter::workOptions(const SiteOutputSettings& settings,
                                           const ExportCallbacks& callbacks) const {
    ImageWorkOptions work;
    work.job.thumbnailFolder = path::join(outputFolder_, QStringLiteral("files/thumbnail"));
    work.job.thumbnailBox =
        QSize(std::max(1, settings_.ThumbnailMaxSizeX), std::max(1, settings_.ThumbnailMaxSizeY));
    work.job.displayBox = settings.displayBox;
    work.job.cancel = callbacks.cancel;
    work.threads = callbacks.threads;
    work.progress = callbacks.progress;
    work.jobStarted = callbacks.fileStarted;
    return work;
}

bool SiteExporter::generate(const CSiteFolder* start, const ExportCallbacks& callbacks,
                            IncrementalExport& incremental) {
    const SiteOutputSettings settings = outputSettings(album_, settings_, outputFolder_);

    // Pass 1: plan every file, thumbnail and size in page order.
    ImageWorkPlan plan;
    {
        PlanningOutput planning(settings, plan);
        HtmlPageWriter writer(album_, planning, outputFolder_);
        generateSite(writer, start);
    }

    // The image work the last export did not leave finished, on all cores.
    const ImageWorkOptions work = workOptions(settings, callbacks);
    const std::vector<SourceJob> jobs = incremental.takeOver(plan.jobs(), work.job, report_);
    ImageWorkResults results = runImageWork(jobs, plan.thumbnailCount(), work, report_);
    if (results.cancelled || results.stopped) {
        cancelled_ = results.cancelled;
        return false;
    }
    incremental.completeWork(results, work.job);

    // Pass 2: the same calls, answered from the work; pages are written.
    WritingOutput writing(settings, results, report_);
    HtmlPageWriter writer(album_, writing, outputFolder_);
    generateSite(writer, start);
    incremental.recordPages(writing.pages());
    return !report_.stopped();
}

QString SiteExporter::firstPageOf(const CSiteFolder* folder) const {
    return path::join(outputFolder_, folderPageName(*folder, 0, folder == album_.tree.root()));
}

}  // namespace pictavo
