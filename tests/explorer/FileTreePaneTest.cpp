// The folder tree: folders only, read when expanded, its selection shown by
// the file list, and Refresh reading the disk again.
#include "ExplorerFixture.h"

#include <QAction>
#include <QLabel>
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

TEST_F(FileTreePaneTest, ShowsFoldersOnlyAndReadsThemWhenExpanded) {
    EXPECT_EQ(tree->captionStrip()->height(), 18);
    EXPECT_EQ(tree->captionStrip()->text(), "File Explorer");
    QTreeWidgetItem* top = tree->tree()->topLevelItem(0);
    ASSERT_EQ(tree->tree()->topLevelItemCount(), 1);
    EXPECT_EQ(childNames(top), (QStringList{"empty", "photos"}));
    QTreeWidgetItem* empty = top->child(0);
    EXPECT_EQ(empty->childCount(), 0);
    EXPECT_EQ(empty->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

    // The selected photos folder was read on the way; its files are not there.
    QTreeWidgetItem* photos = tree->tree()->currentItem();
    EXPECT_EQ(childNames(photos), QStringList{"trip"});
    ASSERT_TRUE(QDir(root()).mkpath("empty/inner"));
    empty->setExpanded(true);
    EXPECT_EQ(childNames(empty), QStringList{"inner"});
}

TEST_F(FileTreePaneTest, SelectingAFolderShowsItInTheList) {
    QTreeWidgetItem* empty = tree->tree()->topLevelItem(0)->child(0);
    tree->tree()->setCurrentItem(empty);
    EXPECT_EQ(location->folder(), path("empty"));
    EXPECT_EQ(list->model().folder(), path("empty"));
    EXPECT_EQ(list->model().rowCount(), 0);
    EXPECT_FALSE(tree->navigateTo("/nowhere/under/no/root"));
}

TEST_F(FileTreePaneTest, RefreshReadsTheTreeAgainAndKeepsTheNearestFolderLeft) {
    context->setFocusedPane(tree.get());
    QAction* refresh = context->commands().action(CommandId::Refresh);
    ASSERT_TRUE(refresh->isEnabled());
    ASSERT_TRUE(QDir(root()).mkpath("photos/later"));
    ASSERT_TRUE(writeBytes(path("photos/later.txt"), "x"));
    refresh->trigger();
    EXPECT_EQ(childNames(tree->tree()->currentItem()), (QStringList{"later", "trip"}));
    EXPECT_TRUE(shownNames().contains("later.txt"));

    tree->navigateTo(path("photos/trip"));
    ASSERT_TRUE(QDir(path("photos/trip")).removeRecursively());
    context->setFocusedPane(list.get());
    refresh->trigger();
    EXPECT_EQ(tree->selectedFolder(), path("photos"));
    EXPECT_EQ(list->model().folder(), path("photos"));
    EXPECT_FALSE(shownNames().contains("trip"));
}

}  // namespace
}  // namespace pictavo::test
