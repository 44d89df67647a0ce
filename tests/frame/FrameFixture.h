#pragma once
// A main window over fake panes (or the real album explorer), with its
// settings in a temporary folder and every question answered by the test.

#include "FakePane.h"
#include "ScriptedPrompts.h"

#include "album/file/AlbumFile.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace pictavo::test {

class FrameFixture : public testing::Test {
protected:
    void SetUp() override { makeWindow(); }
    void TearDown() override { destroyWindow(); }

    // albumExplorer, when given, makes the real pane of that place.
    void makeWindow(const std::function<Pane*(AppContext&)>& albumExplorer = {}) {
        context = std::make_unique<AppContext>(SettingsStore(dir.filePath("Pictavo.ini")), prompts);
        context->recentFiles() = context->settings().loadRecentFiles();
        std::array<Pane*, kPaneCount> panes{};
        for (int i = 0; i < kPaneCount; ++i)
            panes[i] = i == 0 && albumExplorer ? albumExplorer(*context)
                                               : (fakes[i] = new FakePane(static_cast<PaneId>(i)));
        window = std::make_unique<MainWindow>(*context, panes);
        window->applyInitialLayout(QSize(1024, 768));
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void destroyWindow() {
        window.reset();
        context.reset();
    }

    FakePane& pane(PaneId id) { return *fakes[static_cast<int>(id)]; }
    QAction* action(CommandId id) { return context->commands().action(id); }
    void run(CommandId id) { action(id)->trigger(); }
    // Runs id with its question answered and its file dialog given fileName.
    void runAnswering(CommandId id, Answer answer, const QString& fileName = {}) {
        prompts.answers = {answer};
        prompts.fileNames = {fileName};
        run(id);
    }
    void runWithFile(CommandId id, const QString& fileName) {
        prompts.fileNames = {fileName};
        run(id);
    }
    void focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    // An album with one folder more than a new one, saved nowhere: modified.
    void modifyAlbum() {
        context->edit(1300, [this] {
            return context->editor().newFolder(context->album().tree.root()) != nullptr;
        });
    }
    QString writeAlbum(const QString& name, const QString& rootCaption) {
        Album album;
        album.tree.editFolder(album.tree.root(), [&](CSiteFolder& f) { f.caption = rootCaption; });
        const QString path = dir.filePath(name);
        EXPECT_TRUE(saveAlbumFile(album, path).ok());
        return path;
    }
    QString rootCaption() { return context->album().tree.root()->caption; }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    std::array<FakePane*, kPaneCount> fakes{};
    std::unique_ptr<MainWindow> window;
};

}  // namespace pictavo::test
