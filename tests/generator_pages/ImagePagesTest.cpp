// Image pages: buttons, back target, image tag, text block and whole pages
// compared with hand-written golden pages.

#include "generator/pages/ImagePages.h"
#include "generator/pages/SiteGenerator.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::expectGolden;
using test::PageFixture;

// The golden pages show the first and a middle image.
TEST(ImageNavigatorButtonsTest, LastImageLinksBackwardsOnly) {
    ImagePageInput input;
    input.prefix = "d3";
    input.pageNumber = 1;
    input.imageIndex = 3;
    input.imageCount = 4;
    EXPECT_EQ(imageNavigatorButtons(input),
              "<A href = \"d3p1.htm\"><IMG src=\"./files/image/pctvnavt.gif\" border=0></A>\n"
              "<A href = \"d3i0.htm\"><IMG src=\"./files/image/pctvnavf.gif\" border=0></A>\n"
              "<A href = \"d3i2.htm\"><IMG src=\"./files/image/pctvnavp.gif\" border=0></A>\n"
              "<IMG src=\"./files/image/pctvnavn.gif\" border=0>\n"
              "<IMG src=\"./files/image/pctvnavl.gif\" border=0>\n");
}

TEST(ImageNavigatorButtonsTest, SingleImageWrittenOut) {
    ImagePageInput input;
    input.prefix = "d3";
    input.imageCount = 1;
    EXPECT_EQ(imageNavigatorButtons(input),
              "<A href = \"d3p0.htm\"><IMG src=\"./files/image/pctvnavt.gif\" border=0></A>\n"
              "<IMG src=\"./files/image/pctvnavf.gif\" border=0>\n"
              "<IMG src=\"./files/image/pctvnavp.gif\" border=0>\n"
              "<IMG src=\"./files/image/pctvnavn.gif\" border=0>\n"
              "<IMG src=\"./files/image/pctvnavl.gif\" border=0>\n");
}

// The image row of a page built from input, with default properties.
QString imageRowOf(PageFixture& f, const ImagePageInput& input) {
    const QString page = imagePageText(f.writer(), input);
    const qsizetype start = page.indexOf("<TR align=\"Center\">\n<TD   >\n");
    const qsizetype end = page.indexOf("</TD></TR>\n", start);
    if (start < 0 || end < 0)
        return "<no image row>";
    return page.mid(start, end + 11 - start);
}

TEST(ImagePageTest, SizeAttributesOnlyWithBothDimensions) {
    PageFixture f;
    ImagePageInput input;
    input.prefix = "d1";
    input.imageCount = 1;
    input.imageUrl = "./files/image/a.jpg";
    input.displaySize = QSize(240, 480);
    EXPECT_EQ(imageRowOf(f, input),
              "<TR align=\"Center\">\n<TD   >\n"
              "<IMG src = \"./files/image/a.jpg\" width=240 height=480>\n<BR></TD></TR>\n");
    input.displaySize = QSize(640, 0);
    EXPECT_EQ(
        imageRowOf(f, input),
        "<TR align=\"Center\">\n<TD   >\n<IMG src = \"./files/image/a.jpg\">\n<BR></TD></TR>\n");
}

TEST(ImagePageTest, TextBlockUsesFontButNotStyles) {
    PageFixture f;
    f.album.layout.img.font.b = 1;
    f.album.layout.img.font.i = 1;
    f.album.layout.img.font.clr = 0x00FF00;
    ImagePageInput input;
    input.prefix = "d1";
    input.imageCount = 1;
    input.imageUrl = "u.jpg";
    input.caption = "Cap";
    const QString font = "<FONT face=\"Arial\" size=1 color=#00FF00>\n";
    const QString opening = "<TR align=\"Center\">\n<TD   >\n<IMG src = \"u.jpg\">\n<BR>";
    EXPECT_EQ(imageRowOf(f, input), opening + font + "Cap\n<BR></FONT></TD></TR>\n");
    input.caption.clear();
    input.description = "Desc";
    EXPECT_EQ(imageRowOf(f, input), opening + font + "Desc\n</FONT></TD></TR>\n");
}

TEST(ImagePageTest, NavigatorRowUsesAlignBackgroundAndColour) {
    PageFixture f;
    AreaProperty& imgnavi = f.album.layout.imgnavi;
    imgnavi.align = "Left";
    imgnavi.bgimg = "nav.gif";
    imgnavi.bgclr = 0x0000FF;
    imgnavi.font.b = 1;
    ImagePageInput input;
    input.prefix = "d1";
    input.imageCount = 1;
    const QString page = imagePageText(f.writer(), input);
    EXPECT_TRUE(
        page.contains("<TR align=\"Left\">\n<TD height=\"5%\"  bgcolor=#FF0000 "
                      "background=\"./site/nav.gif\" >\n<A href = \"d1p0.htm\">"));
    EXPECT_FALSE(page.contains("<STRONG>"));
}

