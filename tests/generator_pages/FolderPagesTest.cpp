// Folder pages: names, index bar, column widths, item links, grid size and
// whole folder pages compared with hand-written golden pages.

#include "generator/pages/FolderPages.h"
#include "generator/pages/SiteGenerator.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::expectGolden;
using test::PageFixture;

struct PageNameCase {
    int id;
    int page;
    bool isRoot;
    const char* name;
    const char* target;
};

class FolderPageNameTest : public ::testing::TestWithParam<PageNameCase> {};

TEST_P(FolderPageNameTest, NamesAndLinkTargets) {
    CSiteFolder folder;
    folder.id = GetParam().id;
    EXPECT_EQ(folderPageName(folder, GetParam().page, GetParam().isRoot), GetParam().name);
    EXPECT_EQ(folderPageTarget(folder, GetParam().page, GetParam().isRoot), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(Names, FolderPageNameTest,
                         ::testing::Values(PageNameCase{0, 0, true, "index.htm", "./index.htm"},
                                           PageNameCase{0, 12, true, "main12.htm", "main12.htm"},
                                           PageNameCase{7, 0, false, "d7p0.htm", "d7p0.htm"}));

// The expected bar for a non-root folder with id 5: Previous and Next when
// given, labels first..last linked except the current one.
QString expectedBar(int current, int first, int last, bool previous, bool next) {
    const auto target = [](int label) { return QStringLiteral("d5p%1.htm").arg(label - 1); };
    QString bar;
    if (previous)
        bar += "<A href=\"" + target(current - 1) + "\">Previous</A>";
    bar += "&nbsp";
    for (int label = first; label <= last; ++label) {
        bar += label == current
                   ? QString::number(label)
                   : "<A href=\"" + target(label) + "\">" + QString::number(label) + "</A>";
        bar += "&nbsp";
    }
    if (next)
        bar += "<A href=\"" + target(current + 1) + "\">Next</A>";
    return bar;
}

struct IndexBarCase {
    int page, pageCount;  // page is 0-based
    int firstLabel, lastLabel;
};

class IndexBarWindowTest : public ::testing::TestWithParam<IndexBarCase> {};

TEST_P(IndexBarWindowTest, ListsTenPagesEachSide) {
    const IndexBarCase& c = GetParam();
    CSiteFolder folder;
    folder.id = 5;
    const int current = c.page + 1;
    EXPECT_EQ(
        indexBarText(folder, c.page, c.pageCount, false),
        expectedBar(current, c.firstLabel, c.lastLabel, c.page > 0, c.page < c.pageCount - 1));
}

INSTANTIATE_TEST_SUITE_P(Windows, IndexBarWindowTest,
                         ::testing::Values(IndexBarCase{11, 30, 2, 22},  // page 12 of 30
                                           IndexBarCase{0, 30, 1, 11}, IndexBarCase{29, 30, 20, 30},
                                           IndexBarCase{1, 3, 1, 3}));

TEST(IndexBarTest, SinglePageIsTheNoBarText) {
    CSiteFolder folder;
    EXPECT_EQ(indexBarText(folder, 0, 1, false), "&nbsp1&nbsp");
    EXPECT_EQ(indexBarText(folder, 0, 1, true), "&nbsp1&nbsp");
}

TEST(IndexBarTest, RootLinksItsFirstPageAsDotIndex) {
    CSiteFolder root;
    root.id = 0;
    EXPECT_EQ(indexBarText(root, 1, 3, true),
              "<A href=\"./index.htm\">Previous</A>&nbsp<A href=\"./index.htm\">1</A>&nbsp2&nbsp"
              "<A href=\"main2.htm\">3</A>&nbsp<A href=\"main2.htm\">Next</A>");
}

TEST(ColumnWidthsTest, LastColumnTakesTheRest) {
    EXPECT_EQ(columnWidths(100, 3), (std::vector<int>{33, 33, 34}));
    EXPECT_EQ(columnWidths(80, 3), (std::vector<int>{26, 26, 28}));
    EXPECT_EQ(columnWidths(80, 7), (std::vector<int>{11, 11, 11, 11, 11, 11, 14}));
}

// Published items link the published url and image; prepared image items
// carry their page and thumbnail as they are and publish nothing.
TEST(MakeItemLinkTest, LinksByStyle) {
    PageFixture f;
    CSitePage item;
    item.caption = "Cap";
    item.url = "C:\\docs\\a.pdf";
    item.lnkimg = "i.gif";
    item.lnkstyle = kBothLink;
    item.posstyle = kTopImageBottomText;
    const QString image = "<IMG src=\"./site/i.gif\" border=\"0\" align=\"center\">";
    EXPECT_EQ(MakeItemLink(f.writer(), item, false),
              "<A href=\"./site/a.pdf\">" + image + "<br>Cap</A>");
    item.lnkstyle = kImageLink;
    item.posstyle = kLeftImageRightText;
    EXPECT_EQ(MakeItemLink(f.writer(), item, false),
              "<A href=\"./site/a.pdf\">" + image + "</A>Cap");

    PageFixture prepared;
    item.url = "d1i0.htm";
    item.lnkimg = "thumb.jpg";
    item.lnkstyle = kTextLink;
    EXPECT_EQ(MakeItemLink(prepared.writer(), item, true),
              "<IMG src=\"thumb.jpg\" border=\"0\" align=\"center\"><A href=\"d1i0.htm\">Cap</A>");
    EXPECT_TRUE(prepared.output.calls.isEmpty());
}

TEST(MakeItemLinkTest, NoCaptionNoImageNoLink) {
    PageFixture f;
    CSitePage item;
    item.url = "C:\\docs\\a.pdf";
    EXPECT_EQ(MakeItemLink(f.writer(), item, false), "");
    EXPECT_TRUE(f.output.calls.isEmpty());
}

struct GridSizeCase {
    int folderRows, folderCols, mainRows, mainCols;
    int rows, cols;
};

class SetGridSizeTest : public ::testing::TestWithParam<GridSizeCase> {};

TEST_P(SetGridSizeTest, OwnSizeOnlyWhenBothPositive) {
    const GridSizeCase& c = GetParam();
    PageFixture f;
    f.album.layout.main.rows = c.mainRows;
    f.album.layout.main.cols = c.mainCols;
    CSiteFolder folder;
    folder.rows = c.folderRows;
    folder.cols = c.folderCols;
    applyGridSize(f.writer(), folder);
    EXPECT_EQ(f.writer().gridRows, c.rows);
    EXPECT_EQ(f.writer().gridCols, c.cols);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SetGridSizeTest,
    ::testing::Values(GridSizeCase{2, 5, 3, 3, 2, 5}, GridSizeCase{0, 4, 3, 3, 3, 3},
                      GridSizeCase{3, 0, 1, 1, 1, 1}, GridSizeCase{-1, -1, 0, -5, 1, 1},
                      GridSizeCase{-1, -1, 100000, 7, 100, 7}, GridSizeCase{500, 2, 3, 3, 100, 2}));

// Seven document items A..G, the third with a description.
void addSevenItems(PageFixture& f, CSiteFolder* folder) {
    for (char letter = 'a'; letter <= 'g'; ++letter) {
        const QString name(QChar::fromLatin1(letter));
        f.addItem(folder, "C:\\docs\\" + name + ".pdf", name.toUpper(),
                  letter == 'c' ? QStringLiteral("Third") : QString());
    }
}

TEST(FolderPagesGoldenTest, EmptyRootWritesOneEntryPage) {
    PageFixture f;
    generateSite(f.writer(), f.root());
    EXPECT_EQ(f.output.pages.keys(), QStringList{"index.htm"});
    expectGolden("empty_root_index.htm", f.output.pages.value("index.htm"));
}

TEST(FolderPagesGoldenTest, EmptyFolderBesideANextNavigator) {
    PageFixture f;
    CSiteFolder* trips = f.addFolder(f.root(), "Trips");
    f.addFolder(trips, "Paris");
    generateSite(f.writer(), f.root());
    EXPECT_EQ(f.output.pages.keys(), (QStringList{"d1p0.htm", "d2p0.htm", "index.htm"}));
    expectGolden("empty_folder_next_navigator_d1p0.htm", f.output.pages.value("d1p0.htm"));
}

TEST(FolderPagesGoldenTest, SevenItemsOnTheRootInATwoByThreeGrid) {
    PageFixture f;
    f.root()->rows = 2;
    f.root()->cols = 3;
    f.root()->desc = "Welcome";
    addSevenItems(f, f.root());
    f.addFolder(f.root(), "Trips");  // the root still has no next navigator
    generateSite(f.writer(), f.root());
    EXPECT_EQ(f.output.pages.keys(), (QStringList{"d1p0.htm", "index.htm", "main1.htm"}));
    expectGolden("grid_root_index.htm", f.output.pages.value("index.htm"));
    expectGolden("grid_root_main1.htm", f.output.pages.value("main1.htm"));
}

TEST(FolderPagesGoldenTest, SevenItemsBesideANextNavigatorWithHeaderAndFooter) {
    PageFixture f;
    f.album.website.headerStr = "<b>Album</b>";
    f.album.website.footerStr = "Made by hand";
    f.album.layout.table.lineclr = 0;
    CSiteFolder* trips = f.addFolder(f.root(), "Trips");
    trips->rows = 2;
    trips->cols = 3;
    addSevenItems(f, trips);
    f.addFolder(trips, "Paris");
    generateSite(f.writer(), f.root());
    expectGolden("grid_next_navigator_d1p0.htm", f.output.pages.value("d1p0.htm"));
    const QString lastPage = f.output.pages.value("d1p1.htm");
    EXPECT_TRUE(
        lastPage.contains("<A href=\"./site/g.pdf\">G</A></FONT></TD>\n\n</TR>\n<TR>\n\n"
                          "</TR>\n<TR>\n<TD width=\"80%\""));
    EXPECT_TRUE(
        lastPage.contains("<A href=\"d1p0.htm\">Previous</A>&nbsp<A href=\"d1p0.htm\">1"
                          "</A>&nbsp2&nbsp</FONT>"));
}

TEST(FolderPagesTest, FoldersWithAUrlAreNeitherWrittenNorEntered) {
    PageFixture f;
    CSiteFolder* web = f.addFolder(f.root(), "Web");
    web->url = "http://example.com/";
    f.addFolder(web, "Below");
    f.addFolder(f.root(), "Trips");
    generateSite(f.writer(), f.root());
    EXPECT_EQ(f.output.pages.keys(), (QStringList{"d3p0.htm", "index.htm"}));
    EXPECT_TRUE(
        f.output.pages.value("index.htm").contains("<td>\n<A href=\"./site/\">Web</A></td>\n"));
}

TEST(BuildGridPagesTest, GridCountsBelowOneActAsOne) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "F");
    f.addItem(folder, "a.zip", "a");
    f.addItem(folder, "b.zip", "b");
    f.writer().gridRows = 0;
    f.writer().gridCols = -3;
    const QStringList pages = BuildGridPages(f.writer(), *folder, FolderContext{}, 100);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[1],
              "<TD width=\"100%\"     align=\"center\">\n<FONT face=\"Arial\" size=1 >\n"
              "<A href=\"./site/b.zip\">b</A></FONT></TD>\n\n</TR>\n");
}

TEST(FolderPagesTest, ImagePagesTakeTheExtraColumnOfTheLastComposedPage) {
    PageFixture f;
    CSiteFolder* trips = f.addFolder(f.root(), "Trips");
    CSiteFolder* paris = f.addFolder(trips, "Paris");
    f.addItem(trips, "t.jpg", "t");
    f.addItem(paris, "p.jpg", "p");
    generateSite(f.writer(), f.root());
    // Trips' image page follows the root's page (no next navigator column);
    // Paris' image page follows Trips' page, which had one.
    EXPECT_TRUE(f.output.pages.value("d1i0.htm").contains("colspan=3 "));
    EXPECT_TRUE(f.output.pages.value("d1p0.htm").contains("colspan=4 "));
    EXPECT_TRUE(f.output.pages.value("d2i0.htm").contains("colspan=4 "));
    EXPECT_FALSE(f.output.pages.value("d2p0.htm").contains("colspan=4 "));
}

}  // namespace
}  // namespace pictavo
