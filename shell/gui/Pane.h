#pragma once
// The five panes of the main window and what the command mechanism asks of
// each. A pane answers for itself whether a command applies while it has the
// keyboard focus and runs it; the main window never reaches into a pane's
// widgets. Panes tell the context (AppContext::commandStateChanged) when
// their selection changes, so that menus and toolbar buttons follow.

#include "shell/gui/CommandId.h"

class QWidget;

namespace pictavo {

// In the order the main window creates them.
enum class PaneId : int { AlbumExplorer, AlbumFolderList, FileTree, FileList, PropertyArea };
constexpr int kPaneCount = 5;

class Pane {
public:
    virtual ~Pane() = default;

    virtual PaneId paneId() const = 0;
    // The pane's top widget, placed in the splitter by the main window.
    virtual QWidget* widget() = 0;

    // Commands routed by focus: enabled state and action while this pane
    // has the focus. Commands a pane does not handle are disabled.
    virtual bool isCommandEnabled(CommandId /*id*/) const { return false; }
    virtual void runCommand(CommandId /*id*/) {}
    // The check mark of a checkable command (the list styles).
    virtual bool isCommandChecked(CommandId /*id*/) const { return false; }

    // After New, Open or an undo replaced the album: drop every reference
    // into the old tree and show the new one.
    virtual void albumReplaced() {}
};

}  // namespace pictavo
