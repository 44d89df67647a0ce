// The document frame and attribute builders, against the exact texts of the
// page format.

#include "generator/html/HtmlBuilders.h"
#include "tests/generator_pages/PageTestSupport.h"

namespace pictavo {
namespace {

using test::expected;
using test::PageFixture;

TEST(HtmlBuildersTest, ColoursLinksAndFontSizes) {
    // Red is the low byte; the top byte is ignored, so no colour (-1) is white.
    EXPECT_EQ(ColorToHtml(0x0A0B0C), "#0C0B0A");
    EXPECT_EQ(ColorToHtml(-1), "#FFFFFF");
    EXPECT_EQ(ColorAttribute("bgcolor", kNoColour), "");
    EXPECT_EQ(ColorAttribute("bordercolor", 0xFF), "bordercolor=#FF0000");
    EXPECT_EQ(MakeLink("text", ""), "text");
    EXPECT_EQ(MakeLink("text", "d1p0.htm"), "<A href=\"d1p0.htm\">text</A>");
    EXPECT_EQ(MakeLink("text", "page", true), "<A href=\"page.htm\">text</A>");
    // Both sides of every step of the point scale.
    const std::pair<int, int> steps[] = {{-150, 1}, {99, 1},  {100, 2}, {119, 2}, {120, 3},
                                         {139, 3},  {140, 4}, {169, 4}, {170, 5}, {219, 5},
                                         {220, 6},  {309, 6}, {310, 7}};
    for (const auto& [tenths, html] : steps)
        EXPECT_EQ(HtmlFontSize(tenths), html) << tenths;
}

TEST(HtmlBuildersTest, FontTagsAndStylesBoldOutermostStrikeOutInnermost) {
    AreaProperty area;
    EXPECT_EQ(FontOpen(area), "<FONT face=\"Arial\" size=1 >\n");
    EXPECT_EQ(WrapFontStyles(area, "x"), "x");
    area.font.name = "Verdana";
    area.font.size = 140;
    area.font.clr = 0x0000FF;
    EXPECT_EQ(FontOpen(area), "<FONT face=\"Verdana\" size=4 color=#FF0000>\n");
    EXPECT_EQ(fontOpenInline(area), "<FONT face=\"Verdana\" size=4 color=#FF0000>");
    area.font.i = area.font.s = 1;
    EXPECT_EQ(WrapFontStyles(area, "x"), "<EM>\n<STRIKE>\nx</STRIKE>\n</EM>\n");
    area.font.b = area.font.u = 1;
    EXPECT_EQ(WrapFontStyles(area, "x"),
              "<STRONG>\n<U>\n<EM>\n<STRIKE>\nx</STRIKE>\n</EM>\n</U>\n</STRONG>\n");
    EXPECT_EQ(wrapFontStylesInline(area, "x"),
              "<STRONG><U><EM><STRIKE>x</STRIKE></EM></U></STRONG>");
}

TEST(HtmlBuildersTest, HeadSectionHasCharsetMetasTitlePrefixAndSoundInOrder) {
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
    EXPECT_EQ(HeadSection(f.writer(), "Holidays"), expected("head_section"));
    EXPECT_EQ(f.output.calls, QStringList{"publish C:\\Music\\song.mid"});
    // No metas and an unpublishable sound leave only the title.
    website.Reset(false);
    website.general.bgsndpath = "lost.wav";
    f.output.unpublishable.insert("lost.wav");
    EXPECT_EQ(HeadSection(f.writer(), "P"), "<HEAD>\n<TITLE>\nP</TITLE>\n</HEAD>\n");
}

TEST(HtmlBuildersTest, BodyStartWritesMarginsBackgroundAndColours) {
    const struct {
        int usetop, top, useleft, left, custom, bgimg, watermark, defcolor;
        bool publishes;
        const char* body;
    } cases[] = {
        {0, 0, 0, 0, 0, 1, 1, 0, true, "<BODY>\n"},  // not custom
        {0, 5, 1, 0, 0, 0, 0, 1, true, "<BODY leftmargin=0>\n"},
        {0, 0, 0, 0, 1, 1, 0, 1, true, "<BODY background=\"./site/bg.jpg\">\n"},
        {1, 2, 0, 0, 1, 1, 1, 1, true,
         "<BODY topmargin=2 background=\"./site/bg.jpg\" bgproperties=\"fixed\">\n"},
        {0, 0, 0, 0, 1, 1, 1, 1, false, "<BODY>\n"},  // watermark not published
        {0, 0, 0, 0, 1, 0, 1, 1, true, "<BODY>\n"},   // image switched off
        {0, 0, 0, 0, 1, 1, 1, 0, true,
         "<BODY background=\"./site/bg.jpg\" bgproperties=\"fixed\" bgcolor=\"#FFFFFF\" "
         "text=\"#1946B4\" link=\"#0000FF\" vlink=\"#008080\" alink=\"#FF0000\">\n"},
    };
    for (const auto& c : cases) {
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
        if (!c.publishes)
            f.output.unpublishable.insert("C:\\Pics\\bg.jpg");
        EXPECT_EQ(BodyStart(f.writer()), QString::fromLatin1(c.body));
    }
}

TEST(HtmlBuildersTest, TableStartPageFileAndLinkedFile) {
    PageFixture f;
    TableProperty& table = f.album.layout.table;
    table.borderclr = 0;
    table.borderwidth = 1;
    table.cellspacing = 2;
    table.cellpadding = 3;
    EXPECT_EQ(TableStart(f.album),
              "<TABLE width=\"100%\" height=\"95%\"  border=1 bordercolor=#000000 cellspacing=2 "
              "cellpadding=3 >\n");
    WritePageFile(f.writer(), "D3I0.HTM", "text");  // the name is lower-cased
    EXPECT_EQ(f.page("d3i0.htm"), "text");
    EXPECT_EQ(PublishLinkedFile(f.writer(), ""), "");  // an empty path is not published
    EXPECT_EQ(PublishLinkedFile(f.writer(), "a/b.pdf"), "./site/b.pdf");
    EXPECT_EQ(f.output.calls, (QStringList{"write d3i0.htm", "publish a/b.pdf"}));
}

}  // namespace
}  // namespace pictavo
