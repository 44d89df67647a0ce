// The area rows, folder links, navigators and history trail, against the
// exact texts of the page format.

#include "generator/pages/PageAreas.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::PageFixture;

const QString kFont = QStringLiteral("<FONT face=\"Arial\" size=1 >");

TEST(HeaderBarRowTest, NoHeaderTextNoRow) {
    PageFixture f;
    f.album.layout.head.bgimg = "h.gif";
    EXPECT_EQ(HeaderBarRow(f.writer()), "");
    EXPECT_TRUE(f.output.calls.isEmpty());
}

TEST(HeaderBarRowTest, AllAttributesAndTheExtraColumn) {
    PageFixture f;
    f.album.website.headerStr = "Hi";
    f.album.layout.head.align = "Left";
    f.album.layout.head.bgimg = "h.gif";
    f.album.layout.head.bgclr = 0xFFFFFF;
    f.album.layout.table.lineclr = 0;
    f.writer().extraColumns = 1;
    EXPECT_EQ(HeaderBarRow(f.writer()),
              "<TR align=\"Left\">\n<TD width=\"100%\" height=\"5%\" colspan=4 "
              "bordercolor=#000000 bgcolor=#FFFFFF background=\"./site/h.gif\">\n" +
                  kFont + "\nHi\n</FONT>\n</TD>\n</TR>\n");
}

TEST(FooterBarRowTest, UsesTheFooterArea) {
    PageFixture f;
    EXPECT_EQ(FooterBarRow(f.writer()), "");
    f.album.website.footerStr = "bye";
    f.album.layout.footer.font.b = 1;
    f.album.layout.footer.font.size = 120;
    EXPECT_EQ(FooterBarRow(f.writer()),
              "<TR>\n<TD width=\"100%\" height=\"5%\" colspan=3   >\n"
              "<FONT face=\"Arial\" size=3 >\n<STRONG>\nbye</STRONG>\n\n</FONT>\n</TD>\n</TR>\n");
}

TEST(TopNavigatorRowTest, WrittenEvenWhenEmpty) {
    PageFixture f;
    EXPECT_EQ(TopNavigatorRow(f.writer(), ""),
              "<TR align=\"Center\">\n<TD width=\"100%\" height=\"5%\" colspan=3   >\n" + kFont +
                  "\n\n</FONT>\n</TD>\n</TR>\n");
}

TEST(HistoryBarRowTest, StylesWithoutFontTag) {
    PageFixture f;
    f.album.layout.history.font.b = 1;
    f.album.layout.history.font.size = 300;
    EXPECT_EQ(HistoryBarRow(f.writer(), "cells"),
              "<TR>\n<TD width=\"100%\" height=\"5%\" colspan=3   >\n"
              "<TABLE><TR align=center><STRONG>\ncells</STRONG>\n\n</TR></TABLE>\n</TD>\n</TR>\n");
}

TEST(DescriptionRowTest, MainCanvasStyleAlignedByMainAlign) {
    PageFixture f;
    f.album.layout.main.align = "Left";  // the canvas's own align field is not used
    EXPECT_EQ(DescriptionRow(f.writer(), "About"),
              "<TD colspan=3     align=\"center\">\n" + kFont + "\nAbout\n</FONT>\n</TD>\n");
}

TEST(NextNavigatorCellTest, SpansGridAndExtraRows) {
    PageFixture f;
    f.writer().extraRows = 2;
    EXPECT_EQ(
        NextNavigatorCell(f.writer(), "nav"),
        "<TD width=\"20%\" height=\"90%\" rowspan=5    >\n" + kFont + "\nnav\n</FONT>\n</TD>\n");
    f.album.layout.next.align = "Right";
    EXPECT_EQ(NextNavigatorCell(f.writer(), "nav").section('\n', 0, 0),
              "<TD width=\"20%\" height=\"90%\" rowspan=5     align=\"Right\">");
}

