#include "shell/app/PaneFactory.h"

#include "album/gui/AlbumExplorerPane.h"
#include "properties/gui/ItemPropertyPanel.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/explorer/FileListPane.h"
#include "shell/explorer/FileTreePane.h"
#include "shell/frame/PlaceholderPane.h"
#include "shell/gui/AppContext.h"

#include <QDir>

namespace pictavo {

std::array<Pane*, kPaneCount> createPanes(AppContext& context) {
    const std::array<int, kPaneCount> captions = {sid::PaneAlbumExplorer, sid::PaneAlbumFolderList,
                                                  sid::PaneFileTree, sid::PaneFileList,
                                                  sid::PanePropertyArea};
    auto placeholder = [&](PaneId id) -> Pane* {
        return new PlaceholderPane(id, uiText(captions[static_cast<int>(id)]));
    };
    // The file explorer's two panes share the folder shown, starting at home.
    auto* location = new ExplorerLocation(QDir::homePath(), &context);
    // One line per pane, in PaneId order.
    const std::array<Pane*, kPaneCount> panes = {
        new AlbumExplorerPane(context),
        placeholder(PaneId::AlbumFolderList),
        new FileTreePane(*location, defaultExplorerRoots()),
        new FileListPane(context, *location),
        new ItemPropertyPanel(context),
    };
    return panes;
}

}  // namespace pictavo
