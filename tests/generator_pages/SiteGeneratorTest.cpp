// The generation walk: whole album and selected folder, determinism of the
// calls to the output.

#include "generator/pages/PageAreas.h"
#include "generator/pages/SiteGenerator.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::FakeSiteOutput;
using test::PageFixture;

// Root with A (1) > B (2) > C (3) > D (4) and a sibling Z (5); a few link
// images, items and a background image so that the calls are many.
void buildChain(PageFixture& f) {
    CSiteFolder* a = f.addFolder(f.root(), "A");
    CSiteFolder* b = f.addFolder(a, "B");
    CSiteFolder* c = f.addFolder(b, "C");
    f.addFolder(c, "D");
    f.addFolder(f.root(), "Z");
    a->lnkimg = "a.gif";
    a->lnkstyle = kBothLink;
    f.addItem(c, "c1.jpg", "one");
    f.addItem(c, "c2.doc", "two");
    f.album.layout.history.bgimg = "h.gif";
}

TEST(GenerateSiteTest, SelectedFolderCarriesTheFullTrailAndTopNavigator) {
    PageFixture whole;
    buildChain(whole);
    generateSite(whole.writer(), whole.root());

    PageFixture selected;
    buildChain(selected);
    const CSiteFolder* c = selected.album.tree.findFolderById(3);
    generateSite(selected.writer(), c);

    EXPECT_EQ(selected.output.pages.keys(), (QStringList{"d3i0.htm", "d3p0.htm", "d4p0.htm"}));
    EXPECT_EQ(selected.output.pages.value("d3p0.htm"), whole.output.pages.value("d3p0.htm"));
    EXPECT_EQ(selected.output.pages.value("d4p0.htm"), whole.output.pages.value("d4p0.htm"));

    const QString cell = "<td><FONT face=\"Arial\" size=1 >\n";
    const QString arrow = cell + "-></FONT></td>";
    const QString trail =
        cell + "<A href=\"./index.htm\">Index</A></FONT></td>" + arrow + cell +
        "<A href=\"d1p0.htm\"><IMG src=\"./site/a.gif\" border=\"0\" align=\"center\"><br>A</A>"
        "</FONT></td>" +
        arrow + cell + "<A href=\"d2p0.htm\">B</A></FONT></td>" + arrow + cell +
        "<A href=\"d3p0.htm\">C</A></FONT></td>";
    const QString page = selected.output.pages.value("d3p0.htm");
    EXPECT_TRUE(page.contains("<TABLE><TR align=center>" + trail + "\n</TR></TABLE>\n"));
    EXPECT_TRUE(page.contains(
        "<table rows=1 cols=2>\n<TR align=\"Center\">\n<td>\n<A href=\"d1p0.htm\"><IMG "
        "src=\"./site/a.gif\" border=\"0\" ><br>A</A></td>\n<td>\n<A href=\"d5p0.htm\">Z</A>"
        "</td>\n</tr>\n</table>\n"));
}

TEST(GenerateSiteTest, TwoPassesOverOneAlbumAgree) {
    PageFixture f;
    buildChain(f);
    FakeSiteOutput planning;
    FakeSiteOutput writing;
    HtmlPageWriter planWriter(f.album, planning, "/out");
    HtmlPageWriter writeWriter(f.album, writing, "/out");
    generateSite(planWriter, f.root());
    generateSite(writeWriter, f.root());
    ASSERT_FALSE(planning.calls.isEmpty());
    EXPECT_EQ(planning.calls, writing.calls);
    EXPECT_EQ(planning.pages, writing.pages);
}

TEST(GenerateSiteTest, WholeAlbumWritesPagesInPreOrder) {
    PageFixture f;
    buildChain(f);
    generateSite(f.writer(), f.root());
    QStringList written;
    for (const QString& call : f.output.calls) {
        if (call.startsWith("write "))
            written << call.mid(6);
    }
    EXPECT_EQ(written, (QStringList{"index.htm", "d1p0.htm", "d2p0.htm", "d3i0.htm", "d3p0.htm",
                                    "d4p0.htm", "d5p0.htm"}));
}

}  // namespace
}  // namespace pictavo
