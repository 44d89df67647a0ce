#pragma once
// The property area over a real context, shown in its own window, with an
// album of one folder "Trip" (a 3 x 4 grid) holding three pages; the album
// starts unmodified with nothing to undo. Questions are answered by the
// test.

#include "ScriptedPrompts.h"

#include "properties/gui/ItemPropertyPanel.h"
#include "shell/gui/AppContext.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pictavo::test {

class PanelFixture : public testing::Test {
protected:
    void SetUp() override {
        context = std::make_unique<AppContext>(SettingsStore(dir.filePath("Pictavo.ini")), prompts);
        makeAlbum();
        panel = std::make_unique<ItemPropertyPanel>(*context);
        panel->resize(720, 420);
        panel->show();
        QApplication::setActiveWindow(panel.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    void TearDown() override {
        panel.reset();
        context.reset();
    }
    void makeAlbum() {
        AlbumTree& t = tree();
        trip = t.insertFolder(t.root(), QStringLiteral("Trip"));
        t.editFolder(trip, [](CSiteFolder& f) {
            f.rows = 3;
            f.cols = 4;
        });
        for (const char* name : {"a", "b", "c"}) {
            auto page = std::make_unique<CSitePage>();
            page->caption = QLatin1String(name);
            page->url = QStringLiteral("/photos/%1.jpg").arg(QLatin1String(name));
            page->lnkimg = QStringLiteral("thumb-%1.gif").arg(QLatin1String(name));
            page->posstyle = kLeftImageRightText;
            page->lnkstyle = kTextLink;
            t.appendPage(trip, std::move(page));
        }
        context->album().layout.main.rows = 5;
        context->album().layout.main.cols = 6;
        t.setModified(false);
        context->undoStack().clear();
    }
    AlbumTree& tree() { return context->album().tree; }
    void showFolder(CSiteFolder* folder) { context->setSelectedFolder(folder); }
    void showPage(int index) {
        context->shownItem().showNode(SiteNodeRef::forPage(trip, trip->page(index)));
    }
    // An undo rebuilds the tree: trip is looked up again.
    void undo() {
        ASSERT_TRUE(context->undoStack().undo());
        context->announceAlbumReplaced();
        trip = tree().root()->child(0);
    }
    // The control of that name on the form shown (folder and page forms
    // share names); null when no shown form has one.
    template <typename Widget>
    Widget* shownChild(const char* name) {
        for (Widget* widget : panel->findChildren<Widget*>(QLatin1String(name)))
            if (widget->isVisibleTo(panel.get()))
                return widget;
        return nullptr;
    }
    template <typename Widget>
    Widget* child(const char* name) {
        Widget* widget = shownChild<Widget>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    // Replaces the text as a user does: select all, then type (or erase).
    static void retype(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
    int undoSteps() {
        int steps = 0;
        while (context->undoStack().canUndo() && context->undoStack().undo())
            ++steps;
        while (context->undoStack().canRedo() && context->undoStack().redo())
            continue;
        context->announceAlbumReplaced();
        trip = tree().root()->child(0);
        return steps;
    }
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<ItemPropertyPanel> panel;
    CSiteFolder* trip = nullptr;
};

}  // namespace pictavo::test
