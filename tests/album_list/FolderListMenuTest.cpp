// The folder list's context menu, opened by a right-click as the window
// system delivers it: which rows it acts on, what it offers, and a command
// chosen from it.
#include "FolderListFixture.h"
#include "WidgetEvents.h"

#include <QMenu>
#include <QTimer>

#include <functional>

namespace pictavo::test {
namespace {

using C = CommandId;

class FolderListMenuTest : public FolderListFixture {
protected:
    void SetUp() override {
        FolderListFixture::SetUp();
        addFolder(root(), "Sub");
        addPages(root(), {"a", "b", "c", "d"});
        show(root());
        startEditing();
    }
    // Right-clicks at pos in the viewport; the menu that opens is read (its
    // entries' texts, "(off)" after disabled ones, "-" for a separator),
    // then closed, or the entry with the text choose is picked with the
    // keyboard.
    QStringList rightClick(QPoint pos, const QString& choose = {}) {
        QStringList entries;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            for (QAction* action : menu->actions())
                entries << (action->isSeparator() ? QStringLiteral("-")
                            : action->isEnabled() ? action->text()
                                                  : action->text() + " (off)");
            for (QAction* action : menu->actions())
                if (!choose.isEmpty() && action->text() == choose)
                    menu->setActiveAction(action);
            if (choose.isEmpty())
                menu->close();
            else
                QTest::keyClick(menu, Qt::Key_Return);
        });
        poll.start(5);
        sendRightClick(view()->viewport(), pos);
        return entries;
    }
    QString text(C id) { return action(id)->text(); }
};

TEST_F(FolderListMenuTest, ARightClickActsOnTheSelectionOrMakesTheClickedRowTheSelection) {
    // Inside the selection: the selection stays; two rows cannot be moved.
    selectRows({2, 3});
    const QStringList onSelection = rightClick(centreOf(3));
    EXPECT_EQ(selectedRows(), (QList<int>{2, 3}));
    EXPECT_EQ(onSelection, (QStringList{text(C::NewLink), "-", text(C::Cut), text(C::Copy),
                                        text(C::Paste) + " (off)", text(C::Delete), "-",
                                        text(C::MoveUp) + " (off)", text(C::MoveDown) + " (off)"}));

    // Outside it: the clicked row alone; a command chosen runs on it.
    rightClick(centreOf(4), text(C::MoveUp));
    EXPECT_EQ(pageCaptions(root()), (QStringList{"a", "b", "d", "c"}));
    EXPECT_TRUE(tree().isModified());
    undo();
    EXPECT_EQ(pageCaptions(root()), (QStringList{"a", "b", "c", "d"}));

    // Copied from the menu, pasted from the menu opened on empty space.
    rightClick(centreOf(1), text(C::Copy));
    const QPoint below(10, view()->viewport()->height() - 5);
    const QStringList onEmpty = rightClick(below, text(C::Paste));
    EXPECT_EQ(onEmpty.mid(0, 6),
              (QStringList{text(C::NewLink), "-", text(C::Cut) + " (off)", text(C::Copy) + " (off)",
                           text(C::Paste), text(C::Delete) + " (off)"}));
    EXPECT_EQ(pageCaptions(root()), (QStringList{"a", "b", "c", "d", "a"}));
}

}  // namespace
}  // namespace pictavo::test
