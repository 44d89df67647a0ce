#include "generator/gui/ExportController.h"

#include "core/PathUtil.h"
#include "generator/export/OutputFolder.h"
#include "generator/gui/ExportFolderDialog.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/BackgroundWork.h"
#include "shell/gui/ProblemList.h"

#include <QFileInfo>
#include <QProcess>

namespace pictavo {

namespace {

QStringList linesOf(const std::vector<RunFailure>& failures) {
    QStringList lines;
    for (const RunFailure& failure : failures)
        lines << uiText(sid::ProblemLine).arg(failure.path, failure.message);
    return lines;
}

bool startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

}  // namespace

ExportController::ExportController(AppContext& context, QWidget* window, QObject* parent)
    : QObject(parent),
      context_(context),
      window_(window),
      exporter_(context.album(), context.environment()),
      startProgram_(startDetached) {}

std::optional<QString> ExportController::chooseFolder() {
    UserPrompts& prompts = context_.prompts();
    QString typed;
    ExportCallbacks ask;
    ask.chooseFolder = [&](const QString& proposed) {
        std::optional<QString> chosen = askExportFolder(proposed, prompts, window_);
        typed = chosen.value_or(QString());
        return chosen;
    };
    ask.confirmOverwrite = [&](const QString&) {
        return prompts.askYesNo(uiText(sid::ExportFolderNotEmpty));
    };
    ask.showError = [&](const QString&) {
        prompts.showError(uiText(sid::CannotCreateDirectory).arg(typed));
    };
    return chooseOutputFolder(context_.album(), ask);
}

ExportCallbacks ExportController::workerCallbacks(WorkProgress& progress) const {
    ExportCallbacks callbacks;
    // Photos are worked on two or more at a time: the count is of those
    // finished, the name that of the last one started.
    callbacks.progress = [&progress](int done, int total) {
        progress.setTotal(total);
        progress.setFinished(done);
    };
    callbacks.fileStarted = [&progress, hook = fileStartedHook_](const QString& file) {
        progress.setItem(path::fileName(file));
        if (hook)
            hook(file);
    };
    callbacks.cancel = progress.cancelFlag();
    return callbacks;
}

bool ExportController::exportSite(const CSiteFolder* folder, bool wholeAlbum) {
    const std::optional<QString> chosen = chooseFolder();
    if (!chosen)
        return false;
    BackgroundWork work(window_, uiText(sid::ExportWebProgress));
    const bool generated = work.runWithResult([&](WorkProgress& progress) {
                                   return exporter_.exportSiteTo(*chosen, folder, wholeAlbum,
                                                                 workerCallbacks(progress));
                               })
                               .value;
    reportSiteRun(generated, *chosen);
    return generated;
}

void ExportController::reportSiteRun(bool generated, const QString& folder) {
    context_.announceFolderContentsChanged(folder);
    const std::vector<RunFailure> failures = exporter_.lastFailures();
    if (!generated && exporter_.lastRunCancelled())
        return;
    if (!generated && !failures.empty())
        context_.prompts().showError(
            uiText(sid::ExportStopped).arg(folder, problemListText(linesOf(failures))));
    else if (!failures.empty())
        context_.prompts().showInformation(
            uiText(sid::ExportProblems).arg(problemListText(linesOf(failures))));
}

bool ExportController::openPage(const QString& page) {
    return !siteFolder().isEmpty() && QFileInfo::exists(page) &&
           context_.prompts().openExternally(page);
}

void ExportController::openWithRetry(bool changed, const std::function<bool()>& exportAgain,
                                     const std::function<QString()>& page) {
    if (changed && !exportAgain())
        return;
    if (openPage(page()))
        return;
    // The page is missing (deleted, or never written): once more.
    if (exportAgain() && !openPage(page()))
        context_.prompts().showError(uiText(sid::PageOpenFailed).arg(page()));
}

void ExportController::previewSite() {
    openWithRetry(
        context_.album().tree.albumChanged(), [this] { return exportSite(nullptr, true); },
        [this] { return exporter_.entryPage(); });
}

void ExportController::previewFolder(const CSiteFolder* folder) {
    if (!folder)
        return;
    openWithRetry(
        context_.album().tree.albumChanged(), [this, folder] { return exportSite(folder, false); },
        [this, folder] { return exporter_.firstPageOf(folder); });
}

Result<QString> ExportController::exportCdAlbum() {
    const std::optional<QString> chosen = chooseFolder();
    if (!chosen)
        return Error(QString());
    CdExportOptions options;
    options.outputFolder = *chosen;
    options.exportMax = context_.environment().exportLimit();
    options.canvas = titleCardCanvas(options.exportMax);

    Result<CdExportReport> report = Error(QString());
    BackgroundWork work(window_, uiText(sid::ExportCdProgress));
    work.run([&](WorkProgress& progress) {
        const ExportCallbacks callbacks = workerCallbacks(progress);
        options.progress = callbacks.progress;
        options.fileStarted = callbacks.fileStarted;
        options.cancel = callbacks.cancel;
        report = ExportCdAlbum(context_.album(), options);
    });
    context_.announceFolderContentsChanged(*chosen);
    if (!reportCdRun(report, *chosen))
        return Error(QString());
    cdFolder_ = *chosen;
    return *chosen;
}

bool ExportController::reportCdRun(const Result<CdExportReport>& report, const QString& folder) {
    UserPrompts& prompts = context_.prompts();
    if (!report) {
        prompts.showError(report.error().message());
        return false;
    }
    if (report->cancelled)
        return false;
    if (report->stopped) {
        prompts.showError(
            uiText(sid::ExportStopped).arg(folder, problemListText(report->failures)));
        return false;
    }
    if (!report->failures.isEmpty())
        prompts.showInformation(uiText(sid::ExportProblems).arg(problemListText(report->failures)));
    return true;
}

void ExportController::previewCdAlbum() {
    const Result<QString> shown = PreviewCdAlbum(
        context_.album(), cdFolder_, [this] { return exportCdAlbum(); }, startProgram_);
    if (shown)
        cdFolder_ = shown.value();
    else if (!shown.error().message().isEmpty())
        context_.prompts().showError(uiText(sid::CdViewerFailed).arg(shown.error().message()));
}

}  // namespace pictavo
