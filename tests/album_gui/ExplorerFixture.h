#pragma once
// The main window with the real album explorer (the other panes are fakes),
// settings in a temporary folder and every question answered by the test.
// Albums are built directly on the tree, then settle() makes that the saved
// state, so that every later change is the test's.

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
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace pictavo::test {

class ExplorerFixture : public testing::Test {
protected:
    void SetUp() override {
        context = std::make_unique<AppContext>(SettingsStore(dir.filePath("Pictavo.ini")), prompts);
        explorer = new AlbumExplorerPane(*context);
        std::array<Pane*, kPaneCount> panes{explorer};
        for (int i = 1; i < kPaneCount; ++i)
            panes[i] = new FakePane(static_cast<PaneId>(i));
        window = std::make_unique<MainWindow>(*context, panes);
        window->applyInitialLayout(QSize(1024, 768));
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        view().setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
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
    void run(CommandId id) { context->commands().action(id)->trigger(); }
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

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    AlbumExplorerPane* explorer = nullptr;
    std::unique_ptr<MainWindow> window;
};

}  // namespace pictavo::test
