// The folder tree: folders only, read when expanded, its selection shown by
// the file list, and Refresh reading the disk again.
#include "ExplorerFixture.h"

#include <QAction>
#include <QTreeWidget>

namespace pictavo::test {
namespace {

using FileTreePaneTest = ExplorerFixture;

QStringList childNames(const QTreeWidgetItem* item) {
    QStringList names;
    for (int i = 0; i < item->childCount(); ++i)
        names << item->child(i)->text(0);
    return names;
}

TEST_F(FileTreePaneTest, ShowsFoldersOnlyReadsThemWhenExpandedAndSelectsForTheList) {
    ASSERT_EQ(tree->tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree->tree()->topLevelItem(0);
    EXPECT_EQ(childNames(top), (QStringList{"empty", "photos"}));
    EXPECT_EQ(childNames(tree->tree()->currentItem()), QStringList{"trip"});  // no files
    QTreeWidgetItem* empty = top->child(0);
    ASSERT_TRUE(QDir(root()).mkpath("empty/inner"));  // made after the tree was shown
    EXPECT_EQ(empty->childCount(), 0);
    empty->setExpanded(true);
    EXPECT_EQ(childNames(empty), QStringList{"inner"});
    tree->tree()->setCurrentItem(empty);
    EXPECT_EQ(list->model().folder(), path("empty"));
    EXPECT_EQ(shownNames(), QStringList{"inner"});
    EXPECT_FALSE(tree->navigateTo("/nowhere/under/no/root"));
}

TEST_F(FileTreePaneTest, RefreshReadsTheTreeAgainAndKeepsTheNearestFolderLeft) {
    context->setFocusedPane(tree.get());
    QAction* refresh = context->commands().action(CommandId::Refresh);
    ASSERT_TRUE(QDir(root()).mkpath("photos/later"));
    ASSERT_TRUE(writeBytes(path("photos/later.txt"), "x"));
    refresh->trigger();
    EXPECT_EQ(childNames(tree->tree()->currentItem()), (QStringList{"later", "trip"}));
    EXPECT_TRUE(shownNames().contains("later.txt"));
    tree->navigateTo(path("photos/trip"));
    ASSERT_TRUE(QDir(path("photos/trip")).removeRecursively());
    context->setFocusedPane(list.get());  // the list's Refresh reads the tree too
    refresh->trigger();
    EXPECT_EQ(tree->selectedFolder(), path("photos"));
    EXPECT_EQ(list->model().folder(), path("photos"));
}

}  // namespace
}  // namespace pictavo::test
