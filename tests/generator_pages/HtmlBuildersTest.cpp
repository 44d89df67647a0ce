// The document frame and attribute builders, against the exact texts of the
// page format.

#include "generator/html/HtmlBuilders.h"
#include "tests/generator_pages/PageTestSupport.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::PageFixture;

struct ColourCase {
    int colour;
    const char* html;
};

class ColorToHtmlTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColorToHtmlTest, WritesRedGreenBlueInUpperCaseHex) {
    EXPECT_EQ(ColorToHtml(GetParam().colour), QString::fromLatin1(GetParam().html));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColorToHtmlTest,
    ::testing::Values(ColourCase{255, "#FF0000"}, ColourCase{0x102030, "#302010"},
                      ColourCase{0, "#000000"}, ColourCase{0xFFFFFF, "#FFFFFF"},
                      ColourCase{0x0A0B0C, "#0C0B0A"}, ColourCase{0x00FF00, "#00FF00"},
                      ColourCase{0xB44619, "#1946B4"}, ColourCase{-1, "#FFFFFF"}));

TEST(ColorAttributeTest, NoColourGivesNoAttribute) {
    EXPECT_EQ(ColorAttribute("bgcolor", kNoColour), "");
    EXPECT_EQ(ColorAttribute("bgcolor", 0xFFFFFF), "bgcolor=#FFFFFF");
    EXPECT_EQ(ColorAttribute("bordercolor", 0xFF), "bordercolor=#FF0000");
}

struct FontSizeCase {
    int tenths;
    int html;
};

class HtmlFontSizeTest : public ::testing::TestWithParam<FontSizeCase> {};

TEST_P(HtmlFontSizeTest, MapsPointsToHtmlSize) {
    EXPECT_EQ(HtmlFontSize(GetParam().tenths), GetParam().html) << GetParam().tenths;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, HtmlFontSizeTest,
    ::testing::Values(FontSizeCase{90, 1}, FontSizeCase{100, 2}, FontSizeCase{120, 3},
                      FontSizeCase{140, 4}, FontSizeCase{170, 5}, FontSizeCase{220, 6},
                      FontSizeCase{310, 7}, FontSizeCase{99, 1}, FontSizeCase{119, 2},
                      FontSizeCase{139, 3}, FontSizeCase{169, 4}, FontSizeCase{219, 5},
                      FontSizeCase{309, 6}, FontSizeCase{20, 1}, FontSizeCase{0, 1},
                      FontSizeCase{-150, 1}, FontSizeCase{5000, 7}));

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

struct StyleCase {
    int b, i, u, s;
    const char* wrapped;
    const char* inlineWrapped;
};

class WrapFontStylesTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(WrapFontStylesTest, BoldOutermostStrikeOutInnermost) {
    AreaProperty area;
    area.font.b = GetParam().b;
    area.font.i = GetParam().i;
    area.font.u = GetParam().u;
    area.font.s = GetParam().s;
    EXPECT_EQ(WrapFontStyles(area, "x"), QString::fromLatin1(GetParam().wrapped));
    EXPECT_EQ(wrapFontStylesInline(area, "x"), QString::fromLatin1(GetParam().inlineWrapped));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, WrapFontStylesTest,
    ::testing::Values(
        StyleCase{0, 0, 0, 0, "x", "x"},
        StyleCase{1, 1, 1, 1, "<STRONG>\n<U>\n<EM>\n<STRIKE>\nx</STRIKE>\n</EM>\n</U>\n</STRONG>\n",
                  "<STRONG><U><EM><STRIKE>x</STRIKE></EM></U></STRONG>"},
        StyleCase{1, 0, 0, 0, "<STRONG>\nx</STRONG>\n", "<STRONG>x</STRONG>"},
        StyleCase{0, 1, 0, 1, "<EM>\n<STRIKE>\nx</STRIKE>\n</EM>\n", "<EM><STRIKE>x</STRIKE></EM>"},
        StyleCase{0, 0, 1, 0, "<U>\nx</U>\n", "<U>x</U>"}));

