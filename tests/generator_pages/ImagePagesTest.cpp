// Image pages: buttons, back target, image tag, text block and whole pages
// compared with hand-written golden pages.

#include "generator/pages/ImagePages.h"
#include "tests/generator_pages/PageTestSupport.h"

namespace pictavo {
namespace {

using test::expected;
using test::expectGolden;
using test::PageFixture;

ImagePageInput inputOf(int imageCount, const QString& imageUrl = {}) {
    ImagePageInput input;
    input.prefix = "d3";
    input.imageCount = imageCount;
    input.imageUrl = imageUrl;
    return input;
}

// The golden pages show the first and a middle image.
TEST(ImagePageTest, NavigatorButtonsOfTheLastAndOfASingleImage) {
    const auto button = [](const char* target, const char* name) {
        const QString image =
            QStringLiteral("<IMG src=\"./files/image/pctvnav%1.gif\" border=0>").arg(name);
        return *target ? QStringLiteral("<A href = \"%1\">%2</A>\n").arg(target, image)
                       : image + "\n";
    };
    ImagePageInput last = inputOf(4);
    last.pageNumber = 1;
    last.imageIndex = 3;
    EXPECT_EQ(imageNavigatorButtons(last), button("d3p1.htm", "t") + button("d3i0.htm", "f") +
                                               button("d3i2.htm", "p") + button("", "n") +
                                               button("", "l"));
    EXPECT_EQ(imageNavigatorButtons(inputOf(1)), button("d3p0.htm", "t") + button("", "f") +
                                                     button("", "p") + button("", "n") +
                                                     button("", "l"));
}

// The image row of a page built from input.
QString imageRowOf(PageFixture& f, const ImagePageInput& input) {
    const QString page = imagePageText(f.writer(), input);
    const qsizetype start = page.indexOf("<TR align=\"Center\">\n<TD   >\n");
    const qsizetype end = page.indexOf("</TD></TR>\n", start);
    return start < 0 || end < 0 ? "<no image row>" : page.mid(start, end + 11 - start);
}

TEST(ImagePageTest, ImageTagAndTextBlock) {
    PageFixture f;
    const QString opening = "<TR align=\"Center\">\n<TD   >\n<IMG src = \"u.jpg\"";
    ImagePageInput input = inputOf(1, "u.jpg");
    // Size attributes only with both dimensions.
    input.displaySize = QSize(240, 480);
    EXPECT_EQ(imageRowOf(f, input), opening + " width=240 height=480>\n<BR></TD></TR>\n");
    input.displaySize = QSize(640, 0);
    EXPECT_EQ(imageRowOf(f, input), opening + ">\n<BR></TD></TR>\n");
    // The text block uses the font but not its styles.
    f.album.layout.img.font.b = f.album.layout.img.font.i = 1;
    f.album.layout.img.font.clr = 0x00FF00;
    const QString font = ">\n<BR><FONT face=\"Arial\" size=1 color=#00FF00>\n";
    input.caption = "Cap";
    EXPECT_EQ(imageRowOf(f, input), opening + font + "Cap\n<BR></FONT></TD></TR>\n");
    input.caption.clear();
    input.description = "Desc";
    EXPECT_EQ(imageRowOf(f, input), opening + font + "Desc\n</FONT></TD></TR>\n");
}

TEST(ImagePageTest, NavigatorRowUsesAlignBackgroundAndColourButNoStyles) {
    PageFixture f;
    AreaProperty& imgnavi = f.album.layout.imgnavi;
    imgnavi.align = "Left";
    imgnavi.bgimg = "nav.gif";
    imgnavi.bgclr = 0x0000FF;
    imgnavi.font.b = 1;
    const QString page = imagePageText(f.writer(), inputOf(1));
    EXPECT_TRUE(
        page.contains("<TR align=\"Left\">\n<TD height=\"5%\"  bgcolor=#FF0000 "
                      "background=\"./site/nav.gif\" >\n<A href = \"d3p0.htm\">"));
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
    EXPECT_EQ(f.generate(),
              (QStringList{"d1i0.htm", "d1i1.htm", "d1i2.htm", "d1p0.htm", "index.htm"}));
    for (const char* page : {"d1p0.htm", "d1i0.htm", "d1i1.htm"})
        expectGolden(QStringLiteral("photos_") + page, f.page(page));
}

TEST(ImagePagesTest, CallOrderOfAFolderWithImages) {
    PageFixture f;
    buildPhotos(f);
    f.album.website.general.bgsndpath = "s.mid";
    f.album.layout.main.bgimg = "m.gif";
    f.generate();
    EXPECT_EQ(f.output.calls, expected("call_order").split('\n'));
}

TEST(ImagePagesTest, RootImagesLinkBackToTheirRootPage) {
    PageFixture f;
    f.root()->rows = f.root()->cols = 1;
    for (int i = 0; i < 3; ++i)
        f.addItem(f.root(), QStringLiteral("p%1.jpg").arg(i), "x");
    f.generate();
    EXPECT_TRUE(f.page("d0i0.htm").contains("<A href = \"./index.htm\"><IMG"));
    EXPECT_TRUE(f.page("d0i2.htm").contains("<A href = \"main2.htm\"><IMG"));
    EXPECT_TRUE(f.page("main2.htm").contains("<A href=\"d0i2.htm\">"));
}

TEST(ImagePagesTest, ImageNumberingRestartsInEveryFolder) {
    PageFixture f;
    CSiteFolder* one = f.addFolder(f.root(), "One");
    CSiteFolder* two = f.addFolder(f.root(), "Two");
    for (const char* name : {"a.jpg", "b.txt", "c.jpg"})
        f.addItem(one, name, name);
    f.addItem(two, "d.jpg", "d");
    EXPECT_EQ(f.generate(), (QStringList{"d1i0.htm", "d1i1.htm", "d1p0.htm", "d2i0.htm", "d2p0.htm",
                                         "index.htm"}));
    // Thumbnails are numbered through the whole run.
    EXPECT_TRUE(f.page("d2p0.htm").contains("Thumbnail2.jpg"));
}

}  // namespace
}  // namespace pictavo
