// The document frame and attribute builders, against the exact texts of the
// page format.

#include "generator/html/HtmlBuilders.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::PageFixture;

// Red is the low byte; the top byte is ignored, so no colour (-1) is white.
TEST(ColorToHtmlTest, WritesRedGreenBlueInUpperCaseHex) {
    EXPECT_EQ(ColorToHtml(0x0A0B0C), "#0C0B0A");
    EXPECT_EQ(ColorToHtml(0xB44619), "#1946B4");
    EXPECT_EQ(ColorToHtml(-1), "#FFFFFF");
}

TEST(ColorAttributeTest, NoColourGivesNoAttribute) {
    EXPECT_EQ(ColorAttribute("bgcolor", kNoColour), "");
    EXPECT_EQ(ColorAttribute("bordercolor", 0xFF), "bordercolor=#FF0000");
}

// Both sides of every step of the point scale.
TEST(HtmlFontSizeTest, MapsPointsToHtmlSize) {
    const std::pair<int, int> steps[] = {{-150, 1}, {99, 1},  {100, 2}, {119, 2}, {120, 3},
                                         {139, 3},  {140, 4}, {169, 4}, {170, 5}, {219, 5},
                                         {220, 6},  {309, 6}, {310, 7}};
    for (const auto& [tenths, html] : steps)
        EXPECT_EQ(HtmlFontSize(tenths), html) << tenths;
}

TEST(FontOpenTest, WritesFaceSizeAndColour) {
    AreaProperty area;
    EXPECT_EQ(FontOpen(area), "<FONT face=\"Arial\" size=1 >\n");
    EXPECT_EQ(fontOpenInline(area), "<FONT face=\"Arial\" size=1 >");
    area.font.name = "Verdana";
    area.font.size = 140;
    area.font.clr = 0x0000FF;
    EXPECT_EQ(FontOpen(area), "<FONT face=\"Verdana\" size=4 color=#FF0000>\n");
    EXPECT_EQ(fontOpenInline(area), "<FONT face=\"Verdana\" size=4 color=#FF0000>");
}

TEST(WrapFontStylesTest, BoldOutermostStrikeOutInnermost) {
    AreaProperty area;
    EXPECT_EQ(WrapFontStyles(area, "x"), "x");
    area.font.i = 1;
    area.font.s = 1;
    EXPECT_EQ(WrapFontStyles(area, "x"), "<EM>\n<STRIKE>\nx</STRIKE>\n</EM>\n");
    area.font.b = 1;
    area.font.u = 1;
    EXPECT_EQ(WrapFontStyles(area, "x"),
              "<STRONG>\n<U>\n<EM>\n<STRIKE>\nx</STRIKE>\n</EM>\n</U>\n</STRONG>\n");
    EXPECT_EQ(wrapFontStylesInline(area, "x"),
              "<STRONG><U><EM><STRIKE>x</STRIKE></EM></U></STRONG>");
}

TEST(MakeLinkTest, LinksOnlyWithAnHref) {
    EXPECT_EQ(MakeLink("text", ""), "text");
    EXPECT_EQ(MakeLink("text", "d1p0.htm"), "<A href=\"d1p0.htm\">text</A>");
    EXPECT_EQ(MakeLink("text", "page", true), "<A href=\"page.htm\">text</A>");
}

TEST(HeadSectionTest, CharsetMetasTitlePrefixAndSoundInOrder) {
    PageFixture f;
    WebsiteProperty& website = f.album.website;
    website.language.save = "iso-8859-4";
    MetaVariable refresh;
    refresh.ifsys = 1;
    refresh.name = "refresh";
    refresh.val = "30";
    website.metas.push_back(refresh);
    website.general.title = "My album";
    website.general.bgsndpath = "C:\\Music\\song.mid";
    website.general.bgsndloop = 3;
    EXPECT_EQ(HeadSection(f.writer(), "Holidays"),
              "<HEAD>\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-4\">\n"
              "<meta name=\"GENERATOR\" content=\"!Pictavo\">\n"
              "<meta http-equiv=\"refresh\" content=\"30\">\n"
              "<TITLE>\nMy album---Holidays</TITLE>\n"
              "<bgsound src=\"./site/song.mid\" loop=3>\n"
              "</HEAD>\n");
    EXPECT_EQ(f.output.calls, QStringList{"publish C:\\Music\\song.mid"});
}

