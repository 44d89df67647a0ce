#pragma once
// Running an import from disk into the album from the GUI. A worker walks
// the disk for the import's plan under the progress dialog ("n of total:
// entry", Cancel), while the window keeps repainting; the GUI thread then
// applies the plan as one undoable step. A cancelled walk applies nothing.
// The entries the plan had to leave out are shown afterwards in one
// message, never swallowed. Used by the import commands and by drops of
// disk files and folders on the album panes.
//
// Threading: GUI thread only; the planner runs on the worker.

#include "album/editing/ImportPlan.h"
#include "album/editing/ImportWalk.h"

#include <functional>

namespace pictavo {

class AppContext;

// Walks the disk for a plan, reporting to listener (one of ImportWalk.h's
// functions over copies of the paths and settings: it must not touch the
// album, the context or any widget).
using ImportPlanner = std::function<ImportPlan(ImportWalkListener& listener)>;

// Plans with planner on a worker, then applies the plan to target. Returns
// what was added: nothing when target is null or the user cancelled.
ImportResult runImport(AppContext& context, CSiteFolder* target, const ImportPlanner& planner);

}  // namespace pictavo
