// The generation walk: whole album and selected folder, determinism of the
// calls to the output.

#include "generator/pages/PageAreas.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <QRegularExpression>

namespace pictavo {
namespace {

using test::expected;
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

    EXPECT_TRUE(selected.page("d3p0.htm").contains(expected("selected_trail")));
    EXPECT_TRUE(selected.page("d3p0.htm").contains(expected("selected_top_navigator")));
}

}  // namespace
}  // namespace pictavo