TEST(HeadSectionTest, NoMetasAndAnUnpublishableSoundLeaveOnlyTheTitle) {
    PageFixture f;
    f.album.website.Reset(false);
    f.album.website.general.bgsndpath = "lost.wav";
    f.output.unpublishable.insert("lost.wav");
    EXPECT_EQ(HeadSection(f.writer(), "P"), "<HEAD>\n<TITLE>\nP</TITLE>\n</HEAD>\n");
}

struct BodyCase {
    const char* name;
    int usetop, top, useleft, left;
    int custom, bgimg, watermark, defcolor;
    bool imagePublishes;
    const char* body;
};

class BodyStartTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BodyStartTest, WritesMarginsBackgroundAndColours) {
    const BodyCase& c = GetParam();
    PageFixture f;
    MarginProperty& margin = f.album.website.margin;
    margin.usetopmargin = c.usetop;
    margin.topmargin = c.top;
    margin.useleftmargin = c.useleft;
    margin.leftmargin = c.left;
    BackgroundProperty& background = f.album.website.background;
    background.custom = c.custom;
    background.bgimg = c.bgimg;
    background.watermark = c.watermark;
    background.defcolor = c.defcolor;
    background.bgimgpath = "C:\\Pics\\bg.jpg";
    if (!c.imagePublishes)
        f.output.unpublishable.insert("C:\\Pics\\bg.jpg");
    EXPECT_EQ(BodyStart(f.writer()), QString::fromLatin1(c.body));
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BodyStartTest,
    ::testing::Values(
        BodyCase{"notCustom", 0, 0, 0, 0, 0, 1, 1, 0, true, "<BODY>\n"},
        BodyCase{"leftOnly", 0, 5, 1, 0, 0, 0, 0, 1, true, "<BODY leftmargin=0>\n"},
        BodyCase{"customDefaultColours", 0, 0, 0, 0, 1, 1, 0, 1, true,
                 "<BODY background=\"./site/bg.jpg\">\n"},
        BodyCase{"watermark", 1, 2, 0, 0, 1, 1, 1, 1, true,
                 "<BODY topmargin=2 background=\"./site/bg.jpg\" bgproperties=\"fixed\">\n"},
        BodyCase{"watermarkUnpublished", 0, 0, 0, 0, 1, 1, 1, 1, false, "<BODY>\n"},
        BodyCase{"imageSwitchOff", 0, 0, 0, 0, 1, 0, 1, 1, true, "<BODY>\n"},
        BodyCase{"everything", 0, 0, 0, 0, 1, 1, 1, 0, true,
                 "<BODY background=\"./site/bg.jpg\" bgproperties=\"fixed\" bgcolor=\"#FFFFFF\" "
                 "text=\"#1946B4\" link=\"#0000FF\" vlink=\"#008080\" alink=\"#FF0000\">\n"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(TableStartTest, WritesBorderColourAndSpacing) {
    Album album;
    album.layout.table.borderclr = 0;
    album.layout.table.borderwidth = 1;
    album.layout.table.cellspacing = 2;
    album.layout.table.cellpadding = 3;
    EXPECT_EQ(TableStart(album),
              "<TABLE width=\"100%\" height=\"95%\"  border=1 bordercolor=#000000 cellspacing=2 "
              "cellpadding=3 >\n");
}

TEST(WritePageFileTest, LowerCasesTheName) {
    PageFixture f;
    WritePageFile(f.writer(), "D3I0.HTM", "text");
    EXPECT_EQ(f.output.calls, QStringList{"write d3i0.htm"});
    EXPECT_EQ(f.output.pages.value("d3i0.htm"), "text");
}

TEST(PublishLinkedFileTest, AnEmptyPathIsNotPublished) {
    PageFixture f;
    EXPECT_EQ(PublishLinkedFile(f.writer(), ""), "");
    EXPECT_EQ(PublishLinkedFile(f.writer(), "a/b.pdf"), "./site/b.pdf");
    EXPECT_EQ(f.output.calls, QStringList{"publish a/b.pdf"});
}

}  // namespace
}  // namespace pictavo
