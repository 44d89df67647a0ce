#pragma once
// The lines of a "these went wrong" message, cut to what fits on a screen:
// the first lines and "... and N more".

#include <QString>
#include <QStringList>

namespace pictavo {

QString problemListText(const QStringList& lines);

}  // namespace pictavo
