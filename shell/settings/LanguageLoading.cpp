#include "shell/settings/LanguageLoading.h"

#include "resources/LanguageFile.h"
#include "resources/StringTable.h"
#include "shell/settings/LanguageModule.h"

#include <utility>

namespace pictavo {

void installUserLanguage() {
    const QString path = languageModulePath(userLanguageId());
    if (path.isEmpty())
        return;
    StringTable table = StringTable::builtIn();
    // Refused lines keep their English text; the program has no log to
    // report them to, and a partly translated interface is still usable.
    if (applyLanguageFile(path, table).applied > 0)
        StringTable::setCurrent(std::move(table));
}

}  // namespace pictavo
