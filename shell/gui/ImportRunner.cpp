#include "shell/gui/ImportRunner.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/BackgroundWork.h"
#include "shell/gui/ProblemList.h"
#include "shell/gui/WaitCursor.h"

#include <QApplication>
#include <QDir>

#include <optional>
#include <utility>

namespace pictavo {

namespace {

// The walk as the progress dialog shows it: every entry found counts in
// the total, every entry reached is the next item.
class ProgressListener : public ImportWalkListener {
public:
    explicit ProgressListener(WorkProgress& progress) : progress_(progress) {}

    void entriesFound(int count) override { progress_.setTotal(progress_.total() + count); }
    void entryReached(const QString& path) override {
        progress_.advance(QDir::toNativeSeparators(path));
    }
    bool stopRequested() const override { return progress_.isCancelled(); }

private:
    WorkProgress& progress_;
};

// The walk on a worker; nothing when the user cancelled it.
std::optional<ImportPlan> walk(const ImportPlanner& planner) {
    BackgroundWork work(QApplication::activeWindow(), uiText(sid::ImportProgress));
    auto planned = work.runWithResult([&planner](WorkProgress& progress) {
        ProgressListener listener(progress);
        return planner(listener);
    });
    if (planned.cancelled)
        return std::nullopt;
    return std::move(planned.value);
}

}  // namespace

ImportResult runImport(AppContext& context, CSiteFolder* target, const ImportPlanner& planner) {
    if (!target)
        return {};
    const int targetId = target->id;
    const std::optional<ImportPlan> plan = walk(planner);
    // The window took no input during the walk; the target is looked up
    // again all the same rather than trusted across the event loop.
    target = context.album().tree.findFolderById(targetId);
    if (!plan || !target)
        return {};
    ImportResult result;
    {
        WaitCursor wait;
        context.edit(sid::EditImport, [&] {
            result = applyImportPlan(context.album().tree, target, *plan);
            return result.addedAnything();
        });
    }
    context.announceCommandStateChanged();
    if (!result.problems.isEmpty())
        context.prompts().showInformation(
            uiText(sid::ImportProblems).arg(problemListText(result.problems)));
    return result;
}

}  // namespace pictavo
