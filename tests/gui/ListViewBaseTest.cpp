// The list base through its real inner views: styles, selection, signals,
// drops, and the thumbnails of the rows it paints.
#include "GatedTileMaker.h"
#include "TestFiles.h"
#include "WidgetEvents.h"

#include "imaging/ImageType.h"
#include "shell/gui/ListViewBase.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

QList<int> rowsOf(const QModelIndexList& indexes) {
    QList<int> rows;
    for (const QModelIndex& index : indexes)
        rows << index.row();
    return rows;
}

// Records the drops the views hand to the model.
class DropModel : public QStandardItemModel {
public:
    struct Drop {
        int row;
        QModelIndex parent;
        QString text;
    };
    std::vector<Drop> drops;

    QStringList mimeTypes() const override { return {"text/plain"}; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                         const QModelIndex&) const override {
        return data->hasText();
    }
    bool dropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                      const QModelIndex& parent) override {
        drops.push_back({row, parent, data->text()});
        return true;
    }
};

class ListViewBaseTest : public testing::Test {
protected:
    void SetUp() override {
        model.setHorizontalHeaderLabels({"Name", "Size"});
        for (int i = 0; i < 6; ++i)
            addRow(QStringLiteral("item %1").arg(i));
        list.setModel(&model);
        list.resize(420, 320);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    void addRow(const QString& name, const QString& path = {}) {
        auto* item = new QStandardItem(name);
        if (!path.isEmpty())
            item->setData(path, ListViewBase::FilePathRole);
        model.appendRow({item, new QStandardItem(QStringLiteral("1 KB"))});
    }
    QModelIndex row(int r) const { return model.index(r, 0); }
    QRect rectOf(int r) const { return list.currentView()->visualRect(row(r)); }
    QWidget* viewport() const { return list.currentView()->viewport(); }
    void click(int r, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(viewport(), Qt::LeftButton, modifiers, rectOf(r).center());
    }
    // A real double-click: a click, then the press the system reports as
    // a double-click (QTest sends that second part alone).
    void doubleClick(int r) {
        click(r);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, rectOf(r).center());
    }
    void layOut() {
        list.currentView()->doItemsLayout();
        QApplication::processEvents();
    }
    void showAs(ListStyle style) {
        list.setListStyle(style);
        layOut();
    }

    DropModel model;
    ListViewBase list;
};

TEST_F(ListViewBaseTest, SwitchingStylesKeepsTheSelectionAndTheCurrentRow) {
    ASSERT_EQ(list.listStyle(), ListStyle::Details);
    click(1);
    click(3, Qt::ControlModifier);
    ASSERT_EQ(rowsOf(list.selectedRows()), (QList<int>{1, 3}));

    for (ListStyle style :
         {ListStyle::LargeIcons, ListStyle::SmallIcons, ListStyle::List, ListStyle::Thumbnails}) {
        showAs(style);
        EXPECT_EQ(list.currentView(), list.iconView());
        EXPECT_EQ(rowsOf(list.selectedRows()), (QList<int>{1, 3})) << int(style);
        EXPECT_EQ(list.iconView()->currentIndex().row(), 3) << int(style);
        EXPECT_TRUE(list.iconView()->selectionModel()->isSelected(row(1)));
    }

    // A click in the icon view is seen by the details view.
    showAs(ListStyle::List);
    click(0);
    list.setListStyle(ListStyle::Details);
    EXPECT_EQ(list.currentView(), list.detailsView());
    EXPECT_EQ(rowsOf(list.selectedRows()), QList<int>{0});
    EXPECT_EQ(list.detailsView()->currentIndex().row(), 0);
    // Whole rows are selected, every column with them.
    EXPECT_TRUE(list.selectionModel()->isSelected(model.index(0, 1)));
}

TEST_F(ListViewBaseTest, SelectionChangesAndStyleChangesAreReported) {
    QSignalSpy selection(&list, &ListViewBase::selectionChanged);
    QSignalSpy styles(&list, &ListViewBase::listStyleChanged);
    click(2);
    EXPECT_EQ(selection.count(), 1);
    list.setListStyle(ListStyle::SmallIcons);
    list.setListStyle(ListStyle::SmallIcons);
    ASSERT_EQ(styles.count(), 1);
    EXPECT_EQ(styles.at(0).at(0).value<ListStyle>(), ListStyle::SmallIcons);
    list.selectOnly(row(4));
    EXPECT_EQ(rowsOf(list.selectedRows()), QList<int>{4});
    EXPECT_EQ(list.currentIndex(), row(4));
}