TEST(GridCellTest, WritesTheMainCanvasCell) {
    PageFixture f;
    f.album.layout.main.mainAlign = "";
    EXPECT_EQ(GridCell(f.writer(), "content", 33),
              "<TD width=\"33%\"    >\n" + kFont + "\ncontent</FONT></TD>\n");
    f.album.layout.table.lineclr = 0;
    f.album.layout.main.bgclr = 0xFFFFFF;
    f.album.layout.main.bgimg = "m.gif";
    f.album.layout.main.mainAlign = "center";
    EXPECT_EQ(GridCell(f.writer(), "content", 33),
              "<TD width=\"33%\" bordercolor=#000000 bgcolor=#FFFFFF "
              "background=\"./site/m.gif\"  align=\"center\">\n" +
                  kFont + "\ncontent</FONT></TD>\n");
}

TEST(IndexBarRowTest, NoRowForNoBarOrASinglePage) {
    PageFixture f;
    f.album.layout.idx.bgimg = "i.gif";
    EXPECT_EQ(IndexBarRow(f.writer(), ""), "");
    EXPECT_EQ(IndexBarRow(f.writer(), "&nbsp1&nbsp"), "");
    EXPECT_TRUE(f.output.calls.isEmpty());
}

TEST(IndexBarRowTest, UnquotedAlignAndInlineStyles) {
    PageFixture f;
    f.album.layout.idx.align = "";
    f.album.layout.idx.font.b = 1;
    f.album.layout.idx.font.s = 1;
    EXPECT_EQ(IndexBarRow(f.writer(), "BAR"),
              "<TR>\n<TD width=\"80%\" height=\"5%\" align= colspan=3   >\n" + kFont +
                  "<STRONG><STRIKE>BAR</STRIKE></STRONG></FONT></TD>\n</TR>\n");
}

TEST(ComposePageTest, SetsExtraColumnsAndRows) {
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

struct FolderLinkCase {
    const char* name;
    int lnkstyle;
    int posstyle;
    const char* link;
};

class MakeFolderLinkStyleTest : public ::testing::TestWithParam<FolderLinkCase> {};

// Caption "Trips", link image t.gif, folder id 4, not centred.
TEST_P(MakeFolderLinkStyleTest, PlacesAndLinksTextAndImage) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "Trips");
    ASSERT_EQ(folder->id, 1);
    folder->id = 4;
    folder->lnkimg = "C:\\pics\\t.gif";
    folder->lnkstyle = GetParam().lnkstyle;
    folder->posstyle = GetParam().posstyle;
    EXPECT_EQ(MakeFolderLink(f.writer(), *folder, false, false),
              QString::fromLatin1(GetParam().link));
}

#define IMG "<IMG src=\"./site/t.gif\" border=\"0\" >"
#define TXT "Trips"
#define A(x) "<A href=\"d4p0.htm\">" x "</A>"

INSTANTIATE_TEST_SUITE_P(
    Styles, MakeFolderLinkStyleTest,
    ::testing::Values(FolderLinkCase{"text_leftImage", 0, 0, IMG A(TXT)},
                      FolderLinkCase{"text_rightImage", 0, 1, A(TXT) IMG},
                      FolderLinkCase{"text_topImage", 0, 2, IMG "<br>" A(TXT)},
                      FolderLinkCase{"text_bottomImage", 0, 3, A(TXT) "<br>" IMG},
                      FolderLinkCase{"text_badPosition", 0, 4, ""},
                      FolderLinkCase{"image_rightImage", 1, 1, TXT A(IMG)},
                      FolderLinkCase{"both_topImage", 2, 2, A(IMG "<br>" TXT)},
                      FolderLinkCase{"both_badPosition", 2, -1, "<A href=\"d4p0.htm\"></A>"},
                      FolderLinkCase{"badStyle", 3, 2, ""}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

#undef IMG
#undef TXT
#undef A

TEST(MakeFolderLinkTest, NoCaptionNoImageNoLinkNoPublishing) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "");
    folder->url = "C:\\web\\page.htm";
    EXPECT_EQ(MakeFolderLink(f.writer(), *folder, false, true), "");
    EXPECT_TRUE(f.output.calls.isEmpty());
}