// Folder "Photos" (id 1): three images around a document.
void buildPhotos(PageFixture& f) {
    CSiteFolder* photos = f.addFolder(f.root(), "Photos");
    f.addItem(photos, "C:\\pics\\a.jpg", "Sea", "Blue water");
    f.addItem(photos, "C:\\docs\\b.pdf", "Doc", "Notes");
    f.addItem(photos, "C:\\pics\\c.png", "");
    f.addItem(photos, "C:\\pics\\d.gif", "Last");
    f.output.displaySizes.insert("C:\\pics\\a.jpg", QSize(640, 480));
}

TEST(ImagePagesGoldenTest, ThumbnailCellsAndImagePages) {
    PageFixture f;
    buildPhotos(f);
    generateSite(f.writer(), f.root());
    EXPECT_EQ(f.output.pages.keys(),
              (QStringList{"d1i0.htm", "d1i1.htm", "d1i2.htm", "d1p0.htm", "index.htm"}));
    expectGolden("photos_d1p0.htm", f.output.pages.value("d1p0.htm"));
    expectGolden("photos_d1i0.htm", f.output.pages.value("d1i0.htm"));
    expectGolden("photos_d1i1.htm", f.output.pages.value("d1i1.htm"));
}

TEST(ImagePagesTest, RootImagesLinkBackToTheirRootPage) {
    PageFixture f;
    f.root()->rows = 1;
    f.root()->cols = 1;
    for (int i = 0; i < 3; ++i)
        f.addItem(f.root(), QStringLiteral("p%1.jpg").arg(i), "x");
    generateSite(f.writer(), f.root());
    EXPECT_TRUE(f.output.pages.value("d0i0.htm").contains("<A href = \"./index.htm\"><IMG"));
    EXPECT_TRUE(f.output.pages.value("d0i2.htm").contains("<A href = \"main2.htm\"><IMG"));
    EXPECT_TRUE(f.output.pages.value("main2.htm").contains("<A href=\"d0i2.htm\">"));
}

TEST(ImagePagesTest, CallOrderOfAFolderWithImages) {
    PageFixture f;
    buildPhotos(f);
    f.album.website.general.bgsndpath = "s.mid";
    f.album.layout.main.bgimg = "m.gif";
    generateSite(f.writer(), f.root());
    const QStringList expected = {
        "publish s.mid",           "write index.htm",      "thumbnail C:\\pics\\a.jpg",
        "publish C:\\pics\\a.jpg", "size C:\\pics\\a.jpg", "publish s.mid",
        "write d1i0.htm",          "publish m.gif",        "publish C:\\docs\\b.pdf",
        "publish C:\\docs\\b.pdf", "publish m.gif",        "thumbnail C:\\pics\\c.png",
        "publish C:\\pics\\c.png", "size C:\\pics\\c.png", "publish s.mid",
        "write d1i1.htm",          "publish m.gif",        "thumbnail C:\\pics\\d.gif",
        "publish C:\\pics\\d.gif", "size C:\\pics\\d.gif", "publish s.mid",
        "write d1i2.htm",          "publish m.gif",        "publish s.mid",
        "write d1p0.htm"};
    EXPECT_EQ(f.output.calls, expected);
}

TEST(ImagePagesTest, ImageNumberingRestartsInEveryFolder) {
    PageFixture f;
    CSiteFolder* one = f.addFolder(f.root(), "One");
    CSiteFolder* two = f.addFolder(f.root(), "Two");
    f.addItem(one, "a.jpg", "a");
    f.addItem(one, "b.txt", "b");
    f.addItem(one, "c.jpg", "c");
    f.addItem(two, "d.jpg", "d");
    generateSite(f.writer(), f.root());
    EXPECT_EQ(f.output.pages.keys(), (QStringList{"d1i0.htm", "d1i1.htm", "d1p0.htm", "d2i0.htm",
                                                  "d2p0.htm", "index.htm"}));
    // Thumbnails are numbered through the whole run.
    EXPECT_TRUE(f.output.pages.value("d2p0.htm").contains("Thumbnail2.jpg"));
}

}  // namespace
}  // namespace pictavo