TEST(MakeLinkTest, LinksOnlyWithAnHref) {
    EXPECT_EQ(MakeLink("text", ""), "text");
    EXPECT_EQ(MakeLink("text", "", true), "text");
    EXPECT_EQ(MakeLink("text", "d1p0.htm"), "<A href=\"d1p0.htm\">text</A>");
    EXPECT_EQ(MakeLink("text", "page", true), "<A href=\"page.htm\">text</A>");
    EXPECT_EQ(MakeLink("", "a.htm"), "<A href=\"a.htm\"></A>");
}

TEST(HeadSectionTest, NewAlbumHasTheGeneratorMetaAndThePageTitleOnly) {
    PageFixture f;
    EXPECT_EQ(HeadSection(f.writer(), "Holidays"),
              "<HEAD>\n<meta name=\"GENERATOR\" content=\"!Pictavo\">\n<TITLE>\nHolidays</TITLE>\n"
              "</HEAD>\n");
    EXPECT_TRUE(f.output.calls.isEmpty());
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
        BodyCase{"plain", 0, 5, 0, 7, 0, 1, 1, 0, true, "<BODY>\n"},
        BodyCase{"margins", 1, 5, 1, 7, 0, 1, 1, 0, true, "<BODY topmargin=5 leftmargin=7>\n"},
        BodyCase{"leftOnly", 0, 5, 1, 0, 0, 0, 0, 1, true, "<BODY leftmargin=0>\n"},
        BodyCase{"customDefaultColours", 0, 0, 0, 0, 1, 1, 0, 1, true,
                 "<BODY background=\"./site/bg.jpg\">\n"},
        BodyCase{"watermark", 1, 2, 0, 0, 1, 1, 1, 1, true,
                 "<BODY topmargin=2 background=\"./site/bg.jpg\" bgproperties=\"fixed\">\n"},
        BodyCase{"watermarkUnpublished", 0, 0, 0, 0, 1, 1, 1, 1, false, "<BODY>\n"},
        BodyCase{"imageSwitchOff", 0, 0, 0, 0, 1, 0, 1, 1, true, "<BODY>\n"},
        BodyCase{"everything", 0, 0, 0, 0, 1, 1, 1, 0, true,
                 "<BODY background=\"./site/bg.jpg\" bgproperties=\"fixed\" bgcolor=\"#FFFFFF\" "
                 "text=\"#1946B4\" link=\"#0000FF\" vlink=\"#008080\" alink=\"#FF0000\">\n"},
        BodyCase{"coloursOnly", 0, 0, 0, 0, 1, 0, 0, 0, true,
                 "<BODY bgcolor=\"#FFFFFF\" text=\"#1946B4\" link=\"#0000FF\" vlink=\"#008080\" "
                 "alink=\"#FF0000\">\n"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(BodyStartTest, IgnoresTheBackgroundSectionUnlessCustom) {
    PageFixture f;
    BackgroundProperty& background = f.album.website.background;
    background.bgimg = 1;
    background.bgimgpath = "bg.jpg";
    background.defcolor = 0;
    EXPECT_EQ(BodyStart(f.writer()), "<BODY>\n");
    EXPECT_TRUE(f.output.calls.isEmpty());
}

TEST(BodyStartTest, WritesNoColourAsWhite) {
    PageFixture f;
    BackgroundProperty& background = f.album.website.background;
    background.custom = 1;
    background.defcolor = 0;
    background.bgcolor = kNoColour;
    background.txtcolor = 0;
    EXPECT_TRUE(BodyStart(f.writer()).startsWith("<BODY bgcolor=\"#FFFFFF\" text=\"#000000\""));
}

TEST(TableStartTest, KeepsTheSpacesOfAnEmptyBorderColour) {
    Album album;
    EXPECT_EQ(TableStart(album),
              "<TABLE width=\"100%\" height=\"95%\"  border=0  cellspacing=0 cellpadding=0 >\n");
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
