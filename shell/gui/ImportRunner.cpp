#include "shell/gui/ImportRunner.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/WaitCursor.h"

namespace pictavo {

ImportResult runImport(AppContext& context, CSiteFolder* target, const ImportFunction& import) {
    ImportResult result;
    {
        WaitCursor wait;
        context.edit(sid::EditImport, [&] {
            result = import(context.album(), target);
            return result.pagesAdded > 0 || result.foldersAdded > 0;
        });
    }
    context.announceCommandStateChanged();
    if (!result.problems.isEmpty())
        context.prompts().showInformation(
            uiText(sid::ImportProblems).arg(result.problems.join(QLatin1Char('\n'))));
    return result;
}

}  // namespace pictavo
