// The page parser: which attribute values are links, on which line, and
// what browsers make of quoting, comments, scripts and character references.
#include "generator/check/PageLinks.h"
#include "generator/check/PageText.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct ParseRow {
    const char* name;
    const char* html;
    std::vector<std::pair<const char*, int>> links;  // reference, line
};

void PrintTo(const ParseRow& row, std::ostream* out) {
    *out << row.name;
}

class PageLinksParse : public testing::TestWithParam<ParseRow> {};

TEST_P(PageLinksParse, FindsTheLinksAndTheirLines) {
    const ParseRow& row = GetParam();
    const std::vector<PageLink> links = findPageLinks(QString::fromUtf8(row.html));
    ASSERT_EQ(links.size(), row.links.size());
    for (std::size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(links[i].reference, QString::fromUtf8(row.links[i].first)) << i;
        EXPECT_EQ(links[i].line, row.links[i].second) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageLinksParse,
    testing::Values(
        ParseRow{"AllThreeAttributesInAnyCase",
                 "<BODY Background=\"bg.gif\">\r\n<A HREF=\"a.htm\">x</A>\r\n<IMG src=\"b.jpg\">",
                 {{"bg.gif", 1}, {"a.htm", 2}, {"b.jpg", 3}}},
        ParseRow{"QuotingStyles",
                 "<img src='one.jpg'><img src=two.jpg><img src = \"three.jpg\">",
                 {{"one.jpg", 1}, {"two.jpg", 1}, {"three.jpg", 1}}},
        ParseRow{"OtherAttributesAndTextAreNotLinks",
                 "<img alt=\"src=bad.jpg\" src=\"good.jpg\" title='href=x'> href=\"text.htm\"",
                 {{"good.jpg", 1}}},
        ParseRow{"ValueOnTheLineItStartsOn",
                 "<a\nclass=x\nhref=\"a\nb.htm\">\n<img src=c>",
                 {{"a\nb.htm", 3}, {"c", 5}}},
        ParseRow{"CommentsScriptsAndStylesHoldNoLinks",
                 "<!-- <a href=\"old.htm\"> -->\n<script>var s = '<img src=\"x.jpg\">';</SCRIPT>\n"
                 "<style>a { background: url(y.gif) }</style><a href=\"kept.htm\">",
                 {{"kept.htm", 3}}},
        ParseRow{
            "CharacterReferencesAreDecoded",
            "<a href=\"a&amp;b.htm\"><img src=\"z&#252;rich&#x2E;jpg\"><a href=\"&bogus;.htm\">",
            {{"a&b.htm", 1}, {"zürich.jpg", 1}, {"&bogus;.htm", 1}}},
        ParseRow{"TextThatIsNoTag", "1 < 2 <> <3 <a href=\"a.htm\"", {{"a.htm", 1}}},
        ParseRow{"EndTagsAndSelfClosingTags",
                 "</a href=\"no.htm\"><img src=\"x.png\"/><br/>",
                 {{"x.png", 1}}}),
    [](const testing::TestParamInfo<ParseRow>& row) { return std::string(row.param.name); });

struct CharsetRow {
    const char* name;
    QByteArray page;
    const char* text;  // what the page must decode to contain
};

void PrintTo(const CharsetRow& row, std::ostream* out) {
    *out << row.name;
}

class PageTextDecode : public testing::TestWithParam<CharsetRow> {};

TEST_P(PageTextDecode, ReadsThePageInItsCharset) {
    const CharsetRow& row = GetParam();
    EXPECT_TRUE(decodePageText(row.page).contains(QString::fromUtf8(row.text)))
        << decodePageText(row.page).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, PageTextDecode,
    testing::Values(
        CharsetRow{"ContentTypeLatin1",
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
                   "Z\xFCrich \x80",
                   "Zürich €"},
        CharsetRow{"MetaCharsetGbk", "<META charset=GB2312>\xB6\xAB\xBE\xA9", "东京"},
        CharsetRow{"NoLabelUtf8", "<p>Z\xC3\xBCrich", "Zürich"},
        CharsetRow{"NoLabelNotUtf8", "<p>Z\xFCrich", "Zürich"},
        CharsetRow{"UndecodableBytesAreReplaced", "<meta charset=\"utf-8\"><a href=\"a\xFF.htm\">",
                   "a\xEF\xBF\xBD.htm"}),
    [](const testing::TestParamInfo<CharsetRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace pictavo
