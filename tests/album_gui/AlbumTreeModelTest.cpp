// The album tree model following the tree, and a random run of edits and
// undos through the real explorer while the view shows every folder.
#include "ExplorerFixture.h"

#include "album/mime/DragMime.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMimeData>

#include <random>

namespace pictavo::test {
namespace {

using C = CommandId;
using Tester = QAbstractItemModelTester;

TEST(AlbumTreeModelTest, RowsAndPersistentIndexesFollowTheTree) {
    Album album;
    AlbumTree& tree = album.tree;
    AlbumTreeModel model(tree);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    CSiteFolder* a = tree.insertFolder(tree.root(), "A");
    CSiteFolder* b = tree.insertFolder(tree.root(), "B");
    CSiteFolder* c = tree.insertFolder(tree.root(), "C");
    const QPersistentModelIndex inside(model.indexOf(tree.insertFolder(c, "C1")));
    const QPersistentModelIndex kept(model.indexOf(c));

    tree.moveFolder(c, 0);
    EXPECT_EQ(kept.row(), 0);
    tree.moveFolder(c, 1);
    EXPECT_EQ(kept.row(), 1);
    tree.editFolder(b, [](CSiteFolder& f) { f.caption = "Birds"; });
    EXPECT_EQ(model.indexOf(b).data().toString(), "Birds");
    tree.removeFolder(a);
    EXPECT_EQ(AlbumTreeModel::folderAt(kept), c);
    EXPECT_EQ(kept.row(), 0);
    EXPECT_EQ(inside.parent(), QModelIndex(kept));
    tree.removeFolder(c);
    EXPECT_FALSE(kept.isValid());
    EXPECT_FALSE(inside.isValid());

    const QPersistentModelIndex old(model.indexOf(b));
    album.makeNew();
    EXPECT_FALSE(old.isValid());
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
    tree.replaceRoot(nullptr, 0);  // an album without folders
    EXPECT_EQ(model.rowCount(), 0);
}

// Random deletes, pastes, moves, drops, new folders, undos and redos through
// the explorer while the view shows and paints every folder. The model
// tester checks every signal; sanitizer builds check that nothing touches a
// folder after it was destroyed.
class ExplorerStressTest : public ExplorerFixture {
protected:
    CSiteFolder* anyFolder() {
        std::vector<CSiteFolder*> all;
        tree().walk([&](CSiteFolder* folder, int) { all.push_back(folder); });
        return all[random() % all.size()];
    }
    void dropOn(CSiteFolder* target, Qt::KeyboardModifiers modifiers) {
        QMimeData mime;
        setAlbumItems(mime, AlbumDragItems::treeFolder(current()->id));
        QDropEvent drop(QPointF(centreOf(target)), Qt::CopyAction | Qt::MoveAction, &mime,
                        Qt::LeftButton, modifiers);
        QApplication::sendEvent(view().viewport(), &drop);
    }
    void step() {
        select(anyFolder());
        const C commands[] = {C::Cut,      C::Copy, C::Paste, C::MoveUp,
                              C::MoveDown, C::Undo, C::Undo,  C::Redo};
        switch (const unsigned what = random() % 11) {
            case 0:
                run(C::NewFolder);
                QTest::keyClick(view().viewport()->findChild<QLineEdit*>(), Qt::Key_Escape);
                break;
            case 1:
                prompts.answers = {Answer::Yes};
                run(C::Delete);
                break;
            case 2:
                dropOn(anyFolder(), random() % 2 ? Qt::ControlModifier : Qt::NoModifier);
                break;
            default:
                run(commands[what - 3]);
        }
        view().expandAll();
        view().viewport()->repaint();
    }
    std::mt19937 random{20261207};
};

TEST_F(ExplorerStressTest, ViewFollowsRandomEditsAndUndoWithoutStaleFolders) {
    Tester tester(&model(), Tester::FailureReportingMode::Fatal);
    CSiteFolder* trip = add(root(), "Trip");
    for (const char* name : {"Birds", "Alps", "Coast"})
        add(add(trip, name), "Day");
    add(root(), "Other");
    settle();
    for (int i = 0; i < 300; ++i) {
        step();
        ASSERT_EQ(current(), context->selectedFolder()) << "after step " << i;
    }
    EXPECT_GT(tree().nextFolderId(), 20);  // the run did edit
}

}  // namespace
}  // namespace pictavo::test
