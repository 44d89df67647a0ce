#include "shell/app/PaneFactory.h"

#include "album/gui/AlbumFolderListPane.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/frame/PlaceholderPane.h"

namespace pictavo {

std::array<Pane*, kPaneCount> createPanes(AppContext& context) {
    const std::array<int, kPaneCount> captions = {sid::PaneAlbumExplorer, sid::PaneAlbumFolderList,
                                                  sid::PaneFileTree, sid::PaneFileList,
                                                  sid::PanePropertyArea};
    std::array<Pane*, kPaneCount> panes{};
    for (int i = 0; i < kPaneCount; ++i) {
        const auto id = static_cast<PaneId>(i);
        if (id == PaneId::AlbumFolderList)
            panes[i] = new AlbumFolderListPane(context);
        else
            panes[i] = new PlaceholderPane(id, uiText(captions[i]));
    }
    return panes;
}

}  // namespace pictavo
