#include "shell/app/PaneFactory.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/explorer/FileListPane.h"
#include "shell/explorer/FileTreePane.h"
#include "shell/frame/PlaceholderPane.h"
#include "shell/gui/AppContext.h"

#include <QDir>

namespace pictavo {

namespace {

void replacePane(std::array<Pane*, kPaneCount>& panes, Pane* pane) {
    Pane*& slot = panes[static_cast<int>(pane->paneId())];
    delete slot;
    slot = pane;
}

}  // namespace

std::array<Pane*, kPaneCount> createPanes(AppContext& context) {
    const std::array<int, kPaneCount> captions = {sid::PaneAlbumExplorer, sid::PaneAlbumFolderList,
                                                  sid::PaneFileTree, sid::PaneFileList,
                                                  sid::PanePropertyArea};
    std::array<Pane*, kPaneCount> panes{};
    for (int i = 0; i < kPaneCount; ++i)
        panes[i] = new PlaceholderPane(static_cast<PaneId>(i), uiText(captions[i]));
    // The file explorer's two panes share the folder shown, starting at home.
    auto* location = new ExplorerLocation(QDir::homePath(), &context);
    replacePane(panes, new FileTreePane(*location, defaultExplorerRoots()));
    replacePane(panes, new FileListPane(context, *location));
    return panes;
}

}  // namespace pictavo
