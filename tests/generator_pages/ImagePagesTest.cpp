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

QString button(const char* file) {
    return QStringLiteral("<IMG src=\"./files/image/") + file + "\" border=0>";
}

QString linked(const QString& target, const char* file) {
    return "<A href = \"" + target + "\">" + button(file) + "</A>";
}

struct ButtonCase {
    const char* name;
    int index, count;
    bool first, previous, next, last;  // which of the four are linked
};

class ImageNavigatorButtonsTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ImageNavigatorButtonsTest, LinksWhatExists) {
    const ButtonCase& c = GetParam();
    ImagePageInput input;
    input.prefix = "d3";
    input.pageNumber = 1;
    input.imageIndex = c.index;
    input.imageCount = c.count;
    const QString last = QStringLiteral("d3i%1.htm").arg(c.count - 1);
    const QString expected =
        linked("d3p1.htm", "pctvnavt.gif") + "\n" +
        (c.first ? linked("d3i0.htm", "pctvnavf.gif") : button("pctvnavf.gif")) + "\n" +
        (c.previous ? linked(QStringLiteral("d3i%1.htm").arg(c.index - 1), "pctvnavp.gif")
                    : button("pctvnavp.gif")) +
        "\n" +
        (c.next ? linked(QStringLiteral("d3i%1.htm").arg(c.index + 1), "pctvnavn.gif")
                : button("pctvnavn.gif")) +
        "\n" + (c.last ? linked(last, "pctvnavl.gif") : button("pctvnavl.gif")) + "\n";
    EXPECT_EQ(imageNavigatorButtons(input), expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, ImageNavigatorButtonsTest,
                         ::testing::Values(ButtonCase{"first", 0, 4, false, false, true, true},
                                           ButtonCase{"middle", 2, 4, true, true, true, true},
                                           ButtonCase{"last", 3, 4, true, true, false, false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

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

struct BackCase {
    bool isRoot;
    int page;
    const char* target;
};

class BackToFolderTargetTest : public ::testing::TestWithParam<BackCase> {};

TEST_P(BackToFolderTargetTest, LeadsToThePageHoldingTheImage) {
    ImagePageInput input;
    input.prefix = "d7";
    input.isRoot = GetParam().isRoot;
    input.pageNumber = GetParam().page;
    EXPECT_EQ(backToFolderTarget(input), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(Targets, BackToFolderTargetTest,
                         ::testing::Values(BackCase{true, 0, "./index.htm"},
                                           BackCase{true, 2, "main2.htm"},
                                           BackCase{false, 0, "d7p0.htm"},
                                           BackCase{false, 3, "d7p3.htm"}));

TEST(ImagePageNameTest, LowerCasedPerFolderIndex) {
    EXPECT_EQ(imagePageName("d3", 0), "d3i0.htm");
    EXPECT_EQ(imagePageName("D3", 12), "d3i12.htm");
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

TEST(ImagePageTest, WritesUnderItsLowerCasedName) {
    PageFixture f;
    ImagePageInput input;
    input.prefix = "D4";
    input.imageIndex = 2;
    input.imageCount = 3;
    EXPECT_EQ(WriteImagePage(f.writer(), input), "d4i2.htm");
    EXPECT_EQ(f.output.calls.last(), "write d4i2.htm");
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
