#pragma once
// The arithmetic of the main window's splitters: how tall the top area
// (album and file explorers) and the album explorer row are, and how wide
// the left column is, for a window size and the three visibility flags.
// Pure functions; the window applies the numbers.

#include "shell/settings/SettingsStore.h"

#include <QSize>

namespace pictavo {

struct PaneSizes {
    int leftColumn = 0;  // album explorer and file explorer tree
    int topArea = 0;     // outer row 0: both explorers
    int albumRow = 0;    // inner row 0: the album explorer (0 = hidden)

    bool operator==(const PaneSizes&) const = default;
};

// The top area is never empty: with both explorers off, the album explorer
// is shown.
PaneVisibility normalized(PaneVisibility panes);

// At creation, for the screen's size: the left column is a third of the
// width; the rest follows the flags.
PaneSizes initialPaneSizes(QSize screen, PaneVisibility panes);

// After a pane was shown or hidden, for the window's height (the column
// keeps its width).
PaneSizes paneSizesForHeight(int height, PaneVisibility panes);

enum class PaneToggle : int { AlbumExplorer, FileExplorer, PropertyArea };

// Toggles one flag; hiding one explorer shows the other.
PaneVisibility toggled(PaneVisibility panes, PaneToggle which);

}  // namespace pictavo
