// The album tree model following the tree: structure, persistent indexes,
// resets, and a random run of edits and undos through the real explorer
// while the view shows every folder.
#include "ExplorerFixture.h"

#include "album/mime/DragMime.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMimeData>

#include <random>

namespace pictavo::test {
namespace {

using C = CommandId;

// The model's rows as "<depth>:<caption>" in pre-order, like outline().
void appendRows(const QAbstractItemModel& model, const QModelIndex& parent, int depth,
                QStringList& lines) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        lines << QString::number(depth) + QLatin1Char(':') + index.data().toString();
        appendRows(model, index, depth + 1, lines);
    }
}
QStringList modelOutline(const QAbstractItemModel& model) {
    QStringList lines;
    appendRows(model, {}, 0, lines);
    return lines;
}

class AlbumTreeModelTest : public testing::Test {
protected:
    Album album;
    AlbumTreeModel model{album.tree};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    AlbumTree& tree = album.tree;
};

TEST_F(AlbumTreeModelTest, RowsFollowInsertMoveRenameAndRemove) {
    CSiteFolder* a = tree.insertFolder(tree.root(), "A");
    CSiteFolder* b = tree.insertFolder(tree.root(), "B");
    CSiteFolder* c = tree.insertFolder(tree.root(), "C");
    tree.insertFolder(c, "C1");
    EXPECT_EQ(modelOutline(model), outline(tree));

    const QPersistentModelIndex kept(model.indexOf(c));
    tree.moveFolder(c, 0);  // up two places
    EXPECT_EQ(modelOutline(model), (QStringList{"0:Index", "1:C", "2:C1", "1:A", "1:B"}));
    EXPECT_EQ(kept.row(), 0);
    tree.moveFolder(c, 1);  // down one place
    EXPECT_EQ(modelOutline(model), outline(tree));
    EXPECT_EQ(kept.row(), 1);

    tree.editFolder(b, [](CSiteFolder& f) { f.caption = "Birds"; });
    EXPECT_EQ(model.indexOf(b).data().toString(), "Birds");

    tree.removeFolder(a);
    EXPECT_EQ(modelOutline(model), (QStringList{"0:Index", "1:C", "2:C1", "1:Birds"}));
    EXPECT_EQ(AlbumTreeModel::folderAt(kept), c);
    EXPECT_EQ(kept.row(), 0);

    const QPersistentModelIndex inside(model.indexOf(c->child(0)));
    tree.removeFolder(c);
    EXPECT_FALSE(kept.isValid());
    EXPECT_FALSE(inside.isValid());
    EXPECT_EQ(modelOutline(model), (QStringList{"0:Index", "1:Birds"}));
}

TEST_F(AlbumTreeModelTest, ResetsShowTheNewTreeAndAnAlbumWithoutFolders) {
    tree.insertFolder(tree.root(), "A");
    const QPersistentModelIndex old(model.indexOf(tree.root()->child(0)));
    album.makeNew();
    EXPECT_FALSE(old.isValid());
    EXPECT_EQ(modelOutline(model), QStringList{"0:Index"});

    tree.replaceRoot(nullptr, 0);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.index(0, 0).isValid());
}

TEST_F(AlbumTreeModelTest, RenameGoesToTheHandlerAndOnlyItChangesTheAlbum) {
    CSiteFolder* a = tree.insertFolder(tree.root(), "A");
    const QModelIndex index = model.indexOf(a);
    EXPECT_FALSE(model.setData(index, "without handler"));
    EXPECT_EQ(a->caption, "A");

    QString asked;
    model.setRenameHandler([&](CSiteFolder* folder, const QString& text) {
        asked = text;
        tree.editFolder(folder, [&](CSiteFolder& f) { f.caption = text; });
        return true;
    });
    EXPECT_TRUE(model.setData(index, "Alps"));
    EXPECT_EQ(asked, "Alps");
    EXPECT_EQ(index.data().toString(), "Alps");
    // Only folders other than the root can be dragged.
    EXPECT_TRUE(model.flags(index) & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(model.flags(model.indexOf(tree.root())) & Qt::ItemIsDragEnabled);
}

// Random deletes, pastes, moves, drops, new folders, undos and redos through
// the explorer's commands while the view shows and paints every folder. The
// model tester checks every signal; sanitizer builds check that no view or
// index touches a folder after it was destroyed.
class ExplorerStressTest : public ExplorerFixture {
protected:
    std::vector<CSiteFolder*> folders() {
        std::vector<CSiteFolder*> all;
        tree().walk([&](CSiteFolder* folder, int) { all.push_back(folder); });
        return all;
    }
    CSiteFolder* anyFolder(std::mt19937& random) {
        const std::vector<CSiteFolder*> all = folders();
        return all[std::uniform_int_distribution<size_t>(0, all.size() - 1)(random)];
    }
    void dropFolder(CSiteFolder* dragged, CSiteFolder* target, Qt::KeyboardModifiers modifiers) {
        QMimeData mime;
        setAlbumItems(mime, AlbumDragItems::treeFolder(dragged->id));
        QDropEvent drop(QPointF(centreOf(target)), Qt::CopyAction | Qt::MoveAction, &mime,
                        Qt::LeftButton, modifiers);
        QApplication::sendEvent(view().viewport(), &drop);
    }
    void step(std::mt19937& random) {
        select(anyFolder(random));
        switch (std::uniform_int_distribution<int>(0, 9)(random)) {
            case 0:
                run(C::NewFolder);
                if (auto* editor = view().viewport()->findChild<QLineEdit*>())
                    QTest::keyClick(editor, Qt::Key_Escape);
                break;
            case 1:
                prompts.answers.push_back(Answer::Yes);
                run(C::Delete);
                prompts.answers.clear();
                break;
            case 2:
                run(random() % 2 ? C::Cut : C::Copy);
                break;
            case 3:
                run(C::Paste);
                break;
            case 4:
                run(random() % 2 ? C::MoveUp : C::MoveDown);
                break;
            case 5:
                dropFolder(current(), anyFolder(random),
                           random() % 2 ? Qt::ControlModifier : Qt::NoModifier);
                break;
            case 6:
            case 7:
                run(C::Undo);
                break;
            default:
                run(C::Redo);
                break;
        }
        view().expandAll();
        view().viewport()->repaint();
    }
};

TEST_F(ExplorerStressTest, ViewAndModelStayTrueToTheTreeThroughRandomEditsAndUndo) {
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    CSiteFolder* trip = add(root(), "Trip");
    for (const char* name : {"Birds", "Alps", "Coast"})
        add(add(trip, name), "Day");
    add(root(), "Other");
    settle();
    std::mt19937 random(20261207);
    for (int i = 0; i < 300; ++i) {
        step(random);
        ASSERT_EQ(modelOutline(model()), outline(tree())) << "after step " << i;
        ASSERT_EQ(current(), context->selectedFolder()) << "after step " << i;
    }
    EXPECT_GT(tree().nextFolderId(), 20);  // the run did edit
}

}  // namespace
}  // namespace pictavo::test
