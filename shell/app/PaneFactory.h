#pragma once
// The five panes of the main window, in creation order. Panes the program
// does not have yet are placeholders showing their caption.

#include "shell/gui/Pane.h"

#include <array>

namespace pictavo {

class AppContext;

std::array<Pane*, kPaneCount> createPanes(AppContext& context);

}  // namespace pictavo
