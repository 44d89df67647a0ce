#include "shell/gui/ProblemList.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace pictavo {

namespace {

constexpr qsizetype kShownLines = 20;

}  // namespace

QString problemListText(const QStringList& lines) {
    QStringList shown = lines.mid(0, kShownLines);
    if (lines.size() > kShownLines)
        shown << uiText(sid::MoreProblems).arg(lines.size() - kShownLines);
    return shown.join(QLatin1Char('\n'));
}

}  // namespace pictavo
