#include "shell/app/PaneFactory.h"

#include "properties/gui/ItemPropertyPanel.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/frame/PlaceholderPane.h"

namespace pictavo {

std::array<Pane*, kPaneCount> createPanes(AppContext& context) {
    const std::array<int, kPaneCount> captions = {sid::PaneAlbumExplorer, sid::PaneAlbumFolderList,
                                                  sid::PaneFileTree, sid::PaneFileList,
                                                  sid::PanePropertyArea};
    auto placeholder = [&](PaneId id) -> Pane* {
        return new PlaceholderPane(id, uiText(captions[static_cast<int>(id)]));
    };
    // One line per pane, in PaneId order.
    const std::array<Pane*, kPaneCount> panes = {
        placeholder(PaneId::AlbumExplorer), placeholder(PaneId::AlbumFolderList),
        placeholder(PaneId::FileTree),      placeholder(PaneId::FileList),
        new ItemPropertyPanel(context),
    };
    return panes;
}

}  // namespace pictavo
