#pragma once
// The five panes of the main window, in creation order: the album explorer,
// the album folder list, the file explorer's folder tree and file list, and
// the property area.

#include "shell/gui/Pane.h"

#include <array>

namespace pictavo {

class AppContext;

std::array<Pane*, kPaneCount> createPanes(AppContext& context);

}  // namespace pictavo
