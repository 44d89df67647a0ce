// The area rows, folder links, navigators and history trail, against the
// exact texts of the page format.

#include "generator/pages/PageAreas.h"
#include "tests/generator_pages/PageTestSupport.h"

namespace pictavo {
namespace {

using test::expected;
using test::PageFixture;

const QString kFont = QStringLiteral("<FONT face=\"Arial\" size=1 >");

TEST(PageAreasTest, HeaderAndFooterRowsOnlyWithTheirText) {
    PageFixture f;
    f.album.layout.head.bgimg = "h.gif";
    EXPECT_EQ(HeaderBarRow(f.writer()), "");
    EXPECT_EQ(FooterBarRow(f.writer()), "");
    EXPECT_TRUE(f.output.calls.isEmpty());
    f.album.website.footerStr = "bye";
    f.album.layout.footer.font.b = 1;
    f.album.layout.footer.font.size = 120;
    EXPECT_EQ(FooterBarRow(f.writer()), expected("footer_row"));
    f.album.website.headerStr = "Hi";
    f.album.layout.head.align = "Left";
    f.album.layout.head.bgclr = 0xFFFFFF;
    f.album.layout.table.lineclr = 0;
    f.writer().extraColumns = 1;
    EXPECT_EQ(HeaderBarRow(f.writer()), expected("header_row"));
}

TEST(PageAreasTest, NavigatorHistoryAndDescriptionRows) {
    PageFixture f;
    // The top navigator row is written even when empty.
    EXPECT_EQ(TopNavigatorRow(f.writer(), ""), expected("top_navigator_row"));
    // The history row styles without a font tag.
    f.album.layout.history.font.b = 1;
    f.album.layout.history.font.size = 300;
    EXPECT_EQ(HistoryBarRow(f.writer(), "cells"), expected("history_row"));
    // The description has the main canvas's style, aligned by main.align,
    // not by the canvas's own align field.
    f.album.layout.main.align = "Left";
    EXPECT_EQ(DescriptionRow(f.writer(), "About"),
              "<TD colspan=3     align=\"center\">\n" + kFont + "\nAbout\n</FONT>\n</TD>\n");
    // The next navigator spans the grid and the extra rows.
    f.writer().extraRows = 2;
    EXPECT_EQ(
        NextNavigatorCell(f.writer(), "nav"),
        "<TD width=\"20%\" height=\"90%\" rowspan=5    >\n" + kFont + "\nnav\n</FONT>\n</TD>\n");
    f.album.layout.next.align = "Right";
    EXPECT_EQ(NextNavigatorCell(f.writer(), "nav").section('\n', 0, 0),
              "<TD width=\"20%\" height=\"90%\" rowspan=5     align=\"Right\">");
}

TEST(PageAreasTest, GridCellAndIndexBarRow) {
    PageFixture f;
    f.album.layout.main.mainAlign = "";
    EXPECT_EQ(GridCell(f.writer(), "content", 33),
              "<TD width=\"33%\"    >\n" + kFont + "\ncontent</FONT></TD>\n");
    f.album.layout.table.lineclr = 0;
    f.album.layout.main.bgclr = 0xFFFFFF;
    f.album.layout.main.bgimg = "m.gif";
    f.album.layout.main.mainAlign = "center";
    EXPECT_EQ(GridCell(f.writer(), "content", 33), expected("grid_cell"));
    // No index bar row for no bar or a single page; the align is unquoted.
    PageFixture g;
    g.album.layout.idx.bgimg = "i.gif";
    EXPECT_EQ(IndexBarRow(g.writer(), ""), "");
    EXPECT_EQ(IndexBarRow(g.writer(), "&nbsp1&nbsp"), "");
    EXPECT_TRUE(g.output.calls.isEmpty());
    g.album.layout.idx.bgimg = "";
    g.album.layout.idx.align = "";
    g.album.layout.idx.font.b = g.album.layout.idx.font.s = 1;
    EXPECT_EQ(IndexBarRow(g.writer(), "BAR"), expected("index_bar_row"));
}

TEST(PageAreasTest, ComposePageSetsExtraColumnsAndRows) {
    PageFixture f;
    FolderPageParts parts;
    parts.nextNavigator = "nav";
    parts.indexBar = "&nbsp1&nbsp";
    ComposePage(f.writer(), parts);
    EXPECT_EQ(f.writer().extraColumns, 1);
    EXPECT_EQ(f.writer().extraRows, 0);
    parts.isRoot = true;
    parts.description = "d";
    parts.indexBar = "&nbsp1&nbsp<A href=\"d1p1.htm\">2</A>&nbsp";
    ComposePage(f.writer(), parts);
    EXPECT_EQ(f.writer().extraColumns, 0);
    EXPECT_EQ(f.writer().extraRows, 2);
}

#define IMG "<IMG src=\"./site/t.gif\" border=\"0\" >"
#define A(x) "<A href=\"d4p0.htm\">" x "</A>"

// Caption "Trips", link image t.gif, folder id 4, not centred.
TEST(MakeFolderLinkTest, PlacesAndLinksTextAndImageByStyle) {
    const struct {
        int lnkstyle, posstyle;
        const char* link;
    } cases[] = {
        {kTextLink, 0, IMG A("Trips")},
        {kTextLink, 1, A("Trips") IMG},
        {kTextLink, 2, IMG "<br>" A("Trips")},
        {kTextLink, 3, A("Trips") "<br>" IMG},
        {kTextLink, 4, ""},  // a position out of range
        {kImageLink, 1, "Trips" A(IMG)},
        {kBothLink, 2, A(IMG "<br>Trips")},
        {kBothLink, -1, A("")},
        {3, 2, ""},  // a style out of range
    };
    for (const auto& c : cases) {
        PageFixture f;
        CSiteFolder* folder = f.addFolder(f.root(), "Trips");
        folder->id = 4;
        folder->lnkimg = "C:\\pics\\t.gif";
        folder->lnkstyle = c.lnkstyle;
        folder->posstyle = c.posstyle;
        EXPECT_EQ(MakeFolderLink(f.writer(), *folder, false, false), QString::fromLatin1(c.link))
            << c.lnkstyle << ' ' << c.posstyle;
    }
}

#undef IMG
#undef A

TEST(MakeFolderLinkTest, UrlsCaptionsAndImagesThatAreMissing) {
    PageFixture f;
    CSiteFolder* none = f.addFolder(f.root(), "");
    none->url = "C:\\web\\page.htm";
    EXPECT_EQ(MakeFolderLink(f.writer(), *none, false, true),
              "");  // nothing to show, nothing published
    EXPECT_TRUE(f.output.calls.isEmpty());
    // A folder with a url links its published url.
    CSiteFolder* web = f.addFolder(f.root(), "Web");
    web->url = "C:\\web\\page.htm";
    web->lnkimg = "w.gif";
    EXPECT_EQ(MakeFolderLink(f.writer(), *web, false, false),
              "<IMG src=\"./site/w.gif\" border=\"0\" ><br><A href=\"./site/page.htm\">Web</A>");
    EXPECT_EQ(f.output.calls, (QStringList{"publish C:\\web\\page.htm", "publish w.gif"}));
    // An image link whose image is not published links nothing.
    CSiteFolder* gone = f.addFolder(f.root(), "T");
    gone->lnkimg = "gone.gif";
    gone->lnkstyle = kImageLink;
    f.output.unpublishable.insert("gone.gif");
    EXPECT_EQ(MakeFolderLink(f.writer(), *gone, false, false), "<A href=\"d3p0.htm\"></A><br>T");
    // A text link without a caption leaves the image unlinked.
    CSiteFolder* bare = f.addFolder(f.root(), "");
    bare->lnkimg = "x.gif";
    EXPECT_EQ(MakeFolderLink(f.writer(), *bare, false, true),
              "<IMG src=\"./site/x.gif\" border=\"0\" align=\"center\">");
}

TEST(PageAreasTest, TopNavigatorHasOneCellPerChildOfTheRoot) {
    PageFixture f;
    f.addFolder(f.addFolder(f.root(), "Trips"), "Paris");  // grandchildren are not listed
    f.addFolder(f.root(), "");
    f.album.layout.top.align = "";
    EXPECT_EQ(TopNavigatorContent(f.writer()), expected("top_navigator_content"));
}

TEST(PageAreasTest, HistoryTrailRunsFromTheRootToTheParent) {
    PageFixture f;
    CSiteFolder* a = f.addFolder(f.root(), "A");
    CSiteFolder* b = f.addFolder(a, "B");
    CSiteFolder* c = f.addFolder(b, "C");
    f.root()->lnkimg = "r.gif";
    a->lnkimg = "a.gif";
    b->lnkimg = "b.gif";
    const auto cell = [](const QString& image, const QString& link) {
        return "<td>" + kFont + "\n<IMG src=\"./site/" + image +
               "\" border=\"0\" align=\"center\"><br>" + link + "</FONT></td>";
    };
    const QString arrow = "<td>" + kFont + "\n-></FONT></td>";
    EXPECT_EQ(ancestorTrail(f.writer(), *c),
              cell("r.gif", "<A href=\"./index.htm\">Index</A>") + arrow +
                  cell("a.gif", "<A href=\"d1p0.htm\">A</A>") + arrow +
                  cell("b.gif", "<A href=\"d2p0.htm\">B</A>"));
    // Built walking up from the parent.
    EXPECT_EQ(f.output.calls, (QStringList{"publish b.gif", "publish a.gif", "publish r.gif"}));
    EXPECT_EQ(ancestorTrail(f.writer(), *f.root()), "");
}

}  // namespace
}  // namespace pictavo
