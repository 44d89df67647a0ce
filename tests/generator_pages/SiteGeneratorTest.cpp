// The generation walk: whole album and selected folder, determinism of the
// calls to the output.

#include "generator/pages/PageAreas.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <QRegularExpression>

namespace pictavo {
namespace {

using test::FakeSiteOutput;
using test::PageFixture;

// Root with A (1) > B (2) > C (3) > D (4) and a sibling Z (5); a few link
// images, items and a background image so that the calls are many.
void buildChain(PageFixture& f) {
    CSiteFolder* a = f.addFolder(f.root(), "A");
    CSiteFolder* c = f.addFolder(f.addFolder(a, "B"), "C");
    f.addFolder(c, "D");
    f.addFolder(f.root(), "Z");
    a->lnkimg = "a.gif";
    a->lnkstyle = kBothLink;
    f.addItem(c, "c1.jpg", "one");
    f.addItem(c, "c2.doc", "two");
    f.album.layout.history.bgimg = "h.gif";
}

TEST(GenerateSiteTest, WholeAlbumWritesPagesInPreOrderTwiceTheSame) {
    PageFixture f;
    buildChain(f);
    FakeSiteOutput again;
    HtmlPageWriter againWriter(f.album, again, "/out");
    f.generate();
    generateSite(againWriter, f.root());
    EXPECT_EQ(f.output.calls, again.calls);
    EXPECT_EQ(f.output.pages, again.pages);
    const QStringList written = f.output.calls.filter(QRegularExpression("^write "));
    EXPECT_EQ(written,
              (QStringList{"write index.htm", "write d1p0.htm", "write d2p0.htm", "write d3i0.htm",
                           "write d3p0.htm", "write d4p0.htm", "write d5p0.htm"}));
}

TEST(GenerateSiteTest, SelectedFolderCarriesTheFullTrailAndTopNavigator) {
    PageFixture whole;
    buildChain(whole);
    whole.generate();
    PageFixture selected;
    buildChain(selected);
    generateSite(selected.writer(), selected.album.tree.findFolderById(3));
    EXPECT_EQ(selected.output.pages.keys(), (QStringList{"d3i0.htm", "d3p0.htm", "d4p0.htm"}));
    EXPECT_EQ(selected.page("d3p0.htm"), whole.page("d3p0.htm"));
    EXPECT_EQ(selected.page("d4p0.htm"), whole.page("d4p0.htm"));

    const QString cell = "<td><FONT face=\"Arial\" size=1 >\n";
    const QString arrow = cell + "-></FONT></td>";
    const QString trail =
        cell + "<A href=\"./index.htm\">Index</A></FONT></td>" + arrow + cell +
        "<A href=\"d1p0.htm\"><IMG src=\"./site/a.gif\" border=\"0\" align=\"center\"><br>A</A>"
        "</FONT></td>" +
        arrow + cell + "<A href=\"d2p0.htm\">B</A></FONT></td>" + arrow + cell +
        "<A href=\"d3p0.htm\">C</A></FONT></td>";
    const QString page = selected.page("d3p0.htm");
    EXPECT_TRUE(page.contains("<TABLE><TR align=center>" + trail + "\n</TR></TABLE>\n"));
    EXPECT_TRUE(page.contains(
        "<table rows=1 cols=2>\n<TR align=\"Center\">\n<td>\n<A href=\"d1p0.htm\"><IMG "
        "src=\"./site/a.gif\" border=\"0\" ><br>A</A></td>\n<td>\n<A href=\"d5p0.htm\">Z</A>"
        "</td>\n</tr>\n</table>\n"));
}

}  // namespace
}  // namespace pictavo