TEST_F(ListViewBaseTest, EachStyleFlowsItsItemsItsOwnWay) {
    // Rows that name files, so that every style shows its icons.
    model.removeRows(0, model.rowCount());
    for (int i = 0; i < 60; ++i)
        addRow(QStringLiteral("item %1").arg(i), QStringLiteral("/nowhere/item%1.txt").arg(i));
    const int text = list.fontMetrics().height();
    const struct {
        ListStyle style;
        bool inRows;    // side by side, wrapping into further rows; else one under the other
        bool columns;   // one under the other, wrapping into further columns
        int minHeight;  // 0: a small row under 32 pixels
    } flows[] = {{ListStyle::SmallIcons, true, false, 0},
                 {ListStyle::List, false, true, 0},
                 {ListStyle::LargeIcons, true, false, 32 + text},
                 {ListStyle::Thumbnails, true, false, 80 + text},
                 {ListStyle::Details, false, false, 0}};
    for (const auto& flow : flows) {
        showAs(flow.style);
        SCOPED_TRACE(int(flow.style));
        const QRect first = rectOf(0), second = rectOf(1), last = rectOf(59);
        EXPECT_EQ(second.top() == first.top(), flow.inRows);
        EXPECT_EQ(second.left() == first.left(), !flow.inRows);
        if (flow.inRows)
            EXPECT_GT(last.top(), first.top());
        else
            EXPECT_EQ(last.left() > first.left(), flow.columns);
        if (flow.minHeight)
            EXPECT_GE(first.height(), flow.minHeight);
        else
            EXPECT_LT(first.height(), 32);
    }
    EXPECT_TRUE(list.detailsView()->header()->isVisible());
}

TEST_F(ListViewBaseTest, DoubleClickAndEnterActivateTheRow) {
    QSignalSpy activated(&list, &ListViewBase::activated);
    const auto lastActivated = [&] { return activated.last().at(0).toModelIndex(); };
    doubleClick(2);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(lastActivated(), row(2));
    showAs(ListStyle::LargeIcons);
    doubleClick(4);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_EQ(lastActivated(), row(4));
    list.selectOnly(row(1));
    list.currentView()->setFocus();
    QTest::keyClick(list.currentView(), Qt::Key_Return);
    ASSERT_EQ(activated.count(), 3);
    EXPECT_EQ(lastActivated(), row(1));
}

TEST_F(ListViewBaseTest, ContextMenuRequestsNameTheRowUnderTheMouse) {
    QSignalSpy requests(&list, &ListViewBase::contextMenuRequested);
    const QPoint secondColumn = list.currentView()->visualRect(model.index(2, 1)).center();
    sendRightClick(viewport(), secondColumn);
    sendRightClick(viewport(), QPoint(5, viewport()->height() - 5));  // below the rows
    ASSERT_EQ(requests.count(), 2);
    EXPECT_EQ(requests.at(0).at(0).toModelIndex(), row(2));
    EXPECT_EQ(requests.at(0).at(1).toPoint(), viewport()->mapToGlobal(secondColumn));
    EXPECT_FALSE(requests.at(1).at(0).toModelIndex().isValid());
}

TEST_F(ListViewBaseTest, HeaderClicksAreReportedAndLeaveTheOrderToThePane) {
    QSignalSpy clicks(&list, &ListViewBase::headerClicked);
    QHeaderView* header = list.detailsView()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 1);
    EXPECT_EQ(model.index(0, 0).data().toString(), "item 0");
}

TEST_F(ListViewBaseTest, ColumnWidthsOutliveAModelReset) {
    list.setColumnWidth(0, 150);
    list.setColumnWidth(1, 350);
    model.clear();
    model.setHorizontalHeaderLabels({"Name", "Size"});
    QApplication::processEvents();
    EXPECT_EQ(list.columnWidth(0), 150);
    EXPECT_EQ(list.columnWidth(1), 350);
}

