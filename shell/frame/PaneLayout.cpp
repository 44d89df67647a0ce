#include "shell/frame/PaneLayout.h"

namespace pictavo {

namespace {

// Room left for the menu bar, toolbars and status bar.
constexpr int kFrameAllowance = 50;
// A visible row is never squeezed below this height.
constexpr int kMinimumRow = 20;

int visibleRow(int height) {
    return height > 0 ? std::max(height, kMinimumRow) : 0;
}

}  // namespace

PaneVisibility normalized(PaneVisibility panes) {
    if (!panes.albumExplorer && !panes.fileExplorer)
        panes.albumExplorer = true;
    return panes;
}

PaneSizes initialPaneSizes(QSize screen, PaneVisibility panes) {
    panes = normalized(panes);
    const int h = screen.height() - kFrameAllowance;
    PaneSizes sizes;
    sizes.leftColumn = screen.width() / 3;
    if (panes.propertyWnd) {
        sizes.topArea = 2 * h / 3;
        sizes.albumRow = !panes.albumExplorer ? 0 : !panes.fileExplorer ? sizes.topArea : h / 3;
    } else {
        sizes.topArea = h;
        sizes.albumRow = !panes.albumExplorer ? 0 : !panes.fileExplorer ? h : h / 2;
    }
    return sizes;
}

PaneSizes paneSizesForHeight(int height, PaneVisibility panes) {
    panes = normalized(panes);
    PaneSizes sizes;
    sizes.topArea =
        panes.propertyWnd ? (2 * height - 2 * kFrameAllowance) / 3 : height - kFrameAllowance;
    if (!panes.albumExplorer)
        sizes.albumRow = 0;
    else if (!panes.fileExplorer)
        sizes.albumRow = sizes.topArea;
    else
        sizes.albumRow = (height - kFrameAllowance) / (panes.propertyWnd ? 3 : 2);
    sizes.topArea = visibleRow(sizes.topArea);
    sizes.albumRow = visibleRow(sizes.albumRow);
    return sizes;
}

PaneVisibility toggled(PaneVisibility panes, PaneToggle which) {
    switch (which) {
        case PaneToggle::AlbumExplorer:
            panes.albumExplorer = !panes.albumExplorer;
            if (!panes.albumExplorer)
                panes.fileExplorer = true;
            break;
        case PaneToggle::FileExplorer:
            panes.fileExplorer = !panes.fileExplorer;
            if (!panes.fileExplorer)
                panes.albumExplorer = true;
            break;
        case PaneToggle::PropertyArea:
            panes.propertyWnd = !panes.propertyWnd;
            break;
    }
    return panes;
}

}  // namespace pictavo
