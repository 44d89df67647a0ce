// Folder pages: index bar, item links, grid size and whole folder pages
// compared with hand-written golden pages (which also fix the page names and
// the column widths, the last column taking the rest).

#include "generator/pages/FolderPages.h"
#include "tests/generator_pages/PageTestSupport.h"

namespace pictavo {
namespace {

using test::expected;
using test::expectGolden;
using test::PageFixture;

// The expected bar for a non-root folder with id 5: Previous and Next when
// given, labels first..last linked except the current one.
QString expectedBar(int current, int first, int last, bool previous, bool next) {
    const auto link = [](int label, const QString& text) {
        return QStringLiteral("<A href=\"d5p%1.htm\">%2</A>").arg(label - 1).arg(text);
    };
    QString bar = (previous ? link(current - 1, "Previous") : QString()) + "&nbsp";
    for (int label = first; label <= last; ++label)
        bar += (label == current ? QString::number(label) : link(label, QString::number(label))) +
               "&nbsp";
    return bar + (next ? link(current + 1, "Next") : QString());
}

TEST(FolderPagesTest, IndexBarListsTenPagesEachSide) {
    CSiteFolder folder;
    folder.id = 5;
    // page (0-based), page count, first and last label
    const int windows[][4] = {{11, 30, 2, 22}, {0, 30, 1, 11}, {29, 30, 20, 30}, {1, 3, 1, 3}};
    for (const auto& [page, count, first, last] : windows)
        EXPECT_EQ(indexBarText(folder, page, count, false),
                  expectedBar(page + 1, first, last, page > 0, page < count - 1))
            << page << " of " << count;
    // A single page is the no-bar text; the root links its first page as ./index.htm.
    EXPECT_EQ(indexBarText(folder, 0, 1, false), "&nbsp1&nbsp");
    CSiteFolder root;
    EXPECT_EQ(indexBarText(root, 0, 1, true), "&nbsp1&nbsp");
    EXPECT_EQ(indexBarText(root, 1, 3, true),
              "<A href=\"./index.htm\">Previous</A>&nbsp<A href=\"./index.htm\">1</A>&nbsp2&nbsp"
              "<A href=\"main2.htm\">3</A>&nbsp<A href=\"main2.htm\">Next</A>");
}

// Published items link the published url and image; prepared image items
// carry their page and thumbnail as they are and publish nothing.
TEST(FolderPagesTest, ItemLinksByStyle) {
    PageFixture f;
    CSitePage item;
    item.url = "C:\\docs\\a.pdf";
    EXPECT_EQ(MakeItemLink(f.writer(), item, false), "");  // no caption, no image: no link
    EXPECT_TRUE(f.output.calls.isEmpty());
    item.caption = "Cap";
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
    f.output.calls.clear();
    item.url = "d1i0.htm";
    item.lnkimg = "thumb.jpg";
    item.lnkstyle = kTextLink;
    EXPECT_EQ(MakeItemLink(f.writer(), item, true),
              "<IMG src=\"thumb.jpg\" border=\"0\" align=\"center\"><A href=\"d1i0.htm\">Cap</A>");
    EXPECT_TRUE(f.output.calls.isEmpty());
}

TEST(FolderPagesTest, AFolderHasItsOwnGridSizeOnlyWhenBothArePositive) {
    // folder rows, cols; main rows, cols; the grid's rows, cols
    const int cases[][6] = {{2, 5, 3, 3, 2, 5},          {0, 4, 3, 3, 3, 3},
                            {3, 0, 1, 1, 1, 1},          {-1, -1, 0, -5, 1, 1},
                            {-1, -1, 100000, 7, 100, 7}, {500, 2, 3, 3, 100, 2}};
    for (const auto& [folderRows, folderCols, mainRows, mainCols, rows, cols] : cases) {
        PageFixture f;
        f.album.layout.main.rows = mainRows;
        f.album.layout.main.cols = mainCols;
        CSiteFolder folder;
        folder.rows = folderRows;
        folder.cols = folderCols;
        applyGridSize(f.writer(), folder);
        EXPECT_EQ(f.writer().gridRows, rows) << folderRows << ' ' << mainRows;
        EXPECT_EQ(f.writer().gridCols, cols) << folderCols << ' ' << mainCols;
    }
}

TEST(FolderPagesTest, GridCountsBelowOneActAsOne) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "F");
    f.addItem(folder, "a.zip", "a");
    f.addItem(folder, "b.zip", "b");
    f.writer().gridRows = 0;
    f.writer().gridCols = -3;
    const QStringList pages = BuildGridPages(f.writer(), *folder, FolderContext{}, 100);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[1], expected("grid_counts_cell"));
}