TEST_F(ListViewBaseTest, DropsReachTheModelInEveryStyleOnceEnabled) {
    QMimeData data;
    data.setText(QStringLiteral("dropped"));
    sendDrop(viewport(), data, rectOf(3).center());
    EXPECT_TRUE(model.drops.empty());
    list.setDropEnabled(true);
    for (ListStyle style : {ListStyle::Details, ListStyle::Thumbnails}) {
        showAs(style);
        sendDrop(viewport(), data, rectOf(3).center(), Qt::CopyAction);
    }
    ASSERT_EQ(model.drops.size(), 2u);
    for (const DropModel::Drop& drop : model.drops) {
        EXPECT_EQ(drop.parent, row(3));  // onto the row under the mouse
        EXPECT_EQ(drop.text, "dropped");
    }
}

// --- thumbnails

class ListThumbnailTest : public ListViewBaseTest {
protected:
    void SetUp() override {
        ListViewBaseTest::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkpath("one"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("two"));
        for (const char* name : {"one/a.png", "one/b.png", "two/c.png"})
            ASSERT_TRUE(writePicture(file(name), 200, 100, kImagePng));
        list.setThumbnailLoader(&loader);
        list.setListStyle(ListStyle::Thumbnails);
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // What a pane does when it shows another folder.
    void showFolder(std::initializer_list<const char*> names) {
        model.removeRows(0, model.rowCount());
        list.nextGeneration();
        for (const char* name : names)
            addRow(QFileInfo(file(name)).fileName(), file(name));
        layOut();
        viewport()->repaint();
    }
    // The first tile is being made, held inside the maker until open().
    void showWithFirstTileHeld(std::initializer_list<const char*> names) {
        counter.close();
        showFolder(names);
        ASSERT_TRUE(QTest::qWaitFor([&] { return counter.made().size() == 1; }));
    }
    QModelIndex rowOf(const char* name) const {
        const QModelIndexList found = model.match(model.index(0, 0), ListViewBase::FilePathRole,
                                                  file(name), 1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : found.first();
    }
    bool waitForTile(const char* name) {
        return QTest::qWaitFor([&] { return !list.thumbnail(rowOf(name)).isNull(); });
    }

    QTemporaryDir dir;
    GatedTileMaker counter;
    ThumbnailLoader loader{counter.maker(), 1};
};

TEST_F(ListThumbnailTest, SwitchingFoldersMidwayShowsOnlyTheNewFoldersTiles) {
    showWithFirstTileHeld({"one/a.png", "one/b.png"});
    QSignalSpy updated(&list, &ListViewBase::thumbnailUpdated);
    QSignalSpy finished(&loader, &ThumbnailLoader::thumbnailFinished);
    showFolder({"two/c.png"});
    counter.open();
    ASSERT_TRUE(waitForTile("two/c.png"));
    loader.waitForDone();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 2; }));
    // a.png was being made and is finished unseen; b.png was never made.
    EXPECT_EQ(counter.made(), (QStringList{"a.png", "c.png"}));
    ASSERT_EQ(updated.count(), 1);
    EXPECT_EQ(updated.at(0).at(0).toString(), file("two/c.png"));
}

TEST_F(ListThumbnailTest, ATileOfTheFolderShownBeforeARefreshIsNotShownAfterIt) {
    showWithFirstTileHeld({"one/a.png"});
    QSignalSpy updated(&list, &ListViewBase::thumbnailUpdated);
    // The file changes and the pane shows the folder again.
    ASSERT_TRUE(makeOlder(file("one/a.png")));
    showFolder({"one/a.png"});
    counter.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.made().size() == 2; }));
    ASSERT_TRUE(waitForTile("one/a.png"));
    loader.waitForDone();
    QApplication::processEvents();
    EXPECT_EQ(list.thumbnail(rowOf("one/a.png")).text("call"), "2");
    EXPECT_EQ(updated.count(), 1);
}

TEST_F(ListThumbnailTest, OtherStylesAskForNoTiles) {
    list.setListStyle(ListStyle::LargeIcons);
    showFolder({"one/a.png", "one/b.png"});
    QApplication::processEvents();
    loader.waitForDone();
    EXPECT_TRUE(counter.made().isEmpty());
    list.setListStyle(ListStyle::Thumbnails);
    EXPECT_TRUE(waitForTile("one/a.png"));
}

}  // namespace
}  // namespace pictavo::test
