#pragma once
// The main window with the real album explorer (the other panes are fakes),
// its settings in a temporary folder and every question answered by the
// test. Helpers build albums directly on the tree and then make that state
// the saved one, so that every later change is the test's.

#include "FakePane.h"
#include "ScriptedPrompts.h"
#include "TreeText.h"

#include "album/file/AlbumFile.h"
#include "album/gui/AlbumExplorerPane.h"
#include "album/gui/AlbumTreeModel.h"
#include "album/gui/AlbumTreeView.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pictavo::test {

class ExplorerFixture : public testing::Test {
protected:
    void SetUp() override {
        context = std::make_unique<AppContext>(SettingsStore(dir.filePath("Pictavo.ini")), prompts);
        explorer = new AlbumExplorerPane(*context);
        std::array<Pane*, kPaneCount> panes{};
        panes[0] = explorer;
        for (int i = 1; i < kPaneCount; ++i)
            panes[i] = new FakePane(static_cast<PaneId>(i));
        window = std::make_unique<MainWindow>(*context, panes);
        window->applyInitialLayout(QSize(1024, 768));
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        focusTree();
    }
    void TearDown() override {
        window.reset();
        context.reset();
    }

    AlbumTree& tree() { return context->album().tree; }
    CSiteFolder* root() { return tree().root(); }
    AlbumTreeView& view() { return *explorer->treeView(); }
    AlbumTreeModel& model() { return *explorer->treeModel(); }
    CSiteFolder* current() { return AlbumTreeModel::folderAt(view().currentIndex()); }
    QAction* action(CommandId id) { return context->commands().action(id); }
    void run(CommandId id) { action(id)->trigger(); }

    void focusTree() {
        view().setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    CSiteFolder* add(CSiteFolder* parent, const QString& caption) {
        return tree().insertFolder(parent, caption);
    }
    // The album as it is now is the saved one: not modified, nothing to undo.
    void settle() {
        view().expandAll();
        tree().setModified(false);
        context->undoStack().clear();
    }
    void select(CSiteFolder* folder) {
        view().setCurrentIndex(model().indexOf(folder));
        QApplication::processEvents();
    }
    // The middle of folder's row (scrolled into view), in viewport pixels.
    QPoint centreOf(CSiteFolder* folder) {
        const QModelIndex index = model().indexOf(folder);
        view().scrollTo(index);
        return view().visualRect(index).center();
    }
    QPoint belowLastItem() { return {10, view().viewport()->height() - 4}; }
    QByteArray albumBytes() { return serializeAlbum(context->album()); }

    // Right click at pos; the menu it opened (owned by the pane), or null.
    QMenu* rightClick(QPoint pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view().viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view().viewport(), &event);
        return explorer->findChild<QMenu*>();
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    AlbumExplorerPane* explorer = nullptr;
    std::unique_ptr<MainWindow> window;
};

}  // namespace pictavo::test
