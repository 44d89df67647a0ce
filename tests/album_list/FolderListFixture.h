#pragma once
// The album folder list pane over a real context, focused, with every
// question answered by the test and the image viewer replaced by a recorder.
// Albums are built directly on the tree; the undo stack then starts empty,
// so each test's undo takes back only what the test did through the pane.

#include "ScriptedPrompts.h"

#include "album/gui/AlbumFolderListPane.h"
#include "shell/gui/AppContext.h"
#include "tests/album_model/TreeText.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace pictavo::test {

class FolderListFixture : public testing::Test {
protected:
    void SetUp() override {
        context = std::make_unique<AppContext>(SettingsStore(dir.filePath("Pictavo.ini")), prompts);
        pane = std::make_unique<AlbumFolderListPane>(*context);
        context->setPane(pane.get());
        pane->setViewerOpener([this](const QStringList& paths, int start) {
            viewed = paths;
            viewedFrom = start;
        });
        pane->resize(640, 480);
        pane->show();
        QApplication::setActiveWindow(pane.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
        context->setFocusedPane(pane.get());
    }
    void TearDown() override {
        pane.reset();
        context.reset();
    }

    AlbumTree& tree() { return context->album().tree; }
    CSiteFolder* root() { return tree().root(); }
    CSiteFolder* addFolder(CSiteFolder* parent, const QString& caption) {
        return tree().insertFolder(parent, caption);
    }
    void addPages(CSiteFolder* folder, std::initializer_list<QString> captions) {
        for (const QString& caption : captions) {
            auto page = std::make_unique<CSitePage>();
            page->caption = caption;
            page->url = QStringLiteral("/photos/%1.jpg").arg(caption);
            tree().appendPage(folder, std::move(page));
        }
    }
    // After building the album: nothing to undo, nothing modified.
    void startEditing() {
        context->undoStack().clear();
        tree().setModified(false);
    }
    void show(CSiteFolder* folder) { context->setSelectedFolder(folder); }

    QTreeView* view() { return pane->list()->detailsView(); }
    QPoint centreOf(int row) { return view()->visualRect(pane->model()->index(row, 0)).center(); }
    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers, centreOf(row));
    }
    void selectRows(const std::vector<int>& rows) {
        bool first = true;
        for (const int row : rows) {
            click(row, first ? Qt::NoModifier : Qt::ControlModifier);
            first = false;
        }
    }
    // A click, then the double-click event and its release, as the window
    // system delivers them.
    void doubleClick(int row) {
        QWidget* viewport = view()->viewport();
        const QPoint at = centreOf(row);
        click(row);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    void clickHeader(int column) {
        QHeaderView* header = view()->header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QAction* action(CommandId id) {
        context->commands().refresh();
        return context->commands().action(id);
    }
    void run(CommandId id) { action(id)->trigger(); }
    void undo() {
        ASSERT_TRUE(context->undoStack().undo());
        context->announceAlbumReplaced();
    }

    // Column 0 of every row, as the list shows it.
    QStringList rowTexts() {
        QStringList texts;
        for (int row = 0; row < pane->model()->rowCount(); ++row)
            texts << pane->model()->index(row, 0).data().toString();
        return texts;
    }
    QList<int> selectedRows() {
        QList<int> rows;
        for (const QModelIndex& index : pane->list()->selectedRows())
            rows << index.row();
        return rows;
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<AlbumFolderListPane> pane;
    QStringList viewed;
    int viewedFrom = -1;
};

}  // namespace pictavo::test
