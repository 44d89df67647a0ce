#pragma once
// The main window with the real album explorer (the other panes are fakes).
// Albums are built directly on the tree, then settle() makes that the saved
// state, so that every later change is the test's.

#include "FrameFixture.h"
#include "TreeText.h"

#include "album/gui/AlbumExplorerPane.h"
#include "album/gui/AlbumTreeModel.h"
#include "album/gui/AlbumTreeView.h"

namespace pictavo::test {

class ExplorerFixture : public FrameFixture {
protected:
    void SetUp() override {
        makeWindow([this](AppContext& c) { return explorer = new AlbumExplorerPane(c); });
        view().setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    AlbumTree& tree() { return context->album().tree; }
    CSiteFolder* root() { return tree().root(); }
    AlbumTreeView& view() { return *explorer->treeView(); }
    AlbumTreeModel& model() { return *explorer->treeModel(); }
    CSiteFolder* current() { return AlbumTreeModel::folderAt(view().currentIndex()); }
    CSiteFolder* add(CSiteFolder* parent, const QString& caption) {
        return tree().insertFolder(parent, caption);
    }
    void settle() {
        view().expandAll();
        tree().setModified(false);
        context->undoStack().clear();
    }
    void select(CSiteFolder* folder) {
        view().setCurrentIndex(model().indexOf(folder));
        QApplication::processEvents();
    }
    bool isExpanded(CSiteFolder* folder) { return view().isExpanded(model().indexOf(folder)); }
    // The middle of folder's row (scrolled into view), in viewport pixels.
    QPoint centreOf(CSiteFolder* folder) {
        view().scrollTo(model().indexOf(folder));
        return view().visualRect(model().indexOf(folder)).center();
    }
    QPoint belowLastItem() { return {10, view().viewport()->height() - 4}; }

    AlbumExplorerPane* explorer = nullptr;
};

}  // namespace pictavo::test