TEST(MakeFolderLinkTest, AFolderWithAUrlLinksItsPublishedUrl) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "Web");
    folder->url = "C:\\web\\page.htm";
    folder->lnkimg = "w.gif";
    folder->lnkstyle = kTextLink;
    EXPECT_EQ(MakeFolderLink(f.writer(), *folder, false, false),
              "<IMG src=\"./site/w.gif\" border=\"0\" ><br><A href=\"./site/page.htm\">Web</A>");
    EXPECT_EQ(f.output.calls, (QStringList{"publish C:\\web\\page.htm", "publish w.gif"}));
}

TEST(MakeFolderLinkTest, ImageLinkWithUnpublishableImageLinksNothing) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "T");
    folder->lnkimg = "gone.gif";
    folder->lnkstyle = kImageLink;
    f.output.unpublishable.insert("gone.gif");
    EXPECT_EQ(MakeFolderLink(f.writer(), *folder, false, false), "<A href=\"d1p0.htm\"></A><br>T");
}

TEST(MakeFolderLinkTest, TextLinkWithoutCaptionLeavesTheImageUnlinked) {
    PageFixture f;
    CSiteFolder* folder = f.addFolder(f.root(), "");
    folder->lnkimg = "x.gif";
    EXPECT_EQ(MakeFolderLink(f.writer(), *folder, false, true),
              "<IMG src=\"./site/x.gif\" border=\"0\" align=\"center\">");
}

TEST(TopNavigatorContentTest, OneCellPerChildOfTheRoot) {
    PageFixture f;
    CSiteFolder* trips = f.addFolder(f.root(), "Trips");
    f.addFolder(trips, "Paris");  // grandchildren are not listed
    f.addFolder(f.root(), "");
    f.album.layout.top.align = "";
    EXPECT_EQ(TopNavigatorContent(f.writer()),
              "<table rows=1 cols=2>\n<TR>\n<td>\n<A href=\"d1p0.htm\">Trips</A></td>\n"
              "<td>\n</td>\n</tr>\n</table>\n");
}

TEST(HistoryTrailTest, AncestorTrailRunsFromTheRootToTheParent) {
    PageFixture f;
    CSiteFolder* a = f.addFolder(f.root(), "A");
    CSiteFolder* b = f.addFolder(a, "B");
    CSiteFolder* c = f.addFolder(b, "C");
    f.root()->lnkimg = "r.gif";
    a->lnkimg = "a.gif";
    b->lnkimg = "b.gif";
    const QString cell = "<td>" + kFont + "\n";
    const QString arrow = cell + "-></FONT></td>";
    EXPECT_EQ(ancestorTrail(f.writer(), *c),
              cell +
                  "<IMG src=\"./site/r.gif\" border=\"0\" align=\"center\"><br>"
                  "<A href=\"./index.htm\">Index</A></FONT></td>" +
                  arrow + cell +
                  "<IMG src=\"./site/a.gif\" border=\"0\" align=\"center\"><br>"
                  "<A href=\"d1p0.htm\">A</A></FONT></td>" +
                  arrow + cell +
                  "<IMG src=\"./site/b.gif\" border=\"0\" align=\"center\"><br>"
                  "<A href=\"d2p0.htm\">B</A></FONT></td>");
    // Built walking up from the parent.
    EXPECT_EQ(f.output.calls, (QStringList{"publish b.gif", "publish a.gif", "publish r.gif"}));
    EXPECT_EQ(ancestorTrail(f.writer(), *f.root()), "");
}

}  // namespace
}  // namespace pictavo
