#include "shell/app/PaneFactory.h"

#include "album/gui/AlbumExplorerPane.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/frame/PlaceholderPane.h"

namespace pictavo {

namespace {

Pane* createPane(AppContext& context, PaneId id, const QString& caption) {
    switch (id) {
        case PaneId::AlbumExplorer:
            return new AlbumExplorerPane(context);
        default:
            return new PlaceholderPane(id, caption);
    }
}

}  // namespace

std::array<Pane*, kPaneCount> createPanes(AppContext& context) {
    const std::array<int, kPaneCount> captions = {sid::PaneAlbumExplorer, sid::PaneAlbumFolderList,
                                                  sid::PaneFileTree, sid::PaneFileList,
                                                  sid::PanePropertyArea};
    std::array<Pane*, kPaneCount> panes{};
    for (int i = 0; i < kPaneCount; ++i)
        panes[i] = createPane(context, static_cast<PaneId>(i), uiText(captions[i]));
    return panes;
}

}  // namespace pictavo
