#include "imaging/gui/ConvertDialogRun.h"

#include "core/PathUtil.h"
#include "imaging/ImageType.h"
#include "imaging/gui/ConvertDialog.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/BackgroundWork.h"
#include "shell/gui/ProblemList.h"

#include <QFileInfo>

#include <algorithm>

namespace pictavo {

namespace {

// Asks about the destinations that exist; false when nothing is to be done.
bool settleExisting(ConversionPlan& plan, UserPrompts& prompts) {
    if (plan.existing.isEmpty())
        return true;
    const Answer answer =
        prompts.askYesNoCancel(uiText(sid::ConvertReplace).arg(problemListText(plan.existing)));
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        std::erase_if(plan.jobs, [&](const ConversionJob& job) {
            return plan.existing.contains(job.destination);
        });
    return !plan.jobs.empty();
}

std::vector<ConversionResult> runJobs(const std::vector<ConversionJob>& jobs,
                                      const ConversionChoice& choice, QWidget* parent) {
    BackgroundWork work(parent, uiText(sid::ConvertProgress));
    return work
        .runWithResult([&](WorkProgress& progress) {
            std::vector<ConversionResult> results;
            progress.setTotal(static_cast<int>(jobs.size()));
            for (const ConversionJob& job : jobs) {
                if (progress.isCancelled())
                    break;
                progress.advance(path::fileName(job.source));
                results.push_back(
                    convertImages({job.source}, choice.folder, *choice.target).front());
            }
            return results;
        })
        .value;
}

QStringList problemsOf(const std::vector<ConversionResult>& results) {
    QStringList lines;
    for (const ConversionResult& result : results) {
        const QString name = path::fileName(result.source);
        if (result.outcome == ConversionOutcome::CopiedUnchanged)
            lines << uiText(sid::ConvertCopiedUnchanged).arg(name, result.detail);
        else if (result.outcome == ConversionOutcome::Failed)
            lines << uiText(sid::ConvertFailed).arg(result.destination, result.detail);
    }
    return lines;
}

bool wroteAnything(const std::vector<ConversionResult>& results) {
    return std::any_of(results.begin(), results.end(), [](const ConversionResult& result) {
        return result.outcome == ConversionOutcome::Converted ||
               result.outcome == ConversionOutcome::CopiedUnchanged;
    });
}

}  // namespace

QStringList imagePaths(const QStringList& paths) {
    QStringList images;
    for (const QString& path : paths)
        if (imageTypeFromPath(path) != -1)
            images << path;
    return images;
}

ConversionPlan planConversion(const QStringList& images, const QString& folder,
                              const ConversionTarget& target) {
    ConversionPlan plan;
    for (const QString& source : images) {
        if (imageTypeFromPath(source) == target.type)
            continue;
        const QString destination =
            conversionDestination(source, folder, QLatin1String(target.extension));
        if (QFileInfo::exists(destination))
            plan.existing << destination;
        plan.jobs.push_back({source, destination});
    }
    return plan;
}

void convertImageFiles(AppContext& context, const QStringList& paths, QWidget* parent) {
    const QStringList images = imagePaths(paths);
    if (images.isEmpty())
        return;
    UserPrompts& prompts = context.prompts();
    const std::optional<ConversionChoice> choice =
        askConversion(QFileInfo(images.first()).absolutePath(), prompts, parent);
    if (!choice)
        return;
    ConversionPlan plan = planConversion(images, choice->folder, *choice->target);
    if (!settleExisting(plan, prompts))
        return;

    const std::vector<ConversionResult> results = runJobs(plan.jobs, *choice, parent);
    if (wroteAnything(results))
        context.announceFolderContentsChanged(choice->folder);
    if (const QStringList problems = problemsOf(results); !problems.isEmpty())
        prompts.showInformation(uiText(sid::ConvertProblems).arg(problemListText(problems)));
}

}  // namespace pictavo