// Seven document items A..G, the third with a description, in a 2 x 3 grid.
void addSevenItems(PageFixture& f, CSiteFolder* folder) {
    folder->rows = 2;
    folder->cols = 3;
    for (char letter = 'a'; letter <= 'g'; ++letter) {
        const QString name(QChar::fromLatin1(letter));
        f.addItem(folder, "C:\\docs\\" + name + ".pdf", name.toUpper(),
                  letter == 'c' ? QStringLiteral("Third") : QString());
    }
}

TEST(FolderPagesGoldenTest, EmptyRootAndEmptyFolderBesideANextNavigator) {
    PageFixture f;
    EXPECT_EQ(f.generate(), QStringList{"index.htm"});
    expectGolden("empty_root_index.htm", f.page("index.htm"));
    PageFixture g;
    g.addFolder(g.addFolder(g.root(), "Trips"), "Paris");
    EXPECT_EQ(g.generate(), (QStringList{"d1p0.htm", "d2p0.htm", "index.htm"}));
    expectGolden("empty_folder_next_navigator_d1p0.htm", g.page("d1p0.htm"));
}

TEST(FolderPagesGoldenTest, SevenItemsOnTheRootInATwoByThreeGrid) {
    PageFixture f;
    f.root()->desc = "Welcome";
    addSevenItems(f, f.root());
    f.addFolder(f.root(), "Trips");  // the root still has no next navigator
    EXPECT_EQ(f.generate(), (QStringList{"d1p0.htm", "index.htm", "main1.htm"}));
    expectGolden("grid_root_index.htm", f.page("index.htm"));
    expectGolden("grid_root_main1.htm", f.page("main1.htm"));
}

TEST(FolderPagesGoldenTest, SevenItemsBesideANextNavigatorWithHeaderAndFooter) {
    PageFixture f;
    f.album.website.headerStr = "<b>Album</b>";
    f.album.website.footerStr = "Made by hand";
    f.album.layout.table.lineclr = 0;
    CSiteFolder* trips = f.addFolder(f.root(), "Trips");
    addSevenItems(f, trips);
    f.addFolder(trips, "Paris");
    f.generate();
    expectGolden("grid_next_navigator_d1p0.htm", f.page("d1p0.htm"));
    EXPECT_TRUE(f.page("d1p1.htm")
                    .contains("<A href=\"./site/g.pdf\">G</A></FONT></TD>\n\n</TR>\n<TR>\n\n"
                              "</TR>\n<TR>\n<TD width=\"80%\""));
    EXPECT_TRUE(f.page("d1p1.htm")
                    .contains("<A href=\"d1p0.htm\">Previous</A>&nbsp<A href=\"d1p0.htm\">1"
                              "</A>&nbsp2&nbsp</FONT>"));
}

TEST(FolderPagesTest, FoldersWithAUrlAreNeitherWrittenNorEntered) {
    PageFixture f;
    CSiteFolder* web = f.addFolder(f.root(), "Web");
    web->url = "http://example.com/";
    f.addFolder(web, "Below");
    f.addFolder(f.root(), "Trips");
    EXPECT_EQ(f.generate(), (QStringList{"d3p0.htm", "index.htm"}));
    EXPECT_TRUE(f.page("index.htm").contains("<td>\n<A href=\"./site/\">Web</A></td>\n"));
}

TEST(FolderPagesTest, ImagePagesTakeTheExtraColumnOfTheLastComposedPage) {
    PageFixture f;
    CSiteFolder* trips = f.addFolder(f.root(), "Trips");
    f.addItem(trips, "t.jpg", "t");
    f.addItem(f.addFolder(trips, "Paris"), "p.jpg", "p");
    f.generate();
    // Trips' image page follows the root's page (no next navigator column);
    // Paris' image page follows Trips' page, which had one.
    EXPECT_TRUE(f.page("d1i0.htm").contains("colspan=3 "));
    EXPECT_TRUE(f.page("d1p0.htm").contains("colspan=4 "));
    EXPECT_TRUE(f.page("d2i0.htm").contains("colspan=4 "));
    EXPECT_FALSE(f.page("d2p0.htm").contains("colspan=4 "));
}

}  // namespace
}  // namespace pictavo
