#pragma once
// The folder of files shipped with the program (navigation buttons, autorun
// files, the CD viewer, language and tips files). In a build tree it is
// <build>/share/pictavo; installed it is <prefix>/share/pictavo next to the
// binary's bin folder. PICTAVO_DATA_DIR in the environment overrides both.

#include <QString>

namespace pictavo {

QString dataFolder();

}  // namespace pictavo
