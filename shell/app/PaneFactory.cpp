#include "shell/app/PaneFactory.h"

#include "album/gui/AlbumExplorerPane.h"
#include "album/gui/AlbumFolderListPane.h"
#include "properties/gui/ItemPropertyPanel.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/explorer/FileListPane.h"
#include "shell/explorer/FileTreePane.h"
#include "shell/gui/AppContext.h"

#include <QDir>

namespace pictavo {

std::array<Pane*, kPaneCount> createPanes(AppContext& context) {
    // The file explorer's two panes share the folder shown, starting at home.
    auto* location = new ExplorerLocation(QDir::homePath(), &context);
    // One line per pane, in PaneId order.
    return {
        new AlbumExplorerPane(context),
        new AlbumFolderListPane(context),
        new FileTreePane(*location, defaultExplorerRoots()),
        new FileListPane(context, *location),
        new ItemPropertyPanel(context),
    };
}

}  // namespace pictavo
